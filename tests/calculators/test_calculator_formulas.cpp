#include "calculator_formulas.h"
#include "gas_release.h"
#include "numbers.h"
#include "user_error.h"
#include "window_test.h"

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma = commaLocale();
const auto text = [](const char* utf8) -> QString { return QString::fromUtf8(utf8); };
const auto shown = [](double value) -> QString { return formatNumber(value, comma); };

// Every calculator variable holds -7, so a test can tell which of them a calculation wrote.
constexpr double unwritten = -7;
CalculationState markedState()
{
    CalculationState s;
    for (double* variable : {&s.A, &s.B, &s.C, &s.T1, &s.Pn, &s.M, &s.pl, &s.nC, &s.nH, &s.nO, &s.nX, &s.Cst,
                             &s.Fi, &s.tr, &s.n, &s.Em})
        *variable = unwritten;
    return s;
}
using Values = std::vector<double>;
const auto atoms = [](const CalculationState& s) -> Values { return {s.nC, s.nH, s.nO, s.nX, s.Cst}; };

TEST(StoichiometricConcentration, StoresWholeCountsAndTheConcentration)
{
    struct Row {
        AtomCountFields typed;
        Values counts;
        const char* shown;
    };
    const Row molecules[] = {{{u"1"_s, u"4"_s, u"0"_s, u"0"_s}, {1, 4, 0, 0}, "9,36329588014981"},
                             {{u"2"_s, u"6"_s, u"1"_s, u"0"_s}, {2, 6, 1, 0}, "6,44329896907217"},
                             {{u"2,5"_s, u"3,5"_s, u"0"_s, u"0"_s}, {2, 4, 0, 0}, "6,44329896907217"},
                             {{u"1"_s, u"1"_s, u"0"_s, u"3"_s}, {1, 1, 0, 3}, "29,2397660818713"},
                             {{u"0"_s, u"0"_s, u"2"_s, u"0"_s}, {0, 0, 2, 0}, "-26,0416666666667"},
                             {{u"0"_s, u"0"_s, u"0"_s, u"0"_s}, {0, 0, 0, 0}, "100"}};
    for (const Row& row : molecules) {
        CalculationState state = markedState();
        const double concentration = calculateStoichiometricConcentration(state, row.typed, comma);
        EXPECT_EQ(shown(concentration), QString::fromLatin1(row.shown));
        Values stored = row.counts;
        stored.push_back(concentration);
        EXPECT_EQ(atoms(state), stored) << row.shown;
    }
}

TEST(StoichiometricConcentration, RoundsCountsToSixteenBitWholeNumbersWithHalvesToEven)
{
    const std::pair<const char*, double> counts[] = {{"2,5", 2},         {"3,5", 4},          {"-2,5", -2},
                                                     {"-0,5", 0},        {"2,49", 2},         {"2,51", 3},
                                                     {"32767,4", 32767}, {"-32768,5", -32768}};
    for (const auto& [typed, count] : counts) {
        const double parsed = parseAtomCount(text(typed), comma);
        EXPECT_EQ(parsed, count) << typed;
        EXPECT_FALSE(std::signbit(parsed) && parsed == 0) << typed << " is no negative zero";
    }
    for (const char* typed : {"70000", "32768", "32767,5", "-32769", "-32768,6", "1E300", "", "два", "2.5"})
        EXPECT_THROW(parseAtomCount(text(typed), comma), UserError) << typed;
}

TEST(StoichiometricConcentration, AFailingCountStopsAfterTheCountsBeforeIt)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateStoichiometricConcentration(state, {u"70000"_s, u"4"_s, u"0"_s, u"0"_s}, comma),
                 UserError);
    EXPECT_EQ(atoms(state), Values(5, unwritten));
    EXPECT_THROW(calculateStoichiometricConcentration(state, {u"6"_s, u""_s, u"0"_s, u"0"_s}, comma),
                 UserError);
    EXPECT_EQ(atoms(state), (Values{6, unwritten, unwritten, unwritten, unwritten}));
}

TEST(Density, StoresTheInputsAndTheDensityWhateverTheirSign)
{
    CalculationState state = markedState();
    const double density = calculateDensity(state, {u"16"_s, u"37"_s}, comma);
    EXPECT_EQ(shown(density), u"0,628524123219582"_s);
    EXPECT_EQ((Values{state.M, state.T1, state.pl}), (Values{16, 37, density}));
    EXPECT_EQ(calculateDensity(state, {u"0"_s, u"37"_s}, comma), 0);
    EXPECT_EQ(shown(calculateDensity(state, {u"-16"_s, u"37"_s}, comma)), u"-0,628524123219582"_s);
    EXPECT_LT(calculateDensity(state, {u"16"_s, u"-300"_s}, comma), 0) << "below absolute zero, no error";
}

