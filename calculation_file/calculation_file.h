#pragma once

#include "user_error.h"

#include "calculation_state.h"
#include "extension_block.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <array>
#include <stdexcept>
#include <variant>

// A calculation file keeps the numbers of a CalculationState (never the report, never the field
// texts): an identification line and then one number per line, each line ended by CR LF.
// A number line is a blank or the minus sign, the number as the fields show it, and a blank.
// An optional extension block may follow the 33 lines (extension_block.h); other programs that
// read these files stop after line 33.

inline constexpr int calculationFileNumberCount = 32;

// A genuine file is well under a kilobyte; anything larger is not one and is not read in full.
inline constexpr qsizetype calculationFileMaxSize = 64 * 1024;

// One number of the file: the variable's name (as the state spells it) and where it lives.
// U and W are single precision, the rest double.
struct CalculationFileValue {
    const char* name;
    std::variant<double CalculationState::*, float CalculationState::*> member;
};

// The numbers in file order (second line first): the state's declaration order without the report,
// with Mpr and Qsg moved to the end.
const std::array<CalculationFileValue, calculationFileNumberCount>& calculationFileValues();

const char* calculationFileIdentification();

// The numbers of a file that was read and checked from its first line to its last, and its
// extension entries in file order (none for a file without the block).
struct CalculationFileContents {
    std::array<double, calculationFileNumberCount> values{};
    CalculationFileExtension extension;
};

// The whole file for the state, numbers written with the locale's decimal separator (a point when
// the locale's separator is neither a point nor a comma, so that the file stays plain ASCII).
// Throws UserError when a number of the state is not finite: such a file could not be
// opened again. An empty extension writes no block: the file is the 33 lines alone.
QByteArray writeCalculationFile(const CalculationState& state, const QLocale& locale,
                                const CalculationFileExtension& extension = {});

// Checks the whole file and returns its numbers, or throws UserError on the first problem.
// Lines may end in CR LF or LF alone; a number may use a point or a comma, whatever the locale that
// wrote it; blanks around it are ignored. After the last number come either blank lines, which
// are tolerated, or the extension block, which must be whole and undamaged.
CalculationFileContents readCalculationFile(const QByteArray& bytes);

// Stores every number of a checked file into its variable (U and W rounded to single precision).
void applyCalculationFile(const CalculationFileContents& contents, CalculationState& state);
