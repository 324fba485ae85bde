#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <type_traits>
#include <utility>

// A window that another window opens to get one result, the way Qt's own dialogs work
// (QFontDialog::fontSelected): the opener takes no input while it is open; the window hands its
// result back only through a signal of its own that the opener connects to a slot of its own, and
// never touches the opener's fields or state. However the window closes, it emits finished() and
// is discarded, so the next opening starts afresh.
class ChildWindow : public QWidget {
    Q_OBJECT

  public:
    ~ChildWindow() override;

  signals:
    // The window is closing; the opener takes input again.
    void finished();

  protected:
    // A top-level window of its own (as a child widget it would be disabled with its opener), in
    // front of `opener`, with a client area given in twips; a zero size leaves it to a layout.
    ChildWindow(QWidget* opener, const QString& name, const QString& caption, int clientWidthTwips,
                int clientHeightTwips);

    // A window waiting for a child window of its own refuses to close.
    void closeEvent(QCloseEvent* event) override;
};

// Disables the opener and shows the window it holds in `held`, creating it unless it is open
// already (a closed window waiting to be deleted does not count): each exists at most once. A new
// window goes to `connectResult`, where the opener connects the window's result signal to its own
// slot. When the window finishes, the opener takes input again, with the keyboard at `focusAfter`.
template <typename Window, typename... Args>
Window* openChild(QPointer<Window>& held, QWidget* opener, QWidget* focusAfter,
                  const std::type_identity_t<std::function<void(Window*)>>& connectResult, Args&&... args)
{
    opener->setEnabled(false);
    if (held && held->isVisible()) {
        held->raise();
    } else {
        held = new Window(opener, std::forward<Args>(args)...);
        QObject::connect(held, &ChildWindow::finished, opener,
                         [opener, focus = QPointer<QWidget>(focusAfter)] {
                             opener->setEnabled(true);
                             opener->activateWindow();
                             if (focus)
                                 focus->setFocus(Qt::OtherFocusReason);
                         });
        if (connectResult)
            connectResult(held);
    }
    held->show();
    held->activateWindow();
    return held;
}
