#include "evaporation_coefficient.h"
#include "excess_pressure.h"
#include "glav.h"
#include "interpolation.h"
#include "numbers.h"
#include "user_error.h"
#include "ventilation.h"
#include "window_test.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma = commaLocale();

using Values = std::vector<double>;

// A value no calculation produces, to see which variables a failed run changed.
constexpr double untouched = -7;
CalculationState untouchedState()
{
    CalculationState s;
    for (double* value : {&s.EP, &s.Pmax, &s.po, &s.Mass, &s.Z, &s.Vsv, &s.pgp, &s.Cst, &s.Kn, &s.Mpr, &s.Qsg,
                          &s.n, &s.L, &s.nu, &s.Vvent})
        *value = untouched;
    s.U = s.W = float(untouched);
    return s;
}

// The worked example: 10 kg of vapour in a free volume of 100 m3, density 2 kg/m3, Cst 4 %.
const RoomFields exampleRoom{u"900"_s, u"101"_s, u"10"_s, u"0,3"_s, u"100"_s, u"2"_s, u"4"_s, u"3"_s};
const Values exampleRoomValues{900, 101, 10, 0.3, 100, 2, 4, 3};
const auto roomValues = [](const CalculationState& s) -> Values {
    return {s.Pmax, s.po, s.Mass, s.Z, s.Vsv, s.pgp, s.Cst, s.Kn};
};

TEST(RoomCalculation, GivesTheExamplePressure)
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    EXPECT_EQ(state.EP, 99.875);
    EXPECT_EQ(roomValues(state), exampleRoomValues);
    RoomFields higherStart = exampleRoom;
    higherStart.initialPressure = u"1000"_s;
    calculateRoom(state, higherStart, comma);
    EXPECT_EQ(state.EP, -12.5) << "an initial pressure above the maximum is no error";
}

TEST(RoomCalculation, AFailureKeepsWhatWasStoredAndLeavesThePressure)
{
    struct Row {
        int field;        // in reading order
        const char* text; // what it holds
        int stored;       // how many of the eight room variables take their new values
    };
    for (const Row& row : {Row{0, "9OO", 0}, {4, "", 4}, {7, " ", 7}, {6, "0", 8}, {0, "1E308", 8}}) {
        RoomFields fields = exampleRoom;
        QString* texts[] = {&fields.maxPressure,    &fields.initialPressure, &fields.mass,
                            &fields.participation,  &fields.freeVolume,      &fields.density,
                            &fields.stoichiometric, &fields.leakage};
        *texts[row.field] = QString::fromLatin1(row.text);
        CalculationState state = untouchedState();
        EXPECT_THROW(calculateRoom(state, fields, comma), UserError);
        Values expected = exampleRoomValues;
        if (row.field < row.stored)
            expected[row.field] = parseNumber(*texts[row.field], comma);
        std::fill(expected.begin() + row.stored, expected.end(), untouched);
        EXPECT_EQ(roomValues(state), expected) << row.text;
        EXPECT_EQ(state.EP, untouched);
    }
}

TEST(OutdoorCalculation, GivesTheExampleReducedMassAndPressureAndNoPressureWithoutMass)
{
    CalculationState state;
    calculateOutdoor(state, {u"101"_s, u"10"_s, u"0,1"_s, u"45,2"_s}, comma);
    EXPECT_NEAR(state.Mpr, 10, 1e-12);
    EXPECT_NEAR(state.EP, 7.4841, 5e-5);
    calculateOutdoor(state, {u"101"_s, u"0"_s, u"0,1"_s, u"45,2"_s}, comma);
    EXPECT_EQ(state.Mpr, 0);
    EXPECT_EQ(state.EP, 0);
}

TEST(OutdoorCalculation, ANegativeOrOverflowingReducedMassIsAnUserError)
{
    CalculationState state = untouchedState();
    EXPECT_THROW(calculateOutdoor(state, {u"101"_s, u"10"_s, u"0,1"_s, u"-45,2"_s}, comma), UserError);
    EXPECT_EQ(state.Qsg, -45.2);
    EXPECT_NEAR(state.Mpr, -10, 1e-12) << "stored; only its fractional power fails";
    EXPECT_EQ(state.EP, untouched);
    state = untouchedState();
    EXPECT_THROW(calculateOutdoor(state, {u"101"_s, u"1E300"_s, u"1E10"_s, u"45,2"_s}, comma), UserError);
    EXPECT_EQ(state.Mpr, untouched);
    EXPECT_EQ(state.EP, untouched);
}

