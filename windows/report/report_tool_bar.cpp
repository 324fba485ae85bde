#include "report_tool_bar.h"

#include "modal.h"
#include "report_browser.h"
#include "report_export.h"
#include "whole_file.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString saveTitle = QStringLiteral("Сохранение отчета");

// The chosen file's full path, or an empty string when the user cancelled. The dialog asks before
// replacing an existing file.
QString chooseTarget(QWidget* parent, const QString& format, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, QStringLiteral("Сохранить как ") + format);
    dialog.setObjectName(suffix + QStringLiteral("Dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (execModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void saveCopy(QWidget* parent, const QString& path, void (*write)(const QByteArray&, const QString&),
              const QByteArray& document)
{
    if (path.isEmpty())
        return;
    try {
        write(document, path);
    } catch (const UserError& error) {
        showCritical(parent, saveTitle,
                     QStringLiteral("Отчет не сохранен в файл %1: %2.\nФайл на диске не изменен.")
                         .arg(fileNameShown(path), error.message()));
    }
}

} // namespace

ReportToolBar::ReportToolBar(ReportBrowser* viewer, QWidget* parent) : QToolBar(parent), viewer_(viewer)
{
    setObjectName(QStringLiteral("reportToolBar"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    print = addReportAction(QStringLiteral("print"), QStringLiteral("Печать…"), &ReportToolBar::print_Click);
    print->setShortcut(QKeySequence::Print);
    pdf = addReportAction(QStringLiteral("pdf"), QStringLiteral("Сохранить как PDF…"),
                          &ReportToolBar::pdf_Click);
    html = addReportAction(QStringLiteral("html"), QStringLiteral("Сохранить как HTML…"),
                           &ReportToolBar::html_Click);
    browser = addReportAction(QStringLiteral("browser"), QStringLiteral("Открыть в браузере"),
                              &ReportToolBar::browser_Click);
    updateActions();
}

QAction* ReportToolBar::addReportAction(const QString& name, const QString& text,
                                        void (ReportToolBar::*handler)())
{
    QAction* action = addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void ReportToolBar::updateActions()
{
    const bool shown = !viewer_->documentBytes().isEmpty();
    for (QAction* action : {print, pdf, html, browser})
        action->setEnabled(shown);
}

void ReportToolBar::print_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window());
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (execModal(dialog) != QDialog::Accepted)
        return;
    const auto report = printableReport(viewer_->documentBytes());
    printer.setDocName(reportTitle(*report));
    report->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        showCritical(window(), QStringLiteral("Печать отчета"), QStringLiteral("Отчет не напечатан."));
}

void ReportToolBar::pdf_Click()
{
    const QString path =
        chooseTarget(window(), QStringLiteral("PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    saveCopy(window(), path, &writeReportPdf, viewer_->documentBytes());
}

void ReportToolBar::html_Click()
{
    const QString path = chooseTarget(window(), QStringLiteral("HTML"), QStringLiteral("HTML (*.html *.htm)"),
                                      QStringLiteral("html"));
    saveCopy(window(), path, &writeReportHtml, viewer_->documentBytes());
}

// The report document itself, as the program wrote it; browsers recognise its Cyrillic code page.
void ReportToolBar::browser_Click()
{
    const QString path = viewer_->location();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showCritical(window(), QStringLiteral("Отчет"),
                     QStringLiteral("Не удалось открыть отчет %1 в браузере.").arg(fileNameShown(path)));
}
