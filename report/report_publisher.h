#pragma once

#include <QPointer>
#include <QString>

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

    // Rewrites the report document from `out`, loads it into the report window (created hidden
    // the first time, so it never shows an empty page) and shows the window modeless.
    // Throws ReportFileError when the document cannot be written or read back.
    void PublishReport(const QString& out);

    // The report window while it is open, otherwise nullptr.
    Result_Out* window() const;

    // Where the next publication writes: "proect.htm" in the application folder, or in the user's
    // data folder when the application folder is read-only, unless a fixed path was set.
    QString documentPath() const;
    void setDocumentPath(const QString& path);

private:
    QString fixedPath_;
    QPointer<Result_Out> window_;
};
