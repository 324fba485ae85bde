#pragma once

#include "calculation_state.h"

#include <QLocale>
#include <QString>

// The excess explosion pressure of a release of gas or vapour. Each field is parsed and stored
// before the next one is read, and a computed variable is assigned only when the computation
// gave a finite number, so after an UserError the state holds exactly what was done up to it.

// The texts of the main window's fields for a room, in the order they are read.
struct RoomFields {
    QString maxPressure;     // Pmax, kPa
    QString initialPressure; // po, kPa
    QString mass;            // Mass, kg
    QString participation;   // Z
    QString freeVolume;      // Vsv, m3
    QString density;         // pgp, kg/m3
    QString stoichiometric;  // Cst, %
    QString leakage;         // Kn
};

// The texts of the main window's fields for an outdoor installation, in the order they are read.
struct OutdoorFields {
    QString initialPressure;  // po, kPa
    QString mass;             // Mass, kg
    QString participation;    // Z
    QString heatOfCombustion; // Qsg, MJ/kg
};

// Room, formula (1): EP = (Pmax - po) * m * Z * 100 / (pgp * Vsv * Cst * Kn).
// Throws UserError for a field that is not a number or a result that is not finite.
void calculateRoom(CalculationState& state, const RoomFields& fields, const QLocale& locale);

// Outdoor installation, 30 m from the centre of the cloud: the reduced mass Mpr = Qsg / 4.52 * m * Z
// and EP = po * (0.8 Mpr^0.33 / r + 3 Mpr^0.66 / r^2 + 5 Mpr / r^3). Throws UserError, also for
// a negative Mpr, which has no real fractional power.
void calculateOutdoor(CalculationState& state, const OutdoorFields& fields, const QLocale& locale);
