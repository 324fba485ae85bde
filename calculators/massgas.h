#pragma once

#include "calculator_window.h"

class QPushButton;

// The window for the mass of a combustible gas. It has no fields yet: its one button returns to the
// main window. Nothing in the program opens it; the mass button of the main window opens the
// liquid-vapour window.
class Massgas : public CalculatorWindow {
    Q_OBJECT

public:
    explicit Massgas(QWidget* opener);

private slots:
    void Command1_Click(); // "Применить"

private:
    QPushButton* Command1 = nullptr;
};
