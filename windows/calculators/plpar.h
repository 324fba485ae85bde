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
    Plpar(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale);

  private slots:
    void Command1_Click(); // "Расчет"
    void Command2_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLineEdit* Text1 = nullptr; // Antoine constant A
    QLineEdit* Text2 = nullptr; // Antoine constant B
    QLineEdit* Text3 = nullptr; // Antoine constant C
    QLineEdit* Text4 = nullptr; // design temperature, T1
    QLineEdit* Text5 = nullptr; // saturated vapour pressure, Pn
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
