#include "glav.h"
#include "numbers.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Acetone at 20 °C as the vapour-pressure and density windows leave it, in the room of 12 x 6 x 4 m,
// ventilated 8 times an hour along 12 m.
const Typing room{{"Text2", "0,3"},     {"Text3", "230,4"}, {"Text4", "2,41415"},
                  {"Text5", "4,91159"}, {"Text12", "8"},    {"Text11", "12"}};
const QString derivation = u"<p><h4>1.3.1 Расчет массы паров жидкости, разлившейся"_s;

QStringList results(const QWidget* window)
{
    QStringList texts;
    for (const char* name : {"liquidVolume", "liquidMass", "spillArea", "eta", "evaporationRate",
                             "fullEvaporationTime", "evaporationTime", "vapourMass"})
        texts << textOf(window, name);
    return texts;
}

// The room report and section 1.6, as the user gets them with the buttons.
QString roomAndVentilationReport(Glav& glav)
{
    typeFields(&glav, room);
    for (const char* button : {"Command1", "Command6", "Command8"})
        clickButton(&glav, QString::fromLatin1(button));
    return glav.state().out;
}

// 0,2 m3 with 0,001 m3/s for 120 s and a pipeline of 50 mm x 10 m: Vж = 0,2 + 0,12 + π * 0,025² * 10; the
// floor of 72 m2 limits the area; the liquid outlasts the hour, with the ventilation's air as well.
TEST(SpillWindow, RefusesBadInputsAppliesTheWorkedSpillAndTheReportKeepsItAlsoAfterReopening)
{
    Glav glav(commaLocale());
    glav.show();
    openState(glav, {.M = 58.08, .Pn = 24.5457, .T1 = 20});
    child<QAction>(&glav, u"spill"_s)->trigger();
    QWidget* window = topLevel(u"Spill"_s);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(glav.isEnabled());
    expectWindowDump(*window, QStringLiteral(EXPECTED "/spill/expected/Spill.txt"));
    typeFields(window, {{"apparatusVolume", "0,2"}, {"flowRate", "0,001"}, {"liquidDensity", "790"}});
    clickButton(window, u"addPipeline"_s);
    child<QTableWidget>(window, u"pipelines"_s)->item(0, 0)->setText(u"50"_s);
    child<QTableWidget>(window, u"pipelines"_s)->item(0, 1)->setText(u"10"_s);
    for (const char* bad : {"", "-72", "0", "72.5"}) {
        typeFields(window, {{"floorArea", bad}});
        DialogRecorder dialogs;
        clickButton(window, u"calculate"_s);
        ASSERT_EQ(dialogs.seen.size(), 1u) << bad;
        EXPECT_EQ(dialogs.seen[0].text, u"Ошибка ввода данных!"_s);
        EXPECT_EQ(results(window), QStringList(8, QString()));
    }
    typeFields(window, {{"floorArea", "72"}});
    clickButton(window, u"shutOff300"_s);
    clickButton(window, u"shutOff120"_s);
    clickButton(window, u"calculate"_s);
    const QStringList worked{
        u"0,339634954084936"_s,    u"268,3116137271"_s,   u"72"_s,   u"1"_s,
        u"0,000187063357832311"_s, u"19921,3263026891"_s, u"3600"_s, u"48,486822350135"_s};
    EXPECT_EQ(results(window), worked);
    typeFields(window, {{"airSpeed", "0,1"}});
    EXPECT_EQ(results(window), QStringList(8, QString())) << "no result for inputs it does not answer";
    typeFields(window, {{"airSpeed", "0"}});
    clickButton(window, u"calculate"_s);
    clickButton(window, u"apply"_s);
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ(textOf(&glav, "Text1"), worked.last());
    EXPECT_EQ((std::vector{glav.state().Fi, glav.state().tr}), (std::vector{72.0, 3600.0}));

    const QString report = roomAndVentilationReport(glav);
    EXPECT_EQ(report.count(derivation), 1);
    EXPECT_TRUE(report.contains(u"= 19921,3263026891с, но не более 3600 с; T = 3600с."_s));
    EXPECT_TRUE(report.contains(u"; K = 9;"_s));
    QTemporaryDir folder;
    DialogRecorder dialogs;
    dialogs.answerFileDialog = [&folder](QFileDialog&) { return folder.filePath(u"spill.pzr"_s); };
    child<QAction>(&glav, u"save"_s)->trigger();
    Glav reopened(commaLocale());
    ASSERT_TRUE(reopened.openCalculation(folder.filePath(u"spill.pzr"_s)));
    EXPECT_EQ(textOf(&reopened, "Text1"), worked.last()) << "Em, which the spill set";
    const auto fromSubsection131 = [](const QString& text) { return text.mid(text.indexOf(derivation)); };
    EXPECT_EQ(fromSubsection131(roomAndVentilationReport(reopened)), fromSubsection131(report));

    typeFields(&glav, {{"Text1", "48,49"}});
    EXPECT_FALSE(roomAndVentilationReport(glav).contains(derivation)) << "a mass typed over it";
    flushDeletes();
}

// Without a result "Применить" closes the window and changes nothing.
TEST(SpillWindow, AppliesNothingWithoutAResult)
{
    Glav glav(commaLocale());
    glav.show();
    child<QAction>(&glav, u"spill"_s)->trigger();
    clickButton(topLevel(u"Spill"_s), u"apply"_s);
    flushDeletes();
    EXPECT_EQ(topLevel(u"Spill"_s), nullptr);
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ((std::vector{textOf(&glav, "Text1"), formatNumber(glav.state().Fi, commaLocale())}),
              (std::vector{QString(), u"0"_s}));
}

// A liquid taken from the substance table brings its density at 20 °C into the spill window.
TEST(SpillWindow, StartsFromTheDensityOfTheTableLiquid)
{
    Glav glav(commaLocale());
    glav.show();
    child<QAction>(&glav, u"substances"_s)->trigger();
    auto* search = child<QLineEdit>(topLevel(u"Substances"_s), u"search"_s);
    search->setText(u"Ацетон"_s);
    QTest::keyClick(search, Qt::Key_Return);
    flushDeletes();
    child<QAction>(&glav, u"spill"_s)->trigger();
    EXPECT_EQ(textOf(topLevel(u"Spill"_s), "liquidDensity"), u"791"_s);
    EXPECT_EQ(textOf(topLevel(u"Spill"_s), "molarMass"), u"58,08"_s);
    topLevel(u"Spill"_s)->close();
    flushDeletes();
}

} // namespace
