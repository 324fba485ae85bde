#include "massgas.h"

#include "form_layout.h"

#include <QPushButton>

Massgas::Massgas(QWidget* opener)
    : CalculatorWindow(opener, nullptr, QStringLiteral("Massgas"),
                       QStringLiteral("Расчет массы горючего газа"), 4680, 3195)
{
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                          twipsRect(1680, 2640, 1215, 375));
    connect(Command1, &QPushButton::clicked, this, &Massgas::Command1_Click);
}

// Hands nothing back: closing gives the main window its input again.
void Massgas::Command1_Click() { close(); }
