#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

// The report document could not be written into any of the folders tried. Names the files, so
// the user can tell which folders refused it.
class ReportFileError : public std::runtime_error {
  public:
    explicit ReportFileError(const QStringList& paths);
    // What the user is told: the files, in the platform's notation.
    QString userMessage() const;

  private:
    QStringList paths_;
};

// The file name of the report document. Every publication replaces the one file.
QString reportDocumentName();

// The report document: "<html>", the font line, the report text, "</html>", each line ended by
// CR LF, in Windows-1251 and without a byte-order mark. There is no charset declaration: a viewer
// has to be told the code page.
QByteArray reportDocument(const QString& out);

// Writes `document` as the report document into the first of `folders` that takes it whole and
// returns its path. In each folder the bytes go to a temporary file first, which is renamed over
// the report document only when complete: a reader never sees half a report, and a symbolic link,
// a FIFO or a device of that name is replaced rather than written through. A folder that is
// missing, unwritable, full or holds a folder of that name is passed over.
// Throws ReportFileError when no folder takes it.
QString writeReportDocument(const QStringList& folders, const QByteArray& document);
