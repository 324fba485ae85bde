#pragma once

#include "calculation_state.h"
#include "calculator_window.h"

#include <QLocale>
#include <QPointer>

class Plpar;
class QGroupBox;
class QLineEdit;
class QPushButton;

// Mass of liquid evaporating from a spill, kg, from the spill area, the evaporation time, the air
// flow coefficient, the molar mass and the saturated vapour pressure; the result goes to the main
// window's mass field. The vapour pressure can be derived in its own window opened from here.
class Massjid : public CalculatorWindow {
    Q_OBJECT

  public:
    Massjid(QWidget* opener, const CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command3_Click(); // opens the vapour-pressure window
    void Command1_Click(); // "Применить"
    void adoptVapourPressureState(const CalculationState& state);

  private:
    void Form_Load();
    void buildControls();

    QPointer<Plpar> plpar_;               // the vapour-pressure window, while open
    QLineEdit* evaporationTime = nullptr; // evaporation time, tr
    QLineEdit* vapourPressure = nullptr;  // saturated vapour pressure, Pn
    QLineEdit* evaporationArea = nullptr; // evaporation area, Fi
    QLineEdit* molarMass = nullptr;       // molar mass, M
    QLineEdit* airFlowFactor = nullptr;   // air flow coefficient, n
    QLineEdit* evaporatedMass = nullptr;  // evaporated mass, Em
    QPushButton* applyButton = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* vapourPressureButton = nullptr;
};
