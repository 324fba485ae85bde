#include "form_layout.h"
#include "gas_release_section.h"
#include "glav.h"
#include "massjid.h"
#include "plotn.h"
#include "plpar.h"
#include "report_sections.h"
#include "steh.h"
#include "window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The control stands in the container and shows the text: a frame's or button's caption, a field's tooltip.
struct ControlRow {
    const char* name;
    const char* container;
    const char* text;
};

// Builds the window as its opener would, with a stand-in opener and target field.
template <typename Window> QWidget* make(QWidget* opener, QLineEdit* target, CalculationState& state)
{
    return new Window(opener, target, state, commaLocale());
}

struct WindowLayout {
    QWidget* (*make)(QWidget* opener, QLineEdit* target, CalculationState& state);
    const char* name;
    const char* caption;
    int width, height;        // client area, twips
    const char* resultFields; // green; the user types the other fields
    const char* tabOrder;
    std::vector<ControlRow> controls;
};

const char* const designTemperature = "Расчетная температура (при отсутствии данных tр=61 гр.С)";
const char* const airFlowFactor =
    "Коэффициент зависящий от скорости и температуры воздушного потока над поверхностью испарения";
const char* const molarMass = "Молярная масса вещества";

// clang-format off
const WindowLayout layouts[] = {
    {make<Steh>, "Steh", "Расчет стехиометрической концентрации", 4215, 2010,
     "Text5", "Text1 Text2 Text3 Text4 Command2 Text5 Command1",
     {{"Frame1", "Steh", "Число атомов"}, {"Frame2", "Frame1", "C"}, {"Text1", "Frame2", ""},
      {"Frame3", "Frame1", "H"}, {"Text2", "Frame3", ""}, {"Frame4", "Frame1", "O"}, {"Text3", "Frame4", ""},
      {"Frame5", "Frame1", "X"}, {"Text4", "Frame5", ""}, {"Frame6", "Steh", "Результат"},
      {"Text5", "Frame6", ""}, {"Command2", "Frame6", "Расчет"}, {"Command1", "Steh", "Применить"}}},
    {make<Plotn>, "Plotn", "Расчет плотности газа/пара ", 3795, 2385,
     "Text2", "Text3 Text1 Command2 Text2 Command1",
     {{"Frame1", "Plotn", "Исходные данные"}, {"Frame5", "Frame1", "М"}, {"Text3", "Frame5", molarMass},
      {"Frame2", "Frame1", "tр, гр.С"}, {"Text1", "Frame2", designTemperature},
      {"Frame3", "Plotn", "Результат"}, {"Text2", "Frame3", ""}, {"Command2", "Frame3", "Расчет"},
      {"Command1", "Plotn", "Применить"}}},
    {make<Plpar>, "Plpar", "Расчет давления насыщенного пара, кПа", 5235, 2535,
     "Text5", "Text1 Text2 Text3 Text4 Command1 Text5 Command2",
     {{"Frame1", "Plpar", "Исходные данные"}, {"Frame2", "Frame1", "Константа A"}, {"Text1", "Frame2", ""},
      {"Frame3", "Frame1", "Константа B"}, {"Text2", "Frame3", ""}, {"Frame4", "Frame1", "Константа Ca"},
      {"Text3", "Frame4", ""}, {"Frame5", "Frame1", "Температура"}, {"Text4", "Frame5", designTemperature},
      {"Frame6", "Frame1", "Результат"}, {"Text5", "Frame6", ""}, {"Command1", "Frame1", "Расчет"},
      {"Command2", "Plpar", "Применить"}}},
    {make<Massjid>, "Massjid", "Расчет массы паров жидкости", 4245, 2355,
     "Text2 Text6", "Text3 Text1 Text5 Text4 Text2 Command3 Command2 Text6 Command1",
     {{"Frame1", "Massjid", "Исходные данные"}, {"Frame2", "Frame1", "Fи, кв.м."},
      {"Text3", "Frame2", "Площадь испарения"}, {"Frame3", "Frame1", "Т, сек"},
      {"Text1", "Frame3", "Время испрения"}, {"Frame6", "Frame1", "n"}, {"Text5", "Frame6", airFlowFactor},
      {"Frame5", "Frame1", "М"}, {"Text4", "Frame5", molarMass}, {"Frame4", "Frame1", "Pн, кПа"},
      {"Text2", "Frame4", "Давление насыщенного пара"}, {"Command3", "Frame4", "…"},
      {"Command2", "Frame1", "Расчет"}, {"Text6", "Massjid", ""}, {"Command1", "Massjid", "Применить"}}},
};
// clang-format on

