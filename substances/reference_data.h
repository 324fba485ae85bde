#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The independent reference the substance table is checked against: evaluated tables of
// vapour pressure, liquid density, boiling and flash points, flammability limits and enthalpies of formation
// (data/reference/, compiled in), the CAS number of each table row and the notes on
// disagreements resolved on the safe side. Values are in SI units as the sources give them.

// One published value of one compound, with the short name of its source ("IEC 60079-20-1").
struct ReferenceValue {
    QString source;
    double value = 0;
};

// One published vapour pressure correlation, valid from tMin to tMax (K); pressure in Pa.
struct VapourPressureSet {
    QString source;
    double tMin = 0;
    double tMax = 0;
    std::function<double(double kelvin)> pressure;
};

// One published liquid density correlation (saturated liquid), valid from tMin to tMax (K);
// density in kg/m3 at the temperature, given the compound's molar mass (kg/kmol) for the sets
// that state a molar density.
struct DensitySet {
    QString source;
    double tMin = 0;
    double tMax = 0;
    std::function<double(double kelvin, double molarMass)> density;
};

// A note on one value of a row: the column name as the table file's header gives it ("tвсп",
// "A" for the Antoine constants as a set) and the line shown to the user.
struct SubstanceNote {
    QString column;
    QString text;
};

struct ReferenceData {
    QHash<QString, QString> casByName;    // table row name → CAS number
    QHash<QString, QString> formulaByCas; // Hill formula as PubChem gives it
    QHash<QString, double> atomicWeights; // element symbol → standard atomic weight
    QHash<QString, std::vector<VapourPressureSet>> vapourPressure;
    QHash<QString, std::vector<ReferenceValue>> boilingPoint; // K
    QHash<QString, std::vector<ReferenceValue>> flashPoint;   // K
    QHash<QString, std::vector<ReferenceValue>> lowerLimit;   // mole fraction
    QHash<QString, std::vector<ReferenceValue>> formation;    // ΔfH° of the gas at 298,15 K, J/mol
    QHash<QString, std::vector<DensitySet>> liquidDensity;
    QHash<QString, std::vector<SubstanceNote>> notesByName;
};

// Everything compiled into the program, read once. Every file data/reference/cas*.csv and
// data/substance-notes*.csv is read.
const ReferenceData& referenceData();

// The same from the given texts (file name → contents), for tests that plant a row or a note.
ReferenceData readReferenceData(const QHash<QString, QString>& files);
