#pragma once

#include "building_category.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The questions the building window asks while it takes a room from a file, each a modal dialog
// through execModal(), so that tests can answer them. An empty result means the user cancelled.

enum class RoomFileKind { Calculation, FireLoad };

// The file to take a room from: a calculation file (*.pzr) or a fire-load file (*.pzv).
QString chooseRoomFile(QWidget* parent);
RoomFileKind roomFileKind(const QString& path);

// One of `choices`, after `note`, which says why the file alone does not decide the category.
std::optional<RoomCategory> askRoomCategory(QWidget* parent, const QString& note,
                                            const std::vector<RoomCategory>& choices);

// The room's area as typed, for the rooms table to check with the others.
std::optional<QString> askRoomArea(QWidget* parent, const QString& roomName);

// The building file to open or to save as (*.pzb).
QString chooseBuildingFile(QWidget* parent, bool saving);
