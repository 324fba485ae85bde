#pragma once

#include "calculation_state.h"
#include "file_entries.h"
#include "substance.h"

#include <optional>

// The substance a calculation took, as entries of the calculation file: "substance.name",
// "substance.formula", "substance.source" (where its figures were published) and "substance.own"
// ("1" for a row of the user's own table). With them a file names its substance on any machine,
// also one whose table lacks the row.
CalculationFileExtension substanceFileEntries(const Substance& substance);

// The substance the entries name, as a row whose figures are those the opened state holds: it
// stays the calculation's substance while those figures are unchanged. None without
// "substance.name"; UserError for an empty name.
std::optional<Substance> substanceFromFileEntries(const CalculationFileExtension& extension,
                                                  const CalculationState& opened);
