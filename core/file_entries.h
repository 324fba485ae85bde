#pragma once

#include <QList>
#include <QString>

#include <utility>

// Named texts that a calculation file carries beyond its numbers, as (key, value) in file order.
// Each subsystem writes and reads its own keys, prefixed with its name ("substance.", "gas.",
// "spill."), and ignores the others.
using CalculationFileExtension = QList<std::pair<QString, QString>>;

// The value of `key`, or a null string when the extension has none.
QString extensionValue(const CalculationFileExtension& extension, const QString& key);

// Whether any key starts with `prefix`.
bool hasEntriesOf(const CalculationFileExtension& extension, const QString& prefix);
