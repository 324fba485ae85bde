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
    Plotn(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command1_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLineEdit* Text1 = nullptr; // design temperature, T1
    QLineEdit* Text2 = nullptr; // density, pl
    QLineEdit* Text3 = nullptr; // molar mass, M
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