// The example room as the main calculation leaves it, with M, Pn and Fi from the calculators, ventilated.
CalculationState ventilated(const char* airChanges, double molarMass = 58)
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    state.M = molarMass;
    state.Pn = 20;
    state.Fi = 10;
    calculateVentilation(state, {QString::fromLatin1(airChanges), u"20"_s}, comma);
    return state;
}

TEST(VentilationCalculation, GivesTheWorkedExample)
{
    const CalculationState state = ventilated("8");
    EXPECT_EQ((Values{state.n, state.L, state.Vvent}), (Values{8, 20, 800}));
    EXPECT_EQ(state.U, float(160.0 / 3600.0));
    EXPECT_NEAR(state.nu, 1.26667, 1e-5);
    EXPECT_EQ(state.nu, Interpolate(0, 0.05, state.U, 1, 1.3))
        << "at 37 C the table's first segment is that line";
    EXPECT_NEAR(state.W, 0.000192933, 1e-9);
    EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10 / 9) << "from the single-precision intensity";
    EXPECT_NEAR(state.Mass, 0.771732, 1e-6);
    EXPECT_NEAR(state.EP, 7.70767, 1e-5);
}

TEST(VentilationCalculation, StillAirFastAirAndNoVapour)
{
    const CalculationState still = ventilated("0");
    EXPECT_EQ((Values{still.U, still.nu, still.Mass, still.Vvent}), (Values{0, 1, still.W * 3600.0 * 10, 0}));
    const CalculationState fast = ventilated("270");
    EXPECT_EQ((Values{fast.U, fast.nu}), (Values{1.5, 4.6})) << "the 1 m/s row of the 35 C column";
    const CalculationState noVapour = ventilated("8", 0);
    EXPECT_EQ((Values{noVapour.W, noVapour.Mass, noVapour.EP}), Values(3, 0));
}

TEST(VentilationCalculation, AFailureStopsAtTheFailingStep)
{
    struct Row {
        const char* airChanges;
        const char* length;
        double molarMass;
        int stepsStored; // of n, L, U, nu, W, Mass, EP, Vvent
    };
    const Row rows[] = {{"", "20", 58, 0},   {"8", "20 m", 58, 1}, {"8", "1E300", 58, 2},
                        {"8", "20", -58, 4}, {"-8", "20", 58, 3},  {"-1", "0", 58, 6}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.airChanges << " " << row.length << " " << row.molarMass);
        CalculationState state = untouchedState();
        calculateRoom(state, exampleRoom, comma);
        state.EP = state.Mass = untouched;
        state.M = row.molarMass;
        state.Pn = 20;
        state.Fi = 10;
        EXPECT_THROW(
            calculateVentilation(
                state, {QString::fromLatin1(row.airChanges), QString::fromLatin1(row.length)}, comma),
            UserError);
        const double steps[] = {state.n, state.L,    state.U,  state.nu,
                                state.W, state.Mass, state.EP, state.Vvent};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(steps[i] != untouched, i < row.stepsStored) << "step " << i;
            EXPECT_TRUE(std::isfinite(steps[i]));
        }
        if (row.airChanges == std::string_view("-1")) {
            EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10) << "the hourly mass, not yet shared out";
        }
    }
}

// Table А.2 worked by hand at its nodes, between them along either axis or both, and beyond its edges.
TEST(EvaporationCoefficient, FollowsTheTableOfTheCodeOfPractice)
{
    struct Row {
        double speed, temperature, coefficient;
    };
    const Row rows[] = {{0.1, 20, 2.4},      {0.5, 10, 6.6},  {1, 35, 4.6},   {0, 15, 1},
                        {0.35, 20, 4.45},    {0.05, 35, 1.3}, {0.1, 25, 2.1}, {0.2, 12.5, 4.2},
                        {0.15, 17.5, 3.075}, {2, 40, 4.6},    {1.5, 5, 10},   {0.5, -20, 6.6},
                        {3, 25, 6.65}};
    for (const Row& row : rows)
        EXPECT_NEAR(evaporationCoefficient(row.speed, row.temperature), row.coefficient, 1e-14)
            << row.speed << " m/s, " << row.temperature << " C";
    EXPECT_THROW(evaporationCoefficient(-0.01, 20), UserError);
}

// The handlers of the main window, driven through its controls.
class MainWindowCalculation : public testing::Test {
  protected:
    MainWindowCalculation() { glav.reportPublisher.setDocumentFolders({folder.path()}); }

