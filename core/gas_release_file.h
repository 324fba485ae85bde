#pragma once

#include "file_entries.h"
#include "gas_release.h"

#include <optional>

// The source data of a gas release as entries of the calculation file ("gas.apparatusPressure",
// ..., "gas.pipeline.1.diameter", "gas.pipeline.1.length", ...), numbers written with a point and as
// many digits as give back the same double. The volumes and the mass are not stored: opening
// computes them again from the source data.
CalculationFileExtension gasReleaseFileEntries(const GasRelease& release);

// The release the entries describe, or none when the file has no "gas." entry. Throws UserError
// when a source value is missing or not a non-negative number, or the release cannot be computed.
std::optional<GasRelease> gasReleaseFromFileEntries(const CalculationFileExtension& extension);
