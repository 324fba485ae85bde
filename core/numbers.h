#pragma once

#include <QLocale>
#include <QString>

// The two rules by which every field, report line and file line turns text into numbers and back.
// Both follow the decimal separator of the locale they are given.

// Text to number: blanks around the number, an optional sign, digits with the locale's decimal
// separator, an optional exponent after E or e. Anything else throws UserError.
double parseNumber(const QString& text, const QLocale& locale);

// Number to text: at most 15 significant digits for a double (7 for a float), trailing zeros
// dropped, no digit grouping; exponent form ("1E-05", "1,5E+16") below 1E-04 and from 1E+15
// (a float from 1E+07).
QString formatNumber(double value, const QLocale& locale);
QString formatNumber(float value, const QLocale& locale);
