#include "window_dump.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
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
                      + QStringLiteral(" | ") + rectText(QRect(QPoint(), window.size()))};
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
                              rectText(widget->geometry())}
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
