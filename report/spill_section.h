#pragma once

#include "spill.h"

#include <QLocale>
#include <QString>

// The derivation of the mass of vapour from a liquid spill (appendix А of SP 12.13130.2009, formulas
// А.11 to А.13 and the rules of п. А.1.2 for the area and the time), which the room and outdoor reports
// carry after subsection 1.3 when their mass came from the spill window. Greek letters are written as
// HTML entities: the report document is encoded in Windows-1251, which has none.
QString spillSubsection(const SpillResult& spill, const QLocale& locale);
