#include "excess_pressure.h"
#include "glav.h"
#include "input_error.h"
#include "numbers.h"
#include "report_publisher.h"
#include "result_out.h"
#include "ventilation.h"
#include "window_test.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

namespace {

const QLocale comma(QLocale::Russian, QLocale::Russia);
const QString inputErrorText = QStringLiteral("Ошибка ввода данных!");
const QString inputErrorTitle = QStringLiteral(" ");
const QString neitherBoxText = QStringLiteral("Ошибка!");
const QString kilopascal = QStringLiteral("кПа");
const QString cubicMetresPerHour = QStringLiteral("м3/час");

// A value no calculation produces, to see which variables a failed run changed.
constexpr double untouched = -7;

CalculationState stateOfUntouchedValues()
{
    CalculationState state;
    for (double* value :
         {&state.EP, &state.Pmax, &state.po, &state.Mass, &state.Z, &state.Vsv, &state.pgp, &state.Cst,
          &state.Kn, &state.Mpr, &state.Qsg, &state.n, &state.L, &state.nu, &state.Vvent})
        *value = untouched;
    state.U = float(untouched);
    state.W = float(untouched);
    return state;
}

const RoomFields exampleRoom{QStringLiteral("900"), QStringLiteral("101"), QStringLiteral("10"),
                             QStringLiteral("0,3"), QStringLiteral("100"), QStringLiteral("2"),
                             QStringLiteral("4"),   QStringLiteral("3")};

// The room of the worked example, as the main calculation leaves it, with the calculators' M, Pn, Fi.
CalculationState exampleRoomState()
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    state.M = 58;
    state.Pn = 20;
    state.Fi = 10;
    return state;
}

} // namespace

TEST(RoomCalculation, GivesTheExamplePressure)
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    EXPECT_EQ(state.EP, 99.875);
    EXPECT_EQ(state.Pmax, 900);
    EXPECT_EQ(state.po, 101);
    EXPECT_EQ(state.Mass, 10);
    EXPECT_EQ(state.Z, 0.3);
    EXPECT_EQ(state.Vsv, 100);
    EXPECT_EQ(state.pgp, 2);
    EXPECT_EQ(state.Cst, 4);
    EXPECT_EQ(state.Kn, 3);
}

TEST(RoomCalculation, AHigherInitialPressureGivesANegativePressureWithoutError)
{
    CalculationState state;
    RoomFields fields = exampleRoom;
    fields.initialPressure = QStringLiteral("1000");
    calculateRoom(state, fields, comma);
    EXPECT_EQ(state.EP, -12.5);
}

struct PartialStoreRow {
    const char* name;
    int field;        // index of the field in reading order
    const char* text; // what it holds
    int storedBefore; // how many of the eight room variables take their new values
    double parsed;    // the value the changed field gives, when it is among them
};

class RoomCalculationFailure : public testing::TestWithParam<PartialStoreRow> {};

TEST_P(RoomCalculationFailure, KeepsWhatWasStoredAndLeavesThePressure)
{
    const PartialStoreRow& row = GetParam();
    RoomFields fields = exampleRoom;
    QString* texts[] = {&fields.maxPressure,    &fields.initialPressure, &fields.mass,
                        &fields.participation,  &fields.freeVolume,      &fields.density,
                        &fields.stoichiometric, &fields.leakage};
    *texts[row.field] = QString::fromUtf8(row.text);
    CalculationState state = stateOfUntouchedValues();
    EXPECT_THROW(calculateRoom(state, fields, comma), InputError);

    const double newValues[] = {900, 101, 10, 0.3, 100, 2, 4, 3};
    const double stored[] = {state.Pmax, state.po,  state.Mass, state.Z,
                             state.Vsv,  state.pgp, state.Cst,  state.Kn};
    for (int i = 0; i < 8; ++i) {
        const double expected = i >= row.storedBefore ? untouched
                                : i == row.field      ? row.parsed
                                                      : newValues[i];
        EXPECT_EQ(stored[i], expected) << "variable " << i;
    }
    EXPECT_EQ(state.EP, untouched);
}