TEST(Density, FailsOnlyWithoutAnyMolarVolumeOrWithoutANumber)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateDensity(state, {u""_s, u"37"_s}, comma), UserError);
    EXPECT_EQ(state.M, unwritten);
    EXPECT_THROW(calculateDensity(state, {u"16"_s, u""_s}, comma), UserError);
    EXPECT_EQ((Values{state.M, state.T1}), (Values{16, unwritten}));
    // -1 / 0.00367: the temperature at which the gas law leaves no volume at all.
    EXPECT_THROW(calculateDensity(state, {u"16"_s, u"-272,47956403269757"_s}, comma), UserError);
    EXPECT_EQ(state.T1 * 0.00367 + 1.0, 0.0);
    EXPECT_EQ(state.pl, unwritten);
}

const auto antoine = [](const CalculationState& s) -> Values { return {s.A, s.B, s.C, s.T1, s.Pn}; };

TEST(VapourPressure, StoresTheConstantsTemperatureAndPressure)
{
    CalculationState state = markedState();
    EXPECT_EQ(shown(calculateVapourPressure(state, {u"6"_s, u"1200"_s, u"230"_s, u"37"_s}, comma)),
              u"32,0345020425092"_s);
    EXPECT_EQ(antoine(state), (Values{6, 1200, 230, 37, state.Pn}));
    for (const auto& [a, pressure] :
         {std::pair{u"0"_s, u"1"_s}, {u"-300"_s, u"1E-300"_s}, {u"-400"_s, u"0"_s}}) {
        EXPECT_EQ(shown(calculateVapourPressure(state, {a, u"0"_s, u"230"_s, u"37"_s}, comma)), pressure);
        EXPECT_EQ(shown(state.Pn), pressure);
    }
}

TEST(VapourPressure, AFailureStoresTheInputsReadButKeepsThePressure)
{
    const AntoineFields failing[] = {{u"6"_s, u"1200"_s, u"-37"_s, u"37"_s}, // division by zero
                                     {u"6"_s, u"0"_s, u"-37"_s, u"37"_s},    // zero by zero
                                     {u"400"_s, u"0"_s, u"230"_s, u"37"_s}}; // overflow
    for (const AntoineFields& fields : failing) {
        CalculationState state = markedState();
        EXPECT_THROW(calculateVapourPressure(state, fields, comma), UserError);
        EXPECT_EQ(antoine(state), (Values{parseNumber(fields.a, comma), parseNumber(fields.b, comma),
                                          parseNumber(fields.c, comma), 37, unwritten}));
    }
    CalculationState state = markedState();
    EXPECT_THROW(calculateVapourPressure(state, {u"6"_s, u"1200"_s, u""_s, u"37"_s}, comma), UserError);
    EXPECT_EQ(antoine(state), (Values{6, 1200, unwritten, unwritten, unwritten}));
}

const auto evaporation = [](const CalculationState& s) -> Values {
    return {s.Fi, s.tr, s.Pn, s.M, s.n, s.Em};
};

TEST(EvaporatedMass, GivesTheExamplesAndGrowsWithTheTime)
{
    CalculationState state = markedState();
    const double mass = calculateEvaporatedMass(state, {u"1"_s, u"3600"_s, u"10"_s, u"16"_s, u"1"_s}, comma);
    EXPECT_EQ(shown(mass), u"0,144"_s);
    EXPECT_EQ(evaporation(state), (Values{1, 3600, 10, 16, 1, mass}));
    const double hour =
        calculateEvaporatedMass(state, {u"2"_s, u"3600"_s, u"5"_s, u"46,07"_s, u"1"_s}, comma);
    EXPECT_EQ(shown(hour), u"0,244349585635008"_s);
    EXPECT_EQ(calculateEvaporatedMass(state, {u"2"_s, u"7200"_s, u"5"_s, u"46,07"_s, u"1"_s}, comma),
              2 * hour);
    EXPECT_EQ(calculateEvaporatedMass(state, {u"1"_s, u"3600"_s, u"10"_s, u"16"_s, u"0"_s}, comma), 0);
}

