#pragma once

#include "calculation_state.h"
#include "child_window.h"

#include <QLineEdit>
#include <QLocale>

#include <functional>
#include <initializer_list>
#include <utility>

// A child window that derives one input of the calculation that opened it. It works on its own
// copy of the calculation state, taken when it opens: every "Расчет" hands the copy back through
// stored(), and "Применить" hands the result text through applied() and closes the window.
class CalculatorWindow : public ChildWindow {
    Q_OBJECT

  public:
    ~CalculatorWindow() override;

  signals:
    // The result field's text, unchanged (not parsed, empty text included), for the opener's field.
    void applied(const QString& resultText);
    // The state after a "Расчет", also one that failed: what it stored before the failure stays.
    void stored(const CalculationState& state);

  protected:
    // The client area is given in twips. The window reads `state`, and shows and reads its numbers
    // in `locale`.
    CalculatorWindow(QWidget* opener, const CalculationState& state, const QLocale& locale,
                     const QString& name, const QString& caption, int clientWidthTwips,
                     int clientHeightTwips);

    // What every "Расчет" does: runs `formula`, which reads the fields and stores into the state, and
    // shows its result in `result` by the number rule, or tells the user "Ошибка ввода данных!".
    void calculate(QLineEdit* result, const std::function<double()>& formula);

    // Fills fields with numbers of the state, as each window does when it loads.
    void showNumbers(std::initializer_list<std::pair<QLineEdit*, double>> fields);

    // Hands `resultText` to the opener and closes the window.
    void applyAndClose(const QString& resultText);

    // Puts text into a field scrolled to its beginning, so that a long number shows its most
    // significant digits.
    static void showText(QLineEdit* field, const QString& text);

    // Enter in any of these fields runs the calculation, as its button does.
    template <typename Window>
    void calculateOnEnter(std::initializer_list<QLineEdit*> fields, void (Window::*calculate)());

    CalculationState state_;
    const QLocale locale_;
};

template <typename Window>
void CalculatorWindow::calculateOnEnter(std::initializer_list<QLineEdit*> fields, void (Window::*calculate)())
{
    auto* window = static_cast<Window*>(this);
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::returnPressed, window, calculate);
}
