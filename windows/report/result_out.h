#pragma once

#include <QSize>
#include <QWidget>

class ReportBrowser;
class ReportToolBar;

// The browser's size in twips after the report window was resized to `outerWindow` twips (title
// bar and borders included): 150 twips narrower and 400 twips lower than the window. A size that
// would be negative, as in a window dragged very small, is not applied; when the width is not
// applied, neither is the height.
QSize browserSizeAfterResize(QSize browser, QSize outerWindow);

// The report window: a resizable top-level window whose only control, the viewer WebBrowser1,
// sits at the top-left corner of its client area and follows its size. Above the client area, as a
// menu bar would be, the tool bar with the print, PDF, HTML and browser actions.
class Result_Out : public QWidget {
    Q_OBJECT

  public:
    explicit Result_Out(QWidget* parent = nullptr);

    // Shows the report document, the bytes just written to `path`.
    void showDocument(const QString& path, const QByteArray& document);

    // The viewer, with the path and bytes of the document it shows.
    ReportBrowser* viewer() const { return browser_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Resize();

    ReportBrowser* browser_ = nullptr;
    ReportToolBar* actions_ = nullptr;
};
