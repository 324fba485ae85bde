#pragma once

#include "gas_release.h"

#include <QLocale>
#include <QString>

// The derivation of the mass of a gas release (formulas А.6 to А.10), which the room and outdoor
// reports carry after subsection 1.3 when their mass came from the gas-mass window. Greek letters
// are written as HTML entities: the report document is encoded in Windows-1251, which has none.
QString gasReleaseSubsection(const GasRelease& release, const QLocale& locale);
