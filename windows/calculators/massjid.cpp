#include "massjid.h"

#include "calculator_formulas.h"
#include "form_layout.h"
#include "plpar.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Massjid::Massjid(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, state, locale, QStringLiteral("Massjid"),
                       QStringLiteral("Расчет массы паров жидкости"), 4245, 2355)
{
    buildControls();
    chainTabOrder({evaporationArea, evaporationTime, airFlowFactor, molarMass, vapourPressure,
                   vapourPressureButton, calculateButton, evaporatedMass, applyButton});
    connect(calculateButton, &QPushButton::clicked, this, &Massjid::Command2_Click);
    connect(vapourPressureButton, &QPushButton::clicked, this, &Massjid::Command3_Click);
    connect(applyButton, &QPushButton::clicked, this, &Massjid::Command1_Click);
    calculateOnEnter({evaporationArea, evaporationTime, airFlowFactor, molarMass, vapourPressure},
                     &Massjid::Command2_Click);
    Form_Load();
}

void Massjid::buildControls()
{
    auto* sourceData = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                                 twipsRect(0, 0, 4215, 1815));
    const QRect inputField = twipsRect(120, 240, 1095, 375);
    auto* areaFrame = makeFrame(sourceData, QStringLiteral("Frame2"), QStringLiteral("Fи, кв.м."),
                                twipsRect(120, 240, 1335, 735));
    evaporationArea = makeField(areaFrame, QStringLiteral("Text3"), inputColour, inputField,
                                QStringLiteral("Площадь испарения"));
    auto* timeFrame = makeFrame(sourceData, QStringLiteral("Frame3"), QStringLiteral("Т, сек"),
                                twipsRect(1440, 240, 1335, 735));
    evaporationTime = makeField(timeFrame, QStringLiteral("Text1"), inputColour, inputField,
                                QStringLiteral("Время испрения"));
    auto* airFlowFrame =
        makeFrame(sourceData, QStringLiteral("Frame6"), QStringLiteral("n"), twipsRect(2760, 240, 1335, 735));
    airFlowFactor = makeField(
        airFlowFrame, QStringLiteral("Text5"), inputColour, inputField,
        QStringLiteral(
            "Коэффициент зависящий от скорости и температуры воздушного потока над поверхностью испарения"));
    auto* molarMassFrame =
        makeFrame(sourceData, QStringLiteral("Frame5"), QStringLiteral("М"), twipsRect(120, 960, 1335, 735));
    molarMass = makeField(molarMassFrame, QStringLiteral("Text4"), inputColour, inputField,
                          QStringLiteral("Молярная масса вещества"));

    // The vapour pressure is typed here but usually comes from the vapour-pressure window, hence the
    // colour of a derived field.
    auto* vapourPressureFrame = makeFrame(sourceData, QStringLiteral("Frame4"), QStringLiteral("Pн, кПа"),
                                          twipsRect(1440, 960, 1335, 735));
    vapourPressure = makeField(vapourPressureFrame, QStringLiteral("Text2"), resultColour,
                               twipsRect(120, 240, 735, 375), QStringLiteral("Давление насыщенного пара"));
    vapourPressureButton = makeButton(vapourPressureFrame, QStringLiteral("Command3"), QStringLiteral("…"),
                                      twipsRect(840, 240, 375, 375));
    vapourPressureButton->setToolTip(QStringLiteral("Рассчитать давление насыщенного пара"));
    vapourPressureButton->setAccessibleName(vapourPressureButton->toolTip());
    calculateButton = makeButton(sourceData, QStringLiteral("Command2"), QStringLiteral("Расчет"),
                                 twipsRect(3000, 1200, 975, 375));

    evaporatedMass = makeField(this, QStringLiteral("Text6"), resultColour, twipsRect(120, 1920, 2055, 375),
                               {}, QStringLiteral("Масса паров жидкости, кг"));
    applyButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                             twipsRect(2880, 1920, 1215, 375));
}

void Massjid::Form_Load()
{
    showNumbers({{evaporationArea, state_.Fi},
                 {evaporationTime, state_.tr},
                 {vapourPressure, state_.Pn},
                 {molarMass, state_.M},
                 {airFlowFactor, state_.n},
                 {evaporatedMass, state_.Em}});
}

void Massjid::Command2_Click()
{
    calculate(evaporatedMass, [this] {
        return calculateEvaporatedMass(state_,
                                       {.area = evaporationArea->text(),
                                        .time = evaporationTime->text(),
                                        .vapourPressure = vapourPressure->text(),
                                        .molarMass = molarMass->text(),
                                        .airFlowFactor = airFlowFactor->text()},
                                       locale_);
    });
}

void Massjid::Command3_Click()
{
    openChild<Plpar>(
        plpar_, this, vapourPressure,
        [this](Plpar* window) {
            connect(window, &Plpar::stored, this, &Massjid::adoptVapourPressureState);
            connect(window, &Plpar::applied, this,
                    [this](const QString& text) { showText(vapourPressure, text); });
        },
        state_, locale_);
}

// What the vapour-pressure window stored goes on to this window's opener as well.
void Massjid::adoptVapourPressureState(const CalculationState& state)
{
    state_ = state;
    emit stored(state_);
}

void Massjid::Command1_Click()
{
    applyAndClose(evaporatedMass->text());
}
