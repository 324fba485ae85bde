#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// Mass of a combustible gas released when an apparatus fails, after formulas А.6 to А.10 of
// SP 12.13130.2009: the gas of the apparatus, what flows in through the supply pipeline until it
// is shut off, and what the pipelines hold once they are shut off.

// One pipeline section between the apparatus and the shut-off valves.
struct PipelineSection {
    double diameter = 0; // inner diameter, mm
    double length = 0;   // m
};

struct GasRelease {
    double apparatusPressure = 0; // P1, kPa
    double apparatusVolume = 0;   // V, m3
    double flowRate = 0;          // q, m3/s
    double shutOffTime = 0;       // T, s
    double pipelinePressure = 0;  // P2, kPa
    QList<PipelineSection> pipelines;
    double density = 0; // ρ, kg/m3

    double apparatusGas = 0; // Va = 0.01 * P1 * V, m3
    double flowGas = 0;      // V1т = q * T, m3
    double pipelineGas = 0;  // V2т = 0.01 * π * P2 * Σ r² * L, r = d / 2000 m, m3
    double mass = 0;         // m = (Va + V1т + V2т) * ρ, kg
};

// The texts of the window's fields; a pipeline is its diameter and length texts.
struct GasReleaseFields {
    QString apparatusPressure;
    QString apparatusVolume;
    QString flowRate;
    QString shutOffTime;
    QString pipelinePressure;
    QList<std::pair<QString, QString>> pipelines;
    QString density;
};

// The release the fields describe, with its volumes and mass. Throws UserError for a text that is
// not a number, a negative value or a result that is not finite.
GasRelease calculateGasRelease(const GasReleaseFields& fields, const QLocale& locale);