class CalculatorLayout : public testing::TestWithParam<WindowLayout> {
  protected:
    void SetUp() override { window = GetParam().make(&opener, &target, state); }
    void TearDown() override { delete window.data(); }

    CalculationState state;
    QWidget opener;
    QLineEdit target;
    QPointer<QWidget> window;
};

TEST_P(CalculatorLayout, IsAFixedTopLevelWindowThatOnlyItsOwnButtonCloses)
{
    const WindowLayout& layout = GetParam();
    EXPECT_EQ(window->objectName(), QString::fromLatin1(layout.name));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(layout.caption));
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->size(), QSize(pixels(layout.width), pixels(layout.height)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint));
    EXPECT_FALSE(flags
                 & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_P(CalculatorLayout, ControlsStandInTheirFramesWithTheirTextsColoursAndTabOrder)
{
    for (const ControlRow& row : GetParam().controls) {
        const QWidget* control = child<QWidget>(window, QString::fromLatin1(row.name));
        const QVariant caption =
            control->property(qobject_cast<const QGroupBox*>(control) ? "title" : "text");
        const bool field = qobject_cast<const QLineEdit*>(control);
        EXPECT_EQ(field ? control->toolTip() : caption.toString(), QString::fromUtf8(row.text)) << row.name;
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.container)) << row.name;
    }
    const QStringList resultFields = QString::fromLatin1(GetParam().resultFields).split(u' ');
    for (const QLineEdit* field : window->findChildren<QLineEdit*>())
        EXPECT_EQ(field->palette().color(QPalette::Base),
                  resultFields.contains(field->objectName()) ? resultColour : inputColour)
            << field->objectName().toStdString();
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString() << " lies outside its container";
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }

    QStringList visited; // by Tab, from the first control of the tab order
    const QStringList tabOrder = QString::fromLatin1(GetParam().tabOrder).split(u' ');
    QWidget* widget = window->findChild<QWidget*>(tabOrder.first());
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            visited << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != tabOrder.first());
    EXPECT_EQ(visited, tabOrder);
    const auto controls = window->findChildren<QLineEdit*>().size()
                          + window->findChildren<QAbstractButton*>().size()
                          + window->findChildren<QGroupBox*>().size();
    EXPECT_EQ(std::size_t(controls), GetParam().controls.size()) << "no stray controls";
}

INSTANTIATE_TEST_SUITE_P(Windows, CalculatorLayout, testing::ValuesIn(layouts),
                         [](const auto& info) { return std::string(info.param.name); });

// The open window with this name. A window that was just closed is deleted only at the next turn of the
// event loop, and must not be mistaken for the one opened after it.
QWidget* openWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

// The main window of a fresh calculation, shown, whose calculators are driven by their controls.
class CalculatorFlow : public testing::Test {
  protected:
    void SetUp() override { glav.show(); }
    void TearDown() override { flushDeletes(); }

    // Presses the "<=" button of the main window, or the "…" of the liquid window, and returns the window
    // opened.
    QWidget* open(const QString& name)
    {
        if (name == u"Plpar")
            clickButton(open(u"Massjid"_s), u"Command3"_s);
        else
            clickButton(&glav, name == u"Steh"    ? u"Command2"_s
                               : name == u"Plotn" ? u"Command3"_s
                                                  : u"Command4"_s);
        QWidget* opened = openWindow(name);
        EXPECT_NE(opened, nullptr) << name.toStdString();
        return opened;
    }
    static void type(QWidget* window, std::initializer_list<std::pair<const char*, const char*>> texts)
    {
        for (const auto& [field, text] : texts)
            typeInto(window, QString::fromLatin1(field), QString::fromUtf8(text));
    }
    static QString text(QWidget* window, const char* field)
    {
        return textOf(window, QString::fromLatin1(field));
    }
    static void click(QWidget* window, const char* button)
    {
        clickButton(window, QString::fromLatin1(button));
    }

    Glav glav{commaLocale()};
};

