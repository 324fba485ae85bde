#pragma once

#include "shared_table_file.h"

#include <QString>

#include <optional>
#include <vector>

// Combustible materials of a fire load with their lower heat of combustion Qн and, where the code
// of practice gives one, the critical heat flux qкр that ignites them. The shipped table is compiled
// into the program; the user's own rows live in a file of the same columns in the user's data folder.
//
// The table file: UTF-8, a header line, then one material a line, fields separated by ";" in the
// order name, Qн (MJ/kg), qкр (kW/m², empty when unknown), source of Qн, source of qкр, note;
// numbers with a decimal comma as the handbooks print them.

struct Material {
    QString name;
    double heat = 0;                    // Qн, MJ/kg
    std::optional<double> criticalFlux; // qкр, kW/m²
    QString heatSource;
    QString fluxSource;
    QString note; // where sources disagree: both values, and which one the row applies
    bool own = false;
};

// Qн from 5 to 50 MJ/kg holds every combustible material of the handbooks (wood 13,8, polyethylene
// about 47); qкр from 3 to 60 kW/m² holds every row of the code's table.
inline constexpr double lowestPlausibleHeat = 5;
inline constexpr double highestPlausibleHeat = 50;
inline constexpr double lowestPlausibleFlux = 3;
inline constexpr double highestPlausibleFlux = 60;

// Every row read and checked: a name, Qн and its source; qкр and its source both or neither; values
// within the plausible ranges; no name twice (case ignored). Throws UserError naming the line.
std::vector<Material> readMaterialTable(const QString& text);
// The same, keeping every row that reads; each other line is listed as a problem naming its line.
TableRows<Material> readMaterialRows(const QString& text);
QString writeMaterialTable(const std::vector<Material>& rows);

const std::vector<Material>& shippedMaterials();

// <data folder>/materials.csv
QString ownMaterialsPath();

// The user's own rows; a missing file is none. Throws UserError naming the file and the problem.
std::vector<Material> readOwnMaterials(const QString& path);

// The shipped rows, then the user's own (an unreadable own file adds none).
std::vector<Material> knownMaterials();

// The row of that name (case ignored), or nullptr.
const Material* findMaterial(const std::vector<Material>& rows, const QString& name);
