#include "form_layout.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

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
