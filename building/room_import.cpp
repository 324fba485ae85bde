#include "room_import.h"

#include "calculation_file.h"
#include "report_sections.h"

CalculationVerdict calculationVerdict(const QByteArray& calculationFile)
{
    CalculationState state;
    applyCalculationFile(readCalculationFile(calculationFile), state);
    return {state.EP, state.EP >= categoryPressureLimit};
}
