#include "calculator_formulas.h"
#include "core_test.h"
#include "gas_release.h"
#include "numbers.h"
#include "user_error.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma = commaLocale();
const auto shown = [](double value) -> QString { return formatNumber(value, comma); };
using Values = std::vector<double>;

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

// Each formula worked by hand: Cст = 100 / (1 + 4,84 * (nC + (nH - nX) / 4 - nO / 2)) with the typed counts
// rounded first; pl = M / (22,413 * (1 + 0,00367 * t)); Pn = 10^(A - B / (C + t));
// m = T * Fи * 1e-6 * eta * sqrt(M) * Pn = 3600 * 1 * 1e-6 * 1,5 * 4 * 10 kg.
TEST(CalculatorFormulas, GiveTheWorkedResultsAndStoreThem)
{
    CalculationState s = markedState();
    const auto cst = [&s](const QString& c, const QString& h, const QString& o, const QString& x) {
        return shown(calculateStoichiometricConcentration(s, {c, h, o, x}, comma));
    };
    const auto pn = [&s](const QString& a, const QString& b, const QString& c) {
        return shown(calculateVapourPressure(s, {a, b, c, u"37"_s}, comma));
    };
    EXPECT_EQ(cst(u"1"_s, u"4"_s, u"0"_s, u"0"_s), u"9,36329588014981"_s);
    EXPECT_EQ(cst(u"2"_s, u"6"_s, u"1"_s, u"0"_s), u"6,44329896907217"_s);
    EXPECT_EQ(cst(u"2,5"_s, u"3,5"_s, u"0"_s, u"0"_s), u"6,44329896907217"_s);
    EXPECT_EQ(cst(u"1"_s, u"1"_s, u"0"_s, u"3"_s), u"29,2397660818713"_s);
    EXPECT_EQ(shown(calculateDensity(s, {u"16"_s, u"37"_s}, comma)), u"0,628524123219582"_s);
    EXPECT_EQ(shown(calculateEvaporatedMass(s, {u"1"_s, u"3600"_s, u"10"_s, u"16"_s, u"1,5"_s}, comma)),
              u"0,216"_s);
    EXPECT_EQ(pn(u"-400"_s, u"0"_s, u"230"_s), u"0"_s) << "too small for a double";
    EXPECT_EQ(pn(u"6"_s, u"1200"_s, u"230"_s), u"32,0345020425092"_s);
    EXPECT_EQ(
        (QStringList{shown(s.Cst), shown(s.pl), shown(s.Pn), shown(s.Em)}),
        (QStringList{u"29,2397660818713"_s, u"0,628524123219582"_s, u"32,0345020425092"_s, u"0,216"_s}));
    EXPECT_EQ((Values{s.nC, s.nH, s.nO, s.nX, s.A, s.B, s.C, s.T1, s.Fi, s.tr, s.M, s.n}),
              (Values{1, 1, 0, 3, 6, 1200, 230, 37, 1, 3600, 16, 1.5}));
}

TEST(StoichiometricConcentration, RoundsCountsToSixteenBitWholeNumbersWithHalvesToEven)
{
    const std::pair<const char*, double> counts[] = {
        {"2,5", 2}, {"3,5", 4}, {"-2,5", -2}, {"-0,5", 0}, {"2,49", 2}, {"2,51", 3}, {"-32768,5", -32768}};
    for (const auto& [typed, count] : counts) {
        const double parsed = parseAtomCount(QString::fromUtf8(typed), comma);
        EXPECT_EQ(parsed, count) << typed;
        EXPECT_FALSE(std::signbit(parsed) && parsed == 0) << typed << " is no negative zero";
    }
    for (const char* typed : {"32768", "32767,5", "-32769", "1E300", "", "2.5"})
        EXPECT_THROW(parseAtomCount(QString::fromUtf8(typed), comma), UserError) << typed;
}

// Worked by hand, π taken apart: a hydrogen line without an apparatus, 0,01 m3/s shut off automatically
// (120 s), 40 m of 25 mm and 10 m of 15 mm at 600 kPa: Va = 0, V1т = 1,2 m3,
// V2т = 0,01π * 600 * (0,0125² * 40 + 0,0075² * 10) = 0,040875π m3, m = (1,2 + 0,040875π) * 0,0792 kg.
const GasReleaseFields hydrogenLine{
    u"0"_s, u"0"_s, u"0,01"_s, u"120"_s, u"600"_s, {{u"25"_s, u"40"_s}, {u"15"_s, u"10"_s}}, u"0,0792"_s};

TEST(GasRelease, HydrogenLineWorkedByHand)
{
    const GasRelease hydrogen = calculateGasRelease(hydrogenLine, comma);
    EXPECT_EQ((Values{hydrogen.apparatusGas, hydrogen.flowGas}), (Values{0, 1.2}));
    EXPECT_NEAR(hydrogen.pipelineGas, 0.040875 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(hydrogen.mass, (1.2 + 0.040875 * std::numbers::pi) * 0.0792, 1e-15);
}

// Every amount is read as a number of at least zero, and the volume must stay finite.
TEST(GasRelease, AFieldThatIsNoAmountOrAnInfiniteResultFails)
{
    const std::function<void(GasReleaseFields&)> spoilers[] = {
        [](auto& release) { release.apparatusPressure.clear(); },
        [](auto& release) { release.flowRate = u"-0,005"_s; },
        [](auto& release) { release.density = u"1,73 кг"_s; },
        [](auto& release) { release.shutOffTime = u"1E400"_s; },
        [](auto& release) {
            release.pipelines = {{u"50"_s, u"-10"_s}};
        },
        [](auto& release) {
            release.pipelines = {{u"1"_s, u""_s}};
        },
        [](auto& release) { release.apparatusPressure = release.apparatusVolume = u"1E300"_s; }};
    for (std::size_t row = 0; row < std::size(spoilers); ++row) {
        GasReleaseFields release = hydrogenLine;
        spoilers[row](release);
        EXPECT_THROW(calculateGasRelease(release, comma), UserError) << "row " << row;
    }
}

} // namespace
