#pragma once

#include "user_error.h"

#include "substance.h"

#include <QLocale>
#include <QString>

#include <vector>

// The table file: UTF-8 text, a header line with the column names, then one substance a line,
// fields separated by ";" in the order of SubstanceColumn, numbers with a decimal comma as the
// handbooks print them, an empty field for an unknown figure, synonyms separated by "|".

// Reads one row from its field texts (numbers in `locale`'s notation). Throws SubstanceProblem
// naming the first field that cannot be read; the checks of substance_checks.h come after.
Substance substanceFromTexts(const SubstanceTexts& texts, const QLocale& locale);
SubstanceTexts textsOf(const Substance& substance, const QLocale& locale);

// Every row of a table file, each read and checked; throws UserError naming the line and
// the field of the first problem.
std::vector<Substance> readSubstanceTable(const QString& text);

// The same, keeping every row that reads and passes; each other line is listed as a problem
// ("строка 5: Поле «nC»: не число"). A name met twice is a problem at its second line.
struct SubstanceRows {
    std::vector<Substance> rows;
    QStringList problems;
};
SubstanceRows readSubstanceRows(const QString& text);

// Throws SubstanceProblem naming the first number the file would round (more than 15 significant
// digits), so that a row is saved only as it will be read back, with the values that were checked.
void checkWritesExactly(const Substance& substance);
QString writeSubstanceTable(const std::vector<Substance>& rows);

// The table shipped inside the program.
const std::vector<Substance>& shippedSubstances();