TEST_F(CalculatorFlow, StoichiometryWindowComputesAndHandsItsResultToTheMainWindow)
{
    QWidget* steh = open(u"Steh"_s);
    ASSERT_NE(steh, nullptr);
    EXPECT_FALSE(glav.isEnabled());
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_EQ(text(steh, field), u"0"_s) << field;
    type(steh, {{"Text1", "1"}, {"Text2", "4"}});
    click(steh, "Command2");
    EXPECT_EQ(text(steh, "Text5"), u"9,36329588014981"_s);
    EXPECT_EQ(child<QLineEdit>(steh, u"Text5"_s)->cursorPosition(), 0) << "leading digits in view";
    EXPECT_EQ(glav.state.Cst, 100 / 10.68);
    click(steh, "Command1");
    EXPECT_EQ(text(&glav, "Text5"), u"9,36329588014981"_s);
    EXPECT_TRUE(glav.isEnabled());
    flushDeletes();
    EXPECT_EQ(topLevel(u"Steh"_s), nullptr);
}

TEST_F(CalculatorFlow, DensityWindowStartsFromTheStateEveryTimeAndEnterCalculates)
{
    glav.state.M = 16;
    QWidget* plotn = open(u"Plotn"_s);
    ASSERT_NE(plotn, nullptr);
    EXPECT_EQ(QStringList({text(plotn, "Text3"), text(plotn, "Text1"), text(plotn, "Text2")}),
              QStringList({u"16"_s, u"37"_s, u"0"_s}));
    QTest::keyClick(child<QLineEdit>(plotn, u"Text1"_s), Qt::Key_Return);
    EXPECT_EQ(text(plotn, "Text2"), u"0,628524123219582"_s);
    click(plotn, "Command1");
    EXPECT_EQ(text(&glav, "Text4"), u"0,628524123219582"_s);
    EXPECT_EQ(glav.state.pgp, 0) << "the density reaches the calculation through the main window's field";

    glav.state.M = 0;
    glav.state.T1 = 20;
    QWidget* again = open(u"Plotn"_s);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(QStringList({text(again, "Text3"), text(again, "Text1")}), QStringList({u"0"_s, u"20"_s}));
    flushDeletes();
    EXPECT_EQ(topLevel(u"Plotn"_s), again);
}

TEST_F(CalculatorFlow, ApplyCopiesTheResultTextUnparsedEvenWhenEmpty)
{
    QWidget* steh = open(u"Steh"_s);
    type(steh, {{"Text5", " 12,50 "}});
    click(steh, "Command1");
    EXPECT_EQ(text(&glav, "Text5"), u" 12,50 "_s);
    EXPECT_EQ(glav.state.Cst, 0);
    typeInto(&glav, u"Text1"_s, u"5"_s);
    QWidget* massjid = open(u"Massjid"_s);
    type(massjid, {{"Text6", ""}});
    click(massjid, "Command1");
    EXPECT_EQ(text(&glav, "Text1"), QString());
}

TEST_F(CalculatorFlow, LiquidWindowTakesItsPressureFromTheVapourPressureWindow)
{
    QWidget* plpar = open(u"Plpar"_s);
    QWidget* massjid = openWindow(u"Massjid"_s);
    ASSERT_NE(plpar, nullptr);
    EXPECT_EQ(QStringList({text(massjid, "Text1"), text(massjid, "Text5"), text(plpar, "Text4")}),
              QStringList({u"3600"_s, u"0"_s, u"37"_s}));
    EXPECT_EQ(child<QWidget>(massjid, u"Command3"_s)->toolTip(), u"Рассчитать давление насыщенного пара"_s);
    EXPECT_FALSE(massjid->isEnabled());
    type(plpar, {{"Text1", "6"}, {"Text2", "1200"}, {"Text3", "230"}});
    click(plpar, "Command1");
    EXPECT_EQ(text(plpar, "Text5"), u"32,0345020425092"_s);
    click(plpar, "Command2");
    EXPECT_EQ(text(massjid, "Text2"), u"32,0345020425092"_s);
    EXPECT_TRUE(massjid->isEnabled());
    EXPECT_FALSE(glav.isEnabled()) << "the main window waits for the liquid window";

    type(massjid, {{"Text3", "2"}, {"Text2", "5"}, {"Text4", "46,07"}, {"Text5", "1"}});
    click(massjid, "Command2");
    EXPECT_EQ(text(massjid, "Text6"), u"0,244349585635008"_s);
    click(massjid, "Command1");
    EXPECT_EQ(text(&glav, "Text1"), u"0,244349585635008"_s);
    EXPECT_TRUE(glav.isEnabled());
    flushDeletes();
    EXPECT_EQ(topLevel(u"Plpar"_s), nullptr);
    EXPECT_EQ(topLevel(u"Massjid"_s), nullptr);
}

