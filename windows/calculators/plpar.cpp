#include "plpar.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Plpar::Plpar(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, target, state, locale, QStringLiteral("Plpar"),
                       QStringLiteral("Расчет давления насыщенного пара, кПа"), 5235, 2535)
{
    buildControls();
    chainTabOrder({Text1, Text2, Text3, Text4, Command1, Text5, Command2});
    connect(Command1, &QPushButton::clicked, this, &Plpar::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Plpar::Command2_Click);
    calculateOnEnter({Text1, Text2, Text3, Text4}, &Plpar::Command1_Click);
    Form_Load();
}

void Plpar::buildControls()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                       twipsRect(120, 0, 5055, 1935));
    // The constants' letters are Latin, as in the tables of Antoine constants.
    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("Константа A"),
                       twipsRect(120, 240, 1215, 735));
    Frame3 = makeFrame(Frame1, QStringLiteral("Frame3"), QStringLiteral("Константа B"),
                       twipsRect(1320, 240, 1215, 735));
    Frame4 = makeFrame(Frame1, QStringLiteral("Frame4"), QStringLiteral("Константа Ca"),
                       twipsRect(2520, 240, 1215, 735));
    Frame5 = makeFrame(Frame1, QStringLiteral("Frame5"), QStringLiteral("Температура"),
                       twipsRect(3720, 240, 1215, 735));
    const QRect inputField = twipsRect(120, 240, 975, 375);
    Text1 = makeField(Frame2, QStringLiteral("Text1"), inputColour, inputField, {}, Frame2->title());
    Text2 = makeField(Frame3, QStringLiteral("Text2"), inputColour, inputField, {}, Frame3->title());
    Text3 = makeField(Frame4, QStringLiteral("Text3"), inputColour, inputField, {}, Frame4->title());
    Text4 = makeField(Frame5, QStringLiteral("Text4"), inputColour, inputField,
                      QStringLiteral("Расчетная температура (при отсутствии данных tр=61 гр.С)"));

    Frame6 = makeFrame(Frame1, QStringLiteral("Frame6"), QStringLiteral("Результат"),
                       twipsRect(120, 1080, 3255, 735));
    Text5 = makeField(Frame6, QStringLiteral("Text5"), resultColour, twipsRect(360, 240, 2535, 375), {},
                      QStringLiteral("Давление насыщенного пара, кПа"));
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), QStringLiteral("Расчет"),
                          twipsRect(3600, 1320, 1335, 375));
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Применить"),
                          twipsRect(1920, 2040, 1335, 375));
}

void Plpar::Form_Load()
{
    showNumbers(
        {{Text1, state_.A}, {Text2, state_.B}, {Text3, state_.C}, {Text4, state_.T1}, {Text5, state_.Pn}});
}

void Plpar::Command1_Click()
{
    calculate(Text5, [this] {
        return calculateVapourPressure(
            state_,
            {.a = Text1->text(), .b = Text2->text(), .c = Text3->text(), .temperature = Text4->text()},
            locale_);
    });
}

void Plpar::Command2_Click()
{
    applyAndClose(Text5->text());
}
