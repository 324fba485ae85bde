#include "substance_checks.h"

#include "calculator_formulas.h"
#include "numbers.h"
#include "shared_table_file.h"
#include "substance_search.h"
#include "user_error.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Standard atomic weights (IUPAC, abridged to the digits the handbooks use), kg/kmol.
const QMap<QString, double>& atomicMasses()
{
    static const QMap<QString, double> masses = {
        {QStringLiteral("H"), 1.008},   {QStringLiteral("C"), 12.011}, {QStringLiteral("N"), 14.007},
        {QStringLiteral("O"), 15.999},  {QStringLiteral("F"), 18.998}, {QStringLiteral("Si"), 28.085},
        {QStringLiteral("P"), 30.974},  {QStringLiteral("S"), 32.06},  {QStringLiteral("Cl"), 35.45},
        {QStringLiteral("Br"), 79.904}, {QStringLiteral("I"), 126.90},
    };
    return masses;
}

const QStringList halogens = {QStringLiteral("F"), QStringLiteral("Cl"), QStringLiteral("Br"),
                              QStringLiteral("I")};

constexpr double normalBoilingPressure = 101.325; // kPa
constexpr double antoineTolerance = 0.10;
constexpr double massTolerance = 0.01;
constexpr double averagedMassTolerance = 0.02;
constexpr double flammableLiquidFlashLimit = 61.0; // °C

void require(bool condition, int column, const QString& reason)
{
    if (!condition)
        throw SubstanceProblem(column, reason);
}

bool sameCount(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

void checkTexts(const Substance& s)
{
    require(!s.name.isEmpty(), NameColumn, QStringLiteral("не заполнено"));
    require(!s.formula.isEmpty(), FormulaColumn, QStringLiteral("не заполнено"));
    require(!s.source.isEmpty(), SourceColumn, QStringLiteral("не указан источник данных"));
    const std::pair<int, QString> texts[] = {{NameColumn, s.name},
                                             {SynonymsColumn, s.synonyms.join(u' ')},
                                             {FormulaColumn, s.formula},
                                             {SourceColumn, s.source}};
    for (const auto& [column, text] : texts) {
        require(!text.contains(u';'), column, QStringLiteral("не может содержать «;»"));
        // A line break pasted with a citation would split the row in the file.
        require(std::ranges::none_of(text, isControlCharacter), column,
                QStringLiteral("не может содержать перевод строки и другие управляющие символы"));
    }
}

void checkAtoms(const Substance& s)
{
    const QMap<QString, double> atoms = formulaAtoms(s.formula);
    double halogenCount = 0;
    for (const QString& halogen : halogens)
        halogenCount += atoms.value(halogen);
    const QString differs = QStringLiteral("не совпадает с формулой");
    require(sameCount(s.nC, atoms.value(QStringLiteral("C"))), CarbonColumn, differs);
    require(sameCount(s.nH, atoms.value(QStringLiteral("H"))), HydrogenColumn, differs);
    require(sameCount(s.nO, atoms.value(QStringLiteral("O"))), OxygenColumn, differs);
    require(sameCount(s.nX, halogenCount), HalogenColumn, differs);

    const double mass = massOf(atoms);
    require(std::isfinite(mass), FormulaColumn, QStringLiteral("масса по формуле не считается"));
    const bool averaged = s.formula.contains(u',');
    const double tolerance = averaged ? averagedMassTolerance : massTolerance;
    require(s.molarMass > 0 && std::fabs(s.molarMass - mass) <= tolerance * mass, MolarMassColumn,
            averaged ? QStringLiteral("отличается от массы по формуле более чем на 2 %")
                     : QStringLiteral("отличается от массы по формуле более чем на 1 %"));
}

// Constants that overflow wherever the user may apply them (A = 1E+300) would fail at every "Расчет".
void checkAntoineComputes(const Substance& s)
{
    std::vector<double> temperatures;
    for (const auto& t : {s.antoineFrom, s.antoineTo, s.boilingPoint})
        if (t)
            temperatures.push_back(*t);
    if (temperatures.empty())
        temperatures.push_back(20.0);
    for (double t : temperatures) {
        try {
            antoinePressure(*s.antoineA, *s.antoineB, *s.antoineC, t);
        } catch (const UserError&) {
            throw SubstanceProblem(AntoineAColumn,
                                   QStringLiteral("давление пара по константам не считается при ")
                                       + formatNumber(t, QLocale(QLocale::Russian, QLocale::Russia))
                                       + QStringLiteral(" °C"));
        }
    }
}

void checkAntoine(const Substance& s)
{
    const int given = int(bool(s.antoineA)) + int(bool(s.antoineB)) + int(bool(s.antoineC));
    require(given == 0 || given == 3,
            given && !s.antoineA ? AntoineAColumn
            : !s.antoineB        ? AntoineBColumn
                                 : AntoineCColumn,
            QStringLiteral("константы Антуана задаются все три"));
    require(bool(s.antoineFrom) == bool(s.antoineTo), s.antoineFrom ? AntoineToColumn : AntoineFromColumn,
            QStringLiteral("интервал задается обеими границами"));
    if (s.antoineFrom)
        require(*s.antoineFrom < *s.antoineTo, AntoineToColumn,
                QStringLiteral("верхняя граница не выше нижней"));
    if (s.isGas()) {
        require(given == 0, AntoineAColumn, QStringLiteral("у горючего газа констант Антуана нет"));
        return;
    }
    if (given == 0)
        return;
    checkAntoineComputes(s);
    if (!s.boilingPoint || !s.antoineFrom)
        return;
    const double boiling = *s.boilingPoint;
    if (boiling < *s.antoineFrom || boiling > *s.antoineTo)
        return;
    double pressure = 0;
    try {
        pressure = antoinePressure(*s.antoineA, *s.antoineB, *s.antoineC, boiling);
    } catch (const UserError&) {
        throw SubstanceProblem(AntoineCColumn,
                               QStringLiteral("давление при температуре кипения не считается"));
    }
    require(std::fabs(pressure - normalBoilingPressure) <= antoineTolerance * normalBoilingPressure,
            AntoineAColumn,
            QStringLiteral("давление по константам при температуре кипения отличается от 101,325 кПа "
                           "более чем на 10 %"));
}

void checkKind(const Substance& s)
{
    if (!s.flashPoint || s.isGas())
        return;
    if (s.kind == SubstanceKind::FlammableLiquid)
        require(*s.flashPoint <= flammableLiquidFlashLimit, KindColumn,
                QStringLiteral("ЛВЖ имеет температуру вспышки не выше 61 °C"));
    else
        require(*s.flashPoint > flammableLiquidFlashLimit, KindColumn,
                QStringLiteral("ГЖ имеет температуру вспышки выше 61 °C"));
}

} // namespace

