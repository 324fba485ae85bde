#pragma once

#include "user_error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The file name of the report document. Every publication replaces the one file.
QString reportDocumentName();

// The report document: "<html>", the font line, the report text, "</html>", each line ended by
// CR LF, in Windows-1251 and without a byte-order mark. There is no charset declaration: a viewer
// has to be told the code page.
QByteArray reportDocument(const QString& out);

// Writes `document` as the report document into the first of `folders` that takes it whole
// (writeFileWhole: a reader never sees half a report, and a symbolic link, a FIFO or a device of
// that name is replaced rather than written through) and returns its path. A folder that is
// missing, unwritable, full or holds a folder of that name is passed over.
// Throws UserError naming every file tried, each with its reason, when no folder takes it.
QString writeReportDocument(const QStringList& folders, const QByteArray& document);
