#pragma once

#include "spill.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The source data of a spill as named entries of the calculation file ("spill.floorArea" and so on),
// each value a plain number with a point, written to the last digit so that the reopened spill gives
// the same mass to the last digit. Pipelines are numbered from 1; a spill without a tray has no
// tray entry.
QList<std::pair<QString, QString>> spillFileEntries(const SpillInput& input);

// The spill the entries describe, or nothing when they hold no spill entry. Throws UserError naming
// the entry when a spill entry is missing, unknown or not a number.
std::optional<SpillInput> spillFromFileEntries(const QList<std::pair<QString, QString>>& entries);
