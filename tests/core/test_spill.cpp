#include "core_test.h"
#include "excess_pressure.h"
#include "spill.h"
#include "spill_file.h"
#include "user_error.h"
#include "ventilation.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Acetone at 20 °C: M 58,08, Pн = 10^(6,37551 - 1281,721 / (237,088 + 20)) kPa, 790 kg/m3 as a liquid,
// spilt onto the floor of a room of 12 x 6 m (72 m2).
const double acetonePressure = std::pow(10, 6.37551 - 1281.721 / (237.088 + 20));

SpillInput acetone(double volume, double share = 100, std::optional<double> tray = {}, double airSpeed = 0,
                   double floor = 72)
{
    return {.apparatusVolume = volume,
            .liquidDensity = 790,
            .solventShare = share,
            .floorArea = floor,
            .trayArea = tray,
            .airSpeed = airSpeed,
            .vapourPressure = acetonePressure,
            .molarMass = 58.08,
            .airTemperature = 20};
}

SpillInput withPipes()
{
    SpillInput in = acetone(0.2);
    in.flowRate = 0.001;
    in.shutOffTime = 120;
    in.pipelines = {{50, 10}};
    return in;
}

// The room of 12 x 6 x 4 m, 230,4 m3 free, with the density of acetone vapour at 20 °C and its Cst
// (β = 3 + 6 / 4 - 1 / 2 = 4); the room of 4 m high with the floor of 40 m2 keeps the same volume.
double roomPressure(double mass)
{
    const auto text = [](double value) { return QString::number(value, 'g', 17); };
    const double density = 58.08 / (22.413 * (1 + 0.00367 * 20));
    const double stoichiometric = 100 / (1 + 4.84 * 4);
    CalculationState state;
    calculateRoom(
        state,
        {u"900"_s, u"101"_s, text(mass), u"0.3"_s, u"230.4"_s, text(density), text(stoichiometric), u"3"_s},
        QLocale::c());
    return state.EP;
}

// The worked figures are given to six significant digits.
QString sixDigits(double value)
{
    return QString::number(value, 'g', 6);
}

struct Case {
    const char* name;
    SpillInput input;
    SpillAreaRule rule;
    double area, fullTime, time, mass, pressure;
};

// clang-format off
const Case cases[] = {
    {"TenLitresEvaporateForAnHour", acetone(0.01), SpillAreaRule::PerLitre, 10, 4223.16, 3600, 6.73429, 19.6956},
    {"ADraughtEvaporatesTheWholeLiquid", acetone(0.01, 100, {}, 0.1), SpillAreaRule::PerLitre, 10, 1759.65, 1759.65, 7.9, 23.1049},
    {"TheFloorLimitsTheArea", acetone(0.1, 100, {}, 0, 40), SpillAreaRule::Floor, 40, 10557.9, 3600, 26.9372, 78.7823},
    {"ASolutionSpreadsHalfAsWide", acetone(0.02, 60), SpillAreaRule::PerLitre, 10, 5067.80, 3600, 6.73429, 19.6956},
    {"ATrayHoldsTheSpill", acetone(0.01, 100, 5), SpillAreaRule::Tray, 5, 8446.33, 3600, 3.36714, 9.84779},
    {"PipelinesFillTheFloor", withPipes(), SpillAreaRule::Floor, 72, 19921.3, 3600, 48.4869, 141.808},
};
// clang-format on

class Spills : public testing::TestWithParam<Case> {};

TEST_P(Spills, GiveTheWorkedAreaTimeMassAndPressure)
{
    const Case& c = GetParam();
    const SpillResult r = calculateSpill(c.input);
    EXPECT_EQ(r.areaRule, c.rule);
    EXPECT_DOUBLE_EQ(r.spillArea, c.area);
    EXPECT_EQ(sixDigits(r.fullEvaporationTime), sixDigits(c.fullTime));
    EXPECT_EQ(sixDigits(r.evaporationTime), sixDigits(c.time));
    EXPECT_EQ(sixDigits(r.vapourMass), sixDigits(c.mass));
    EXPECT_LE(r.vapourMass, r.liquidMass * (1 + 1e-12)) << "never more vapour than liquid";
    EXPECT_EQ(sixDigits(roomPressure(r.vapourMass)), sixDigits(c.pressure));
}

INSTANTIATE_TEST_SUITE_P(Acetone, Spills, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Spill, SpreadsHalfAsWideUpToSeventyPercentOfSolventInclusive)
{
    for (const auto& [share, perLitre] : {std::pair{70.0, 0.5}, {70.0001, 1.0}}) {
        EXPECT_EQ(calculateSpill(acetone(0.01, share)).areaPerLitre, perLitre) << share;
        EXPECT_EQ(calculateSpill(acetone(0.01, share)).spillArea, perLitre * 10) << share;
    }
}

