#include "result_out.h"

#include "form_layout.h"
#include "report_browser.h"
#include "report_tool_bar.h"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

// Client area 13380 x 8985 twips; the viewer's design size 9615 x 7935 twips.
constexpr int clientWidth = 13380;
constexpr int clientHeight = 8985;
constexpr int browserWidth = 9615;
constexpr int browserHeight = 7935;

// What the window keeps free beside and below the viewer, twips.
constexpr float widthMargin = 150;
constexpr float heightMargin = 400;

} // namespace

QSize browserSizeAfterResize(QSize browser, QSize outerWindow)
{
    const float width = float(outerWindow.width()) - widthMargin;
    if (width < 0)
        return browser;
    browser.setWidth(int(width));
    const float height = float(outerWindow.height()) - heightMargin;
    if (height >= 0)
        browser.setHeight(int(height));
    return browser;
}

Result_Out::Result_Out(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Result_Out"));
    setWindowTitle(QStringLiteral("Отчет"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    browser_ = new ReportBrowser(client);
    nameControl(browser_, QStringLiteral("WebBrowser1"), windowTitle());
    browser_->setGeometry(twipsRect(0, 0, browserWidth, browserHeight));
    actions_ = new ReportToolBar(browser_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->setSpacing(0);
    layout->setMenuBar(actions_);
    layout->addWidget(client);
    resize(pixels(clientWidth), pixels(clientHeight) + actions_->sizeHint().height());
}

void Result_Out::showDocument(const QString& path, const QByteArray& document)
{
    browser_->showDocument(path, document);
    actions_->updateActions();
}

void Result_Out::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Result_Out::Form_Resize()
{
    // The tool bar counts as part of the frame, as a menu bar does: the client area is below it.
    const QSize outer = (frameGeometry().size() - QSize(0, actions_->height())) * twipsPerPixel;
    const QSize browser = browserSizeAfterResize(browser_->size() * twipsPerPixel, outer);
    browser_->resize(pixels(browser.width()), pixels(browser.height()));
}
