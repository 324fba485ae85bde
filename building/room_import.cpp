#include "room_import.h"

#include "calculation_file.h"
#include "fire_load.h"
#include "fire_load_file.h"
#include "report_sections.h"

CalculationVerdict calculationVerdict(const QByteArray& calculationFile)
{
    CalculationState state;
    applyCalculationFile(readCalculationFile(calculationFile), state);
    return {state.EP, state.EP >= categoryPressureLimit};
}

FireLoadVerdict fireLoadVerdict(const QByteArray& fireLoadFile)
{
    const FireLoadRoom room = readFireLoadFile(fireLoadFile);
    FireLoadVerdict verdict{room.name, std::nullopt};
    switch (assessFireLoad(room).category) {
    case FireCategory::V1:
        verdict.category = RoomCategory::V1;
        break;
    case FireCategory::V2:
        verdict.category = RoomCategory::V2;
        break;
    case FireCategory::V3:
        verdict.category = RoomCategory::V3;
        break;
    case FireCategory::V4:
        verdict.category = RoomCategory::V4;
        break;
    case FireCategory::GorD:
        break;
    }
    return verdict;
}