QMap<QString, double> formulaAtoms(const QString& formula)
{
    static const QRegularExpression part(QStringLiteral("([A-Z][a-z]?)(\\d+(?:,\\d+)?)?"));
    QMap<QString, double> atoms;
    qsizetype position = 0;
    while (position < formula.size()) {
        const QRegularExpressionMatch match = part.match(formula, position, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch() || !atomicMasses().contains(match.captured(1)))
            throw SubstanceProblem(FormulaColumn, QStringLiteral("не читается"));
        QString count = match.captured(2);
        atoms[match.captured(1)] += count.isEmpty() ? 1.0 : count.replace(u',', u'.').toDouble();
        position = match.capturedEnd();
    }
    if (atoms.isEmpty())
        throw SubstanceProblem(FormulaColumn, QStringLiteral("не читается"));
    return atoms;
}

double formulaMass(const QString& formula)
{
    return massOf(formulaAtoms(formula));
}

double massOf(const QMap<QString, double>& atoms)
{
    double mass = 0;
    for (auto atom = atoms.cbegin(); atom != atoms.cend(); ++atom)
        mass += atomicMasses().value(atom.key()) * atom.value();
    return mass;
}

bool burnsByStoichiometricFormula(const Substance& substance)
{
    static const QStringList counted = {QStringLiteral("C"), QStringLiteral("H"), QStringLiteral("O"),
                                        QStringLiteral("N")};
    const QMap<QString, double> atoms = formulaAtoms(substance.formula);
    for (auto atom = atoms.cbegin(); atom != atoms.cend(); ++atom)
        if (!counted.contains(atom.key()) && !halogens.contains(atom.key()))
            return false;
    return true;
}

void checkSubstance(const Substance& substance)
{
    checkTexts(substance);
    checkAtoms(substance);
    checkAntoine(substance);
    checkKind(substance);
}

void checkNameIsNew(const Substance& substance, std::span<const Substance> others)
{
    const QString name = searchKey(substance.name);
    for (const Substance& other : others)
        require(searchKey(other.name) != name, NameColumn, QStringLiteral("такое вещество уже есть"));
}
