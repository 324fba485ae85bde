#pragma once

#include "substance.h"

#include <QString>

#include <vector>

// The user's own substances: a table file of the same columns in the user's data folder. Shipped
// rows are never written there.

// <data folder>/substances.csv
QString ownSubstancesPath();

struct OwnSubstances {
    std::vector<Substance> rows;
    // Empty, or why the file could not be used: it was damaged and has been renamed, never
    // overwritten, so that the user can repair it. The shipped table works all the same.
    QString damage;
};

// Reads the file (a missing file is an empty list). A damaged file is renamed to
// "<name>.поврежден-<date>-<time>" (a free name) and reported in `damage`.
OwnSubstances loadOwnSubstances(const QString& path);

// Reads the file without touching it; a missing or damaged file gives no rows.
std::vector<Substance> readOwnSubstances(const QString& path);

// Replaces the file by a complete new one; throws UserError when it cannot be written.
void saveOwnSubstances(const QString& path, const std::vector<Substance>& rows);

// The shipped rows followed by the user's own, as the report and the file opening look them up.
std::vector<Substance> knownSubstances();
