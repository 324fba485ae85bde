#include "calculator_formulas.h"
#include "input_error.h"
#include "numbers.h"
#include "window_test.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

QString comma(double value) { return formatNumber(value, commaLocale()); }
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A state whose calculator variables all hold a recognisable value, so that a test can tell which
// of them a calculation wrote.
CalculationState markedState()
{
    CalculationState state;
    for (double* variable :
         {&state.A, &state.B, &state.C, &state.T1, &state.Pn, &state.M, &state.pl, &state.nC, &state.nH,
          &state.nO, &state.nX, &state.Cst, &state.Fi, &state.tr, &state.n, &state.Em})
        *variable = -7;
    return state;
}

// --- Stoichiometric concentration ---------------------------------------------------------------

struct AtomRow {
    const char* name;
    const char* carbon;
    const char* hydrogen;
    const char* oxygen;
    const char* halogen;
    double storedCounts[4];
    const char* shown; // comma locale
};
void PrintTo(const AtomRow& row, std::ostream* os) { *os << row.name; }

class StoichiometricConcentration : public ::testing::TestWithParam<AtomRow> {};

TEST_P(StoichiometricConcentration, StoresWholeCountsAndTheConcentration)
{
    const AtomRow& row = GetParam();
    CalculationState state = markedState();
    const double result = calculateStoichiometricConcentration(
        state, {text(row.carbon), text(row.hydrogen), text(row.oxygen), text(row.halogen)}, commaLocale());
    EXPECT_EQ(state.nC, row.storedCounts[0]);
    EXPECT_EQ(state.nH, row.storedCounts[1]);
    EXPECT_EQ(state.nO, row.storedCounts[2]);
    EXPECT_EQ(state.nX, row.storedCounts[3]);
    EXPECT_EQ(state.Cst, result);
    EXPECT_EQ(comma(result), text(row.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Molecules, StoichiometricConcentration,
    ::testing::Values(AtomRow{"methane", "1", "4", "0", "0", {1, 4, 0, 0}, "9,36329588014981"},
                      AtomRow{"ethanol", "2", "6", "1", "0", {2, 6, 1, 0}, "6,44329896907217"},
                      AtomRow{"noAtoms", "0", "0", "0", "0", {0, 0, 0, 0}, "100"},
                      AtomRow{"halvesGoToEven", "2,5", "3,5", "0", "0", {2, 4, 0, 0}, "6,44329896907217"},
                      AtomRow{"chloroform", "1", "1", "0", "3", {1, 1, 0, 3}, "29,2397660818713"},
                      AtomRow{
                          "oxygenOnlyGivesNegative", "0", "0", "2", "0", {0, 0, 2, 0}, "-26,0416666666667"},
                      AtomRow{"blanksAndExponent", " 1 ", "4E0", "0", "0", {1, 4, 0, 0}, "9,36329588014981"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CountRow {
    const char* name;
    const char* typed; // comma locale
    double count;
};
void PrintTo(const CountRow& row, std::ostream* os) { *os << row.name; }

class AtomCount : public ::testing::TestWithParam<CountRow> {};

TEST_P(AtomCount, RoundsToTheNearestWholeNumberWithHalvesToEven)
{
    const double count = parseAtomCount(text(GetParam().typed), commaLocale());
    EXPECT_EQ(count, GetParam().count);
    EXPECT_EQ(std::signbit(count), std::signbit(GetParam().count)) << "a whole number has no negative zero";
}

INSTANTIATE_TEST_SUITE_P(Counts, AtomCount,
                         ::testing::Values(CountRow{"twoAndAHalf", "2,5", 2},
                                           CountRow{"threeAndAHalf", "3,5", 4},
                                           CountRow{"minusTwoAndAHalf", "-2,5", -2},
                                           CountRow{"oneHalf", "0,5", 0}, CountRow{"minusHalf", "-0,5", 0},
                                           CountRow{"belowHalf", "2,49", 2}, CountRow{"aboveHalf", "2,51", 3},
                                           CountRow{"largest", "32767", 32767},
                                           CountRow{"largestRoundedDown", "32767,4", 32767},
                                           CountRow{"smallest", "-32768", -32768},
                                           CountRow{"smallestHalfToEven", "-32768,5", -32768}),
                         [](const auto& info) { return std::string(info.param.name); });

class RejectedAtomCount : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectedAtomCount, IsAnInputError)
{
    EXPECT_THROW(parseAtomCount(text(GetParam()), commaLocale()), InputError);
}

INSTANTIATE_TEST_SUITE_P(Counts, RejectedAtomCount,
                         ::testing::Values("70000", "32768", "32767,5", "-32769", "-32768,6", "1E300", "",
                                           "два", "2.5"));

TEST(StoichiometricConcentrationFailure, ACountOutOfRangeStoresNothing)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateStoichiometricConcentration(state, {text("70000"), text("4"), text("0"), text("0")},
                                                      commaLocale()),
                 InputError);
    for (double value : {state.nC, state.nH, state.nO, state.nX, state.Cst})
        EXPECT_EQ(value, -7);
}

TEST(StoichiometricConcentrationFailure, AnEmptyFieldStopsAfterTheCountsBeforeIt)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateStoichiometricConcentration(state, {text("6"), text(""), text("0"), text("0")},
                                                      commaLocale()),
                 InputError);
    EXPECT_EQ(state.nC, 6);
    for (double value : {state.nH, state.nO, state.nX, state.Cst})
        EXPECT_EQ(value, -7);
}

