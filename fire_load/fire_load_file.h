#pragma once

#include "fire_load.h"

#include <QByteArray>

// The fire-load file (*.pzv): UTF-8 JSON, an object with "format": "overpressure-fire-load",
// "version": 1, "room" (the name) and "sites", each with its name, placementArea (m²), height (m),
// distanceToNearest (m, or null when it is alone), liquid (true or false) and "materials", each with
// name, mass (kg), heat (MJ/kg) and criticalFlux (kW/m² or null). Numbers are JSON numbers, so the
// file reads the same under every locale.

// A larger file is not a fire-load file and is not read.
inline constexpr qint64 fireLoadFileMaxSize = 4 * 1024 * 1024;

// The whole room or nothing: throws UserError, in Russian, lower case, naming the problem (not
// JSON, another format or a newer version, a missing or mistyped field, a value the calculation
// refuses).
FireLoadRoom readFireLoadFile(const QByteArray& bytes);

QByteArray writeFireLoadFile(const FireLoadRoom& room);
