#include "failing_disk.h"
#include "glav.h"
#include "result_out.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QByteArray expectedDocument(const char* name)
{
    QFile file(QStringLiteral(EXPECTED_REPORTS "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// The main window in a comma locale, shown, with message boxes recorded.
class MainWindow : public testing::Test {
  protected:
    MainWindow() { glav.show(); }
    ~MainWindow() override { flushDeletes(); }

    void type(std::initializer_list<std::pair<const char*, const char*>> texts)
    {
        for (const auto& [field, text] : texts)
            typeInto(&glav, QString::fromLatin1(field), QString::fromUtf8(text));
    }
    void press(const char* button) { clickButton(&glav, QString::fromLatin1(button)); }
    // The worked example: 10 kg of vapour in 100 m3, density 2 kg/m3, Cst 4 %: P = 99.875 kPa.
    void calculateTheExampleRoom()
    {
        type({{"Text1", "10"}, {"Text3", "100"}, {"Text4", "2"}, {"Text5", "4"}, {"Text2", "0,3"}});
        press("Command1");
    }
    void expectOneCriticalBox(const QString& title, const QString& text)
    {
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].title, title);
        EXPECT_TRUE(dialogs.seen[0].text.startsWith(text)) << dialogs.seen[0].text.toStdString();
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
        dialogs.seen.clear();
    }

    Glav glav{commaLocale()};
    DialogRecorder dialogs;
};

TEST_F(MainWindow, LooksAsDesignedWithItsFileAndServiceMenus)
{
    expectWindowDump(glav, QStringLiteral(EXPECTED "/main/expected/glav.txt"));
}

TEST_F(MainWindow, VersionBoxShowsTheProjectVersionWithoutIcon)
{
    child<QAction>(&glav, u"ver"_s)->trigger();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::NoIcon);
    const QStringList lines = dialogs.seen[0].text.split(u"\r\n"_s);
    EXPECT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Версия " OVERPRESSURE_VERSION));
}

// What the calculator windows would have left for an acetone-like liquid.
TEST_F(MainWindow, RoomCalculationShowsTheReportDocument)
{
    // clang-format off
    openState(glav, {.M = 58.08, .Fi = 50, .n = 1, .Pn = 46.0123, .Em = 10.5, .pl = 2.2815, .A = 6.37551,
                     .B = 1281.721, .C = 237.088, .nC = 3, .nH = 6, .nO = 1});
    // clang-format on
    calculateTheExampleRoom();
    EXPECT_EQ(glav.state().EP, 99.875);
    ASSERT_NE(glav.reportWindow(), nullptr);
    EXPECT_TRUE(glav.reportWindow()->isVisible());
    EXPECT_EQ(shownReportDocument(glav), expectedDocument("room_comma.htm"));
}

// 10 kg of a gas of 45.2 MJ/kg with Z = 0.1: a reduced mass of 10 kg. With both boxes set the room
// is calculated first and the outdoor report replaces its report.
TEST_F(MainWindow, OutdoorCalculationShowsItsReportAloneEvenWithTheRoomCalculated)
{
    openState(glav, {.Z = 0.1, .Qsg = 45.2, .Em = 10});
    child<QCheckBox>(&glav, u"Check2"_s)->setChecked(true);
    type({{"Text3", "100"}, {"Text4", "2"}, {"Text5", "4"}});
    press("Command1");
    EXPECT_EQ(glav.state().Cst, 4) << "the room was calculated too";
    EXPECT_NEAR(glav.state().EP, 7.4841, 5e-5);
    EXPECT_EQ(shownReportDocument(glav), expectedDocument("outdoor_comma.htm"));
}

TEST_F(MainWindow, AnInputErrorOrNoCalculationTypeIsToldAndPublishesNothing)
{
    type({{"Text1", "10"}, {"Text3", ""}, {"Text4", "2"}, {"Text5", "4"}});
    press("Command1");
    expectOneCriticalBox(u" "_s, u"Ошибка ввода данных!"_s);
    child<QCheckBox>(&glav, u"Check1"_s)->setChecked(false);
    press("Command1");
    expectOneCriticalBox(QString(), u"Ошибка!"_s);
    EXPECT_EQ(glav.reportWindow(), nullptr);
    EXPECT_TRUE(glav.state().out.isEmpty());
}

// 8 air changes an hour in a room 20 m long: P = 7.70767 kPa, 800 m3/h. A publication that fails
// empties the report window and leaves the report as it was, so the section is added only once.
TEST_F(MainWindow, VentilationShowsItsResultsAndGoesIntoTheReportOnce)
{
    openState(glav, {.M = 58, .Fi = 10, .Pn = 20});
    calculateTheExampleRoom();
    type({{"Text12", "8"}, {"Text11", "20"}});
    press("Command6");
    EXPECT_TRUE(textOf(&glav, u"Text10"_s).startsWith(u"7,7076699752"_s));
    EXPECT_TRUE(textOf(&glav, u"Text10"_s).endsWith(u"кПа"_s));
    EXPECT_EQ(textOf(&glav, u"Text13"_s), u"800м3/час"_s);
    {
        FileSizeLimit cutShort(1000);
        press("Command8");
    }
    expectOneCriticalBox(u" "_s, u"Не удалось записать файл отчета"_s);
    EXPECT_EQ(shownReportDocument(glav), QByteArray()) << "no stale report";
    press("Command8");
    EXPECT_EQ(shownReportDocument(glav), expectedDocument("room_ventilation_comma.htm"));
}

// Each opener disables the main window until its window closes, however it is closed.
TEST_F(MainWindow, CalculatorWindowsTakeTheMainWindowsInputWhileOpen)
{
    // clang-format off
    const std::pair<const char*, const char*> openers[] = {{"Command2", "Steh"}, {"Command3", "Plotn"},
        {"Command4", "Massjid"}, {"gasmass", "Massgas"}, {"substances", "Substances"}};
    // clang-format on
    for (const auto& [opener, name] : openers) {
        if (auto* action = glav.findChild<QAction*>(QString::fromLatin1(opener)))
            action->trigger();
        else
            press(opener);
        QWidget* window = topLevel(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_TRUE(window->isVisible()) << name;
        EXPECT_FALSE(glav.isEnabled()) << name;
        window->close();
        EXPECT_TRUE(glav.isEnabled()) << name;
        flushDeletes();
    }
}

} // namespace
