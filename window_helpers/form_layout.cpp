#include "form_layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

void setFieldColour(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
    field->setAutoFillBackground(true);
}

void nameControl(QWidget* widget, const QString& objectName, const QString& accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName.isEmpty() ? objectName : accessibleName);
}

void useDesignFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect)
{
    auto* frame = new QGroupBox(caption, parent);
    nameControl(frame, name, caption);
    frame->setGeometry(rect);
    // The layouts were drawn for a narrow interface font; a caption that would run into the next
    // frame is set condensed instead.
    constexpr int titleMargins = 12;
    if (frame->fontMetrics().horizontalAdvance(caption) + titleMargins > rect.width()) {
        QFont font = frame->font();
        font.setStretch(QFont::SemiCondensed);
        frame->setFont(font);
    }
    return frame;
}

QLineEdit* makeField(QWidget* parent, const QString& name, const QColor& colour, const QRect& rect,
                     const QString& toolTip, const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    nameControl(field, name, toolTip.isEmpty() ? accessibleName : toolTip);
    field->setToolTip(toolTip);
    field->setGeometry(rect);
    setFieldColour(field, colour);
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                        const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    nameControl(button, name, toolTip.isEmpty() ? caption : toolTip);
    button->setToolTip(toolTip);
    button->setGeometry(rect);
    // Enter on a focused button presses it, as Space does; these windows have no default button.
    button->setAutoDefault(true);
    return button;
}

void makeCaptionBold(QGroupBox* frame)
{
    for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont font = inside->font();
        font.setBold(false);
        inside->setFont(font);
    }
    QFont font = frame->font();
    font.setBold(true);
    frame->setFont(font);
}

void chainTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
