#pragma once

#include "calculation_state.h"
#include "ventilation.h"

#include <QLocale>
#include <QString>

// The report is HTML on one line, built as a fixed script of Russian text and stored numbers.
// The builders compute nothing: every number is a value of the state, written by the
// number-to-text rule with the decimal separator of `locale`.

// An excess explosion pressure of this many kPa or more puts a room into category A and an
// outdoor installation (30 m from the centre of the cloud) into category AN (BN).
constexpr double categoryPressureLimit = 5.0;

// What a calculation made with the program's reference tools adds to section 1. An empty part adds
// nothing, so a calculation without them gets its report exactly as before.
struct SectionAdditions {
    QString afterTitle;        // the substance chosen from the substance table and its source
    QString afterSubsection13; // the derivation of the mass of a gas release or of a liquid spill
};

// Section 1 for a room: subsections 1.1 to 1.5 and the conclusion on category A.
// The caller replaces the report with it.
QString roomSection(const CalculationState& state, const QLocale& locale,
                    const SectionAdditions& additions = {});

// Section 1 for an outdoor installation: subsections 1.1 to 1.5 and the conclusion on
// category AN (BN). The caller replaces the report with it.
QString outdoorSection(const CalculationState& state, const QLocale& locale,
                       const SectionAdditions& additions = {});

// Subsection 1.6, the re-assessment for category В1 with emergency ventilation; with `spill`, the
// time of a spill's evaporation and the divisor K = A * T + 1 the calculation used.
// The caller appends it to the report.
QString ventilationSection(const CalculationState& state, const QLocale& locale,
                           const SpillVentilation* spill = nullptr);
