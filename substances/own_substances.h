#pragma once

#include "shared_table_file.h"
#include "substance.h"

#include <QString>

#include <functional>
#include <vector>

// The user's own substances: a table file of the same columns in the user's data folder. Shipped
// rows are never written there. Several running copies of the program share the file: every
// change reads it again under a lock, applies that one change and writes the result whole, so a
// change made meanwhile by another copy is kept.

// <data folder>/substances.csv
QString ownSubstancesPath();

// `damage`: empty, or what went wrong with the file, naming it: it is not a regular file, too large
// or unreadable (it is left alone and no own row is shown), or lines of it are damaged (the file is
// renamed aside, never overwritten, and the rows that read are written to a new file).
using OwnSubstances = SharedRows<Substance>;

// Reads the file under the lock (a missing file is an empty list). A file with damaged lines is
// renamed to "<name>.поврежден-<date>-<time>" (a free name) and its sound rows are kept.
OwnSubstances loadOwnSubstances(const QString& path);

// One change to the rows as the file holds them now; throws UserError to refuse it.
using OwnChange = std::function<void(std::vector<Substance>& rows)>;

// Under the lock: reads the file as loadOwnSubstances() does, applies `change`, writes the result
// whole and returns it. Throws UserError naming the file when it cannot be read, locked or
// written, or when `change` refuses; the file is then as it was.
OwnSubstances changeOwnSubstances(const QString& path, const OwnChange& change);

// The changes of the substance window. Each throws UserError when the rows no longer allow it
// (a name taken meanwhile, a row removed meanwhile by another copy).
void addOwnSubstance(std::vector<Substance>& rows, const Substance& added);
void replaceOwnSubstance(std::vector<Substance>& rows, const QString& name, const Substance& edited);
void removeOwnSubstance(std::vector<Substance>& rows, const QString& name);

// The shipped rows followed by the user's own, as the report and the file opening look them up.
// The file is read again only when it changed; a file that cannot be used adds no rows.
std::vector<Substance> knownSubstances();
