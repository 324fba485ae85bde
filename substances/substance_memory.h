#pragma once

#include <QString>

// Which table substance a saved calculation took its data from. The calculation file cannot say so
// (other programs read it, and its 33 lines stay exactly as they are), and its numbers alone cannot
// tell a table row from the same figures typed by hand. So the program keeps its own note in the
// user's data folder: one line per saved file, the SHA-256 of the file's bytes and the substance's
// name. A file saved elsewhere, or changed since, is simply not found: its report names no substance.
// Only a regular note file of bounded size is read, and only its well-formed lines are kept.

// <data folder>/calculation-substances.txt
QString substanceMemoryPath();

// Notes that the calculation file at `calculationPath`, as it is now, holds `name`'s data; an empty
// name forgets the file. A note that cannot be written is lost without a message: the report then
// only lacks the substance's name after the file is opened again.
void rememberSubstanceOfFile(const QString& calculationPath, const QString& name,
                             const QString& memoryPath = substanceMemoryPath());

// The substance noted for the file as it is now, or empty.
QString substanceOfFile(const QString& calculationPath, const QString& memoryPath = substanceMemoryPath());
