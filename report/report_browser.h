#pragma once

#include <QString>
#include <QTextBrowser>

// The viewer of the report window. It only loads and shows: the report document carries no
// charset declaration, so the viewer reads the bytes itself and decodes them as Windows-1251.
class ReportBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit ReportBrowser(QWidget* parent = nullptr);

    // Loads the document at the file-system path `path`, replacing what is shown; a second call
    // with the same path reloads it. Throws ReportFileError when the file cannot be read.
    void navigate(const QString& path);

    // The path last loaded, empty before the first navigation.
    const QString& location() const { return location_; }

private:
    QString location_;
};

// Lays out a few lines in the report's typeface and headings, so that the font lookup is done while
// the user types the source data rather than when the first report is shown.
void warmUpReportFonts();