INSTANTIATE_TEST_SUITE_P(Fields, RoomCalculationFailure,
                         testing::Values(PartialStoreRow{"FreeVolumeEmpty", 4, "", 4, 0},
                                         PartialStoreRow{"MaximumPressureNotANumber", 0, "9OO", 0, 0},
                                         PartialStoreRow{"DensityWithADot", 5, "2.5", 5, 0},
                                         PartialStoreRow{"LeakageBlank", 7, " ", 7, 0},
                                         PartialStoreRow{"ConcentrationZero", 6, "0", 8, 0},
                                         PartialStoreRow{"DensityZero", 5, "0", 8, 0},
                                         PartialStoreRow{"OverflowingNumerator", 0, "1E308", 8, 1e308}),
                         [](const testing::TestParamInfo<PartialStoreRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(OutdoorCalculation, GivesTheExampleReducedMassAndPressure)
{
    CalculationState state;
    calculateOutdoor(
        state, {QStringLiteral("101"), QStringLiteral("10"), QStringLiteral("0,1"), QStringLiteral("45,2")},
        comma);
    EXPECT_NEAR(state.Mpr, 10, 1e-12);
    EXPECT_NEAR(state.EP, 7.4841, 5e-5);
    // t2 + t1 + t3 in that order, times po.
    const double mpr = state.Mpr;
    const double sum = (std::pow(mpr, 0.66) * 3) / 900 + (std::pow(mpr, 0.33) * 0.8) / 30;
    EXPECT_EQ(state.EP, (sum + (mpr * 5) / 27000) * 101);
}

TEST(OutdoorCalculation, ZeroMassGivesZeroPressure)
{
    CalculationState state = stateOfUntouchedValues();
    calculateOutdoor(
        state, {QStringLiteral("101"), QStringLiteral("0"), QStringLiteral("0,1"), QStringLiteral("45,2")},
        comma);
    EXPECT_EQ(state.Mpr, 0);
    EXPECT_EQ(state.EP, 0);
}

TEST(OutdoorCalculation, ANegativeReducedMassIsAnInputErrorAndLeavesThePressure)
{
    CalculationState state = stateOfUntouchedValues();
    EXPECT_THROW(calculateOutdoor(state,
                                  {QStringLiteral("101"), QStringLiteral("10"), QStringLiteral("0,1"),
                                   QStringLiteral("-45,2")},
                                  comma),
                 InputError);
    EXPECT_NEAR(state.Mpr, -10, 1e-12);
    EXPECT_EQ(state.EP, untouched);
    EXPECT_EQ(state.Qsg, -45.2);
}

TEST(OutdoorCalculation, AnOverflowingReducedMassKeepsItsValue)
{
    CalculationState state = stateOfUntouchedValues();
    EXPECT_THROW(calculateOutdoor(state,
                                  {QStringLiteral("101"), QStringLiteral("1E300"), QStringLiteral("1E10"),
                                   QStringLiteral("45,2")},
                                  comma),
                 InputError);
    EXPECT_EQ(state.Mpr, untouched);
    EXPECT_EQ(state.EP, untouched);
}

TEST(VentilationCalculation, GivesTheWorkedExample)
{
    CalculationState state = exampleRoomState();
    calculateVentilation(state, {QStringLiteral("8"), QStringLiteral("20")}, comma);
    EXPECT_EQ(state.n, 8);
    EXPECT_EQ(state.L, 20);
    EXPECT_EQ(state.U, float(160.0 / 3600.0));
    EXPECT_NEAR(state.U, 0.0444444, 1e-7);
    EXPECT_NEAR(state.nu, 1.26667, 1e-5);
    EXPECT_NEAR(state.W, 0.000192933, 1e-9);
    EXPECT_NEAR(state.Mass, 0.771732, 1e-6);
    EXPECT_NEAR(state.EP, 7.70767, 1e-5);
    EXPECT_EQ(state.Vvent, 800);
}

TEST(VentilationCalculation, UsesTheSinglePrecisionIntensityForTheMass)
{
    CalculationState state = exampleRoomState();
    calculateVentilation(state, {QStringLiteral("8"), QStringLiteral("20")}, comma);
    EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10 / 9);
}

TEST(VentilationCalculation, WithoutAirChangesTheAirStandsStill)
{
    CalculationState state = exampleRoomState();
    calculateVentilation(state, {QStringLiteral("0"), QStringLiteral("20")}, comma);
    EXPECT_EQ(state.U, 0.0f);
    EXPECT_EQ(state.nu, 1);
    EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10);
    EXPECT_EQ(state.Vvent, 0);
}

TEST(VentilationCalculation, NoMolarMassMeansNoEvaporation)
{
    CalculationState state = exampleRoomState();
    state.M = 0;
    calculateVentilation(state, {QStringLiteral("8"), QStringLiteral("20")}, comma);
    EXPECT_EQ(state.W, 0.0f);
    EXPECT_EQ(state.Mass, 0);
    EXPECT_EQ(state.EP, 0);
}

