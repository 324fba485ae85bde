#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class Result_Out;

// Publishes the report: writes the report document and shows it in the report window. There is
// at most one report window. It has no owner, so it stays open when the main window closes, and
// the user alone closes it; a later publication reloads it in place and brings it to the front.
class ReportPublisher {
  public:
    ReportPublisher();
    ~ReportPublisher();
    ReportPublisher(const ReportPublisher&) = delete;
    ReportPublisher& operator=(const ReportPublisher&) = delete;

    // Writes the report document from `out`, shows those bytes in the report window (created
    // hidden the first time, so it never shows an empty page) and shows the window modeless.
    // Throws UserError when no folder takes the document; an open report window is then
    // emptied, so that it shows no earlier result beside the new source data.
    void PublishReport(const QString& out);

    // The report window while it is open, otherwise nullptr.
    Result_Out* window() const;

    // The folders tried in turn for the report document: the application folder, then the user's
    // data folder for the program (where a system-wide install has to write).
    const QStringList& documentFolders() const { return folders_; }
    void setDocumentFolders(const QStringList& folders) { folders_ = folders; }

    // Where the last publication wrote the report document, empty before the first.
    const QString& documentPath() const { return path_; }

  private:
    QStringList folders_;
    QString path_;
    QPointer<Result_Out> window_;
};
