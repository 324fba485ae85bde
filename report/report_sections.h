#pragma once

#include "calculation_state.h"

#include <QLocale>
#include <QString>

// The report is HTML on one line, built as a fixed script of Russian text and stored numbers.
// The builders compute nothing: every number is a value of the state, written by the
// number-to-text rule with the decimal separator of `locale`.

// An excess explosion pressure of this many kPa or more puts a room into category A and an
// outdoor installation (30 m from the centre of the cloud) into category AN (BN).
constexpr double categoryPressureLimit = 5.0;

// Section 1 for a room: subsections 1.1 to 1.5 and the conclusion on category A.
// The caller replaces the report with it.
QString roomSection(const CalculationState& state, const QLocale& locale);

// Section 1 for an outdoor installation: subsections 1.1 to 1.5 and the conclusion on
// category AN (BN). The caller replaces the report with it.
QString outdoorSection(const CalculationState& state, const QLocale& locale);

// Subsection 1.6, the re-assessment for category В1 with emergency ventilation.
// The caller appends it to the report.
QString ventilationSection(const CalculationState& state, const QLocale& locale);