TEST(VentilationCalculation, TheCoefficientIsNotLimitedAtHighVelocity)
{
    CalculationState state = exampleRoomState();
    calculateVentilation(state, {QStringLiteral("180"), QStringLiteral("20")}, comma);
    EXPECT_EQ(state.U, 1.0f);
    EXPECT_NEAR(state.nu, 7, 1e-12);
}

struct VentilationFailureRow {
    const char* name;
    const char* airChanges;
    const char* length;
    double molarMass;
    bool roomCalculated;
    int stepsStored; // of n, L, U, nu, W, Mass, EP, Vvent
};

class VentilationFailure : public testing::TestWithParam<VentilationFailureRow> {};

TEST_P(VentilationFailure, StopsAtTheFailingStep)
{
    const VentilationFailureRow& row = GetParam();
    CalculationState state = stateOfUntouchedValues();
    if (row.roomCalculated)
        calculateRoom(state, exampleRoom, comma);
    else
        state.Pmax = state.po = state.Z = state.Vsv = state.pgp = state.Cst = state.Kn = 0;
    state.EP = untouched;
    state.Mass = untouched;
    state.M = row.molarMass;
    state.Pn = 20;
    state.Fi = 10;
    EXPECT_THROW(calculateVentilation(
                     state, {QString::fromUtf8(row.airChanges), QString::fromUtf8(row.length)}, comma),
                 InputError);
    const bool changed[] = {state.n != untouched,  state.L != untouched,        state.U != float(untouched),
                            state.nu != untouched, state.W != float(untouched), state.Mass != untouched,
                            state.EP != untouched, state.Vvent != untouched};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(changed[i], i < row.stepsStored) << "step " << i;
    for (double value : {state.n, state.L, double(state.U), state.nu, double(state.W), state.Mass, state.EP})
        EXPECT_TRUE(std::isfinite(value));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, VentilationFailure,
    testing::Values(VentilationFailureRow{"AirChangesEmpty", "", "20", 58, true, 0},
                    VentilationFailureRow{"LengthNotANumber", "8", "20 m", 58, true, 1},
                    VentilationFailureRow{"VelocityBeyondSinglePrecision", "8", "1E300", 58, true, 2},
                    VentilationFailureRow{"NegativeMolarMass", "8", "20", -58, true, 4},
                    VentilationFailureRow{"MinusOneAirChange", "-1", "20", 58, true, 6},
                    VentilationFailureRow{"BeforeAnyRoomCalculation", "8", "20", 58, false, 6}),
    [](const testing::TestParamInfo<VentilationFailureRow>& info) { return std::string(info.param.name); });

TEST(VentilationCalculation, MinusOneAirChangeLeavesTheHourlyMass)
{
    CalculationState state = exampleRoomState();
    EXPECT_THROW(calculateVentilation(state, {QStringLiteral("-1"), QStringLiteral("20")}, comma),
                 InputError);
    EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10);
}

// The handlers of the main window, driven through their controls.
class MainWindowCalculation : public testing::Test {
  protected:
    MainWindowCalculation()
    {
        glav.reportPublisher.setDocumentPath(folder.filePath(QStringLiteral("proect.htm")));
    }

    void typeTheExampleRoom()
    {
        typeInto(&glav, QStringLiteral("Text1"), QStringLiteral("10"));
        typeInto(&glav, QStringLiteral("Text3"), QStringLiteral("100"));
        typeInto(&glav, QStringLiteral("Text4"), QStringLiteral("2"));
        typeInto(&glav, QStringLiteral("Text5"), QStringLiteral("4"));
    }
    QCheckBox* box(const char* name) { return child<QCheckBox>(&glav, QString::fromLatin1(name)); }
    bool documentWritten() const { return QFile::exists(folder.filePath(QStringLiteral("proect.htm"))); }
    void expectOneInputError(const DialogRecorder& dialogs)
    {
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].text, inputErrorText);
        EXPECT_EQ(dialogs.seen[0].title, inputErrorTitle);
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    }

    QTemporaryDir folder;
    Glav glav{commaLocale()};
};

TEST_F(MainWindowCalculation, RoomExamplePublishesTheReport)
{
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    EXPECT_EQ(glav.state.EP, 99.875);
    EXPECT_TRUE(documentWritten());
    ASSERT_NE(glav.reportPublisher.window(), nullptr);
    EXPECT_TRUE(glav.reportPublisher.window()->isVisible());
    EXPECT_TRUE(glav.isEnabled());
}

