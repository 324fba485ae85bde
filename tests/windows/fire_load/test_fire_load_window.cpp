#include "fire_load_window.h"
#include "glav.h"
#include "modal.h"
#include "own_materials.h"
#include "result_out.h"
#include "whole_file.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The user's data folder, where own materials live: a fresh one for each test.
struct FreshDataHome {
    FreshDataHome() { qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path())); }
    ~FreshDataHome() { qputenv("XDG_DATA_HOME", previous); }
    QByteArray previous = qgetenv("XDG_DATA_HOME");
    QTemporaryDir dir;
};

// The fire-load window opened from the main window's Service menu, in a comma locale.
class FireLoadWindow : public testing::Test {
  protected:
    FireLoadWindow()
    {
        glav.show();
        child<QAction>(&glav, u"fireload"_s)->trigger();
        window = topLevel(u"FireLoad"_s);
        sites = child<QTableWidget>(window, u"sites"_s);
        materials = child<QTableWidget>(window, u"materials"_s);
    }
    ~FireLoadWindow() override { flushDeletes(); }

    // The auditorium: one 100 m² site of wood and paper under 3 m.
    void typeAuditorium()
    {
        child<QLineEdit>(window, u"roomName"_s)->setText(u"Аудитория"_s);
        sites->item(0, 0)->setText(u"Зал"_s);
        sites->item(0, 1)->setText(u"100"_s);
        sites->item(0, 2)->setText(u"3"_s);
        clickButton(window, "addMaterial");
        clickButton(window, "addMaterial");
        const char* cells[2][3] = {{"Древесина (бруски, влажность 14 %)", "600", ""},
                                   {"Бумага", "10", "13,4"}};
        for (int row = 0; row < 2; ++row) {
            materials->item(row, 0)->setText(QString::fromUtf8(cells[row][0]));
            materials->item(row, 1)->setText(QString::fromUtf8(cells[row][1]));
            if (*cells[row][2])
                materials->item(row, 2)->setText(QString::fromUtf8(cells[row][2]));
        }
    }

    QString category() const { return child<QPlainTextEdit>(window, u"category"_s)->toPlainText(); }

    FreshDataHome dataHome;
    DialogRecorder dialogs;
    Glav glav{commaLocale()};
    QWidget* window = nullptr;
    QTableWidget* sites = nullptr;
    QTableWidget* materials = nullptr;
};

TEST_F(FireLoadWindow, IsOneTopLevelWindowWithItsCaption)
{
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), u"Категория помещения В1–В4"_s);
    child<QAction>(&glav, u"fireload"_s)->trigger();
    EXPECT_EQ(glav.findChildren<FireLoad*>().size() + 0, 0u); // not a child of the main window
    EXPECT_EQ(topLevel(u"FireLoad"_s), window);
}

TEST_F(FireLoadWindow, CalculatesEverySiteAndNamesTheDecidingRule)
{
    typeAuditorium();
    EXPECT_EQ(materials->item(0, 2)->text(), u"13,8"_s); // filled from the materials table
    EXPECT_EQ(materials->item(0, 3)->text(), u"13,9"_s);
    clickButton(window, "calculate");
    EXPECT_TRUE(dialogs.seen.empty());
    const QStringList results{u"8414"_s, u"100"_s, u"84,14"_s, u"20"_s, u"8064"_s, u"В2"_s};
    for (int column = 0; column < results.size(); ++column)
        EXPECT_EQ(sites->item(0, 5 + column)->text(), results[column]);
    EXPECT_EQ(category(),
              u"Категория помещения: В2\nВ2: g = 84,14 МДж/м² на участке \"Зал\", но площадь участка "
              u"100 м² больше 10 м²; Q = 8414 МДж ≥ 0,64·1400·H² = 8064 МДж"_s);
}

