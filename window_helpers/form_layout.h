#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <initializer_list>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// The windows are laid out in twips, 15 to a pixel at the usual 96 dots per inch.
constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// Fields the user types are light yellow; fields a calculation or calculator fills are light green.
inline const QColor inputColour{255, 255, 192};
inline const QColor resultColour{192, 255, 192};
void setFieldColour(QLineEdit* field, const QColor& colour);

// Gives a control its fixed name, used by tests and by assistive technology alike.
void nameControl(QWidget* widget, const QString& objectName, const QString& accessibleName = {});

// The windows are drawn for an 8-point interface font; larger system fonts would not fit the
// fixed layouts. Call once after creating the application.
void useDesignFont();

// The controls of the fixed layouts, each named and placed in pixels (see twipsRect()).
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect);
QLineEdit* makeField(QWidget* parent, const QString& name, const QColor& colour, const QRect& rect,
                     const QString& toolTip = {}, const QString& accessibleName = {});
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                        const QString& toolTip = {});

// Sets a frame's caption in bold while the controls inside keep the ordinary weight.
void makeCaptionBold(QGroupBox* frame);

// Tab moves through the controls in the order given.
void chainTabOrder(std::initializer_list<QWidget*> controls);
