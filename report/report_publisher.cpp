#include "report_publisher.h"

#include "report_document.h"
#include "result_out.h"

#include <QCoreApplication>

ReportPublisher::ReportPublisher() = default;

// Only reached when the owner goes before the user closed the report, as when the program ends.
ReportPublisher::~ReportPublisher() { delete window_.data(); }

Result_Out* ReportPublisher::window() const { return window_; }

QString ReportPublisher::documentPath() const
{
    if (!fixedPath_.isEmpty())
        return fixedPath_;
    return reportDocumentPath(QCoreApplication::applicationDirPath());
}

void ReportPublisher::setDocumentPath(const QString& path) { fixedPath_ = path; }

void ReportPublisher::PublishReport(const QString& out)
{
    const QString path = documentPath();
    writeReportDocument(path, out);
    if (!window_)
        window_ = new Result_Out;
    window_->navigate(path);
    window_->show();
    window_->raise();
    window_->activateWindow();
}
