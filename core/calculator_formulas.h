#pragma once

#include "calculation_state.h"

#include <QLocale>
#include <QString>

// The four small calculations whose results the user carries into the main window. Each one reads
// its fields in a fixed order and stores every value in the state as soon as it is read, so a field
// that is not a number leaves the fields before it stored. The result is computed with checked
// arithmetic and stored only when every step is finite; otherwise UserError is thrown and the
// result variable keeps its previous value.

// Saturated vapour pressure from the Antoine constants for kPa and degrees Celsius.
struct AntoineFields {
    QString a;
    QString b;
    QString c;
    QString temperature; // design air temperature, degrees C
};

// Stores A, B, C and T1, then Pn = 10^(A - B / (C + T1)) in kPa; returns Pn.
double calculateVapourPressure(CalculationState& state, const AntoineFields& fields, const QLocale& locale);

// Density of the gas or vapour at the design temperature.
struct DensityFields {
    QString molarMass;   // kg/kmol
    QString temperature; // design air temperature, degrees C
};

// Stores M and T1, then pl = M / (22.413 * (1 + 0.00367 * T1)) in kg/m3; returns pl.
double calculateDensity(CalculationState& state, const DensityFields& fields, const QLocale& locale);

// Numbers of atoms in one molecule of the combustible.
struct AtomCountFields {
    QString carbon;
    QString hydrogen;
    QString oxygen;
    QString halogen;
};

// Stores nC, nH, nO and nX as whole numbers, then the stoichiometric concentration
// Cst = 100 / (1 + 4.84 * beta) in % by volume, with beta = nC + (nH - nX) / 4 - nO / 2; returns Cst.
double calculateStoichiometricConcentration(CalculationState& state, const AtomCountFields& fields,
                                            const QLocale& locale);

// A typed atom count as a 16-bit whole number: rounded to the nearest integer, an exact half to the
// even neighbour. Throws UserError for text that is not a number or a count outside -32768..32767.
double parseAtomCount(const QString& text, const QLocale& locale);

// The same three formulas on numbers, for callers that hold the values rather than field texts (the
// substance table). Each throws UserError when a step has no finite result.
double antoinePressure(double a, double b, double c, double temperature);
double vapourDensity(double molarMass, double temperature);
// Atom counts may be fractional here: petroleum products have an averaged formula.
double stoichiometricConcentration(double nC, double nH, double nO, double nX);

// Mass of liquid that evaporates from a spill.
struct EvaporationFields {
    QString area;           // evaporation area Fi, m2
    QString time;           // evaporation time, s
    QString vapourPressure; // saturated vapour pressure Pn, kPa
    QString molarMass;      // kg/kmol
    QString airFlowFactor;  // coefficient eta for the air flow over the spill
};

// Stores Fi, tr, Pn, M and n, then m = T * Fi * 1e-6 * eta * sqrt(M) * Pn in kg; returns m (Em).
double calculateEvaporatedMass(CalculationState& state, const EvaporationFields& fields,
                               const QLocale& locale);
