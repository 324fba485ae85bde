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

QString shownText(const QWidget& widget)
{
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return frame->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* field = qobject_cast<const QLineEdit*>(&widget))
        return field->text();
    return {};
}

QString details(const QWidget& widget)
{
    QStringList parts;
    if (auto* field = qobject_cast<const QLineEdit*>(&widget))
        parts << QStringLiteral("colour=") + field->palette().color(QPalette::Base).name();
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget); frame && frame->font().bold())
        parts << QStringLiteral("bold");
    if (auto* box = qobject_cast<const QCheckBox*>(&widget))
        parts << (box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    if (!widget.isEnabled())
        parts << QStringLiteral("disabled");
    return parts.join(u' ');
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

} // namespace

QString dumpWindow(const QWidget& window)
{
    const QStringList tabs = tabOrder(window);
    QStringList lines{window.objectName() + QStringLiteral(" | ") + window.windowTitle()
                      + QStringLiteral(" | ") + rectText(QRect(QPoint(), window.size()))};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // Qt's own parts of a control (scroll areas, extension buttons) are named "qt_…".
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_")
            || qobject_cast<const QMenu*>(widget))
            continue;
        const int tab = int(tabs.indexOf(widget->objectName()));
        lines << QStringList{widget->objectName(),
                             QString::fromLatin1(widget->metaObject()->className()),
                             widget->parentWidget() ? widget->parentWidget()->objectName() : QString(),
                             rectText(widget->geometry()),
                             shownText(*widget),
                             widget->toolTip(),
                             details(*widget),
                             tab < 0 ? QString() : QStringLiteral("tab %1").arg(tab)}
                     .join(QStringLiteral(" | "));
    }
    for (const QWidget* holder : window.findChildren<QWidget*>()) {
        const auto* menu = qobject_cast<const QMenu*>(holder);
        if (holder->objectName().isEmpty() || (!menu && !qobject_cast<const QToolBar*>(holder)))
            continue;
        lines << (menu ? QStringLiteral("menu ") : QStringLiteral("tool bar ")) + holder->objectName()
                     + QStringLiteral(" | ") + (menu ? menu->title() : QString());
        for (const QAction* action : holder->actions())
            lines << (action->isSeparator()
                          ? QStringLiteral("  -")
                          : QStringLiteral("  ") + action->objectName() + QStringLiteral(" | ")
                                + action->text() + QStringLiteral(" | ") + action->shortcut().toString());
    }
    return lines.join(u'\n') + u'\n';
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
    const QByteArray expected = file.readAll();
    EXPECT_EQ(QString::fromUtf8(dump).toStdString(), QString::fromUtf8(expected).toStdString())
        << "the window differs from " << expectedFile.toStdString();
}
