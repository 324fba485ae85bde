#pragma once

#include "calculation_state.h"
#include "report_sections.h"

#include <QLocale>
#include <QString>

// The title and subsections 1.1 to 1.3 (saturated vapour pressure, density, mass of liquid vapour),
// which the room and the outdoor report share word for word but for the source they cite for the
// evaporation coefficient.
QString titleAndSourceSubsections(const CalculationState& state, const QLocale& locale,
                                  const QString& coefficientSource, const SectionAdditions& additions);