// The window refuses empty, negative and zero floor, density and molar mass texts; these are the rest.
TEST(Spill, RefusesNegativeZeroAndEndlessInputs)
{
    const std::pair<const char*, void (*)(SpillInput&)> refused[] = {
        {"negative pipeline",
         [](SpillInput& in) {
             in.pipelines = {{-50, 10}};
         }},
        {"negative tray", [](SpillInput& in) { in.trayArea = -1; }},
        {"negative air speed", [](SpillInput& in) { in.airSpeed = -0.1; }},
        {"no vapour pressure", [](SpillInput& in) { in.vapourPressure = 0; }},
        {"nothing spilt", [](SpillInput& in) { in.apparatusVolume = 0; }},
        {"more solvent than liquid", [](SpillInput& in) { in.solventShare = 100.5; }},
        {"endless volume", [](SpillInput& in) { in.flowRate = in.shutOffTime = 1e308; }},
    };
    for (const auto& [name, change] : refused) {
        SpillInput in = acetone(0.01);
        change(in);
        EXPECT_THROW(calculateSpill(in), UserError) << name;
    }
}

// The draught's spill in the room of the examples, ventilated 8 times an hour along 12 m at 20 °C:
// U = 96 / 3600 m/s, η = 1 + 1,4 * U / 0,1 = 1,37333; the 7,9 kg of liquid are gone after 3075 s,
// and K = 8 * 3075,12 / 3600 + 1. Without the spill: an hour from Fi, divided by n + 1.
TEST(SpillVentilation, EvaporatesTheLiquidOnceAndDividesByATimesTPlusOne)
{
    const SpillResult draught = calculateSpill(acetone(0.01, 100, {}, 0.1));
    CalculationState state;
    calculateRoom(state,
                  {u"900"_s, u"101"_s, u"7.9"_s, u"0.3"_s, u"230.4"_s, u"2.41415"_s, u"4.91159"_s, u"3"_s},
                  QLocale::c());
    state.M = 58.08;
    state.Pn = acetonePressure;
    state.Fi = 10;
    state.T1 = 20;
    CalculationState without = state;
    const auto v = calculateVentilation(state, {u"8"_s, u"12"_s}, QLocale::c(), &draught);
    ASSERT_TRUE(v.has_value());
    EXPECT_NEAR(state.nu, 1.37333, 1e-5);
    EXPECT_NEAR(state.W, 2.56901e-4, 1e-9);
    EXPECT_NEAR(v->fullEvaporationTime, 3075.12, 0.01);
    EXPECT_EQ(v->evaporationTime, v->fullEvaporationTime);
    EXPECT_NEAR(v->divisor, 7.83360, 1e-5);
    EXPECT_NEAR(state.Mass, 1.00848, 1e-5);
    EXPECT_NEAR(state.EP, 2.94946, 1e-5);

    EXPECT_FALSE(calculateVentilation(without, {u"8"_s, u"12"_s}, QLocale::c()).has_value());
    EXPECT_NEAR(without.Mass, 1.02760, 1e-5);

    const SpillResult still = calculateSpill(acetone(0.01));
    calculateVentilation(state, {u"1"_s, u"12"_s}, QLocale::c(), &still);
    EXPECT_EQ(state.Mass, double(state.W) * 10 * 3600 / 2)
        << "an hour, when the liquid outlasts it: K = n + 1";
}

TEST(SpillFile, KeepsEverySourceFigureToTheLastDigit)
{
    SpillInput in = withPipes();
    in.trayArea = 7.1;
    in.pipelines.append({0.1 + 0.2, 1e-7});
    const std::optional<SpillInput> back = spillFromFileEntries(spillFileEntries(in));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(calculateSpill(*back).vapourMass, calculateSpill(in).vapourMass);
    EXPECT_EQ(back->trayArea, 7.1);
    EXPECT_EQ(back->pipelines.at(1).diameter, 0.1 + 0.2);
    in.trayArea.reset();
    EXPECT_FALSE(spillFromFileEntries(spillFileEntries(in))->trayArea.has_value());
    EXPECT_FALSE(spillFromFileEntries({{u"gas.flowRate"_s, u"12"_s}}).has_value()) << "no spill";
}

TEST(SpillFile, RefusesADamagedSpill)
{
    const auto entries = spillFileEntries(withPipes());
    const auto changed = [&entries](const QString& key, const QString& value) {
        auto copy = entries;
        for (auto& [k, v] : copy)
            if (k == key)
                v = value;
        return copy;
    };
    for (const auto& damaged :
         {changed(u"spill.floorArea"_s, u"72,5"_s), changed(u"spill.pipelines"_s, u"2"_s), entries.mid(1),
          entries + decltype(entries){{u"spill.colour"_s, u"1"_s}}})
        EXPECT_THROW(spillFromFileEntries(damaged), UserError);
}

} // namespace
