#include "report_export.h"

#include "windows1251.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>

namespace {

constexpr qreal printedPointSize = 12;

// QSaveFile writes beside the target and renames only when everything is on disk. Its buffer is
// flushed and checked before commit(): Qt 6.4's commit() ignores a failure of that last flush (a
// full disk, a file-size limit) and would rename a cut file over the target.
void writeWhole(const QString& path, const std::function<void(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        write(file);
        if (file.error() == QFileDevice::NoError && file.flush() && file.error() == QFileDevice::NoError
            && file.commit())
            return;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    throw UserError(reason);
}

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
    writeWhole(path, [&](QSaveFile& file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF()); // the text document keeps 2 cm free on each side
        pdf.setTitle(reportTitle(*report));
        pdf.setCreator(QStringLiteral("overpressure " OVERPRESSURE_VERSION));
        report->print(&pdf);
    });
}

void writeReportHtml(const QByteArray& document, const QString& path)
{
    const QByteArray html = standaloneReportHtml(document);
    writeWhole(path, [&](QSaveFile& file) { file.write(html); });
}
