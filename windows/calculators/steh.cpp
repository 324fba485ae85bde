#include "steh.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Steh::Steh(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, target, state, locale, QStringLiteral("Steh"),
                       QStringLiteral("Расчет стехиометрической концентрации"), 4215, 2010)
{
    buildControls();
    chainTabOrder({Text1, Text2, Text3, Text4, Command2, Text5, Command1});
    connect(Command2, &QPushButton::clicked, this, &Steh::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Steh::Command1_Click);
    calculateOnEnter({Text1, Text2, Text3, Text4}, &Steh::Command2_Click);
    Form_Load();
}

void Steh::buildControls()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Число атомов"),
                       twipsRect(120, 0, 4095, 1095));
    // The element symbols are Latin letters.
    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("C"), twipsRect(120, 240, 975, 735));
    Frame3 = makeFrame(Frame1, QStringLiteral("Frame3"), QStringLiteral("H"), twipsRect(1080, 240, 975, 735));
    Frame4 = makeFrame(Frame1, QStringLiteral("Frame4"), QStringLiteral("O"), twipsRect(2040, 240, 975, 735));
    Frame5 = makeFrame(Frame1, QStringLiteral("Frame5"), QStringLiteral("X"), twipsRect(3000, 240, 975, 735));
    const QRect countField = twipsRect(120, 240, 735, 405);
    Text1 = makeField(Frame2, QStringLiteral("Text1"), inputColour, countField, {},
                      QStringLiteral("Число атомов углерода"));
    Text2 = makeField(Frame3, QStringLiteral("Text2"), inputColour, countField, {},
                      QStringLiteral("Число атомов водорода"));
    Text3 = makeField(Frame4, QStringLiteral("Text3"), inputColour, countField, {},
                      QStringLiteral("Число атомов кислорода"));
    Text4 = makeField(Frame5, QStringLiteral("Text4"), inputColour, countField, {},
                      QStringLiteral("Число атомов галогенов"));

    Frame6 = makeFrame(this, QStringLiteral("Frame6"), QStringLiteral("Результат"),
                       twipsRect(120, 1200, 2535, 735));
    Text5 = makeField(Frame6, QStringLiteral("Text5"), resultColour, twipsRect(120, 240, 975, 405), {},
                      QStringLiteral("Стехиометрическая концентрация, %"));
    Command2 = makeButton(Frame6, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                          twipsRect(1200, 240, 1215, 375));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                          twipsRect(2760, 1440, 1215, 375));
}

void Steh::Form_Load()
{
    showNumbers({{Text1, state_.nC},
                 {Text2, state_.nH},
                 {Text3, state_.nO},
                 {Text4, state_.nX},
                 {Text5, state_.Cst}});
}

void Steh::Command2_Click()
{
    calculate(Text5, [this] {
        return calculateStoichiometricConcentration(state_,
                                                    {.carbon = Text1->text(),
                                                     .hydrogen = Text2->text(),
                                                     .oxygen = Text3->text(),
                                                     .halogen = Text4->text()},
                                                    locale_);
    });
}

void Steh::Command1_Click()
{
    applyAndClose(Text5->text());
}
