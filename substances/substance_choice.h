#pragma once

#include "calculation_state.h"
#include "substance.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// What choosing a substance from the table does to a calculation, at the design temperature T1
// the calculation state holds.

// The coefficient Z of participation of the fuel in the explosion after table А.1 of
// SP 12.13130.2009, with the reason in words: hydrogen 1; any other gas 0,5; a liquid 0,3 at or
// above its flash point and 0 below it (no aerosol). Unknown for a liquid of unknown flash point.
struct Participation {
    std::optional<double> z;
    QString reason;
};
Participation participationOf(const Substance& substance, double designTemperature, const QLocale& locale);

// What the user should know before applying: T1 outside the Antoine range (the vapour pressure
// would be an extrapolation), no Antoine constants, or a molecule the stoichiometric formula does
// not describe. Empty when there is nothing to say.
QString applyWarnings(const Substance& substance, double designTemperature, const QLocale& locale);

// The texts "Применить" puts into the main window's fields; an empty text leaves its field alone.
struct MainWindowTexts {
    QString stoichiometric; // Text5, Cст, %
    QString density;        // Text4, kg/m3 at T1
    QString heat;           // Text9, MJ/kg
    QString maxPressure;    // Text7, kPa
    QString participation;  // Text2, Z
};

// Stores what the calculator windows would store for this substance: nC, nH, nO, nX as given and
// Cst from them; M; for a liquid with Antoine constants A, B, C and Pn at T1; pl at T1; and the
// substance's name. Everything is computed before anything is stored, so a failure (UserError)
// changes nothing.
MainWindowTexts applySubstance(CalculationState& state, const Substance& substance, const QLocale& locale);

// Whether the state still holds the substance's molar mass, atom counts and, for a liquid with
// Antoine constants, its constants: the data of a calculation came from this row.
bool stateHoldsSubstance(const CalculationState& state, const Substance& substance);

// The row the state names, if the state still holds its data.
const Substance* chosenSubstance(const CalculationState& state, const std::vector<Substance>& rows);

// The report paragraph naming the substance, its formula, the source of its data and what the data
// were checked against.
QString substanceReportLine(const Substance& substance);

// Every value of the row with its meaning, one a line, for the details pane.
QString substanceDetails(const Substance& substance, const QLocale& locale);
