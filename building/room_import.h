#pragma once

#include "building_category.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a calculation file (*.pzr) says about the room it was made for: its excess explosion
// pressure and whether that makes the room category А, decided exactly as the room report decides
// it (5 kPa or more). Throws UserError when the file is not a sound calculation file.
struct CalculationVerdict {
    double pressure = 0; // kPa
    bool categoryA = false;
};
CalculationVerdict calculationVerdict(const QByteArray& calculationFile);

// What a fire-load file (*.pzv) says about its room: the room's name and its category В1 to В4,
// or none when its fire load leaves it below В4 ("Г или Д"), which the fire load alone cannot tell
// apart. Throws UserError when the file is not a sound fire-load file.
struct FireLoadVerdict {
    QString name;
    std::optional<RoomCategory> category;
};
FireLoadVerdict fireLoadVerdict(const QByteArray& fireLoadFile);
