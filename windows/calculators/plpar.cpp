#include "plpar.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Plpar::Plpar(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, state, locale, QStringLiteral("Plpar"),
                       QStringLiteral("Расчет давления насыщенного пара, кПа"), 5235, 2535)
{
    buildControls();
    chainTabOrder({antoineA, antoineB, antoineC, temperature, calculateButton, vapourPressure, applyButton});
    connect(calculateButton, &QPushButton::clicked, this, &Plpar::Command1_Click);
    connect(applyButton, &QPushButton::clicked, this, &Plpar::Command2_Click);
    calculateOnEnter({antoineA, antoineB, antoineC, temperature}, &Plpar::Command1_Click);
    Form_Load();
}

void Plpar::buildControls()
{
    auto* sourceData = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                                 twipsRect(120, 0, 5055, 1935));
    // The constants' letters are Latin, as in the tables of Antoine constants.
    auto* antoineAFrame = makeFrame(sourceData, QStringLiteral("Frame2"), QStringLiteral("Константа A"),
                                    twipsRect(120, 240, 1215, 735));
    auto* antoineBFrame = makeFrame(sourceData, QStringLiteral("Frame3"), QStringLiteral("Константа B"),
                                    twipsRect(1320, 240, 1215, 735));
    auto* antoineCFrame = makeFrame(sourceData, QStringLiteral("Frame4"), QStringLiteral("Константа Ca"),
                                    twipsRect(2520, 240, 1215, 735));
    auto* temperatureFrame = makeFrame(sourceData, QStringLiteral("Frame5"), QStringLiteral("Температура"),
                                       twipsRect(3720, 240, 1215, 735));
    const QRect inputField = twipsRect(120, 240, 975, 375);
    antoineA = makeField(antoineAFrame, QStringLiteral("Text1"), inputColour, inputField, {},
                         antoineAFrame->title());
    antoineB = makeField(antoineBFrame, QStringLiteral("Text2"), inputColour, inputField, {},
                         antoineBFrame->title());
    antoineC = makeField(antoineCFrame, QStringLiteral("Text3"), inputColour, inputField, {},
                         antoineCFrame->title());
    temperature = makeField(temperatureFrame, QStringLiteral("Text4"), inputColour, inputField,
                            QStringLiteral("Расчетная температура (при отсутствии данных tр=61 гр.С)"));

    auto* resultFrame = makeFrame(sourceData, QStringLiteral("Frame6"), QStringLiteral("Результат"),
                                  twipsRect(120, 1080, 3255, 735));
    vapourPressure =
        makeField(resultFrame, QStringLiteral("Text5"), resultColour, twipsRect(360, 240, 2535, 375), {},
                  QStringLiteral("Давление насыщенного пара, кПа"));
    calculateButton = makeButton(sourceData, QStringLiteral("Command1"), QStringLiteral("Расчет"),
                                 twipsRect(3600, 1320, 1335, 375));
    applyButton = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Применить"),
                             twipsRect(1920, 2040, 1335, 375));
}

void Plpar::Form_Load()
{
    showNumbers({{antoineA, state_.A},
                 {antoineB, state_.B},
                 {antoineC, state_.C},
                 {temperature, state_.T1},
                 {vapourPressure, state_.Pn}});
}

void Plpar::Command1_Click()
{
    calculate(vapourPressure, [this] {
        return calculateVapourPressure(state_,
                                       {.a = antoineA->text(),
                                        .b = antoineB->text(),
                                        .c = antoineC->text(),
                                        .temperature = temperature->text()},
                                       locale_);
    });
}

void Plpar::Command2_Click()
{
    applyAndClose(vapourPressure->text());
}
