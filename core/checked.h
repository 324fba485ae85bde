#pragma once

#include "user_error.h"

#include <cmath>

// Checked arithmetic for the calculations: every intermediate passes through checked(), which
// throws UserError as soon as a step overflows, divides by zero or has no real result (the
// square root or a fractional power of a negative number). So a variable is only ever assigned a
// finite value, and one whose computation fails keeps the value it had.
inline double checked(double value)
{
    if (!std::isfinite(value))
        throw UserError();
    return value;
}

inline double checkedDivide(double numerator, double denominator)
{
    if (denominator == 0)
        throw UserError();
    return checked(numerator / denominator);
}

inline double checkedPower(double base, double exponent)
{
    return checked(std::pow(base, exponent));
}

inline double checkedSqrt(double value)
{
    return checked(std::sqrt(value));
}
