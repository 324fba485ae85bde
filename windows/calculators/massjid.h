#pragma once

#include "calculation_state.h"
#include "calculator_window.h"

#include <QLocale>

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
    Massjid(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command3_Click(); // opens the vapour-pressure window
    void Command1_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();

    QPointer<Plpar> plpar_; // the vapour-pressure window, while open

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLineEdit* Text1 = nullptr; // evaporation time, tr
    QLineEdit* Text2 = nullptr; // saturated vapour pressure, Pn
    QLineEdit* Text3 = nullptr; // evaporation area, Fi
    QLineEdit* Text4 = nullptr; // molar mass, M
    QLineEdit* Text5 = nullptr; // air flow coefficient, n
    QLineEdit* Text6 = nullptr; // evaporated mass, Em
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
