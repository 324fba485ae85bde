#include "plotn.h"

#include "calculator_formulas.h"
#include "form_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Plotn::Plotn(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, target, state, locale, QStringLiteral("Plotn"),
                       QStringLiteral("Расчет плотности газа/пара "), 3795, 2385)
{
    buildControls();
    chainTabOrder({Text3, Text1, Command2, Text2, Command1});
    connect(Command2, &QPushButton::clicked, this, &Plotn::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Plotn::Command1_Click);
    calculateOnEnter({Text3, Text1}, &Plotn::Command2_Click);
    Form_Load();
}

void Plotn::buildControls()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                       twipsRect(0, 0, 3735, 1095));
    Frame5 = makeFrame(Frame1, QStringLiteral("Frame5"), QStringLiteral("М"), twipsRect(240, 240, 1335, 735));
    Text3 = makeField(Frame5, QStringLiteral("Text3"), inputColour, twipsRect(120, 240, 1095, 375),
                      QStringLiteral("Молярная масса вещества"));
    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("tр, гр.С"),
                       twipsRect(1920, 240, 1695, 735));
    Text1 = makeField(Frame2, QStringLiteral("Text1"), inputColour, twipsRect(120, 240, 1455, 375),
                      QStringLiteral("Расчетная температура (при отсутствии данных tр=61 гр.С)"));

    Frame3 =
        makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("Результат"), twipsRect(0, 1080, 3735, 735));
    Text2 = makeField(Frame3, QStringLiteral("Text2"), resultColour, twipsRect(120, 240, 2055, 375), {},
                      QStringLiteral("Плотность газа или пара, кг/куб.м."));
    Command2 = makeButton(Frame3, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                          twipsRect(2280, 240, 1335, 375));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                          twipsRect(1200, 1920, 1215, 375));
}

void Plotn::Form_Load()
{
    showNumbers({{Text3, state_.M}, {Text1, state_.T1}, {Text2, state_.pl}});
}

void Plotn::Command2_Click()
{
    calculate(Text2, [this] {
        return calculateDensity(state_, {.molarMass = Text3->text(), .temperature = Text1->text()}, locale_);
    });
}

void Plotn::Command1_Click()
{
    applyAndClose(Text2->text());
}
