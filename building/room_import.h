#pragma once

#include <QByteArray>

// What a calculation file (*.pzr) says about the room it was made for: its excess explosion
// pressure and whether that makes the room category А, decided exactly as the room report decides
// it (5 kPa or more). Throws UserError when the file is not a sound calculation file.
struct CalculationVerdict {
    double pressure = 0; // kPa
    bool categoryA = false;
};
CalculationVerdict calculationVerdict(const QByteArray& calculationFile);