TEST_F(CalculatorFlow, ClosingWithoutApplyReturnsToTheOpenerAndCopiesNothing)
{
    typeInto(&glav, u"Text1"_s, u"7"_s);
    QWidget* plpar = open(u"Plpar"_s);
    QWidget* massjid = openWindow(u"Massjid"_s);
    EXPECT_FALSE(massjid->close()) << "it waits for the vapour pressure";
    EXPECT_TRUE(massjid->isVisible());
    type(plpar, {{"Text5", "12"}});
    EXPECT_TRUE(plpar->close());
    EXPECT_TRUE(massjid->isEnabled());
    EXPECT_EQ(text(massjid, "Text2"), u"0"_s);
    EXPECT_FALSE(glav.isEnabled());
    type(massjid, {{"Text6", "12"}});
    EXPECT_TRUE(massjid->close());
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ(text(&glav, "Text1"), u"7"_s);
    flushDeletes();
    EXPECT_EQ(topLevel(u"Massjid"_s), nullptr);
}

TEST_F(CalculatorFlow, EachCalculatorExistsOnlyOnceAndClosesWithItsOpener)
{
    QWidget* first = open(u"Steh"_s);
    typeInto(first, u"Text1"_s, u"3"_s);
    Steh* second =
        openCalculator<Steh>(&glav, child<QLineEdit>(&glav, u"Text5"_s), glav.state, glav.numberLocale());
    EXPECT_EQ(second, first);
    EXPECT_EQ(text(second, "Text1"), u"3"_s);
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == u"Steh"; }),
        1);

    QPointer<QWidget> massjid;
    QPointer<QWidget> plpar;
    {
        Glav other(commaLocale());
        clickButton(&other, u"Command4"_s);
        massjid = openWindow(u"Massjid"_s);
        clickButton(massjid, u"Command3"_s);
        plpar = openWindow(u"Plpar"_s);
        ASSERT_NE(plpar, nullptr);
    }
    EXPECT_EQ(massjid, nullptr);
    EXPECT_EQ(plpar, nullptr);
}

// The hydrogen line of the formula tests, typed into the window that "Сервис" opens.
TEST_F(CalculatorFlow, GasWindowAppliesItsMassAndTheReportDerivesItWhileTheMassStands)
{
    const QTemporaryDir folder;
    glav.reportPublisher.setDocumentFolders({folder.path()});
    glav.state.pl = 0.0792;
    glav.findChild<QAction*>(u"gasmass"_s)->trigger();
    QWidget* gas = openWindow(u"Massgas"_s);
    ASSERT_NE(gas, nullptr);
    EXPECT_FALSE(glav.isEnabled());
    EXPECT_EQ(gas->windowTitle(), u"Расчет массы горючего газа"_s);
    for (const QLineEdit* field : gas->findChildren<QLineEdit*>())
        EXPECT_TRUE(field->parentWidget()->rect().contains(field->geometry()) && !field->toolTip().isEmpty());
    EXPECT_EQ(QStringList({text(gas, "density"), text(gas, "shutOffTime")}),
              QStringList({u"0,0792"_s, u"120"_s}));
    click(gas, "manualShutOff");
    EXPECT_EQ(text(gas, "shutOffTime"), u"300"_s);
    click(gas, "automaticShutOff");
    type(gas, {{"apparatusPressure", "0"},
               {"apparatusVolume", "0"},
               {"flowRate", "0,01"},
               {"pipelinePressure", "600"}});
    auto* table = child<QTableWidget>(gas, u"pipelines"_s);
    for (const auto& [diameter, length] :
         {std::pair{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}, {u"1"_s, u""_s}}) {
        click(gas, "addPipeline");
        table->item(table->rowCount() - 1, 0)->setText(diameter);
        table->item(table->rowCount() - 1, 1)->setText(length);
    }
    {
        DialogRecorder dialogs;
        click(gas, "calculate");
        ASSERT_EQ(dialogs.seen.size(), 1u) << "a section without its length";
        EXPECT_EQ(dialogs.seen[0].text, u"Ошибка ввода данных!"_s);
    }
    click(gas, "removePipeline"); // the last section, still selected
    click(gas, "calculate");
    const QStringList results{u"0"_s, u"1,2"_s, u"0,128412599715483"_s, u"0,105210277897466"_s};
    const auto shownResults = [&] {
        return QStringList({text(gas, "apparatusGas"), text(gas, "flowGas"), text(gas, "pipelineGas"),
                            text(gas, "gasMass")});
    };
    EXPECT_EQ(shownResults(), results);
    type(gas, {{"flowRate", "0,02"}});
    EXPECT_EQ(shownResults(), QStringList(4, QString())) << "no result for inputs it does not answer";
    type(gas, {{"flowRate", "0,01"}});
    click(gas, "calculate");
    click(gas, "Command1");
    EXPECT_EQ(text(&glav, "Text1"), results.last());
    EXPECT_TRUE(glav.isEnabled());

    typeInto(&glav, u"Text3"_s, u"100"_s);
    typeInto(&glav, u"Text4"_s, u"0,0792"_s);
    typeInto(&glav, u"Text5"_s, u"29,59"_s);
    click(&glav, "Command1");
    const GasReleaseFields typed{
        u"0"_s, u"0"_s, u"0,01"_s, u"120"_s, u"600"_s, {{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}}, u"0,0792"_s};
    const QString derivation = gasReleaseSubsection(calculateGasRelease(typed, commaLocale()), commaLocale());
    EXPECT_EQ(glav.state.out, roomSection(glav.state, commaLocale(), {{}, derivation}));
    typeInto(&glav, u"Text1"_s, u"0,1052"_s);
    click(&glav, "Command1");
    EXPECT_EQ(glav.state.out, roomSection(glav.state, commaLocale())) << "a mass typed over it";
}