// --- Density ------------------------------------------------------------------------------------

TEST(Density, MethaneAtTheDesignTemperature)
{
    CalculationState state = markedState();
    const double density = calculateDensity(state, {text("16"), text("37")}, commaLocale());
    EXPECT_EQ(state.M, 16);
    EXPECT_EQ(state.T1, 37);
    EXPECT_EQ(state.pl, density);
    EXPECT_EQ(comma(density), text("0,628524123219582"));
    EXPECT_EQ(formatNumber(density, dotLocale()), text("0.628524123219582"));
}

TEST(Density, ZeroAndNegativeMolarMassesAreUsedAsTyped)
{
    CalculationState state;
    EXPECT_EQ(calculateDensity(state, {text("0"), text("37")}, commaLocale()), 0);
    EXPECT_EQ(comma(calculateDensity(state, {text("-16"), text("37")}, commaLocale())),
              text("-0,628524123219582"));
}

TEST(Density, ATemperatureBelowAbsoluteZeroGivesANegativeDensity)
{
    CalculationState state;
    EXPECT_LT(calculateDensity(state, {text("16"), text("-300")}, commaLocale()), 0);
}

TEST(Density, AZeroMolarVolumeFailsAfterStoringBothInputs)
{
    CalculationState state = markedState();
    // -1 / 0.00367: the temperature at which the gas law leaves no volume at all.
    EXPECT_THROW(calculateDensity(state, {text("16"), text("-272,47956403269757")}, commaLocale()),
                 InputError);
    EXPECT_EQ(state.M, 16);
    EXPECT_EQ(state.T1 * 0.00367 + 1.0, 0.0);
    EXPECT_EQ(state.pl, -7);
}

TEST(Density, AnEmptyMolarMassStoresNothingAndAnEmptyTemperatureOnlyTheMass)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateDensity(state, {text(""), text("37")}, commaLocale()), InputError);
    EXPECT_EQ(state.M, -7);
    EXPECT_EQ(state.T1, -7);
    EXPECT_THROW(calculateDensity(state, {text("16"), text("")}, commaLocale()), InputError);
    EXPECT_EQ(state.M, 16);
    EXPECT_EQ(state.T1, -7);
    EXPECT_EQ(state.pl, -7);
}

// --- Saturated vapour pressure ------------------------------------------------------------------

struct AntoineRow {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    const char* temperature;
    const char* shown; // comma locale
};
void PrintTo(const AntoineRow& row, std::ostream* os) { *os << row.name; }

class VapourPressure : public ::testing::TestWithParam<AntoineRow> {};

TEST_P(VapourPressure, StoresTheConstantsTemperatureAndPressure)
{
    const AntoineRow& row = GetParam();
    CalculationState state = markedState();
    const double pressure = calculateVapourPressure(
        state, {text(row.a), text(row.b), text(row.c), text(row.temperature)}, commaLocale());
    EXPECT_EQ(state.A, parseNumber(text(row.a), commaLocale()));
    EXPECT_EQ(state.B, parseNumber(text(row.b), commaLocale()));
    EXPECT_EQ(state.C, parseNumber(text(row.c), commaLocale()));
    EXPECT_EQ(state.T1, parseNumber(text(row.temperature), commaLocale()));
    EXPECT_EQ(state.Pn, pressure);
    EXPECT_EQ(comma(pressure), text(row.shown));
}

