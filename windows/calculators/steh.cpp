#include "steh.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Steh::Steh(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, state, locale, QStringLiteral("Steh"),
                       QStringLiteral("Расчет стехиометрической концентрации"), 4215, 2010)
{
    buildControls();
    chainTabOrder(
        {carbonAtoms, hydrogenAtoms, oxygenAtoms, halogenAtoms, calculateButton, concentration, applyButton});
    connect(calculateButton, &QPushButton::clicked, this, &Steh::Command2_Click);
    connect(applyButton, &QPushButton::clicked, this, &Steh::Command1_Click);
    calculateOnEnter({carbonAtoms, hydrogenAtoms, oxygenAtoms, halogenAtoms}, &Steh::Command2_Click);
    Form_Load();
}

void Steh::buildControls()
{
    auto* atomCounts = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Число атомов"),
                                 twipsRect(120, 0, 4095, 1095));
    // The element symbols are Latin letters.
    auto* carbonFrame =
        makeFrame(atomCounts, QStringLiteral("Frame2"), QStringLiteral("C"), twipsRect(120, 240, 975, 735));
    auto* hydrogenFrame =
        makeFrame(atomCounts, QStringLiteral("Frame3"), QStringLiteral("H"), twipsRect(1080, 240, 975, 735));
    auto* oxygenFrame =
        makeFrame(atomCounts, QStringLiteral("Frame4"), QStringLiteral("O"), twipsRect(2040, 240, 975, 735));
    auto* halogenFrame =
        makeFrame(atomCounts, QStringLiteral("Frame5"), QStringLiteral("X"), twipsRect(3000, 240, 975, 735));
    const QRect countField = twipsRect(120, 240, 735, 405);
    carbonAtoms = makeField(carbonFrame, QStringLiteral("Text1"), inputColour, countField, {},
                            QStringLiteral("Число атомов углерода"));
    hydrogenAtoms = makeField(hydrogenFrame, QStringLiteral("Text2"), inputColour, countField, {},
                              QStringLiteral("Число атомов водорода"));
    oxygenAtoms = makeField(oxygenFrame, QStringLiteral("Text3"), inputColour, countField, {},
                            QStringLiteral("Число атомов кислорода"));
    halogenAtoms = makeField(halogenFrame, QStringLiteral("Text4"), inputColour, countField, {},
                             QStringLiteral("Число атомов галогенов"));

    auto* resultFrame = makeFrame(this, QStringLiteral("Frame6"), QStringLiteral("Результат"),
                                  twipsRect(120, 1200, 2535, 735));
    concentration =
        makeField(resultFrame, QStringLiteral("Text5"), resultColour, twipsRect(120, 240, 975, 405), {},
                  QStringLiteral("Стехиометрическая концентрация, %"));
    calculateButton = makeButton(resultFrame, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                                 twipsRect(1200, 240, 1215, 375));
    applyButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                             twipsRect(2760, 1440, 1215, 375));
}

void Steh::Form_Load()
{
    showNumbers({{carbonAtoms, state_.nC},
                 {hydrogenAtoms, state_.nH},
                 {oxygenAtoms, state_.nO},
                 {halogenAtoms, state_.nX},
                 {concentration, state_.Cst}});
}

void Steh::Command2_Click()
{
    calculate(concentration, [this] {
        return calculateStoichiometricConcentration(state_,
                                                    {.carbon = carbonAtoms->text(),
                                                     .hydrogen = hydrogenAtoms->text(),
                                                     .oxygen = oxygenAtoms->text(),
                                                     .halogen = halogenAtoms->text()},
                                                    locale_);
    });
}

void Steh::Command1_Click()
{
    applyAndClose(concentration->text());
}
