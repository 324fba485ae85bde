#include "window_dump.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// What a control shows and how: caption, title or text, then field colour, bold caption, check state.
QStringList shown(const QWidget& widget)
{
    QStringList details;
    QString text;
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        text = frame->title();
        if (frame->font().bold())
            details << QStringLiteral("bold");
    } else if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        text = button->text();
        if (auto* box = qobject_cast<const QCheckBox*>(&widget))
            details << (box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    } else if (auto* field = qobject_cast<const QLineEdit*>(&widget)) {
        text = field->text();
        details << QStringLiteral("colour=") + field->palette().color(QPalette::Base).name();
    }
    if (!widget.isEnabled())
        details << QStringLiteral("disabled");
    return {text, widget.toolTip(), details.join(u' ')};
}

// The named controls that Tab reaches, in the order it reaches them.
QStringList tabOrder(const QWidget& window)
{
    QStringList order;
    const QWidget* start = window.nextInFocusChain();
    for (const QWidget* w = start; w && w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && window.isAncestorOf(w))
            order << w->objectName();
        if (w->nextInFocusChain() == start)
            break;
    }
    return order;
}

QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where the program put a control. Only what it sets from its twips layouts is dumped: a control
// that a layout, a main window or a tool bar places, and the menu and tool bars themselves, take
// their places and sizes from the installed fonts' metrics, which differ between machines, so a
// dump holding them would fail wherever other fonts are installed. Such a control shows "laid out"
// and, when the program fixes its size, that size. In a window the user can resize, the size of a
// control follows the window's outer size (its tool bar included): only its position is dumped.
bool inLayout(const QLayout* layout, const QWidget& widget)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == &widget || inLayout(item->layout(), widget))
            return true;
    }
    return false;
}

QString placement(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    const bool laidOut = (parent && inLayout(parent->layout(), widget))
                         || qobject_cast<const QMainWindow*>(parent)
                         || qobject_cast<const QToolBar*>(&widget);
    if (laidOut)
        return widget.minimumSize() == widget.maximumSize()
                   ? QStringLiteral("laid out %1x%2").arg(widget.width()).arg(widget.height())
                   : QStringLiteral("laid out");
    const QWidget* window = widget.window();
    if (window->minimumSize() != window->maximumSize())
        return QStringLiteral("%1,%2 sized with the window").arg(widget.x()).arg(widget.y());
    return rectText(widget.geometry());
}

// The window's size as the program sets it: a main window's client area (its menu bar takes a
// font's height), a fixed window's size; a window the user can resize shows "resizable".
QString programSize(const QWidget& window)
{
    const auto* main = qobject_cast<const QMainWindow*>(&window);
    if (main && main->centralWidget())
        return rectText(QRect(QPoint(), main->centralWidget()->size()));
    if (window.minimumSize() == window.maximumSize())
        return rectText(QRect(QPoint(), window.size()));
    return QStringLiteral("resizable");
}

QStringList actionLines(const QWidget& holder)
{
    const auto* menu = qobject_cast<const QMenu*>(&holder);
    QStringList lines{(menu ? QStringLiteral("menu ") : QStringLiteral("tool bar ")) + holder.objectName()
                      + QStringLiteral(" | ") + (menu ? menu->title() : QString())};
    for (const QAction* action : holder.actions())
        lines << (action->isSeparator()
                      ? QStringLiteral("  -")
                      : QStringLiteral("  ") + action->objectName() + QStringLiteral(" | ") + action->text()
                            + QStringLiteral(" | ") + action->shortcut().toString());
    return lines;
}

} // namespace

QString dumpWindow(const QWidget& window)
{
    const QStringList tabs = tabOrder(window);
    QStringList lines{window.objectName() + QStringLiteral(" | ") + window.windowTitle()
                      + QStringLiteral(" | ") + programSize(window)};
    QStringList holders;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // Qt's own parts of a control (scroll areas, extension buttons) are named "qt_…".
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QToolBar*>(widget))
            holders << actionLines(*widget);
        if (qobject_cast<const QMenu*>(widget))
            continue;
        const int tab = int(tabs.indexOf(widget->objectName()));
        lines << (QStringList{widget->objectName(), QString::fromLatin1(widget->metaObject()->className()),
                              widget->parentWidget() ? widget->parentWidget()->objectName() : QString(),
                              placement(*widget)}
                  + shown(*widget) + QStringList{tab < 0 ? QString() : QStringLiteral("tab %1").arg(tab)})
                     .join(QStringLiteral(" | "));
    }
    return (lines + holders).join(u'\n') + u'\n';
}

void expectWindowDump(const QWidget& window, const QString& expectedFile)
{
    const QByteArray dump = dumpWindow(window).toUtf8();
    QFile file(expectedFile);
    if (qEnvironmentVariableIntValue("OVERPRESSURE_UPDATE_DUMPS") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(dump) == dump.size())
            << expectedFile.toStdString();
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no expected dump " << expectedFile.toStdString();
    EXPECT_EQ(dump.toStdString(), file.readAll().toStdString())
        << "the window differs from " << expectedFile.toStdString();
}
