#pragma once

#include "file_entries.h"
#include "spill.h"

#include <optional>

// The source data of a spill as named entries of the calculation file ("spill.floorArea", ...,
// "spill.pipeline.1.diameter", ...), each value a plain number with a point, written to the last digit so
// that the reopened spill gives the same mass to the last digit. Pipelines are numbered from 1; a spill
// without a tray has no tray entry.
CalculationFileExtension spillFileEntries(const SpillInput& input);

// The spill the entries describe, or nothing when they hold no spill entry. Throws UserError naming
// the entry when a spill entry is missing, unknown or not a number.
std::optional<SpillInput> spillFromFileEntries(const CalculationFileExtension& entries);
