#pragma once

#include "user_error.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <stdexcept>

class QTextDocument;

// The report leaving the program: on paper, as a PDF, as an HTML file any browser reads. Each
// starts from the report document, the Windows-1251 bytes the report window shows.

// The report laid out for paper: the report's typeface at 12 points, as a browser prints it.
std::unique_ptr<QTextDocument> printableReport(const QByteArray& document);

// The text of the report's first heading, its title in a PDF or a browser; empty without one.
QString reportTitle(const QTextDocument& report);

// The report document as a file of its own: UTF-8, declaring its charset and carrying the report's
// title, otherwise the same HTML, so that any browser shows the same report.
QByteArray standaloneReportHtml(const QByteArray& document);

// Write the report to `path`, replacing a file there only by a completely written new one.
// A PDF is A4 with 2 cm margins and numbered pages; its text is real text, and it carries the
// report's title and its creation date. Both throw UserError.
void writeReportPdf(const QByteArray& document, const QString& path);
void writeReportHtml(const QByteArray& document, const QString& path);