TEST_F(MainWindowCalculation, NeitherBoxSetChangesNothing)
{
    typeTheExampleRoom();
    box("Check1")->setChecked(false);
    glav.state.out = QStringLiteral("earlier report");
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command1"));
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].text, neitherBoxText);
    EXPECT_EQ(dialogs.seen[0].title, QString());
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(glav.state.Mass, 0);
    EXPECT_EQ(glav.state.EP, 0);
    EXPECT_EQ(glav.state.out, QStringLiteral("earlier report"));
    EXPECT_FALSE(documentWritten());
    EXPECT_EQ(glav.reportPublisher.window(), nullptr);
}

TEST_F(MainWindowCalculation, AGreyedBoxRunsNoBranchAndPublishesTheReportAsItStands)
{
    typeTheExampleRoom();
    box("Check1")->setTristate(true);
    box("Check1")->setCheckState(Qt::PartiallyChecked);
    glav.state.out = QStringLiteral("earlier report");
    clickButton(&glav, QStringLiteral("Command1"));
    EXPECT_EQ(glav.state.Mass, 0);
    EXPECT_EQ(glav.state.out, QStringLiteral("earlier report"));
    EXPECT_TRUE(documentWritten());
}

TEST_F(MainWindowCalculation, EmptyFreeVolumeIsAnInputErrorAfterFourStores)
{
    typeTheExampleRoom();
    typeInto(&glav, QStringLiteral("Text3"), QString());
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command1"));
    expectOneInputError(dialogs);
    EXPECT_EQ(glav.state.Z, 0.3);
    EXPECT_EQ(glav.state.Mass, 10);
    EXPECT_EQ(glav.state.Vsv, 0);
    EXPECT_EQ(glav.state.Kn, 0);
    EXPECT_FALSE(documentWritten());
}

TEST_F(MainWindowCalculation, ZeroConcentrationStoresAllEightAndPublishesNothing)
{
    typeTheExampleRoom();
    typeInto(&glav, QStringLiteral("Text5"), QStringLiteral("0"));
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command1"));
    expectOneInputError(dialogs);
    EXPECT_EQ(glav.state.Kn, 3);
    EXPECT_EQ(glav.state.Cst, 0);
    EXPECT_EQ(glav.state.EP, 0);
    EXPECT_TRUE(glav.state.out.isEmpty());
    EXPECT_FALSE(documentWritten());
    EXPECT_EQ(glav.reportPublisher.window(), nullptr);
}

TEST_F(MainWindowCalculation, VentilationShowsPressureAndCapacityUnrounded)
{
    glav.state.M = 58;
    glav.state.Pn = 20;
    glav.state.Fi = 10;
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    typeInto(&glav, QStringLiteral("Text12"), QStringLiteral("8"));
    typeInto(&glav, QStringLiteral("Text11"), QStringLiteral("20"));
    clickButton(&glav, QStringLiteral("Command6"));
    EXPECT_NEAR(glav.state.EP, 7.70767, 1e-5);
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text10")), formatNumber(glav.state.EP, comma) + kilopascal);
    EXPECT_TRUE(textOf(&glav, QStringLiteral("Text10")).startsWith(QStringLiteral("7,7076699752")));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text13")), QStringLiteral("800") + cubicMetresPerHour);
}

TEST_F(MainWindowCalculation, VentilationWithoutMolarMassShowsZeroPressure)
{
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    typeInto(&glav, QStringLiteral("Text12"), QStringLiteral("8"));
    typeInto(&glav, QStringLiteral("Text11"), QStringLiteral("20"));
    clickButton(&glav, QStringLiteral("Command6"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text10")), QStringLiteral("0") + kilopascal);
}

TEST_F(MainWindowCalculation, VentilationBeforeAnyRoomCalculationReportsTheErrorAndKeepsTheFields)
{
    glav.state.M = 58;
    glav.state.Pn = 20;
    glav.state.Fi = 10;
    typeInto(&glav, QStringLiteral("Text12"), QStringLiteral("8"));
    typeInto(&glav, QStringLiteral("Text11"), QStringLiteral("20"));
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command6"));
    expectOneInputError(dialogs);
    EXPECT_EQ(glav.state.n, 8);
    EXPECT_EQ(glav.state.L, 20);
    EXPECT_NEAR(glav.state.U, 0.0444444, 1e-7);
    EXPECT_NEAR(glav.state.nu, 1.26667, 1e-5);
    EXPECT_NEAR(glav.state.W, 0.000192933, 1e-9);
    EXPECT_NEAR(glav.state.Mass, 0.771732, 1e-6);
    EXPECT_EQ(glav.state.EP, 0);
    EXPECT_EQ(glav.state.Vvent, 0);
    EXPECT_TRUE(textOf(&glav, QStringLiteral("Text10")).isEmpty());
    EXPECT_TRUE(textOf(&glav, QStringLiteral("Text13")).isEmpty());
}
