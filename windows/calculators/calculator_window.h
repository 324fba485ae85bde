#pragma once

#include "calculation_state.h"

#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <utility>

class QColor;
class QGroupBox;
class QPushButton;
class QRect;

// A small window that derives one input of the calculation that opened it. The opener takes no
// input while the calculator is open; "Применить" hands the result text to one field of the opener,
// enables the opener again and closes the calculator, which is then discarded, so the next opening
// starts again from the calculation state.
class CalculatorWindow : public QWidget {
    Q_OBJECT

  public:
    ~CalculatorWindow() override;

  protected:
    // The client area is given in twips. `target` is the opener's field that receives the result;
    // it may be null for a window that hands nothing back. The window reads and writes `state`, and
    // shows and reads its numbers in `locale`.
    CalculatorWindow(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale,
                     const QString& name, const QString& caption, int clientWidthTwips,
                     int clientHeightTwips);

    // What every "Расчет" does: runs `formula`, which reads the fields and stores into the state, and
    // shows its result in `result` by the number rule, or tells the user "Ошибка ввода данных!".
    void calculate(QLineEdit* result, const std::function<double()>& formula);

    // Fills fields with numbers of the state, as each window does when it loads.
    void showNumbers(std::initializer_list<std::pair<QLineEdit*, double>> fields);

    // Copies `resultText` unchanged (not parsed, empty text included) into the opener's field and
    // closes the window.
    void applyAndClose(const QString& resultText);

    // However the window is closed, the opener gets its input back; nothing is copied unless
    // applyAndClose() did it. A window waiting for a calculator of its own refuses to close.
    void closeEvent(QCloseEvent* event) override;

    // Puts text into a field scrolled to its beginning, so that a long number shows its most
    // significant digits.
    static void showText(QLineEdit* field, const QString& text);

    // Enter in any of these fields runs the calculation, as its button does.
    template <typename Window>
    void calculateOnEnter(std::initializer_list<QLineEdit*> fields, void (Window::*calculate)());

    CalculationState& state_;
    const QLocale locale_;

  private:
    QPointer<QWidget> opener_;
    QPointer<QLineEdit> target_;
};

// Disables the opener and shows the calculator window it holds in `held`, creating it unless it is
// open already (a closed window waiting to be deleted does not count): each exists at most once.
template <typename Window, typename... Args>
Window* openCalculator(QPointer<Window>& held, QWidget* opener, Args&&... args)
{
    opener->setEnabled(false);
    if (held && held->isVisible())
        held->raise();
    else
        held = new Window(opener, std::forward<Args>(args)...);
    held->show();
    held->activateWindow();
    return held;
}

template <typename Window>
void CalculatorWindow::calculateOnEnter(std::initializer_list<QLineEdit*> fields, void (Window::*calculate)())
{
    auto* window = static_cast<Window*>(this);
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::returnPressed, window, calculate);
}
