#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// The report document could not be written or read back. Names the file, so the user can tell
// which folder refused it.
class ReportFileError : public std::runtime_error {
  public:
    explicit ReportFileError(const QString& path);
    const QString& path() const { return path_; }
    // What the user is told: the file, in the platform's notation.
    QString userMessage() const;

  private:
    QString path_;
};

// The file name of the report document. Every publication overwrites the one file.
QString reportDocumentName();

// The report document: "<html>", the font line, the report text, "</html>", each line ended by
// CR LF, in Windows-1251 and without a byte-order mark. There is no charset declaration: a viewer
// has to be told the code page.
QByteArray reportDocument(const QString& out);

// Where the report document goes: into `folderToTry` (the application folder) when a file can be
// created there; otherwise, as for a system-wide install, into the user's application data folder,
// which is created when missing.
QString reportDocumentPath(const QString& folderToTry);

// Creates or truncates the file at `path` and writes the report document into it.
// Throws ReportFileError when the file cannot be written completely.
void writeReportDocument(const QString& path, const QString& out);