INSTANTIATE_TEST_SUITE_P(Constants, VapourPressure,
                         ::testing::Values(AntoineRow{"example", "6", "1200", "230", "37",
                                                      "32,0345020425092"},
                                           AntoineRow{"noConstants", "0", "0", "230", "37", "1"},
                                           AntoineRow{"tinyPressure", "-300", "0", "230", "37", "1E-300"},
                                           AntoineRow{"underflowsToZero", "-400", "0", "230", "37", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AntoineFailure {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    const char* temperature;
};
void PrintTo(const AntoineFailure& row, std::ostream* os) { *os << row.name; }

class VapourPressureFailure : public ::testing::TestWithParam<AntoineFailure> {};

TEST_P(VapourPressureFailure, StoresAllFourInputsButKeepsThePressure)
{
    const AntoineFailure& row = GetParam();
    CalculationState state = markedState();
    EXPECT_THROW(calculateVapourPressure(
                     state, {text(row.a), text(row.b), text(row.c), text(row.temperature)}, commaLocale()),
                 InputError);
    EXPECT_EQ(state.A, parseNumber(text(row.a), commaLocale()));
    EXPECT_EQ(state.T1, parseNumber(text(row.temperature), commaLocale()));
    EXPECT_EQ(state.Pn, -7);
}

INSTANTIATE_TEST_SUITE_P(Constants, VapourPressureFailure,
                         ::testing::Values(AntoineFailure{"divisionByZero", "6", "1200", "-37", "37"},
                                           AntoineFailure{"zeroByZero", "6", "0", "-37", "37"},
                                           AntoineFailure{"powerOverflows", "400", "0", "230", "37"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VapourPressureFailure, AnEmptyConstantCStopsAfterAAndB)
{
    CalculationState state = markedState();
    EXPECT_THROW(
        calculateVapourPressure(state, {text("6"), text("1200"), text(""), text("37")}, commaLocale()),
        InputError);
    EXPECT_EQ(state.A, 6);
    EXPECT_EQ(state.B, 1200);
    EXPECT_EQ(state.C, -7);
    EXPECT_EQ(state.T1, -7);
    EXPECT_EQ(state.Pn, -7);
}

// --- Mass of evaporated liquid ------------------------------------------------------------------

EvaporationFields evaporation(const char* area, const char* time, const char* pressure, const char* molarMass,
                              const char* factor)
{
    return {text(area), text(time), text(pressure), text(molarMass), text(factor)};
}

TEST(EvaporatedMass, MethaneLikeExampleGivesExactlyTheRoundedMass)
{
    CalculationState state = markedState();
    const double mass =
        calculateEvaporatedMass(state, evaporation("1", "3600", "10", "16", "1"), commaLocale());
    EXPECT_EQ(comma(mass), text("0,144"));
    EXPECT_EQ(state.Em, mass);
    EXPECT_EQ(state.Fi, 1);
    EXPECT_EQ(state.tr, 3600);
    EXPECT_EQ(state.Pn, 10);
    EXPECT_EQ(state.M, 16);
    EXPECT_EQ(state.n, 1);
}

TEST(EvaporatedMass, EthanolExampleMultipliesLeftToRight)
{
    CalculationState state;
    const double mass =
        calculateEvaporatedMass(state, evaporation("2", "3600", "5", "46,07", "1"), commaLocale());
    EXPECT_EQ(comma(mass), text("0,244349585635008"));
    EXPECT_EQ(formatNumber(mass, dotLocale()), text("0.244349585635008"));
}

TEST(EvaporatedMass, TwiceTheTimeGivesTwiceTheMass)
{
    CalculationState state;
    const double hour =
        calculateEvaporatedMass(state, evaporation("2", "3600", "5", "46,07", "1"), commaLocale());
    const double twoHours =
        calculateEvaporatedMass(state, evaporation("2", "7200", "5", "46,07", "1"), commaLocale());
    EXPECT_EQ(twoHours, 2 * hour);
    EXPECT_EQ(state.tr, 7200);
}

TEST(EvaporatedMass, ZeroAirFlowFactorGivesNoMass)
{
    CalculationState state;
    EXPECT_EQ(calculateEvaporatedMass(state, evaporation("1", "3600", "10", "16", "0"), commaLocale()), 0);
}

TEST(EvaporatedMass, ANegativeMolarMassFailsAfterAllFiveStores)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateEvaporatedMass(state, evaporation("2", "3600", "5", "-46", "1,5"), commaLocale()),
                 InputError);
    EXPECT_EQ(state.Fi, 2);
    EXPECT_EQ(state.tr, 3600);
    EXPECT_EQ(state.Pn, 5);
    EXPECT_EQ(state.M, -46);
    EXPECT_EQ(state.n, 1.5);
    EXPECT_EQ(state.Em, -7);
}

TEST(EvaporatedMass, AnEmptyPressureStopsAfterAreaAndTime)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateEvaporatedMass(state, evaporation("2", "3600", "", "16", "1"), commaLocale()),
                 InputError);
    EXPECT_EQ(state.Fi, 2);
    EXPECT_EQ(state.tr, 3600);
    for (double value : {state.Pn, state.M, state.n, state.Em})
        EXPECT_EQ(value, -7);
}

TEST(EvaporatedMass, AnOverflowingProductKeepsTheOldMass)
{
    CalculationState state = markedState();
    EXPECT_THROW(calculateEvaporatedMass(state, evaporation("1E300", "1E300", "5", "16", "1"), commaLocale()),
                 InputError);
    EXPECT_EQ(state.Fi, 1e300);
    EXPECT_EQ(state.Em, -7);
}

} // namespace
