#include "plotn.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Plotn::Plotn(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, state, locale, QStringLiteral("Plotn"),
                       QStringLiteral("Расчет плотности газа/пара "), 3795, 2385)
{
    buildControls();
    chainTabOrder({molarMass, temperature, calculateButton, density, applyButton});
    connect(calculateButton, &QPushButton::clicked, this, &Plotn::Command2_Click);
    connect(applyButton, &QPushButton::clicked, this, &Plotn::Command1_Click);
    calculateOnEnter({molarMass, temperature}, &Plotn::Command2_Click);
    Form_Load();
}

void Plotn::buildControls()
{
    auto* sourceData = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                                 twipsRect(0, 0, 3735, 1095));
    auto* molarMassFrame =
        makeFrame(sourceData, QStringLiteral("Frame5"), QStringLiteral("М"), twipsRect(240, 240, 1335, 735));
    molarMass = makeField(molarMassFrame, QStringLiteral("Text3"), inputColour,
                          twipsRect(120, 240, 1095, 375), QStringLiteral("Молярная масса вещества"));
    auto* temperatureFrame = makeFrame(sourceData, QStringLiteral("Frame2"), QStringLiteral("tр, гр.С"),
                                       twipsRect(1920, 240, 1695, 735));
    temperature =
        makeField(temperatureFrame, QStringLiteral("Text1"), inputColour, twipsRect(120, 240, 1455, 375),
                  QStringLiteral("Расчетная температура (при отсутствии данных tр=61 гр.С)"));

    auto* resultFrame =
        makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("Результат"), twipsRect(0, 1080, 3735, 735));
    density = makeField(resultFrame, QStringLiteral("Text2"), resultColour, twipsRect(120, 240, 2055, 375),
                        {}, QStringLiteral("Плотность газа или пара, кг/куб.м."));
    calculateButton = makeButton(resultFrame, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                                 twipsRect(2280, 240, 1335, 375));
    applyButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                             twipsRect(1200, 1920, 1215, 375));
}

void Plotn::Form_Load()
{
    showNumbers({{molarMass, state_.M}, {temperature, state_.T1}, {density, state_.pl}});
}

void Plotn::Command2_Click()
{
    calculate(density, [this] {
        return calculateDensity(state_, {.molarMass = molarMass->text(), .temperature = temperature->text()},
                                locale_);
    });
}

void Plotn::Command1_Click()
{
    applyAndClose(density->text());
}
