#include "ventilation.h"

#include "checked.h"
#include "evaporation_coefficient.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double secondsPerHour = 3600;

// The velocity and the intensity are kept in single precision; a value beyond its range fails
// like an overflow instead of becoming infinite.
float toSingle(double value)
{
    if (std::fabs(checked(value)) > double(std::numeric_limits<float>::max()))
        throw UserError();
    return static_cast<float>(value);
}

// The spill evaporates at the rate the ventilation's air gives, until it is gone or for an hour.
SpillVentilation spillUnderVentilation(const SpillResult& spill, float rate, double airChangesPerHour)
{
    SpillVentilation v;
    v.fullEvaporationTime = checkedDivide(spill.liquidMass, checked(double(rate) * spill.spillArea));
    v.evaporationTime = std::min(v.fullEvaporationTime, longestEvaporation);
    v.airChangesPerSecond = checkedDivide(airChangesPerHour, secondsPerHour);
    v.divisor = checked(checkedDivide(checked(airChangesPerHour * v.evaporationTime), secondsPerHour) + 1);
    return v;
}

} // namespace

std::optional<SpillVentilation> calculateVentilation(CalculationState& state, const VentilationFields& fields,
                                                     const QLocale& locale, const SpillResult* spill)
{
    state.n = parseNumber(fields.airChangeRate, locale);
    state.L = parseNumber(fields.roomLength, locale);

    // n air changes per hour move the air n * L metres an hour along the room.
    state.U = toSingle(checkedDivide(checked(state.L * state.n), secondsPerHour));
    state.nu = evaporationCoefficient(state.U, state.T1);

    // Evaporation intensity W = 1e-6 * nu * sqrt(M) * Pn, kg/(s*m2).
    const double millionth = checkedPower(10, -6);
    state.W = toSingle(checked(checked(checked(millionth * state.nu) * checkedSqrt(state.M)) * state.Pn));

    std::optional<SpillVentilation> spillTime;
    if (spill) {
        spillTime = spillUnderVentilation(*spill, state.W, state.n);
        state.Mass = checked(checked(double(state.W) * spill->spillArea) * spillTime->evaporationTime);
        state.Mass = checkedDivide(state.Mass, spillTime->divisor);
    } else {
        // What evaporates in one hour from the spill, of which the ventilation removes all but 1/(n + 1).
        state.Mass = checked(checked(double(state.W) * secondsPerHour) * state.Fi);
        state.Mass = checkedDivide(state.Mass, checked(state.n + 1));
    }

    const double massPerVolume = checkedDivide(checked(state.Mass * state.Z), checked(state.pgp * state.Vsv));
    const double pressureRise = checked(state.Pmax - state.po);
    const double perConcentration = checkedDivide(100, checked(state.Kn * state.Cst));
    state.EP = checked(checked(massPerVolume * pressureRise) * perConcentration);

    state.Vvent = checked(state.Vsv * state.n);
    return spillTime;
}
