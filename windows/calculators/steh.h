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
    Steh(QWidget* opener, const CalculationState& state, const QLocale& locale);

  private slots:
    void Command2_Click(); // "Расчет"
    void Command1_Click(); // "Применить"

  private:
    void Form_Load();
    void buildControls();
    QLineEdit* carbonAtoms = nullptr;   // carbon atoms, nC
    QLineEdit* hydrogenAtoms = nullptr; // hydrogen atoms, nH
    QLineEdit* oxygenAtoms = nullptr;   // oxygen atoms, nO
    QLineEdit* halogenAtoms = nullptr;  // halogen atoms, nX
    QLineEdit* concentration = nullptr; // stoichiometric concentration, Cst
    QPushButton* applyButton = nullptr;
    QPushButton* calculateButton = nullptr;
};
