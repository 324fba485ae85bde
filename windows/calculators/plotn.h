#pragma once

#include "calculation_state.h"
#include "calculator_window.h"

#include <QLocale>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Density of the gas or vapour at the design temperature, kg/m3, from the molar mass; the result
// goes to the main window's density field.
class Plotn : public CalculatorWindow {
    Q_OBJECT

  public:
    Plotn(QWidget* opener, const CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command1_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();
    QLineEdit* temperature = nullptr; // design temperature, T1
    QLineEdit* density = nullptr;     // density, pl
    QLineEdit* molarMass = nullptr;   // molar mass, M
    QPushButton* applyButton = nullptr;
    QPushButton* calculateButton = nullptr;
};
