#pragma once

#include "calculation_state.h"
#include "calculator_window.h"

#include <QLocale>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Stoichiometric concentration of the combustible, % by volume, from the numbers of carbon,
// hydrogen, oxygen and halogen atoms in its molecule; the result goes to the main window's Cст field.
class Steh : public CalculatorWindow {
    Q_OBJECT

  public:
    Steh(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command1_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLineEdit* Text1 = nullptr; // carbon atoms, nC
    QLineEdit* Text2 = nullptr; // hydrogen atoms, nH
    QLineEdit* Text3 = nullptr; // oxygen atoms, nO
    QLineEdit* Text4 = nullptr; // halogen atoms, nX
    QLineEdit* Text5 = nullptr; // stoichiometric concentration, Cst
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
