#include "child_window.h"

#include "form_layout.h"

#include <QCloseEvent>

ChildWindow::ChildWindow(QWidget* opener, const QString& name, const QString& caption, int clientWidthTwips,
                         int clientHeightTwips)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    if (clientWidthTwips > 0)
        setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));
    if (opener) {
        move(opener->frameGeometry().center() - rect().center());
        // A result for an opener that is gone would go nowhere.
        connect(opener, &QObject::destroyed, this, [this] { delete this; });
    }
}

ChildWindow::~ChildWindow() = default;

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    emit finished();
    event->accept();
}
