#pragma once

#include "user_error.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <stdexcept>

// One row of the substance table: the published fire and explosion hazard figures of a combustible
// gas (ГГ), a flammable liquid (ЛВЖ, flash point up to 61 °C) or a combustible liquid (ГЖ, above).
// A figure the handbooks do not give is empty and counts as unknown.
enum class SubstanceKind { Gas, FlammableLiquid, CombustibleLiquid };

struct Substance {
    QString name;
    QStringList synonyms;
    QString formula; // as the handbook writes it; petroleum products have fractional counts
    SubstanceKind kind = SubstanceKind::Gas;
    double molarMass = 0; // kg/kmol
    // Atoms of carbon, hydrogen, oxygen and halogens in one molecule.
    double nC = 0;
    double nH = 0;
    double nO = 0;
    double nX = 0;
    // Antoine constants for kPa and °C and the temperatures between which they hold.
    std::optional<double> antoineA;
    std::optional<double> antoineB;
    std::optional<double> antoineC;
    std::optional<double> antoineFrom;
    std::optional<double> antoineTo;
    std::optional<double> boilingPoint;     // °C at 101,325 kPa
    std::optional<double> flashPoint;       // °C, closed cup
    std::optional<double> lowerLimit;       // lower flammability limit, % by volume
    std::optional<double> heatOfCombustion; // kJ/kg
    std::optional<double> liquidDensity;    // kg/m3
    std::optional<double> maxPressure;      // maximum explosion pressure, kPa
    QString source;                         // where each figure of the row was published
    bool own = false;                       // added by the user, not shipped

    bool isGas() const { return kind == SubstanceKind::Gas; }
    bool hasAntoine() const { return antoineA && antoineB && antoineC; }
};

QString kindText(SubstanceKind kind); // "ГГ", "ЛВЖ", "ГЖ"

// The columns of the table file and of the editor, in file order.
enum SubstanceColumn {
    NameColumn,
    SynonymsColumn,
    FormulaColumn,
    KindColumn,
    MolarMassColumn,
    CarbonColumn,
    HydrogenColumn,
    OxygenColumn,
    HalogenColumn,
    AntoineAColumn,
    AntoineBColumn,
    AntoineCColumn,
    AntoineFromColumn,
    AntoineToColumn,
    BoilingPointColumn,
    FlashPointColumn,
    LowerLimitColumn,
    HeatColumn,
    DensityColumn,
    MaxPressureColumn,
    SourceColumn,
    SubstanceColumnCount
};

using SubstanceTexts = std::array<QString, SubstanceColumnCount>;

// The column's name as the file header and the messages give it ("M", "tвсп", "A").
QString columnName(int column);
// Its meaning and unit, for the editor and the details pane.
QString columnDescription(int column);

// A value that cannot be read or a row that fails a check, with the column it concerns.
class SubstanceProblem : public UserError {
  public:
    // The message reads "Поле «M»: <reason>".
    SubstanceProblem(int column, const QString& reason);
    int column() const { return column_; }

  private:
    int column_;
};
