#include "calculator_formulas.h"

#include "checked.h"
#include "numbers.h"
#include "user_error.h"

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
        throw UserError();
    return static_cast<std::int16_t>(rounded);
}

double calculateVapourPressure(CalculationState& state, const AntoineFields& fields, const QLocale& locale)
{
    state.A = parseNumber(fields.a, locale);
    state.B = parseNumber(fields.b, locale);
    state.C = parseNumber(fields.c, locale);
    state.T1 = parseNumber(fields.temperature, locale);

    state.Pn = antoinePressure(state.A, state.B, state.C, state.T1);
    return state.Pn;
}

double antoinePressure(double a, double b, double c, double temperature)
{
    const double shiftedTemperature = checked(temperature + c);
    const double quotient = checkedDivide(b, shiftedTemperature);
    const double logPressure = checked(a - quotient);
    return checkedPower(10.0, logPressure);
}

double calculateDensity(CalculationState& state, const DensityFields& fields, const QLocale& locale)
{
    state.M = parseNumber(fields.molarMass, locale);
    state.T1 = parseNumber(fields.temperature, locale);

    state.pl = vapourDensity(state.M, state.T1);
    return state.pl;
}

double vapourDensity(double molarMass, double temperature)
{
    // Molar volume at the design temperature, m3/kmol.
    const double volume = checked(checked(temperature * expansionPerDegree + 1.0) * molarVolume);
    return checkedDivide(molarMass, volume);
}

double calculateStoichiometricConcentration(CalculationState& state, const AtomCountFields& fields,
                                            const QLocale& locale)
{
    state.nC = parseAtomCount(fields.carbon, locale);
    state.nH = parseAtomCount(fields.hydrogen, locale);
    state.nO = parseAtomCount(fields.oxygen, locale);
    state.nX = parseAtomCount(fields.halogen, locale);

    state.Cst = stoichiometricConcentration(state.nC, state.nH, state.nO, state.nX);
    return state.Cst;
}

double stoichiometricConcentration(double nC, double nH, double nO, double nX)
{
    // Oxygen molecules needed to burn one molecule of the combustible: one per carbon atom, one per
    // four hydrogen atoms not bound by a halogen, less the oxygen the molecule brings itself.
    const double beta = checked((nH - nX) / 4.0 + nC - nO / 2.0);
    return checkedDivide(100.0, checked(beta * airPerOxygen + 1.0));
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
