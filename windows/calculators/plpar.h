#pragma once

#include "calculation_state.h"
#include "calculator_window.h"

#include <QLocale>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Saturated vapour pressure of the liquid at the design temperature, kPa, from the Antoine
// constants; the result goes to the Pн field of the liquid-vapour window.
class Plpar : public CalculatorWindow {
    Q_OBJECT

  public:
    Plpar(QWidget* opener, const CalculationState& state, const QLocale& locale);

  private slots:
    void Command1_Click(); // "Расчет"
    void Command2_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();
    QLineEdit* antoineA = nullptr;       // Antoine constant A
    QLineEdit* antoineB = nullptr;       // Antoine constant B
    QLineEdit* antoineC = nullptr;       // Antoine constant C
    QLineEdit* temperature = nullptr;    // design temperature, T1
    QLineEdit* vapourPressure = nullptr; // saturated vapour pressure, Pn
    QPushButton* calculateButton = nullptr;
    QPushButton* applyButton = nullptr;
};