TEST_F(CalculatorFlow, GasWindowWithoutAResultLeavesTheMassAlone)
{
    typeInto(&glav, u"Text1"_s, u"7"_s);
    glav.findChild<QAction*>(u"gasmass"_s)->trigger();
    QPointer<QWidget> gas = openWindow(u"Massgas"_s);
    EXPECT_EQ(text(gas, "density"), QString()) << "no density computed yet";
    click(gas, "Command1");
    EXPECT_EQ(text(&glav, "Text1"), u"7"_s);
    EXPECT_TRUE(glav.isEnabled());
    flushDeletes();
    EXPECT_EQ(gas, nullptr);
}

// A calculation that fails tells the user, and the window keeps showing the previous result.
struct FailingCalculation {
    const char* name;
    const char* window;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* calculate;
    double CalculationState::*result;
    const char* resultField;
};
void PrintTo(const FailingCalculation& row, std::ostream* os)
{
    *os << row.name;
}

class CalculatorFailure : public CalculatorFlow, public testing::WithParamInterface<FailingCalculation> {};

TEST_P(CalculatorFailure, ShowsTheUserErrorAndKeepsTheResult)
{
    const FailingCalculation& row = GetParam();
    glav.state.*row.result = 1.5;
    QWidget* window = open(QString::fromLatin1(row.window));
    ASSERT_NE(window, nullptr);
    for (const auto& [field, text] : row.typed)
        typeInto(window, QString::fromLatin1(field), QString::fromUtf8(text));
    DialogRecorder dialogs;
    click(window, row.calculate);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].text, u"Ошибка ввода данных!"_s);
    EXPECT_EQ(dialogs.seen[0].title, u" "_s);
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(glav.state.*row.result, 1.5);
    EXPECT_EQ(text(window, row.resultField), u"1,5"_s);
}

// clang-format off
const FailingCalculation failingCalculations[] = {
    {"AtomCountMissing", "Steh", {{"Text1", "6"}, {"Text2", ""}}, "Command2", &CalculationState::Cst,
     "Text5"},
    {"AtomCountBeyondSixteenBits", "Steh", {{"Text1", "70000"}}, "Command2", &CalculationState::Cst, "Text5"},
    {"NoMolarVolume", "Plotn", {{"Text3", "16"}, {"Text1", "-272,47956403269757"}}, "Command2",
     &CalculationState::pl, "Text2"},
    {"VapourPressureOverflows", "Plpar", {{"Text1", "400"}, {"Text3", "230"}}, "Command1",
     &CalculationState::Pn, "Text5"},
    {"NegativeMolarMass", "Massjid", {{"Text3", "2"}, {"Text2", "5"}, {"Text4", "-46"}, {"Text5", "1,5"}},
     "Command2", &CalculationState::Em, "Text6"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorFailure, testing::ValuesIn(failingCalculations),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
