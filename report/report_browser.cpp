#include "report_browser.h"

#include "report_document.h"
#include "windows1251.h"

#include <QFile>

ReportBrowser::ReportBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false); // the report has no links; nothing should replace it by a click
}

void ReportBrowser::navigate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportFileError(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReportFileError(path);
    setHtml(decodeWindows1251(bytes));
    location_ = path;
}
