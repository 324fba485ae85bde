#include "evaporation_coefficient.h"

#include "checked.h"
#include "interpolation.h"
#include "user_error.h"

#include <array>
#include <cstddef>

namespace {

// Table А.2 of SP 12.13130.2009 (table 3 of NPB 105-03): η by the air speed over the spill (rows)
// and the air temperature in the room (columns).
constexpr std::array<double, 5> speeds{0, 0.1, 0.2, 0.5, 1.0};    // m/s
constexpr std::array<double, 5> temperatures{10, 15, 20, 30, 35}; // °C
// clang-format off
constexpr double coefficients[speeds.size()][temperatures.size()] = {
    {1.0,  1.0, 1.0, 1.0, 1.0},
    {3.0,  2.6, 2.4, 1.8, 1.6},
    {4.6,  3.8, 3.5, 2.4, 2.3},
    {6.6,  5.7, 5.4, 3.6, 3.2},
    {10.0, 8.7, 7.7, 5.6, 4.6},
};
// clang-format on
constexpr std::size_t lastRow = speeds.size() - 1;
constexpr std::size_t lastColumn = temperatures.size() - 1;

// The node at or below `value` that opens the interval holding it; `value` lies inside the nodes.
template <std::size_t N> std::size_t intervalOf(const std::array<double, N>& nodes, double value)
{
    std::size_t i = 0;
    while (i + 1 < N - 1 && nodes[i + 1] <= value)
        ++i;
    return i;
}

double inColumn(std::size_t column, double speed)
{
    if (speed >= speeds[lastRow])
        return coefficients[lastRow][column];
    const std::size_t row = intervalOf(speeds, speed);
    return Interpolate(speeds[row], speeds[row + 1], speed, coefficients[row][column],
                       coefficients[row + 1][column]);
}

} // namespace

double evaporationCoefficient(double airSpeed, double airTemperature)
{
    if (checked(airSpeed) < 0)
        throw UserError();
    if (checked(airTemperature) <= temperatures.front())
        return inColumn(0, airSpeed);
    if (airTemperature >= temperatures[lastColumn])
        return inColumn(lastColumn, airSpeed);
    const std::size_t column = intervalOf(temperatures, airTemperature);
    if (airTemperature == temperatures[column])
        return inColumn(column, airSpeed);
    return Interpolate(temperatures[column], temperatures[column + 1], airTemperature,
                       inColumn(column, airSpeed), inColumn(column + 1, airSpeed));
}
