#include "report_publisher.h"

#include "report_document.h"
#include "result_out.h"

#include <QCoreApplication>
#include <QStandardPaths>

ReportPublisher::ReportPublisher()
    : folders_{QCoreApplication::applicationDirPath(),
               QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)}
{
}

// Only reached when the owner goes before the user closed the report, as when the program ends.
ReportPublisher::~ReportPublisher()
{
    delete window_.data();
}

Result_Out* ReportPublisher::window() const
{
    return window_;
}

void ReportPublisher::PublishReport(const QString& out)
{
    const QByteArray document = reportDocument(out);
    try {
        path_ = writeReportDocument(folders_, document);
    } catch (const UserError&) {
        if (window_)
            window_->showDocument(QString(), QByteArray());
        throw;
    }
    if (!window_)
        window_ = new Result_Out;
    window_->showDocument(path_, document);
    window_->show();
    window_->raise();
    window_->activateWindow();
}
