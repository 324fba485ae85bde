#include "calculator_window.h"

#include "form_layout.h"
#include "modal.h"
#include "numbers.h"
#include "user_error.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

CalculatorWindow::CalculatorWindow(QWidget* opener, QLineEdit* target, CalculationState& state,
                                   const QLocale& locale, const QString& name, const QString& caption,
                                   int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state), locale_(locale), opener_(opener), target_(target)
{
    // A top-level window of its own: as a child it would be disabled together with its opener.
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));
    if (opener) {
        move(opener->frameGeometry().center() - rect().center());
        // The window reads and writes the opener's state; it must not outlive it.
        connect(opener, &QObject::destroyed, this, [this] { delete this; });
    }
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::applyAndClose(const QString& resultText)
{
    if (target_)
        showText(target_, resultText);
    close();
}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (opener_) {
        opener_->setEnabled(true);
        // The keyboard goes back to the opener, at the field that got the result; disabling the
        // opener took the focus away from its "<=" button.
        opener_->activateWindow();
        if (target_)
            target_->setFocus(Qt::OtherFocusReason);
    }
    event->accept();
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
        showError(this, error);
    }
}

void CalculatorWindow::showNumbers(std::initializer_list<std::pair<QLineEdit*, double>> fields)
{
    for (const auto& [field, value] : fields)
        showText(field, formatNumber(value, locale_));
}
