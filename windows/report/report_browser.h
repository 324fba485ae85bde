#pragma once

#include <QString>
#include <QTextBrowser>

// The viewer of the report window. It only loads and shows: the report document carries no
// charset declaration, so the viewer reads the bytes itself and decodes them as Windows-1251.
class ReportBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit ReportBrowser(QWidget* parent = nullptr);

    // Shows the report document `document`, the bytes just written to `path`. The viewer never
    // reads the file back: another running copy of the program may have replaced it meanwhile.
    void showDocument(const QString& path, const QByteArray& document);

    // The path and bytes of the document shown, empty before the first one.
    const QString& location() const { return location_; }
    const QByteArray& documentBytes() const { return document_; }

  private:
    QString location_;
    QByteArray document_;
};

// Lays out a few lines in the report's typeface and headings, so that the font lookup is done while
// the user types the source data rather than when the first report is shown.
void warmUpReportFonts();
