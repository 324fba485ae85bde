#include "glav.h"
#include "massgas.h"
#include "steh.h"
#include "window_test.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

// The open window with this name. A window that was just closed is only deleted at the next turn
// of the event loop, and must not be mistaken for the one opened after it.
QWidget* openWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

const QString inputErrorTitle = QStringLiteral(" ");
const QString inputErrorText = QStringLiteral("Ошибка ввода данных!");

// The main window of a fresh calculation, shown.
class CalculatorFlow : public ::testing::Test {
protected:
    void SetUp() override { glav.show(); }
    // Windows still open go with the main window that opened them.
    void TearDown() override { flushDeletes(); }

    // Presses the "<=" button and returns the calculator window it opened.
    QWidget* open(const char* button, const char* window)
    {
        clickButton(&glav, QString::fromLatin1(button));
        QWidget* opened = openWindow(QString::fromLatin1(window));
        EXPECT_NE(opened, nullptr) << window;
        return opened;
    }

    Glav glav{commaLocale()};
};

TEST_F(CalculatorFlow, StoichiometryWindowComputesAndHandsItsResultToTheMainWindow)
{
    QWidget* steh = open("Command2", "Steh");
    ASSERT_NE(steh, nullptr);
    EXPECT_FALSE(glav.isEnabled());
    EXPECT_TRUE(steh->isVisible());
    EXPECT_TRUE(steh->isEnabled());
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_EQ(textOf(steh, QString::fromLatin1(field)), QStringLiteral("0")) << field;

    typeInto(steh, QStringLiteral("Text1"), QStringLiteral("1"));
    typeInto(steh, QStringLiteral("Text2"), QStringLiteral("4"));
    clickButton(steh, QStringLiteral("Command2"));
    EXPECT_EQ(textOf(steh, QStringLiteral("Text5")), QStringLiteral("9,36329588014981"));
    EXPECT_EQ(child<QLineEdit>(steh, QStringLiteral("Text5"))->cursorPosition(), 0)
        << "leading digits in view";
    EXPECT_EQ(glav.state.nC, 1);
    EXPECT_EQ(glav.state.nH, 4);
    EXPECT_EQ(glav.state.Cst, 100 / 10.68);

    clickButton(steh, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text5")), QStringLiteral("9,36329588014981"));
    EXPECT_TRUE(glav.isEnabled());
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Steh")), nullptr);
}

TEST_F(CalculatorFlow, DensityWindowStartsFromTheStateAndEnterCalculates)
{
    glav.state.M = 16;
    QWidget* plotn = open("Command3", "Plotn");
    ASSERT_NE(plotn, nullptr);
    EXPECT_EQ(textOf(plotn, QStringLiteral("Text3")), QStringLiteral("16"));
    EXPECT_EQ(textOf(plotn, QStringLiteral("Text1")), QStringLiteral("37"));
    EXPECT_EQ(textOf(plotn, QStringLiteral("Text2")), QStringLiteral("0"));

    QTest::keyClick(child<QLineEdit>(plotn, QStringLiteral("Text1")), Qt::Key_Return);
    EXPECT_EQ(textOf(plotn, QStringLiteral("Text2")), QStringLiteral("0,628524123219582"));
    clickButton(plotn, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text4")), QStringLiteral("0,628524123219582"));
    EXPECT_EQ(glav.state.pgp, 0) << "the density reaches the calculation through the main window's field";
}

TEST_F(CalculatorFlow, TheNextOpeningStartsAgainFromTheState)
{
    QWidget* plotn = open("Command3", "Plotn");
    typeInto(plotn, QStringLiteral("Text3"), QStringLiteral("16"));
    typeInto(plotn, QStringLiteral("Text2"), QStringLiteral("typed but not applied"));
    clickButton(plotn, QStringLiteral("Command1"));
    glav.state.T1 = 20;

    QWidget* again = open("Command3", "Plotn");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(textOf(again, QStringLiteral("Text3")), QStringLiteral("0"));
    EXPECT_EQ(textOf(again, QStringLiteral("Text1")), QStringLiteral("20"));
    EXPECT_EQ(textOf(again, QStringLiteral("Text2")), QStringLiteral("0"));
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Plotn")), again);
}

TEST_F(CalculatorFlow, ApplyCopiesATypedResultCharacterForCharacterAndStoresNothing)
{
    QWidget* steh = open("Command2", "Steh");
    typeInto(steh, QStringLiteral("Text5"), QStringLiteral(" 12,50 "));
    clickButton(steh, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text5")), QStringLiteral(" 12,50 "));
    EXPECT_EQ(glav.state.Cst, 0);
    EXPECT_TRUE(glav.isEnabled());
}

TEST_F(CalculatorFlow, ApplyCopiesAnEmptyResultToo)
{
    typeInto(&glav, QStringLiteral("Text1"), QStringLiteral("5"));
    QWidget* massjid = open("Command4", "Massjid");
    typeInto(massjid, QStringLiteral("Text6"), QString());
    clickButton(massjid, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text1")), QString());
}

TEST_F(CalculatorFlow, LiquidWindowTakesItsPressureFromTheVapourPressureWindow)
{
    QWidget* massjid = open("Command4", "Massjid");
    ASSERT_NE(massjid, nullptr);
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text1")), QStringLiteral("3600"));
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text5")), QStringLiteral("0"));

    clickButton(massjid, QStringLiteral("Command3"));
    QWidget* plpar = openWindow(QStringLiteral("Plpar"));
    ASSERT_NE(plpar, nullptr);
    EXPECT_FALSE(massjid->isEnabled());
    EXPECT_FALSE(glav.isEnabled());
    EXPECT_TRUE(plpar->isEnabled());
    EXPECT_EQ(textOf(plpar, QStringLiteral("Text4")), QStringLiteral("37"));

    typeInto(plpar, QStringLiteral("Text1"), QStringLiteral("6"));
    typeInto(plpar, QStringLiteral("Text2"), QStringLiteral("1200"));
    typeInto(plpar, QStringLiteral("Text3"), QStringLiteral("230"));
    clickButton(plpar, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(plpar, QStringLiteral("Text5")), QStringLiteral("32,0345020425092"));
    clickButton(plpar, QStringLiteral("Command2"));
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text2")), QStringLiteral("32,0345020425092"));
    EXPECT_TRUE(massjid->isEnabled());
    EXPECT_FALSE(glav.isEnabled()) << "the main window waits for the liquid window";

    typeInto(massjid, QStringLiteral("Text3"), QStringLiteral("2"));
    typeInto(massjid, QStringLiteral("Text2"), QStringLiteral("5"));
    typeInto(massjid, QStringLiteral("Text4"), QStringLiteral("46,07"));
    typeInto(massjid, QStringLiteral("Text5"), QStringLiteral("1"));
    clickButton(massjid, QStringLiteral("Command2"));
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text6")), QStringLiteral("0,244349585635008"));
    clickButton(massjid, QStringLiteral("Command1"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text1")), QStringLiteral("0,244349585635008"));
    EXPECT_TRUE(glav.isEnabled());
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Plpar")), nullptr);
    EXPECT_EQ(topLevel(QStringLiteral("Massjid")), nullptr);
}

TEST_F(CalculatorFlow, ClosingWithoutApplyEnablesTheOpenerAndCopiesNothing)
{
    typeInto(&glav, QStringLiteral("Text5"), QStringLiteral("7"));
    QWidget* steh = open("Command2", "Steh");
    typeInto(steh, QStringLiteral("Text5"), QStringLiteral("12"));
    EXPECT_TRUE(steh->close());
    EXPECT_TRUE(glav.isEnabled());
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text5")), QStringLiteral("7"));
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Steh")), nullptr);
}

TEST_F(CalculatorFlow, ALiquidWindowWaitingForThePressureCannotBeClosed)
{
    QWidget* massjid = open("Command4", "Massjid");
    clickButton(massjid, QStringLiteral("Command3"));
    QPointer<QWidget> plpar = openWindow(QStringLiteral("Plpar"));
    EXPECT_FALSE(massjid->close());
    EXPECT_TRUE(massjid->isVisible());
    EXPECT_TRUE(plpar->close()) << "closing without apply returns to the liquid window";
    EXPECT_TRUE(massjid->isEnabled());
    EXPECT_FALSE(glav.isEnabled());
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text2")), QStringLiteral("0"));
}

TEST_F(CalculatorFlow, EachCalculatorExistsOnlyOnce)
{
    QWidget* first = open("Command2", "Steh");
    QLineEdit* target = child<QLineEdit>(&glav, QStringLiteral("Text5"));
    typeInto(first, QStringLiteral("Text1"), QStringLiteral("3"));
    Steh* second = openCalculator<Steh>(&glav, target, glav.state, glav.numberLocale());
    EXPECT_EQ(second, first);
    EXPECT_EQ(textOf(second, QStringLiteral("Text1")), QStringLiteral("3"));
    int stehs = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        stehs += window->objectName() == u"Steh";
    EXPECT_EQ(stehs, 1);
}

TEST_F(CalculatorFlow, CalculatorsCloseWithTheirOpener)
{
    QPointer<QWidget> massjid;
    QPointer<QWidget> plpar;
    {
        Glav other(commaLocale());
        clickButton(&other, QStringLiteral("Command4"));
        massjid = openWindow(QStringLiteral("Massjid"));
        clickButton(massjid, QStringLiteral("Command3"));
        plpar = openWindow(QStringLiteral("Plpar"));
        ASSERT_NE(plpar, nullptr);
    }
    EXPECT_EQ(massjid, nullptr);
    EXPECT_EQ(plpar, nullptr);
}

TEST(GasMassWindow, ApplyReturnsToTheOpenerAndCopiesNothing)
{
    QWidget opener;
    opener.setEnabled(false);
    QPointer<Massgas> gas = new Massgas(&opener);
    gas->show();
    clickButton(gas, QStringLiteral("Command1"));
    EXPECT_TRUE(opener.isEnabled());
    flushDeletes();
    EXPECT_EQ(gas, nullptr);
}

// --- A failing calculation tells the user and keeps the old result ------------------------------

void expectOneInputErrorBox(const DialogRecorder& recorder)
{
    ASSERT_EQ(recorder.seen.size(), 1u);
    const SeenDialog& box = recorder.seen.front();
    EXPECT_EQ(box.text, inputErrorText);
    EXPECT_EQ(box.title, inputErrorTitle);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(CalculatorFlow, StoichiometryFailureKeepsTheResultAndTheLaterCounts)
{
    glav.state.Cst = 5;
    glav.state.nH = 8;
    QWidget* steh = open("Command2", "Steh");
    typeInto(steh, QStringLiteral("Text1"), QStringLiteral("6"));
    typeInto(steh, QStringLiteral("Text2"), QString());
    DialogRecorder recorder;
    clickButton(steh, QStringLiteral("Command2"));
    expectOneInputErrorBox(recorder);
    EXPECT_EQ(glav.state.nC, 6);
    EXPECT_EQ(glav.state.nH, 8);
    EXPECT_EQ(glav.state.Cst, 5);
    EXPECT_EQ(textOf(steh, QStringLiteral("Text5")), QStringLiteral("5"));
}

TEST_F(CalculatorFlow, StoichiometryRejectsACountBeyondSixteenBits)
{
    QWidget* steh = open("Command2", "Steh");
    typeInto(steh, QStringLiteral("Text1"), QStringLiteral("70000"));
    DialogRecorder recorder;
    clickButton(steh, QStringLiteral("Command2"));
    expectOneInputErrorBox(recorder);
    EXPECT_EQ(glav.state.nC, 0);
    EXPECT_EQ(textOf(steh, QStringLiteral("Text5")), QStringLiteral("0"));
}

TEST_F(CalculatorFlow, DensityFailureAtAZeroMolarVolumeKeepsTheOldDensity)
{
    glav.state.pl = 1.5;
    QWidget* plotn = open("Command3", "Plotn");
    typeInto(plotn, QStringLiteral("Text3"), QStringLiteral("16"));
    typeInto(plotn, QStringLiteral("Text1"), QStringLiteral("-272,47956403269757"));
    DialogRecorder recorder;
    clickButton(plotn, QStringLiteral("Command2"));
    expectOneInputErrorBox(recorder);
    EXPECT_EQ(glav.state.M, 16);
    EXPECT_EQ(glav.state.pl, 1.5);
    EXPECT_EQ(textOf(plotn, QStringLiteral("Text2")), QStringLiteral("1,5"));
}

TEST_F(CalculatorFlow, VapourPressureOverflowStoresTheInputsButNotThePressure)
{
    glav.state.Pn = 3;
    QWidget* massjid = open("Command4", "Massjid");
    clickButton(massjid, QStringLiteral("Command3"));
    QWidget* plpar = openWindow(QStringLiteral("Plpar"));
    typeInto(plpar, QStringLiteral("Text1"), QStringLiteral("400"));
    typeInto(plpar, QStringLiteral("Text3"), QStringLiteral("230"));
    DialogRecorder recorder;
    QTest::keyClick(child<QLineEdit>(plpar, QStringLiteral("Text3")), Qt::Key_Enter);
    expectOneInputErrorBox(recorder);
    EXPECT_EQ(glav.state.A, 400);
    EXPECT_EQ(glav.state.C, 230);
    EXPECT_EQ(glav.state.T1, 37);
    EXPECT_EQ(glav.state.Pn, 3);
    EXPECT_EQ(textOf(plpar, QStringLiteral("Text5")), QStringLiteral("3"));
}

TEST_F(CalculatorFlow, LiquidMassFailsAtANegativeMolarMassAfterStoringAllFiveInputs)
{
    glav.state.Em = 0.5;
    QWidget* massjid = open("Command4", "Massjid");
    typeInto(massjid, QStringLiteral("Text3"), QStringLiteral("2"));
    typeInto(massjid, QStringLiteral("Text1"), QStringLiteral("7200"));
    typeInto(massjid, QStringLiteral("Text2"), QStringLiteral("5"));
    typeInto(massjid, QStringLiteral("Text4"), QStringLiteral("-46"));
    typeInto(massjid, QStringLiteral("Text5"), QStringLiteral("1,5"));
    DialogRecorder recorder;
    clickButton(massjid, QStringLiteral("Command2"));
    expectOneInputErrorBox(recorder);
    EXPECT_EQ(glav.state.Fi, 2);
    EXPECT_EQ(glav.state.tr, 7200);
    EXPECT_EQ(glav.state.Pn, 5);
    EXPECT_EQ(glav.state.M, -46);
    EXPECT_EQ(glav.state.n, 1.5);
    EXPECT_EQ(glav.state.Em, 0.5);
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text6")), QStringLiteral("0,5"));
}

} // namespace
