// Feeds arbitrary bytes to the building file reader. It may refuse them, but only with its own
// error; whatever it accepts is a building whose rooms the rules can take (named, each area a
// positive finite number), which written and read again stays exactly as it is.

#include "building_category.h"
#include "building_file.h"
#include "user_error.h"

#include <QByteArray>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "accepted a building that is not sound: %s\n", what);
        std::abort();
    }
}

void checkRooms(const BuildingDescription& building)
{
    for (const BuildingRoom& room : building.rooms) {
        require(!room.name.trimmed().isEmpty(), "a room without a name");
        require(room.area > 0 && std::isfinite(room.area), "an area that is not a positive number");
    }
    if (building.rooms.empty())
        return;
    try {
        const BuildingAssessment assessment = assessBuilding(building.rooms);
        require(!assessment.rules.empty() && assessment.rules.size() <= 4, "the rules tried");
        require(assessment.category == BuildingCategory::D || assessment.rules.back().applies(),
                "a category no rule gave");
    } catch (const UserError&) {
        // A total area that overflows is refused, not assessed.
    }
}

void checkRoundTrip(const BuildingDescription& building)
{
    const QByteArray written = writeBuildingFile(building);
    require(writeBuildingFile(readBuildingFile(written)) == written, "round trip");
}

} // namespace

// The C library in a Russian locale (decimal comma), as on a user's desktop: the reader and writer
// must not depend on it.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr, "the ru_RU.UTF-8 locale is not generated");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    BuildingDescription building;
    try {
        building = readBuildingFile(bytes);
    } catch (const UserError&) {
        return 0;
    }
    checkRooms(building);
    checkRoundTrip(building);
    return 0;
}