TEST_F(FireLoadWindow, AnyChangeOfInputClearsTheResults)
{
    typeAuditorium();
    clickButton(window, "calculate");
    materials->item(1, 1)->setText(u"11"_s);
    EXPECT_TRUE(category().isEmpty());
    EXPECT_TRUE(sites->item(0, 10)->text().isEmpty());
    clickButton(window, "report");
    ASSERT_EQ(dialogs.seen.size(), 1u); // nothing stale reaches the report
    EXPECT_TRUE(glav.state().out.isEmpty());
}

TEST_F(FireLoadWindow, BadInputNamesTheSiteAndTheField)
{
    typeAuditorium();
    sites->item(0, 2)->setText(u"три"_s);
    clickButton(window, "calculate");
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].text, u"Участок \"Зал\": высота H — не число: три"_s);
    EXPECT_TRUE(category().isEmpty());
}

TEST_F(FireLoadWindow, ReportSectionReplacesTheOneAddedBefore)
{
    QTemporaryDir folder;
    typeAuditorium();
    clickButton(window, "calculate");
    clickButton(window, "report");
    const QString first = glav.state().out;
    EXPECT_TRUE(first.startsWith(u"<h3>2 Определение категории помещения по пожарной нагрузке"_s));
    sites->item(0, 2)->setText(u"6"_s);
    clickButton(window, "calculate");
    clickButton(window, "report");
    EXPECT_EQ(glav.state().out.count(u"<h3>2 "_s), 1);
    EXPECT_TRUE(glav.state().out.contains(u"относится к категории В3"_s));
    ASSERT_NE(glav.reportWindow(), nullptr);
    glav.reportWindow()->close();
}

TEST_F(FireLoadWindow, SavesAndOpensTheRoomWholeOrTellsWhatIsWrong)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"аудитория.pzv"_s);
    typeAuditorium();
    dialogs.answerFileDialog = [&](QFileDialog&) { return path; };
    clickButton(window, "save");
    window->close();
    flushDeletes();

    FireLoad* reopened = glav.openFireLoad(path);
    auto* table = child<QTableWidget>(reopened, u"materials"_s);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 2)->text(), u"13,4"_s);
    EXPECT_EQ(textOf(reopened, "roomName"), u"Аудитория"_s);

    writeFileBytes(path, "{\"format\": \"overpressure-fire-load\", \"version\": 1");
    EXPECT_FALSE(reopened->openFile(path));
    ASSERT_FALSE(dialogs.seen.empty());
    EXPECT_TRUE(dialogs.seen.back().text.contains(u"не открыт: это не файл пожарной нагрузки"_s));
    EXPECT_EQ(textOf(reopened, "roomName"), u"Аудитория"_s); // nothing changed
}

} // namespace

namespace {

TEST_F(FireLoadWindow, LooksAsDesigned)
{
    expectWindowDump(*window, QStringLiteral(EXPECTED "/fire_load/expected/FireLoad.txt"));
}

Material ownRow(const QString& name)
{
    return {name, 20, {}, u"паспорт изделия"_s, {}, {}, true};
}

// What another running copy of the program does to the shared file.
void addAsAnotherCopy(const QString& name)
{
    changeOwnMaterials(ownMaterialsPath(),
                       [&name](std::vector<Material>& rows) { addOwnMaterial(rows, ownRow(name)); });
}

QStringList ownNames()
{
    QStringList names;
    for (const Material& row : loadOwnMaterials(ownMaterialsPath()).rows)
        names << row.name;
    return names;
}

// Fills the form and presses OK; message boxes are recorded and answered.
ModalHandler fillingForm(QStringList& messages, const std::function<void(QDialog&)>& fill)
{
    return [&messages, fill](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages << box->text();
            return int(QMessageBox::Ok);
        }
        fill(dialog);
        return dialog.result();
    };
}

void type(QDialog& dialog, const Typing& typing)
{
    for (const auto& [field, text] : typing)
        dialog.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(QString::fromUtf8(text));
}

