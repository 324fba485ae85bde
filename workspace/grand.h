#pragma once

#include <QString>

// The straight line through (x1; y1) and (x2; y2), taken at x, without clamping outside [x1, x2].
// Throws InputError when x1 equals x2.
double Interpolate(double x1, double x2, double x, double y1, double y2);

// The path of `name` in the folder that holds the program's executable, with exactly one
// separator between folder and name.
QString AppFolderPath(const QString& name);

// The same joining rule for any folder, so it can be checked without moving the executable.
QString joinFolderPath(const QString& folder, const QString& name);
