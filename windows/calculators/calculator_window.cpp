#include "calculator_window.h"

#include "modal.h"
#include "numbers.h"
#include "user_error.h"

CalculatorWindow::CalculatorWindow(QWidget* opener, const CalculationState& state, const QLocale& locale,
                                   const QString& name, const QString& caption, int clientWidthTwips,
                                   int clientHeightTwips)
    : ChildWindow(opener, name, caption, clientWidthTwips, clientHeightTwips), state_(state), locale_(locale)
{
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::applyAndClose(const QString& resultText)
{
    emit applied(resultText);
    close();
}

void CalculatorWindow::showText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

void CalculatorWindow::calculate(QLineEdit* result, const std::function<double()>& formula)
{
    try {
        showText(result, formatNumber(formula(), locale_));
    } catch (const UserError& error) {
        emit stored(state_);
        showError(this, error);
        return;
    }
    emit stored(state_);
}

void CalculatorWindow::showNumbers(std::initializer_list<std::pair<QLineEdit*, double>> fields)
{
    for (const auto& [field, value] : fields)
        showText(field, formatNumber(value, locale_));
}
