#include "gas_release_section.h"
#include "glav.h"
#include "numbers.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {

// The open window of this name; a closed one waiting for deletion does not count.
QWidget* openWindow(const char* name)
{
    QWidget* window = topLevel(QString::fromLatin1(name));
    return window && window->isVisible() ? window : nullptr;
}
void expectDump(const QWidget* window)
{
    expectWindowDump(*window,
                     QStringLiteral(EXPECTED "/calculators/expected/") + window->objectName() + u".txt"_s);
}

// One calculator: what is typed, the result it shows and stores, inputs it refuses, and the field of
// its opener that "Применить" fills.
struct Calculator {
    const char* name;
    const char* openedBy; // the main window's button; the vapour-pressure window opens from the liquid window
    Typing typed;
    const char* calculate;
    const char* result;
    const char* shown;
    double CalculationState::*stored;
    Typing refused;
    const char* apply;
    const char* target; // of the main window, or of the liquid window for the vapour pressure
};

// clang-format off
const Calculator calculators[] = {
    // methane CH4: beta = 1 + 4/4 = 2, Cst = 100 / (1 + 4.84 * 2)
    {"Steh", "Command2", {{"Text1", "1"}, {"Text2", "4"}}, "Command2", "Text5", "9,36329588014981", &CalculationState::Cst,
     {{"Text2", ""}}, "Command1", "Text5"},
    // 16 / (22.413 * (1 + 0.00367 * 37))
    {"Plotn", "Command3", {{"Text3", "16"}, {"Text1", "37"}}, "Command2", "Text2", "0,628524123219582", &CalculationState::pl,
     {{"Text1", "-272,47956403269757"}}, "Command1", "Text4"},
    // 10^(6 - 1200 / (230 + 37))
    {"Plpar", "Command4", {{"Text1", "6"}, {"Text2", "1200"}, {"Text3", "230"}}, "Command1", "Text5", "32,0345020425092",
     &CalculationState::Pn, {{"Text1", "400"}}, "Command2", "Text2"},
    // 1e-6 * 1 * sqrt(46.07) * 5 * 2 * 3600
    {"Massjid", "Command4", {{"Text3", "2"}, {"Text2", "5"}, {"Text4", "46,07"}, {"Text5", "1"}}, "Command2", "Text6",
     "0,244349585635008", &CalculationState::Em, {{"Text4", "-46"}}, "Command1", "Text1"},
};
// clang-format on

class Calculators : public testing::TestWithParam<Calculator> {
  protected:
    Calculators() { glav.show(); }
    ~Calculators() override { flushDeletes(); }

    Glav glav{commaLocale()};
};

TEST_P(Calculators, LooksAsDesignedCalculatesStoresRefusesAndAppliesToItsField)
{
    const Calculator& row = GetParam();
    const bool vapour = row.name == std::string_view("Plpar");
    clickButton(&glav, row.openedBy);
    QWidget* opener = vapour ? openWindow("Massjid") : &glav;
    if (vapour)
        clickButton(opener, u"Command3"_s);
    QWidget* window = openWindow(row.name);
    ASSERT_NE(window, nullptr);
    expectDump(window);
    EXPECT_FALSE(opener->isEnabled());

    typeFields(window, row.typed);
    clickButton(window, row.calculate);
    EXPECT_EQ(textOf(window, row.result), QString::fromUtf8(row.shown));
    EXPECT_EQ(formatNumber(glav.state().*row.stored, commaLocale()), QString::fromUtf8(row.shown));
    {
        DialogRecorder dialogs;
        typeFields(window, row.refused);
        clickButton(window, row.calculate);
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].text, u"Ошибка ввода данных!"_s);
        EXPECT_EQ(dialogs.seen[0].title, u" "_s);
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    }
    EXPECT_EQ(textOf(window, row.result), QString::fromUtf8(row.shown)) << "the last result stays";

    clickButton(window, row.apply);
    EXPECT_EQ(textOf(opener, row.target), QString::fromUtf8(row.shown));
    EXPECT_TRUE(opener->isEnabled());
    EXPECT_EQ(openWindow(row.name), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, Calculators, testing::ValuesIn(calculators),
                         [](const auto& info) { return std::string(info.param.name); });

// Hydrogen from a pipeline of 0.01 m3/s shut off after 120 s, with pipelines of 25 mm x 40 m and
// 15 mm x 10 m at 600 kPa: V1т = 1.2 m3, V2т = 0.0214 * 6 = 0.128413 m3, m = 1.328413 * 0.0792 kg.
TEST(GasWindow, AppliesItsMassAndTheReportDerivesItWhileTheMassStands)
{
    Glav glav(commaLocale());
    glav.show();
    openState(glav, {.pl = 0.0792});
    glav.findChild<QAction*>(u"gasmass"_s)->trigger();
    QWidget* gas = openWindow("Massgas");
    ASSERT_NE(gas, nullptr);
    expectDump(gas);
    EXPECT_EQ(textOf(gas, "density"), u"0,0792"_s);
    clickButton(gas, u"manualShutOff"_s);
    EXPECT_EQ(textOf(gas, "shutOffTime"), u"300"_s);
    clickButton(gas, u"automaticShutOff"_s);
    EXPECT_EQ(textOf(gas, "shutOffTime"), u"120"_s);
    typeFields(gas, {{"apparatusPressure", "0"},
                     {"apparatusVolume", "0"},
                     {"flowRate", "0,01"},
                     {"pipelinePressure", "600"}});
    auto* table = child<QTableWidget>(gas, u"pipelines"_s);
    for (const auto& [diameter, length] :
         {std::pair{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}, {u"1"_s, u"1"_s}}) {
        clickButton(gas, u"addPipeline"_s);
        table->item(table->rowCount() - 1, 0)->setText(diameter);
        table->item(table->rowCount() - 1, 1)->setText(length);
    }
    clickButton(gas, u"removePipeline"_s); // the last section, still selected
    clickButton(gas, u"calculate"_s);
    const auto results = [gas] {
        return QStringList{textOf(gas, "apparatusGas"), textOf(gas, "flowGas"), textOf(gas, "pipelineGas"),
                           textOf(gas, "gasMass")};
    };
    EXPECT_EQ(results(), (QStringList{u"0"_s, u"1,2"_s, u"0,128412599715483"_s, u"0,105210277897466"_s}));
    typeFields(gas, {{"flowRate", "0,02"}});
    EXPECT_EQ(results(), QStringList(4, QString())) << "no result for inputs it does not answer";
    typeFields(gas, {{"flowRate", "0,01"}});
    clickButton(gas, u"calculate"_s);
    clickButton(gas, u"Command1"_s);
    EXPECT_EQ(textOf(&glav, "Text1"), u"0,105210277897466"_s);
    EXPECT_TRUE(glav.isEnabled());

    typeFields(&glav, {{"Text2", "0,5"}, {"Text3", "100"}, {"Text4", "0,0792"}, {"Text5", "29,59"}});
    clickButton(&glav, u"Command1"_s);
    const GasReleaseFields typed{
        u"0"_s, u"0"_s, u"0,01"_s, u"120"_s, u"600"_s, {{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}}, u"0,0792"_s};
    const QString derivation = gasReleaseSubsection(calculateGasRelease(typed, commaLocale()), commaLocale());
    EXPECT_TRUE(glav.state().out.contains(derivation));
    typeFields(&glav, {{"Text1", "0,1052"}});
    clickButton(&glav, u"Command1"_s);
    EXPECT_FALSE(glav.state().out.contains(derivation)) << "a mass typed over it";
    flushDeletes();
}

} // namespace
