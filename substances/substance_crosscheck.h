#pragma once

#include "reference_data.h"
#include "substance.h"

#include <QLocale>
#include <QString>

#include <span>
#include <vector>

// The check of a row against the independent reference, value by value. Tolerances: molar mass
// 0,1 % of the formula's mass; vapour pressure from the row's Antoine constants within 5 % of the
// median of the reference sets valid at 20 °C, 25 °C and every 5 °C of the constants' range between
// 10 and 100 °C (where the sets spread by more than 10 %, measured to the nearer edge of the
// spread); boiling point 3 °C of the median; flash point 3 °C of the nearest value (test methods
// differ); lower flammability limit 30 % of the median; net heat of combustion 3 % of the value from
// the median enthalpy of formation of the gas; liquid density at 20 °C 1 % of the median (where the
// sets spread by more than 2 %, of the nearer edge).
//
// A value beyond its tolerance passes only when a note on the row names the disagreement and the
// row applies the more hazardous value: the lower flash point, the lower flammability limit, the
// constants giving the higher vapour pressure, the higher liquid density. The heat of combustion must be the
// net value.

enum class CheckVerdict { Agrees, Noted, Unresolved };

struct ValueCheck {
    QString what;       // "M", "tкип", "tвсп", "Pн", "НКПР", "Qсг", "ρж"
    QString noteColumn; // the column a note on it names ("A" for the vapour pressure)
    double table = 0;   // the row's value (Pн: kPa at `temperature`)
    double reference = 0;
    double deviation = 0;   // °C for temperatures, otherwise table/reference − 1
    double temperature = 0; // Pн: where the deviation is largest, °C
    double atTwenty = 0;    // Pн: the deviation at 20 °C
    bool hasTwenty = false;
    bool hazardous = false; // the row's value lies on the more hazardous side
    CheckVerdict verdict = CheckVerdict::Agrees;
    QStringList sources;
};

struct SubstanceCrossCheck {
    QString cas; // empty when no independent source knows the substance
    std::vector<ValueCheck> values;
    std::vector<SubstanceNote> notes;
    QStringList withoutReference; // values the row gives and no reference covers
    CheckVerdict verdict() const; // the worst of its values
};

// The CAS number of the row: by the table's own list for a shipped row; for the user's own row by
// a name or synonym that a shipped row also bears, else by a formula only one compound has.
QString casOf(const Substance& substance, const ReferenceData& data = referenceData());

SubstanceCrossCheck crossCheck(const Substance& substance, const ReferenceData& data = referenceData());

// What the window shows for the row: what it was checked against, one line per resolved
// disagreement, a warning line per disagreement of the user's own row, or that a mixture has no
// independent check.
QString crossCheckStatement(const Substance& substance, const QLocale& locale,
                            const ReferenceData& data = referenceData());

// The same in one sentence run for the report (the numbers with a decimal comma, as the report
// writes them).
QString crossCheckReportText(const Substance& substance, const ReferenceData& data = referenceData());

// The record of the cross-check of the whole table, as data/substances-verification.md holds it.
QString crossCheckRecord(std::span<const Substance> rows, const ReferenceData& data = referenceData());