    QString documentPath() const { return folder.filePath(u"proect.htm"_s); }
    void type(std::initializer_list<std::pair<const char*, const char*>> texts)
    {
        for (const auto& [field, text] : texts)
            typeInto(&glav, QString::fromLatin1(field), QString::fromUtf8(text));
    }
    void typeRoom(const char* freeVolume)
    {
        type({{"Text1", "10"}, {"Text3", freeVolume}, {"Text4", "2"}, {"Text5", "4"}});
    }
    static void expectUserErrorBoxes(const DialogRecorder& dialogs, std::size_t count)
    {
        ASSERT_EQ(dialogs.seen.size(), count);
        for (const SeenDialog& box : dialogs.seen) {
            EXPECT_EQ(box.text, u"Ошибка ввода данных!"_s);
            EXPECT_EQ(box.title, u" "_s);
            EXPECT_EQ(box.icon, QMessageBox::Critical);
            EXPECT_EQ(box.buttons, QMessageBox::Ok);
        }
    }

    QTemporaryDir folder;
    Glav glav{commaLocale()};
};

TEST_F(MainWindowCalculation, NeitherBoxSetChangesNothingAndAGreyedBoxRunsNoBranch)
{
    typeRoom("100");
    auto* room = child<QCheckBox>(&glav, u"Check1"_s);
    room->setChecked(false);
    glav.state.out = u"earlier report"_s;
    {
        DialogRecorder dialogs;
        clickButton(&glav, u"Command1"_s);
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].text, u"Ошибка!"_s);
        EXPECT_EQ(dialogs.seen[0].title, QString());
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    }
    EXPECT_FALSE(QFile::exists(documentPath()));
    EXPECT_EQ(glav.reportPublisher.window(), nullptr);
    room->setTristate(true);
    room->setCheckState(Qt::PartiallyChecked);
    clickButton(&glav, u"Command1"_s);
    EXPECT_EQ(glav.state.Mass, 0);
    EXPECT_EQ(glav.state.out, u"earlier report"_s);
    EXPECT_TRUE(QFile::exists(documentPath())) << "the report is published as it stands";
}

TEST_F(MainWindowCalculation, AnUserErrorKeepsWhatWasStoredAndPublishesNothing)
{
    typeRoom("");
    DialogRecorder dialogs;
    clickButton(&glav, u"Command1"_s);
    EXPECT_EQ(roomValues(glav.state), (Values{900, 101, 10, 0.3, 0, 0, 0, 0}));
    type({{"Text3", "100"}, {"Text5", "0"}}); // a concentration of zero divides by zero
    clickButton(&glav, u"Command1"_s);
    expectUserErrorBoxes(dialogs, 2);
    EXPECT_EQ(roomValues(glav.state), (Values{900, 101, 10, 0.3, 100, 2, 0, 3}));
    EXPECT_EQ(glav.state.EP, 0);
    EXPECT_TRUE(glav.state.out.isEmpty());
    EXPECT_FALSE(QFile::exists(documentPath()));
    EXPECT_EQ(glav.reportPublisher.window(), nullptr);
}

TEST_F(MainWindowCalculation, VentilationNeedsTheRoomAndShowsPressureAndCapacityUnrounded)
{
    glav.state.M = 58;
    glav.state.Pn = 20;
    glav.state.Fi = 10;
    type({{"Text12", "8"}, {"Text11", "20"}});
    {
        DialogRecorder dialogs;
        clickButton(&glav, u"Command6"_s);
        expectUserErrorBoxes(dialogs, 1);
    }
    EXPECT_NEAR(glav.state.Mass, 0.771732, 1e-6) << "stored before the room was found missing";
    EXPECT_EQ(glav.state.Vvent, 0);
    EXPECT_TRUE(textOf(&glav, u"Text10"_s).isEmpty());
    EXPECT_TRUE(textOf(&glav, u"Text13"_s).isEmpty());

    typeRoom("100");
    clickButton(&glav, u"Command1"_s);
    clickButton(&glav, u"Command6"_s);
    EXPECT_NEAR(glav.state.EP, 7.70767, 1e-5);
    EXPECT_EQ(textOf(&glav, u"Text10"_s), formatNumber(glav.state.EP, comma) + u"кПа"_s);
    EXPECT_TRUE(textOf(&glav, u"Text10"_s).startsWith(u"7,7076699752"_s));
    EXPECT_EQ(textOf(&glav, u"Text13"_s), u"800м3/час"_s);
    glav.state.M = 0;
    clickButton(&glav, u"Command6"_s);
    EXPECT_EQ(textOf(&glav, u"Text10"_s), u"0кПа"_s) << "no molar mass, no vapour";
}

} // namespace
