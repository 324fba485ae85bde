#pragma once

#include "file_entries.h"

#include <QByteArray>

// What a calculation file carries beyond its 33 lines (file_entries.h): what the numbers cannot
// hold, such as the substance a calculation took or the source data of a derived mass. A reader
// ignores keys it does not know, so an older program opens a newer file.
//
// On disk the block follows line 33: the marker line, then one "key=value" line per entry, each
// line ended by CR LF. Everything is plain ASCII: a value escapes a backslash as "\\" and every
// other character outside printable ASCII as "\uXXXX" (UTF-16, four hex digits). A key is letters,
// digits, '.', '_' and '-'.
const char* extensionBlockMarker();

// The block's bytes, marker first; empty for an empty extension, so that such a file stays as it
// always was. Throws std::invalid_argument for a key that breaks the rule above (a programming error).
QByteArray writeExtensionBlock(const CalculationFileExtension& extension);

// Checks and reads a block (marker first). Throws UserError that names the line (counted in the
// whole file from `firstLine`) for a line without '=', a bad key or escape, a byte that is not
// printable ASCII, a line not ended by CR LF, or a key given twice.
CalculationFileExtension readExtensionBlock(const QByteArray& block, int firstLine);
