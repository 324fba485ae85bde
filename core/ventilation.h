#pragma once

#include "calculation_state.h"

#include <QLocale>
#include <QString>

// Re-assessment of a room for category В1 with emergency ventilation: the vapour that remains
// when the ventilation runs, its excess explosion pressure and the capacity of the unit. The
// room's data (Pmax, po, Z, Vsv, pgp, Cst, Kn) come from the last room calculation, M, Pn and Fi
// from the calculator windows, the design air temperature T1 from the state.
struct VentilationFields {
    QString airChangeRate; // n, air changes per hour
    QString roomLength;    // L, m
};

// Stores n, L, U, nu, W, Mass, EP and Vvent in this order, each before the next is computed;
// throws UserError at the first field that is not a number, result that is not finite or negative
// air speed, and the variable of that step keeps its value.
void calculateVentilation(CalculationState& state, const VentilationFields& fields, const QLocale& locale);
