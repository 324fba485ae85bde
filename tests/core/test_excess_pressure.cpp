#include "core_test.h"
#include "evaporation_coefficient.h"
#include "excess_pressure.h"
#include "numbers.h"
#include "user_error.h"
#include "ventilation.h"

using namespace Qt::StringLiterals;

namespace {

const QLocale comma = commaLocale();
using Values = std::vector<double>;

// A value no calculation produces, to see which variables a failed run left alone.
constexpr double untouched = -7;

// The worked example: 10 kg of vapour in a free volume of 100 m3, density 2 kg/m3, Cst 4 %:
// EP = (900 - 101) * 10 * 0,3 * 100 / (2 * 100 * 4 * 3) = 99,875 kPa.
const RoomFields exampleRoom{u"900"_s, u"101"_s, u"10"_s, u"0,3"_s, u"100"_s, u"2"_s, u"4"_s, u"3"_s};
const auto roomValues = [](const CalculationState& s) -> Values {
    return {s.Pmax, s.po, s.Mass, s.Z, s.Vsv, s.pgp, s.Cst, s.Kn};
};

TEST(RoomCalculation, GivesTheWorkedPressures)
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    EXPECT_EQ(state.EP, 99.875);
    EXPECT_EQ(roomValues(state), (Values{900, 101, 10, 0.3, 100, 2, 4, 3}));
    RoomFields tighter = exampleRoom;
    tighter.leakage = u"2"_s;
    calculateRoom(state, tighter, comma);
    EXPECT_EQ(state.EP, 149.8125);
    RoomFields higherStart = exampleRoom;
    higherStart.initialPressure = u"1000"_s;
    calculateRoom(state, higherStart, comma);
    EXPECT_EQ(state.EP, -12.5) << "an initial pressure above the maximum is no error";
    // A failure stores the fields read before it and leaves the pressure: no free volume typed.
    state = CalculationState();
    state.EP = untouched;
    higherStart.freeVolume.clear();
    EXPECT_THROW(calculateRoom(state, higherStart, comma), UserError);
    EXPECT_EQ(roomValues(state), (Values{900, 1000, 10, 0.3, 0, 0, 0, 0}));
    EXPECT_EQ(state.EP, untouched);
}

// 10 kg of a gas of 45,2 MJ/kg with Z = 0,1: Mpr = 45,2 / 4,52 * 10 * 0,1 = 10 kg, and at 30 m
// EP = 101 * (0,8 * 10^0,33 / 30 + 3 * 10^0,66 / 900 + 5 * 10 / 27000) = 7,48415 kPa.
TEST(OutdoorCalculation, GivesTheWorkedPressureAndNoneForANegativeReducedMass)
{
    CalculationState state;
    calculateOutdoor(state, {u"101"_s, u"10"_s, u"0,1"_s, u"45,2"_s}, comma);
    EXPECT_NEAR(state.Mpr, 10, 1e-12);
    EXPECT_NEAR(state.EP, 7.48415, 1e-5);
    state.EP = untouched;
    EXPECT_THROW(calculateOutdoor(state, {u"101"_s, u"10"_s, u"0,1"_s, u"-45,2"_s}, comma), UserError);
    EXPECT_NEAR(state.Mpr, -10, 1e-12) << "stored; only its fractional power fails";
    EXPECT_EQ(state.EP, untouched);
}

// The example room, with M = 58, Pn = 20 kPa and Fi = 10 m2 from the calculators, ventilated along 20 m.
CalculationState ventilated(const char* airChanges)
{
    CalculationState state;
    calculateRoom(state, exampleRoom, comma);
    state.M = 58;
    state.Pn = 20;
    state.Fi = 10;
    calculateVentilation(state, {QString::fromLatin1(airChanges), u"20"_s}, comma);
    return state;
}

// 8 changes an hour along 20 m: U = 160 / 3600 m/s; at 37 °C (the 35 °C column)
// nu = 1 + 0,6 * U / 0,1 = 1,26667; W = 1e-6 * nu * sqrt(58) * 20 = 1,92933e-4 kg/(s*m2);
// m = W * 3600 * 10 / (8 + 1) = 0,771732 kg; EP = m * 0,3 / (2 * 100) * 799 * 100 / (3 * 4).
TEST(VentilationCalculation, GivesTheWorkedExample)
{
    const CalculationState state = ventilated("8");
    EXPECT_EQ((Values{state.n, state.L, state.U, state.Vvent}), (Values{8, 20, float(160.0 / 3600), 800}));
    EXPECT_NEAR(state.nu, 1.26667, 1e-5);
    EXPECT_NEAR(state.W, 0.000192933, 1e-9);
    EXPECT_EQ(state.Mass, double(state.W) * 3600 * 10 / 9) << "from the single-precision intensity";
    EXPECT_NEAR(state.Mass, 0.771732, 1e-6);
    EXPECT_NEAR(state.EP, 7.70767, 1e-5);
    const CalculationState fast = ventilated("270");
    EXPECT_EQ((Values{fast.U, fast.nu}), (Values{1.5, 4.6})) << "the 1 m/s row of the 35 °C column";
}

// Table А.2 worked by hand at its nodes, between them along either axis or both, and beyond its edges.
TEST(EvaporationCoefficient, FollowsTheTableByAirSpeedAndTemperature)
{
    struct Row {
        double speed, temperature, coefficient;
    };
    const Row rows[] = {{0.1, 20, 2.4},   {0.5, 20, 5.4},      {0.5, 10, 6.6},  {1, 35, 4.6},
                        {0, 15, 1},       {0.35, 20, 4.45},    {0.05, 35, 1.3}, {0.1, 25, 2.1},
                        {0.2, 12.5, 4.2}, {0.15, 17.5, 3.075}, {2, 40, 4.6},    {1.5, 5, 10},
                        {0.5, -20, 6.6},  {3, 25, 6.65}};
    for (const Row& row : rows)
        EXPECT_NEAR(evaporationCoefficient(row.speed, row.temperature), row.coefficient, 1e-14)
            << row.speed << " m/s, " << row.temperature << " °C";
    EXPECT_THROW(evaporationCoefficient(-0.01, 20), UserError);
}

} // namespace
