#pragma once

#include "substance.h"

#include <QString>

#include <vector>

// Text as the search compares it: lower case, ё read as е, blanks at the ends dropped.
QString searchKey(const QString& text);

// Whether the row matches what the user typed: part of its name, of a synonym or of its formula.
// Empty text matches every row.
bool matchesSearch(const Substance& substance, const QString& typed);

// Indexes of the matching rows, in table order.
std::vector<int> searchSubstances(const std::vector<Substance>& rows, const QString& typed);
