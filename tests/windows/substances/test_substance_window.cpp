#include "glav.h"
#include "modal.h"
#include "own_substances.h"
#include "substance_table.h"
#include "whole_file.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The main window with the substance window opened from its "Сервис" menu; the user's data folder,
// where own substances live, is a fresh one for each test.
class SubstanceWindow : public testing::Test {
  protected:
    SubstanceWindow() : previousDataHome(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        glav.show();
    }
    ~SubstanceWindow() override
    {
        flushDeletes();
        qputenv("XDG_DATA_HOME", previousDataHome);
    }

    QWidget* openSubstances()
    {
        child<QAction>(&glav, u"substances"_s)->trigger();
        return topLevel(u"Substances"_s);
    }

    QTemporaryDir dataHome;
    QByteArray previousDataHome;
    Glav glav{commaLocale()};
};

TEST_F(SubstanceWindow, LooksAsDesigned)
{
    expectWindowDump(*openSubstances(), QStringLiteral(EXPECTED "/substances/expected/Substances.txt"));
}

// Methane: a gas, so Z = 0.5.
TEST_F(SubstanceWindow, TypingFiltersEnterFillsTheMainWindowsFieldsAndTheReportNamesTheSubstance)
{
    QWidget* window = openSubstances();
    auto* search = child<QLineEdit>(window, u"search"_s);
    search->setText(u"МЕТАН"_s); // as typed: the list follows every change
    auto* list = child<QTableWidget>(window, u"list"_s);
    ASSERT_LT(list->rowCount(), int(shippedSubstances().size()));
    EXPECT_EQ(list->item(list->currentRow(), 0)->text(), u"Метан"_s);
    EXPECT_TRUE(
        child<QLabel>(window, u"crosscheck"_s)->text().startsWith(u"Сверено с независимыми данными"_s));
    QTest::keyClick(search, Qt::Key_Return);
    flushDeletes();
    EXPECT_EQ(topLevel(u"Substances"_s), nullptr);
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ(glav.state().substance, u"Метан"_s);
    EXPECT_EQ(textOf(&glav, "Text2"), u"0,5"_s) << "Z of a gas";

    // The report names the substance, also once the calculation is saved and opened again, though
    // the file itself keeps no name.
    const QString named = u"<p>Вещество: Метан, формула CH4. Данные: справочник веществ программы"_s;
    glav.result1();
    EXPECT_TRUE(glav.state().out.contains(named));
    EXPECT_TRUE(glav.state().out.contains(
        u". Сверено с независимыми данными (ИЮПАК, IEC 60079-20-1, NFPA 497, ATcT"_s));
    DialogRecorder dialogs;
    dialogs.answerFileDialog = [this](QFileDialog&) { return dataHome.filePath(u"methane.pzr"_s); };
    child<QAction>(&glav, u"save"_s)->trigger();
    Glav reopened(commaLocale());
    child<QAction>(&reopened, u"open"_s)->trigger();
    reopened.result1();
    EXPECT_TRUE(reopened.state().out.contains(named));
}

Substance ownRow(const QString& name)
{
    Substance row = *std::ranges::find(shippedSubstances(), u"Толуол"_s, &Substance::name);
    row.name = name;
    return row;
}

// What another running copy of the program does to the shared file.
void addAsAnotherCopy(const QString& name)
{
    changeOwnSubstances(ownSubstancesPath(),
                        [&name](std::vector<Substance>& rows) { addOwnSubstance(rows, ownRow(name)); });
}

QStringList ownNames()
{
    QStringList names;
    for (const Substance& row : loadOwnSubstances(ownSubstancesPath()).rows)
        names << row.name;
    return names;
}

// The form refuses a row failing a check, or a save the file refuses, and stays open with what was
// typed. The saved row joins the one another copy added meanwhile, and can be deleted again.
TEST_F(SubstanceWindow, OwnRowsAreCheckedSavedBesideAnotherCopysAndDeleted)
{
    QWidget* window = openSubstances();
    QDir().mkpath(ownSubstancesPath()); // a folder where the file should be
    QStringList messages;
    setModalHandler([&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages << box->text();
            return int(QMessageBox::Ok);
        }
        // The form's fields take Cyrillic text, which test key clicks cannot type.
        for (const auto& [field, text] : Typing{{"name", "Растворитель 646"},
                                                {"formula", "C7H8"},
                                                {"nC", "7"},
                                                {"nH", "8"},
                                                {"source", "паспорт безопасности"},
                                                {"M", "95"}})
            dialog.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(QString::fromUtf8(text));
        dialog.accept(); // 3 % off the formula's mass
        dialog.findChild<QLineEdit*>(u"M"_s)->setText(u"92,14"_s);
        dialog.accept(); // the file's place is taken
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "still open";
        EXPECT_EQ(textOf(&dialog, "name"), u"Растворитель 646"_s);
        QDir(ownSubstancesPath()).removeRecursively();
        addAsAnotherCopy(u"Растворитель Б-1"_s);
        dialog.accept();
        return dialog.result();
    });
    clickButton(window, u"add"_s);
    failOnUnexpectedDialogs();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              u"Поле «M»: отличается от массы по формуле более чем на 1 %\nЗапись не сохранена."_s);
    EXPECT_TRUE(messages[1].startsWith(u"Файл собственных веществ "_s + fileNameShown(ownSubstancesPath())
                                       + u" не прочитан: это не обычный файл."_s));
    EXPECT_EQ(ownNames(), (QStringList{u"Растворитель Б-1"_s, u"Растворитель 646"_s}));
    auto* list = child<QTableWidget>(window, u"list"_s);
    EXPECT_EQ(list->item(list->currentRow(), 0)->text(), u"Растворитель 646 (свое)"_s);
    clickButton(window, u"remove"_s);
    EXPECT_EQ(ownNames(), QStringList{u"Растворитель Б-1"_s});
    EXPECT_EQ(list->rowCount(), int(shippedSubstances().size()) + 1);
}

// A damaged file is told on opening the window and its sound rows listed; "Изменить…" changes the
// row that is current, and only that one.
TEST_F(SubstanceWindow, ADamagedFileIsToldAndEditingChangesTheCurrentRow)
{
    addAsAnotherCopy(u"Растворитель Р-4"_s);
    addAsAnotherCopy(u"Растворитель Р-5"_s);
    writeFileBytes(ownSubstancesPath(), fileBytes(ownSubstancesPath()) + "Толуол;;C7H8\n");
    DialogRecorder dialogs;
    QWidget* window = openSubstances();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_TRUE(dialogs.seen[0].text.contains(u"поврежден: строка 4: неверное число полей"_s));
    child<QLineEdit>(window, u"search"_s)->setText(u"Р-5"_s);
    setModalHandler([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(u"name"_s)->setText(u"Растворитель Р-6"_s);
        dialog.accept();
        return dialog.result();
    });
    clickButton(window, u"edit"_s);
    failOnUnexpectedDialogs();
    EXPECT_EQ(ownNames(), (QStringList{u"Растворитель Р-4"_s, u"Растворитель Р-6"_s}));
}

} // namespace
