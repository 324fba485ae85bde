#pragma once

#include "building_category.h"

#include <QLocale>
#include <QString>

// The report on a building's category: the rooms table with the area of each room category, each
// rule with its sums and shares, and the verdict. HTML on one line, like every report section; the
// caller makes it the whole report. Throws UserError as assessBuilding() does.
QString buildingSection(const BuildingDescription& building, const QLocale& locale);
