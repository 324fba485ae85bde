#pragma once

#include <QToolBar>

#include <memory>

class QAction;
class QTemporaryDir;
class ReportBrowser;

// The report window's actions on the report its viewer shows: print it through the system's print
// dialog, save it as a PDF or as a standalone HTML file, open a standalone HTML copy of it in the
// system's browser. They are disabled while the viewer shows no report.
class ReportToolBar : public QToolBar {
    Q_OBJECT

  public:
    ReportToolBar(ReportBrowser* viewer, QWidget* parent);
    ~ReportToolBar() override;

    // Enables the actions when the viewer shows a report; call after each change of its document.
    void updateActions();

  private slots:
    void print_Click();
    void pdf_Click();
    void html_Click();
    void browser_Click();

  private:
    QAction* addReportAction(const QString& name, const QString& text, void (ReportToolBar::*handler)());

    ReportBrowser* viewer_;
    QAction* print = nullptr;
    QAction* pdf = nullptr;
    QAction* html = nullptr;
    QAction* browser = nullptr;
    std::unique_ptr<QTemporaryDir> browserCopies_; // removed with the window
    int browserCopyCount_ = 0;
};
