#include "massjid.h"

#include "calculator_formulas.h"
#include "form_layout.h"
#include "plpar.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Massjid::Massjid(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, target, state, locale, QStringLiteral("Massjid"),
                       QStringLiteral("Расчет массы паров жидкости"), 4245, 2355)
{
    buildControls();
    chainTabOrder({Text3, Text1, Text5, Text4, Text2, Command3, Command2, Text6, Command1});
    connect(Command2, &QPushButton::clicked, this, &Massjid::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Massjid::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Massjid::Command1_Click);
    calculateOnEnter({Text3, Text1, Text5, Text4, Text2}, &Massjid::Command2_Click);
    Form_Load();
}

void Massjid::buildControls()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                       twipsRect(0, 0, 4215, 1815));
    const QRect inputField = twipsRect(120, 240, 1095, 375);
    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("Fи, кв.м."),
                       twipsRect(120, 240, 1335, 735));
    Text3 = makeField(Frame2, QStringLiteral("Text3"), inputColour, inputField,
                      QStringLiteral("Площадь испарения"));
    Frame3 = makeFrame(Frame1, QStringLiteral("Frame3"), QStringLiteral("Т, сек"),
                       twipsRect(1440, 240, 1335, 735));
    Text1 =
        makeField(Frame3, QStringLiteral("Text1"), inputColour, inputField, QStringLiteral("Время испрения"));
    Frame6 =
        makeFrame(Frame1, QStringLiteral("Frame6"), QStringLiteral("n"), twipsRect(2760, 240, 1335, 735));
    Text5 = makeField(
        Frame6, QStringLiteral("Text5"), inputColour, inputField,
        QStringLiteral(
            "Коэффициент зависящий от скорости и температуры воздушного потока над поверхностью испарения"));
    Frame5 = makeFrame(Frame1, QStringLiteral("Frame5"), QStringLiteral("М"), twipsRect(120, 960, 1335, 735));
    Text4 = makeField(Frame5, QStringLiteral("Text4"), inputColour, inputField,
                      QStringLiteral("Молярная масса вещества"));

    // The vapour pressure is typed here but usually comes from the vapour-pressure window, hence the
    // colour of a derived field.
    Frame4 = makeFrame(Frame1, QStringLiteral("Frame4"), QStringLiteral("Pн, кПа"),
                       twipsRect(1440, 960, 1335, 735));
    Text2 = makeField(Frame4, QStringLiteral("Text2"), resultColour, twipsRect(120, 240, 735, 375),
                      QStringLiteral("Давление насыщенного пара"));
    Command3 =
        makeButton(Frame4, QStringLiteral("Command3"), QStringLiteral("…"), twipsRect(840, 240, 375, 375));
    Command3->setToolTip(QStringLiteral("Рассчитать давление насыщенного пара"));
    Command3->setAccessibleName(Command3->toolTip());
    Command2 = makeButton(Frame1, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                          twipsRect(3000, 1200, 975, 375));

    Text6 = makeField(this, QStringLiteral("Text6"), resultColour, twipsRect(120, 1920, 2055, 375), {},
                      QStringLiteral("Масса паров жидкости, кг"));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                          twipsRect(2880, 1920, 1215, 375));
}

void Massjid::Form_Load()
{
    showNumbers({{Text3, state_.Fi},
                 {Text1, state_.tr},
                 {Text2, state_.Pn},
                 {Text4, state_.M},
                 {Text5, state_.n},
                 {Text6, state_.Em}});
}

void Massjid::Command2_Click()
{
    calculate(Text6, [this] {
        return calculateEvaporatedMass(state_,
                                       {.area = Text3->text(),
                                        .time = Text1->text(),
                                        .vapourPressure = Text2->text(),
                                        .molarMass = Text4->text(),
                                        .airFlowFactor = Text5->text()},
                                       locale_);
    });
}

void Massjid::Command3_Click()
{
    openCalculator(plpar_, this, Text2, state_, locale_);
}

void Massjid::Command1_Click()
{
    applyAndClose(Text6->text());
}
