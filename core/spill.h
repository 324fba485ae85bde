#pragma once

#include "gas_release.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <utility>

// Vapour of a flammable liquid spilt when an apparatus fails, after SP 12.13130.2009, appendix А:
// the whole content of the apparatus, what flows in until the pipelines are shut off and what the
// pipelines hold up to their valves spill onto the floor; a litre covers 1 m² of floor (0,5 m² for
// mixtures and solutions with at most 70 % of solvent by mass), but never more than the floor or
// the tray that holds it; the liquid evaporates for the time it takes to evaporate entirely, but
// for at most an hour.

struct SpillInput {
    double apparatusVolume = 0; // Vап, liquid content of the apparatus, m3
    double flowRate = 0;        // q, m3/s
    double shutOffTime = 0;     // T, s, until the pipelines are shut off
    QList<PipelineSection> pipelines;
    double liquidDensity = 0;       // ρж, kg/m3
    double solventShare = 100;      // share of solvent (the volatile part) by mass, %
    double floorArea = 0;           // m2
    std::optional<double> trayArea; // m2 of a tray or bund that holds the spill
    double airSpeed = 0;            // U over the spill, m/s
    double vapourPressure = 0;      // Pн, kPa
    double molarMass = 0;           // M, kg/kmol
    double airTemperature = 0;      // design air temperature, °C
};

// Which limit gave the evaporation area.
enum class SpillAreaRule { PerLitre, Floor, Tray };

struct SpillResult {
    SpillInput input;
    double liquidVolume = 0; // Vж = Vап + q * T + Σ π * r² * L, m3
    double liquidMass = 0;   // mж = share / 100 * ρж * Vж, kg
    double areaPerLitre = 1; // m2 that one litre covers
    double spillArea = 0;    // Fи, m2
    SpillAreaRule areaRule = SpillAreaRule::PerLitre;
    double evaporationCoefficient = 0; // η, table А.2
    double evaporationRate = 0;        // W = 1e-6 * η * sqrt(M) * Pн, kg/(s*m2)
    double fullEvaporationTime = 0;    // Tполн = mж / (W * Fи), s
    double evaporationTime = 0;        // T = min(Tполн; 3600), s
    double vapourMass = 0;             // m = W * Fи * T, kg
};

// The evaporation never lasts longer than this, s.
constexpr double longestEvaporation = 3600;
// Mixtures and solutions with at most this share of solvent, % by mass, spread half as wide.
constexpr double thickMixtureShare = 70;

// The spill and its vapour. Throws UserError for a negative input, a share of solvent above 100 %, a
// zero density, floor area or molar mass, or a result that is not finite (nothing spilt, no vapour
// pressure).
SpillResult calculateSpill(const SpillInput& input);

// The texts of the window's fields; an empty tray field means there is no tray.
struct SpillFields {
    QString apparatusVolume;
    QString flowRate;
    QString shutOffTime;
    QList<std::pair<QString, QString>> pipelines;
    QString liquidDensity;
    QString solventShare;
    QString floorArea;
    QString trayArea;
    QString airSpeed;
    QString vapourPressure;
    QString molarMass;
};

// Throws UserError for a text that is not a number.
SpillInput parseSpillFields(const SpillFields& fields, double airTemperature, const QLocale& locale);
