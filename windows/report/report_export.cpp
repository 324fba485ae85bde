#include "report_export.h"

#include "whole_file.h"
#include "windows1251.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr qreal printedPointSize = 12;

} // namespace

std::unique_ptr<QTextDocument> printableReport(const QByteArray& document)
{
    auto report = std::make_unique<QTextDocument>();
    QFont font = report->defaultFont();
    font.setPointSizeF(printedPointSize);
    report->setDefaultFont(font);
    report->setHtml(decodeWindows1251(document));
    return report;
}

QString reportTitle(const QTextDocument& report)
{
    for (QTextBlock block = report.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            return block.text().simplified();
    }
    return {};
}

QByteArray standaloneReportHtml(const QByteArray& document)
{
    QString html = decodeWindows1251(document);
    const QString head = QStringLiteral("<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                        "charset=utf-8\"><title>%1</title></head>\r\n")
                             .arg(reportTitle(*printableReport(document)).toHtmlEscaped());
    const qsizetype afterFirstLine = html.indexOf(u'\n') + 1; // after "<html>"
    html.insert(afterFirstLine, head);
    return html.toUtf8();
}

void writeReportPdf(const QByteArray& document, const QString& path)
{
    const std::unique_ptr<QTextDocument> report = printableReport(document);
    QByteArray bytes;
    {
        // The PDF is complete only once its writer is gone.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF()); // the text document keeps 2 cm free on each side
        pdf.setTitle(reportTitle(*report));
        pdf.setCreator(QStringLiteral("overpressure " OVERPRESSURE_VERSION));
        report->print(&pdf);
    }
    writeFileWhole(path, bytes);
}

void writeReportHtml(const QByteArray& document, const QString& path)
{
    writeFileWhole(path, standaloneReportHtml(document));
}
