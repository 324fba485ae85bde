#include "glav.h"
#include "numbers.h"
#include "spill_section.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Acetone at 20 °C as the vapour-pressure and density windows leave it, in the room of 12 x 6 x 4 m.
const CalculationState acetoneRoom{.M = 58.08, .Pn = 24.5457, .T1 = 20};
const Typing room{{"Text2", "0,3"}, {"Text3", "230,4"}, {"Text4", "2,41415"}, {"Text5", "4,91159"}};

class SpillWindow : public testing::Test {
  protected:
    SpillWindow()
    {
        glav.show();
        openState(glav, acetoneRoom);
    }
    ~SpillWindow() override { flushDeletes(); }

    QWidget* open()
    {
        child<QAction>(&glav, u"spill"_s)->trigger();
        QWidget* window = topLevel(u"Spill"_s);
        return window && window->isVisible() ? window : nullptr;
    }
    // The worked spill of 0,2 m3 with 0,001 m3/s for 120 s and a pipeline of 50 mm x 10 m onto 72 m2.
    void typeTheWorkedSpill(QWidget* window)
    {
        typeFields(window, {{"apparatusVolume", "0,2"},
                            {"flowRate", "0,001"},
                            {"liquidDensity", "790"},
                            {"floorArea", "72"}});
        clickButton(window, u"addPipeline"_s);
        auto* table = child<QTableWidget>(window, u"pipelines"_s);
        table->item(0, 0)->setText(u"50"_s);
        table->item(0, 1)->setText(u"10"_s);
    }
    static QStringList results(const QWidget* window)
    {
        QStringList texts;
        for (const char* name : {"liquidVolume", "liquidMass", "spillArea", "eta", "evaporationRate",
                                 "fullEvaporationTime", "evaporationTime", "vapourMass"})
            texts << textOf(window, name);
        return texts;
    }

    Glav glav{commaLocale()};
};

TEST_F(SpillWindow, StartsFromTheCalculationAndRefusesBadInputsStoringNothing)
{
    QWidget* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(glav.isEnabled());
    expectWindowDump(*window, QStringLiteral(EXPECTED "/spill/expected/Spill.txt"));
    typeTheWorkedSpill(window);
    for (const Typing& bad :
         {Typing{{"floorArea", ""}}, Typing{{"floorArea", "-72"}}, Typing{{"floorArea", "0"}},
          Typing{{"floorArea", "72.5"}}, Typing{{"liquidDensity", "0"}}, Typing{{"molarMass", "0"}}}) {
        typeTheWorkedSpill(window);
        typeFields(window, bad);
        DialogRecorder dialogs;
        clickButton(window, u"calculate"_s);
        ASSERT_EQ(dialogs.seen.size(), 1u) << bad[0].second;
        EXPECT_EQ(dialogs.seen[0].text, u"Ошибка ввода данных!"_s);
        EXPECT_EQ(results(window), QStringList(8, QString()));
    }
    clickButton(window, u"apply"_s);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ(textOf(&glav, "Text1"), u"0"_s) << "nothing applied without a result";
    EXPECT_EQ(glav.state().Fi, 0);
}

// Vж = 0,2 + 0,12 + π * 0,025² * 10; the floor of 72 m2 limits the area; the liquid outlasts the hour.
TEST_F(SpillWindow, AppliesTheWorkedSpillWhichTheReportDerivesAndTheVentilationUsesAlsoAfterReopening)
{
    QWidget* window = open();
    ASSERT_NE(window, nullptr);
    typeTheWorkedSpill(window);
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
    EXPECT_EQ(textOf(&glav, "Text1"), worked.last());
    EXPECT_EQ((std::vector{glav.state().Fi, glav.state().tr}), (std::vector{72.0, 3600.0}));
    EXPECT_EQ(formatNumber(glav.state().Em, commaLocale()), worked.last());

    typeFields(&glav, room);
    clickButton(&glav, u"Command1"_s);
    const QString derivation = u"<p><h4>1.3.1 Расчет массы паров жидкости, разлившейся"_s;
    EXPECT_EQ(glav.state().out.count(derivation), 1);
    EXPECT_TRUE(glav.state().out.contains(u"= 19921,3263026891с, но не более 3600 с; T = 3600с."_s));
    typeFields(&glav, {{"Text12", "8"}, {"Text11", "12"}});
    clickButton(&glav, u"Command6"_s);
    clickButton(&glav, u"Command8"_s);
    EXPECT_TRUE(glav.state().out.contains(u"K = 9;"_s));

    QTemporaryDir folder;
    const QString path = folder.filePath(u"spill.pzr"_s);
    {
        DialogRecorder dialogs;
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
        child<QAction>(&glav, u"save"_s)->trigger();
    }
    Glav reopened(commaLocale());
    reopened.show();
    ASSERT_TRUE(reopened.openCalculation(path));
    EXPECT_EQ(textOf(&reopened, "Text1"), worked.last());
    typeFields(&reopened, room);
    clickButton(&reopened, u"Command1"_s);
    const auto subsection131 = [&derivation](const QString& report) {
        const qsizetype from = report.indexOf(derivation);
        return report.mid(from, report.indexOf(u"<p><h4>1.4 "_s) - from);
    };
    EXPECT_EQ(subsection131(reopened.state().out), subsection131(glav.state().out));
    EXPECT_NE(subsection131(glav.state().out), QString());
    typeFields(&reopened, {{"Text12", "8"}, {"Text11", "12"}});
    clickButton(&reopened, u"Command6"_s);
    EXPECT_EQ(textOf(&reopened, "Text10"), textOf(&glav, "Text10")) << "the ventilation still uses the spill";

    typeFields(&glav, {{"Text1", "48,49"}});
    clickButton(&glav, u"Command1"_s);
    EXPECT_FALSE(glav.state().out.contains(derivation)) << "a mass typed over it";
}

} // namespace
