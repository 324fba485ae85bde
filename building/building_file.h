#pragma once

#include "building_category.h"

#include <QByteArray>

// A building file (*.pzb) keeps the building's name and its rooms: UTF-8 JSON naming its format
// and version, areas as numbers (so independent of the decimal separator of whoever saved it).
//
//   {"format": "overpressure-building", "version": 1, "name": "Цех № 2",
//    "rooms": [{"name": "Склад ЛВЖ", "area": 150, "category": "А", "suppression": false}]}

// Thousands of rooms fit in well under this; anything larger is not a building file.
inline constexpr qsizetype buildingFileMaxSize = 4 * 1024 * 1024;

QByteArray writeBuildingFile(const BuildingDescription& building);

// Checks the whole file and returns the building, or throws UserError on the first problem (not
// JSON, another format or version, a missing or mistyped field, an area that is not a positive
// number, an unknown category, an empty room name). Nothing is returned half read.
BuildingDescription readBuildingFile(const QByteArray& bytes);
