#pragma once

#include "substance.h"

#include <QMap>
#include <QString>

#include <span>

// The checks every row passes, shipped or the user's own. They catch the faults that published
// tables are known to have: atom counts that do not match the formula (swapped between elements),
// a molar mass that does not match the atoms, Antoine constants that miss the boiling point, a kind
// that contradicts the flash point.

// Atoms of each element in a formula as written ("C2H5Cl", "C7,024H13,706"). Throws
// SubstanceProblem for the formula column when it cannot be read.
QMap<QString, double> formulaAtoms(const QString& formula);

// Molar mass from the formula and the standard atomic masses (IUPAC), kg/kmol.
double formulaMass(const QString& formula);
// The same from the atoms formulaAtoms() found.
double massOf(const QMap<QString, double>& atoms);

// Whether the stoichiometric concentration formula of the code of practice describes the burning:
// it counts carbon, hydrogen, oxygen and halogens (nitrogen leaves as N2); sulphur or phosphorus
// would burn to oxides it does not count.
bool burnsByStoichiometricFormula(const Substance& substance);

// Throws SubstanceProblem naming the field of the first failed check:
// - name, formula, source present; no ";", line break or other control character in a text field;
// - the formula's mass finite;
// - nC, nH, nO, nX equal to the formula's counts (nX: F, Cl, Br and I together);
// - M within 1 % of the formula's mass, 2 % for a fractional (averaged) formula;
// - A, B and Ca all present or all absent, the range given with them and its ends in order;
// - a gas has no Antoine constants; a liquid's constants give a pressure at the ends of their range
//   and at the boiling point (at 20 °C when neither is known);
// - the pressure from the constants at the boiling point within 10 % of 101,325 kPa, when the
//   boiling point lies within the constants' range;
// - a ЛВЖ flashes at 61 °C at most and a ГЖ above 61 °C, when the flash point is known.
void checkSubstance(const Substance& substance);

// Throws SubstanceProblem when another row has the same name (case and ё/е ignored).
void checkNameIsNew(const Substance& substance, std::span<const Substance> others);
