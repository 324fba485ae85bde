#include "interpolation.h"

#include "checked.h"

double Interpolate(double x1, double x2, double x, double y1, double y2)
{
    const double dy = checked(y2 - y1);
    const double dx = checked(x - x1);
    const double p = checked(dx * dy);
    const double d = checked(x2 - x1);
    const double q = checkedDivide(p, d);
    return checked(y1 + q);
}
