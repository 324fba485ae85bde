#include "report_browser.h"

#include "report_document.h"
#include "windows1251.h"

#include <QFile>
#include <QTextDocument>

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

void warmUpReportFonts()
{
    QTextDocument sample;
    sample.setHtml(QStringLiteral("<font face=\"Times New Roman\"><h3>Отчет</h3><h4>1.1</h4>"
                                  "<p><center>м<sup>3</sup></center></font>"));
    sample.size();
}