TEST(EvaporatedMass, AFailureStoresTheInputsReadButKeepsTheMass)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateEvaporatedMass(state, {u"2"_s, u"3600"_s, u""_s, u"16"_s, u"1"_s}, comma),
                 UserError);
    EXPECT_EQ(evaporation(state), (Values{2, 3600, unwritten, unwritten, unwritten, unwritten}));
    EXPECT_THROW(calculateEvaporatedMass(state, {u"2"_s, u"3600"_s, u"5"_s, u"-46"_s, u"1,5"_s}, comma),
                 UserError);
    EXPECT_EQ(evaporation(state), (Values{2, 3600, 5, -46, 1.5, unwritten}));
    EXPECT_THROW(calculateEvaporatedMass(state, {u"1E300"_s, u"1E300"_s, u"5"_s, u"16"_s, u"1"_s}, comma),
                 UserError);
    EXPECT_EQ(evaporation(state), (Values{1e300, 1e300, 5, 16, 1, unwritten}));
}

// Worked by hand, π taken apart: a propane apparatus of 2 m3 at 500 kPa fed at 0,005 m3/s, shut off by
// hand (300 s), one 50 mm section of 10 m at 500 kPa: Va = 10, V1т = 1,5, V2т = 0,01π * 500 * 0,025² * 10
// = 0,03125π m3, m = 11,5981748 * 1,73 = 20,0648 kg. A hydrogen line without an apparatus, 0,01 m3/s shut
// off automatically (120 s), 40 m of 25 mm and 10 m of 15 mm at 600 kPa: V2т = 6π * 0,0068125 = 0,040875π.
const GasReleaseFields propaneApparatus{
    u"500"_s, u"2"_s, u"0,005"_s, u"300"_s, u"500"_s, {{u"50"_s, u"10"_s}}, u"1,73"_s};
const GasReleaseFields hydrogenLine{
    u"0"_s, u"0"_s, u"0,01"_s, u"120"_s, u"600"_s, {{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}}, u"0,0792"_s};

TEST(GasRelease, PropaneApparatusAndHydrogenLineWorkedByHand)
{
    const GasRelease propane = calculateGasRelease(propaneApparatus, comma);
    EXPECT_EQ((Values{propane.apparatusGas, propane.flowGas}), (Values{10, 1.5}));
    EXPECT_NEAR(propane.pipelineGas, 0.03125 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(propane.mass, (11.5 + 0.03125 * std::numbers::pi) * 1.73, 1e-13);
    EXPECT_EQ(propane.pipelines.size(), 1);
    const GasRelease hydrogen = calculateGasRelease(hydrogenLine, comma);
    EXPECT_EQ((Values{hydrogen.apparatusGas, hydrogen.flowGas}), (Values{0, 1.2}));
    EXPECT_NEAR(hydrogen.pipelineGas, 0.040875 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(hydrogen.mass, 0.105210277897466, 1e-15);
    GasReleaseFields noPipelines = hydrogenLine;
    noPipelines.pipelines.clear();
    EXPECT_EQ(calculateGasRelease(noPipelines, comma).pipelineGas, 0);
}

TEST(GasRelease, AFieldThatIsNoAmountOrAnInfiniteResultIsAnUserError)
{
    const std::pair<QString GasReleaseFields::*, const char*> fields[] = {
        {&GasReleaseFields::apparatusPressure, ""},
        {&GasReleaseFields::apparatusVolume, "два"},
        {&GasReleaseFields::flowRate, "-0,005"},
        {&GasReleaseFields::density, "1,73 кг"},
        {&GasReleaseFields::shutOffTime, "1E400"}};
    for (const auto& [field, typed] : fields) {
        GasReleaseFields release = propaneApparatus;
        release.*field = text(typed);
        EXPECT_THROW(calculateGasRelease(release, comma), UserError) << typed;
    }
    for (const auto& section : {std::pair{u""_s, u"10"_s}, {u"50"_s, u"-10"_s}}) {
        GasReleaseFields release = propaneApparatus;
        release.pipelines = {section};
        EXPECT_THROW(calculateGasRelease(release, comma), UserError);
    }
    GasReleaseFields huge = propaneApparatus;
    huge.apparatusPressure = huge.apparatusVolume = u"1E300"_s;
    EXPECT_THROW(calculateGasRelease(huge, comma), UserError) << "an infinite volume";
}

} // namespace