// A refused row keeps the form open with what was typed; the saved row is offered by the material
// cells of the fire-load window at once.
TEST_F(FireLoadWindow, AnOwnMaterialIsCheckedSavedAndOffered)
{
    clickButton(window, u"ownMaterials"_s);
    QWidget* own = topLevel(u"Materials"_s);
    ASSERT_NE(own, nullptr);
    QStringList messages;
    setModalHandler(fillingForm(messages, [](QDialog& dialog) {
        type(dialog,
             {{"name", "Ковролин"}, {"heat", "25,5"}, {"heatSource", "паспорт"}, {"fluxSource", "ГОСТ"}});
        dialog.accept(); // a source for no value
        type(dialog, {{"fluxSource", ""}, {"heat", "25,1234567890123456"}});
        dialog.accept(); // more digits than the file keeps
        EXPECT_EQ(textOf(&dialog, "name"), u"Ковролин"_s);
        type(dialog, {{"heat", "25,5"}});
        dialog.accept();
    }));
    clickButton(own, u"add"_s);
    failOnUnexpectedDialogs();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              u"Поле «qкр, кВт/м²»: не заполнено, хотя указан источник qкр\nЗапись не сохранена."_s);
    EXPECT_TRUE(messages[1].startsWith(u"Поле «Qн, МДж/кг»: не более 15"_s)) << messages[1].toStdString();
    EXPECT_EQ(ownNames(), QStringList{u"Ковролин"_s});
    auto* list = child<QTableWidget>(own, u"list"_s);
    EXPECT_EQ(list->item(list->currentRow(), 0)->text(), u"Ковролин (свое)"_s);
    clickButton(own, u"close"_s);
    flushDeletes();
    clickButton(window, "addMaterial");
    materials->item(0, 0)->setText(u"ковролин"_s);
    EXPECT_EQ(materials->item(0, 2)->text(), u"25,5"_s);
}

// "Изменить…" and "Удалить" change the file as it is now: a row another copy added meanwhile stays.
TEST_F(FireLoadWindow, OwnRowsAreEditedAndRemovedBesideAnotherCopys)
{
    addAsAnotherCopy(u"Линолеум ПВХ-1"_s);
    clickButton(window, u"ownMaterials"_s);
    QWidget* own = topLevel(u"Materials"_s);
    auto* list = child<QTableWidget>(own, u"list"_s);
    list->setCurrentCell(list->rowCount() - 1, 0);
    addAsAnotherCopy(u"Линолеум ПВХ-3"_s);
    QStringList messages;
    setModalHandler(fillingForm(messages, [](QDialog& dialog) {
        type(dialog, {{"name", "Линолеум ПВХ-2"}});
        dialog.accept();
    }));
    clickButton(own, u"edit"_s);
    failOnUnexpectedDialogs();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ownNames(), (QStringList{u"Линолеум ПВХ-2"_s, u"Линолеум ПВХ-3"_s}));
    clickButton(own, u"remove"_s);
    EXPECT_EQ(ownNames(), QStringList{u"Линолеум ПВХ-3"_s});
    EXPECT_EQ(list->rowCount(), int(shippedMaterials().size()) + 1);
}

// A damaged file is named in a message and set aside; its sound rows are listed and kept.
TEST_F(FireLoadWindow, ADamagedOwnFileIsToldAndItsSoundRowsKept)
{
    addAsAnotherCopy(u"Линолеум ПВХ-1"_s);
    writeFileBytes(ownMaterialsPath(), fileBytes(ownMaterialsPath()) + "Картон;16,5\n");
    clickButton(window, u"ownMaterials"_s);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_TRUE(
        dialogs.seen[0].text.startsWith(u"Файл собственных материалов "_s + fileNameShown(ownMaterialsPath())
                                        + u" поврежден: строка 3: неверное число полей. Он сохранен как"_s));
    EXPECT_EQ(ownNames(), QStringList{u"Линолеум ПВХ-1"_s});
    EXPECT_EQ(QFileInfo(ownMaterialsPath()).dir().entryList({u"materials.csv.поврежден-*"_s}).size(), 1);
}

} // namespace
