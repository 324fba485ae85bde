#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1251, the single-byte Cyrillic code page in which the report document is written.
// Qt 6 carries no codec for it, so the 128 upper characters are kept in a table of our own.

// Each character becomes one byte; a character the code page cannot hold (and each lone
// surrogate) becomes '?', a character outside the Basic Multilingual Plane a single '?'.
QByteArray encodeWindows1251(QStringView text);

// Each byte becomes one character; 0x98, which the code page leaves unassigned, becomes U+FFFD.
QString decodeWindows1251(QByteArrayView bytes);
