#include "report_browser.h"

#include "windows1251.h"

#include <QTextDocument>

ReportBrowser::ReportBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false); // the report has no links; nothing should replace it by a click
}

void ReportBrowser::showDocument(const QString& path, const QByteArray& document)
{
    setHtml(decodeWindows1251(document));
    location_ = path;
    document_ = document;
}

void warmUpReportFonts()
{
    QTextDocument sample;
    sample.setHtml(QStringLiteral("<font face=\"Times New Roman\"><h3>Отчет</h3><h4>1.1</h4>"
                                  "<p><center>м<sup>3</sup></center></font>"));
    sample.size();
}
