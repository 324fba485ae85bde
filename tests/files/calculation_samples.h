#pragma once

#include "calculation_state.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <ostream>

#include <vector>

// The 32 numbers of a state in file order, U and W widened to double.
std::vector<double> fileNumbersOf(const CalculationState& state);

// A state in which every number differs from the others and from the start values, with more digits
// than a file keeps, negative values and values that need the exponent form.
CalculationState busyState();

// What the state becomes after a trip through a file written in `locale`: doubles rounded to
// 15 significant digits, U and W to 7 and then to single precision.
CalculationState afterFileTrip(const CalculationState& state, const QLocale& locale);

// The first line of every calculation file, without its line end.
QByteArray identificationLine();

// A complete file with these 32 number lines (without line ends), each line ended by `lineEnd`.
QByteArray fileWithLines(const std::vector<QByteArray>& numberLines, const QByteArray& lineEnd = "\r\n");

// The file the program writes for a state that nothing has changed since the start.
QByteArray startStateFile();

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
