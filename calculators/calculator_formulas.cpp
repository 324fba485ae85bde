#include "calculator_formulas.h"

#include "checked.h"
#include "input_error.h"
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Molar volume of an ideal gas at 0 degrees C and normal pressure, m3/kmol, and the expansion of a
// gas per degree (1/273.15, rounded as the code of practice gives it).
constexpr double molarVolume = 22.413;
constexpr double expansionPerDegree = 0.00367;

// Volumes of air that carry one volume of oxygen, as the code of practice counts it.
constexpr double airPerOxygen = 4.84;

// Evaporation rate W = 1e-6 * eta * sqrt(M) * Pn, kg/(s*m2).
constexpr double evaporationScale = 0.000001;

double roundHalfToEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

} // namespace

double parseAtomCount(const QString& text, const QLocale& locale)
{
    const double rounded = roundHalfToEven(parseNumber(text, locale));
    if (rounded < std::numeric_limits<std::int16_t>::min()
        || rounded > std::numeric_limits<std::int16_t>::max())
        throw InputError("atom count outside the 16-bit range");
    return static_cast<std::int16_t>(rounded);
}

double calculateVapourPressure(CalculationState& state, const AntoineFields& fields, const QLocale& locale)
{
    state.A = parseNumber(fields.a, locale);
    state.B = parseNumber(fields.b, locale);
    state.C = parseNumber(fields.c, locale);
    state.T1 = parseNumber(fields.temperature, locale);

    const double shiftedTemperature = checked(state.T1 + state.C);
    const double quotient = checkedDivide(state.B, shiftedTemperature);
    const double logPressure = checked(state.A - quotient);
    state.Pn = checkedPower(10.0, logPressure);
    return state.Pn;
}

double calculateDensity(CalculationState& state, const DensityFields& fields, const QLocale& locale)
{
    state.M = parseNumber(fields.molarMass, locale);
    state.T1 = parseNumber(fields.temperature, locale);

    // Molar volume at the design temperature, m3/kmol.
    const double volume = checked(checked(state.T1 * expansionPerDegree + 1.0) * molarVolume);
    state.pl = checkedDivide(state.M, volume);
    return state.pl;
}

double calculateStoichiometricConcentration(CalculationState& state, const AtomCountFields& fields,
                                            const QLocale& locale)
{
    state.nC = parseAtomCount(fields.carbon, locale);
    state.nH = parseAtomCount(fields.hydrogen, locale);
    state.nO = parseAtomCount(fields.oxygen, locale);
    state.nX = parseAtomCount(fields.halogen, locale);

    // Oxygen molecules needed to burn one molecule of the combustible: one per carbon atom, one per
    // four hydrogen atoms not bound by a halogen, less the oxygen the molecule brings itself.
    const double beta = (state.nH - state.nX) / 4.0 + state.nC - state.nO / 2.0;
    state.Cst = checkedDivide(100.0, beta * airPerOxygen + 1.0);
    return state.Cst;
}

double calculateEvaporatedMass(CalculationState& state, const EvaporationFields& fields,
                               const QLocale& locale)
{
    state.Fi = parseNumber(fields.area, locale);
    state.tr = parseNumber(fields.time, locale);
    state.Pn = parseNumber(fields.vapourPressure, locale);
    state.M = parseNumber(fields.molarMass, locale);
    state.n = parseNumber(fields.airFlowFactor, locale);

    const double rootMolarMass = checkedSqrt(state.M);
    // Strictly left to right: the rounding of every partial product is part of the result.
    double mass = checked(state.tr * state.Fi);
    mass = checked(mass * evaporationScale);
    mass = checked(mass * state.n);
    mass = checked(mass * rootMolarMass);
    state.Em = checked(mass * state.Pn);
    return state.Em;
}
