#pragma once

// What the tests of the libraries without widgets share; the window tests add window_test.h.

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

inline QLocale commaLocale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}
inline QLocale dotLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// The bytes of a file, or empty when it cannot be read; writing fails the test when it fails.
QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// A checked-in expected file; fails the test when it is missing or empty.
QByteArray expectedFile(const QString& path);
// One of the expected report documents, checked in beside the report text's tests.
QByteArray expectedReport(const char* name);
