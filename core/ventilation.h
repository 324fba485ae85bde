#pragma once

#include "calculation_state.h"
#include "spill.h"

#include <QLocale>
#include <QString>

#include <optional>

// Re-assessment of a room for category В1 with emergency ventilation: the vapour that remains
// when the ventilation runs, its excess explosion pressure and the capacity of the unit. The
// room's data (Pmax, po, Z, Vsv, pgp, Cst, Kn) come from the last room calculation, M, Pn and Fi
// from the calculator windows, the design air temperature T1 from the state.
struct VentilationFields {
    QString airChangeRate; // n, air changes per hour
    QString roomLength;    // L, m
};

// When the mass comes from a spill, the ventilation's air evaporates the liquid faster, so the spill
// may be gone within the hour: the vapour lasts T' = min(mж / (W * Fи); 3600) s, and the ventilation
// divides it by K = A * T' + 1 with A = n / 3600 air changes a second.
struct SpillVentilation {
    double fullEvaporationTime = 0; // Tполн' = mж / (W * Fи), s
    double evaporationTime = 0;     // T', s
    double airChangesPerSecond = 0; // A, 1/s
    double divisor = 0;             // K
};

// Stores n, L, U, nu, W, Mass, EP and Vvent in this order, each before the next is computed;
// throws UserError at the first field that is not a number, result that is not finite or negative
// air speed, and the variable of that step keeps its value. Without a spill the vapour evaporates
// for an hour from the area Fi and the ventilation divides it by n + 1; with one, the figures of
// the spill's time are returned.
std::optional<SpillVentilation> calculateVentilation(CalculationState& state, const VentilationFields& fields,
                                                     const QLocale& locale,
                                                     const SpillResult* spill = nullptr);
