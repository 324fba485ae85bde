#include "fire_load_window.h"
#include "glav.h"
#include "result_out.h"
#include "window_test.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

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
