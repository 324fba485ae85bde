#include "excess_pressure.h"

#include "checked.h"
#include "numbers.h"

namespace {

// Heat of explosion Q0 of the reference explosive, MJ/kg, against which an outdoor release is
// reduced to an equivalent mass.
constexpr double referenceHeat = 4.52;

// The pressure is wanted at 30 m from the centre of the cloud.
constexpr double distance = 30;
constexpr double distanceSquared = 900;
constexpr double distanceCubed = 27000;

} // namespace

void calculateRoom(CalculationState& state, const RoomFields& fields, const QLocale& locale)
{
    state.Pmax = parseNumber(fields.maxPressure, locale);
    state.po = parseNumber(fields.initialPressure, locale);
    state.Mass = parseNumber(fields.mass, locale);
    state.Z = parseNumber(fields.participation, locale);
    state.Vsv = parseNumber(fields.freeVolume, locale);
    state.pgp = parseNumber(fields.density, locale);
    state.Cst = parseNumber(fields.stoichiometric, locale);
    state.Kn = parseNumber(fields.leakage, locale);

    // Numerator and denominator as running products, one division at the end: the order fixes
    // the rounding of the last digits, which the report prints.
    const double numerator = checked(checked(checked(state.Pmax - state.po) * state.Mass) * state.Z) * 100;
    const double denominator = checked(checked(state.pgp * state.Vsv) * state.Cst) * state.Kn;
    state.EP = checkedDivide(checked(numerator), checked(denominator));
}

void calculateOutdoor(CalculationState& state, const OutdoorFields& fields, const QLocale& locale)
{
    state.po = parseNumber(fields.initialPressure, locale);
    state.Mass = parseNumber(fields.mass, locale);
    state.Z = parseNumber(fields.participation, locale);
    state.Qsg = parseNumber(fields.heatOfCombustion, locale);

    state.Mpr = checked(checked(checkedDivide(state.Qsg, referenceHeat) * state.Mass) * state.Z);

    const double cubeRootTerm = checkedDivide(checkedPower(state.Mpr, 0.33) * 0.8, distance);
    const double squareRootTerm = checkedDivide(checkedPower(state.Mpr, 0.66) * 3, distanceSquared);
    const double linearTerm = checkedDivide(checked(state.Mpr * 5), distanceCubed);
    // The terms are added in this order: the last digits of the printed pressure depend on it.
    state.EP = checked(checked(checked(squareRootTerm + cubeRootTerm) + linearTerm) * state.po);
}
