#pragma once

// The straight line through (x1; y1) and (x2; y2), taken at x, without clamping outside [x1, x2].
// Throws UserError when x1 equals x2.
double Interpolate(double x1, double x2, double x, double y1, double y2);
