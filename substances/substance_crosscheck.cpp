#include "substance_crosscheck.h"

#include "numbers.h"
#include "substance_checks.h"
#include "user_error.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kelvin = 273.15;

QString normalName(const QString& name)
{
    return name.trimmed().toLower().replace(u'ё', u'е');
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QStringList sourcesOf(const std::vector<ReferenceValue>& values)
{
    QStringList sources;
    for (const ReferenceValue& v : values)
        if (!sources.contains(v.source))
            sources << v.source;
    return sources;
}

bool noted(const std::vector<SubstanceNote>& notes, const QString& column)
{
    return std::ranges::any_of(notes, [&](const SubstanceNote& n) { return n.column == column; });
}

// A value with no direction of hazard (M, tкип) passes beyond tolerance only with a note; one with
// a direction also needs the row's value on the hazardous side; the heat of combustion never.
CheckVerdict verdictOf(bool within, bool hazardous, bool isNoted, bool directional, bool strict)
{
    if (within)
        return CheckVerdict::Agrees;
    if (strict || !isNoted || (directional && !hazardous))
        return CheckVerdict::Unresolved;
    return CheckVerdict::Noted;
}

ValueCheck valueCheck(const QString& what, const QString& noteColumn, double table, double reference,
                      double deviation)
{
    ValueCheck check;
    check.what = what;
    check.noteColumn = noteColumn;
    check.table = table;
    check.reference = reference;
    check.deviation = deviation;
    return check;
}

QString atomsKey(const QString& formula)
{
    try {
        const QMap<QString, double> atoms = formulaAtoms(formula);
        QStringList parts;
        for (auto atom = atoms.begin(); atom != atoms.end(); ++atom)
            parts << atom.key() + QString::number(atom.value());
        return parts.join(u' ');
    } catch (const UserError&) {
        return {};
    }
}

struct Checker {
    const Substance& s;
    const ReferenceData& data;
    const QString& cas;
    const std::vector<SubstanceNote>& notes;
    SubstanceCrossCheck& result;

    void add(ValueCheck check, bool within, bool directional, bool strict = false)
    {
        check.verdict =
            verdictOf(within, check.hazardous, noted(notes, check.noteColumn), directional, strict);
        result.values.push_back(std::move(check));
    }

    void molarMass()
    {
        double mass = 0;
        try {
            const QMap<QString, double> atoms = formulaAtoms(s.formula);
            for (auto atom = atoms.begin(); atom != atoms.end(); ++atom) {
                if (!data.atomicWeights.contains(atom.key()))
                    return;
                mass += data.atomicWeights[atom.key()] * atom.value();
            }
        } catch (const UserError&) {
            return;
        }
        ValueCheck c =
            valueCheck(QStringLiteral("M"), QStringLiteral("M"), s.molarMass, mass, s.molarMass / mass - 1);
        c.sources << QStringLiteral("ИЮПАК");
        add(c, std::abs(c.deviation) <= 0.001, false);
    }

    void temperature(const QString& what, const std::optional<double>& value,
                     const QHash<QString, std::vector<ReferenceValue>>& table, bool nearest)
    {
        if (!value)
            return;
        const auto found = table.find(cas);
        if (found == table.end()) {
            result.withoutReference << what;
            return;
        }
        std::vector<double> celsius;
        for (const ReferenceValue& v : *found)
            celsius.push_back(v.value - kelvin);
        const double reference =
            nearest ? *std::ranges::min_element(celsius, {}, [&](double t) { return std::abs(t - *value); })
                    : median(celsius);
        ValueCheck c = valueCheck(what, what, *value, reference, *value - reference);
        c.hazardous = c.deviation < 0;
        c.sources = sourcesOf(*found);
        add(c, std::abs(c.deviation) <= 3.0, nearest);
    }

    void lowerLimit()
    {
        if (!s.lowerLimit)
            return;
        const auto found = data.lowerLimit.find(cas);
        if (found == data.lowerLimit.end()) {
            result.withoutReference << QStringLiteral("НКПР");
            return;
        }
        std::vector<double> percent;
        for (const ReferenceValue& v : *found)
            percent.push_back(v.value * 100);
        const double reference = median(percent);
        ValueCheck c = valueCheck(QStringLiteral("НКПР"), QStringLiteral("НКПР"), *s.lowerLimit, reference,
                                  *s.lowerLimit / reference - 1);
        c.hazardous = c.deviation < 0;
        c.sources = sourcesOf(*found);
        add(c, std::abs(c.deviation) <= 0.30, true);
    }

    // Net heat of combustion of the gas: carbon burns to CO2 (g), hydrogen to H2O (g) except what
    // chlorine takes as HCl (g), sulphur to SO2 (g), nitrogen leaves as N2.
    void heatOfCombustion()
    {
        if (!s.heatOfCombustion)
            return;
        const auto found = data.formation.find(cas);
        QMap<QString, double> atoms;
        try {
            atoms = formulaAtoms(s.formula);
        } catch (const UserError&) {
            return;
        }
        const auto products = productFormation(atoms);
        if (found == data.formation.end() || !products) {
            result.withoutReference << QStringLiteral("Qсг");
            return;
        }
        std::vector<double> formation;
        for (const ReferenceValue& v : *found)
            formation.push_back(v.value);
        const double mass = formulaMassOf(atoms);
        const double net = (median(formation) - *products) / mass; // J/g = kJ/kg
        ValueCheck c = valueCheck(QStringLiteral("Qсг"), QStringLiteral("Qсг"), *s.heatOfCombustion, net,
                                  *s.heatOfCombustion / net - 1);
        c.sources = sourcesOf(*found);
        add(c, std::abs(c.deviation) <= 0.03, false, true);
    }

    std::optional<double> productFormation(const QMap<QString, double>& atoms) const
    {
        const auto first = [&](const char* productCas) -> std::optional<double> {
            const auto found = data.formation.find(QString::fromLatin1(productCas));
            if (found == data.formation.end() || found->empty())
                return std::nullopt;
            return found->front().value;
        };
        double sum = 0;
        for (auto atom = atoms.begin(); atom != atoms.end(); ++atom) {
            const QString& e = atom.key();
            const double n = atom.value();
            std::optional<double> each;
            if (e == u"C")
                each = first("124-38-9");
            else if (const auto water = first("7732-18-5"); e == u"H" && water)
                each = *water / 2;
            else if (const auto hcl = first("7647-01-0"); e == u"Cl" && hcl && water)
                each = *hcl - *water / 2; // each HCl takes one hydrogen that would have formed water
            else if (e == u"S")
                each = first("7446-09-5");
            else if (e == u"N" || e == u"O")
                each = 0.0;
            if (!each || !std::isfinite(*each))
                return std::nullopt;
            sum += n * *each;
        }
        return sum;
    }

    double formulaMassOf(const QMap<QString, double>& atoms) const
    {
        double mass = 0;
        for (auto atom = atoms.begin(); atom != atoms.end(); ++atom)
            mass += data.atomicWeights.value(atom.key()) * atom.value();
        return mass;
    }

    // The liquid density at 20 °C: the spilt mass is density × volume, so the higher density is
    // the hazardous one. Measured to the median of the sets, or to the edge of their spread where
    // they differ by more than 2 %.
    void liquidDensity()
    {
        if (!s.liquidDensity || s.isGas())
            return;
        constexpr double twenty = 20 + kelvin;
        std::vector<double> refs;
        QStringList sources;
        try {
            const double mass = formulaMassOf(formulaAtoms(s.formula));
            for (const DensitySet& set : data.liquidDensity.value(cas))
                if (const double rho = set.density(twenty, mass);
                    twenty >= set.tMin && twenty < set.tMax && std::isfinite(rho) && rho > 0) {
                    refs.push_back(rho);
                    if (!sources.contains(set.source))
                        sources << set.source;
                }
        } catch (const UserError&) {
            refs.clear();
        }
        if (refs.empty()) {
            result.withoutReference << QStringLiteral("ρж");
            return;
        }
        const double rho = *s.liquidDensity;
        const auto [low, high] = std::ranges::minmax(refs);
        double reference = median(refs);
        if (high / low - 1 > 0.02)
            reference = std::clamp(rho, low, high);
        ValueCheck c = valueCheck(QStringLiteral("ρж"), QStringLiteral("Плотность"), rho, reference,
                                  rho / reference - 1);
        c.hazardous = c.deviation > 0;
        c.sources = sources;
        add(c, std::abs(c.deviation) <= 0.01, true);
    }

    void vapourPressure()
    {
        if (!s.hasAntoine())
            return;
        const auto found = data.vapourPressure.find(cas);
        if (found == data.vapourPressure.end()) {
            result.withoutReference << QStringLiteral("Pн");
            return;
        }
        std::vector<double> temperatures{20, 25};
        const double from = std::max(10.0, s.antoineFrom.value_or(10.0));
        const double to = std::min(100.0, s.antoineTo.value_or(100.0));
        for (double t = 10; t <= 100; t += 5)
            if (t >= from && t <= to && t != 20 && t != 25)
                temperatures.push_back(t);
        ValueCheck worst = valueCheck(QStringLiteral("Pн"), QStringLiteral("A"), 0, 0, 0);
        bool any = false;
        bool unsafe = false;
        for (double t : temperatures) {
            std::vector<double> refs;
            for (const VapourPressureSet& set : *found)
                if (t + kelvin >= set.tMin && t + kelvin <= set.tMax) {
                    refs.push_back(set.pressure(t + kelvin) / 1000);
                    if (!worst.sources.contains(set.source))
                        worst.sources << set.source;
                }
            if (refs.empty())
                continue;
            const double p = std::pow(10.0, *s.antoineA - *s.antoineB / (t + *s.antoineC));
            const auto [low, high] = std::ranges::minmax(refs);
            double reference = median(refs);
            if (high / low - 1 > 0.10)
                reference = p < low ? low : p > high ? high : p;
            const double deviation = p / reference - 1;
            if (t == 20) {
                worst.hasTwenty = true;
                worst.atTwenty = deviation;
            }
            unsafe = unsafe || deviation < -0.05;
            if (!any || std::abs(deviation) > std::abs(worst.deviation)) {
                worst.table = p;
                worst.reference = reference;
                worst.deviation = deviation;
                worst.temperature = t;
            }
            any = true;
        }
        if (!any) {
            result.withoutReference << QStringLiteral("Pн");
            return;
        }
        worst.hazardous = !unsafe;
        add(worst, std::abs(worst.deviation) <= 0.05, true);
    }
};

QString signedPercent(double fraction, const QLocale& locale)
{
    const double rounded = std::round(fraction * 1000) / 10;
    QString text = formatNumber(std::abs(rounded), locale) + QStringLiteral(" %");
    if (rounded > 0)
        return u'+' + text;
    return rounded < 0 ? QStringLiteral("−") + text : text;
}

QString agreedText(const ValueCheck& c, const QLocale& locale)
{
    if (c.what == u"Pн")
        return c.hasTwenty
                   ? QString(QStringLiteral("Pн при 20 °C (") + signedPercent(c.atTwenty, locale) + u')')
                   : QString(QStringLiteral("Pн при ") + formatNumber(c.temperature, locale)
                             + QStringLiteral(" °C (") + signedPercent(c.deviation, locale) + u')');
    if (c.what == u"Qсг" || c.what == u"ρж")
        return c.what + QStringLiteral(" (") + signedPercent(c.deviation, locale) + u')';
    return c.what;
}

QString unresolvedText(const ValueCheck& c, const QLocale& locale)
{
    const bool temperature = c.what == u"tкип" || c.what == u"tвсп";
    const auto shown = [&](double v) -> QString {
        return formatNumber(std::round(v * 1000) / 1000, locale)
               + (temperature ? QStringLiteral(" °C") : QString());
    };
    const QString what = c.what == u"Pн"
                             ? QString(QStringLiteral("Pн при ") + formatNumber(c.temperature, locale)
                                       + QStringLiteral(" °C, кПа"))
                         : c.what == u"ρж" ? QStringLiteral("ρж при 20 °C, кг/м³")
                                           : c.what;
    return what + QStringLiteral(": в строке ") + shown(c.table) + QStringLiteral(", по независимым данным (")
           + c.sources.join(QStringLiteral(", ")) + QStringLiteral(") ") + shown(c.reference)
           + QStringLiteral(" — расхождение сверх допуска, проверьте значение");
}

QStringList statementLines(const Substance& s, const ReferenceData& data, const QLocale& locale)
{
    const SubstanceCrossCheck check = crossCheck(s, data);
    if (check.cas.isEmpty())
        return {s.own ? QStringLiteral("Собственная запись: в независимых данных вещество не найдено (ни по "
                                       "наименованию, ни по формуле), сверка невозможна")
                      : QStringLiteral("Смесь: значения по одному источнику, независимая сверка невозможна")};
    QStringList agreed;
    QStringList sources;
    QStringList lines;
    for (const ValueCheck& c : check.values) {
        if (c.verdict == CheckVerdict::Agrees) {
            agreed << agreedText(c, locale);
            for (const QString& source : c.sources)
                if (!sources.contains(source))
                    sources << source;
        } else if (c.verdict == CheckVerdict::Unresolved) {
            lines << (s.own ? QStringLiteral("Внимание! ") : QString()) + unresolvedText(c, locale);
        }
    }
    if (!agreed.isEmpty())
        lines.prepend(QStringLiteral("Сверено с независимыми данными (") + sources.join(QStringLiteral(", "))
                      + QStringLiteral("): ") + agreed.join(QStringLiteral(", ")));
    for (const SubstanceNote& note : check.notes)
        lines << note.text;
    if (!check.withoutReference.isEmpty())
        lines << QStringLiteral("Без независимой сверки: ")
                     + check.withoutReference.join(QStringLiteral(", "));
    return lines;
}

} // namespace

CheckVerdict SubstanceCrossCheck::verdict() const
{
    CheckVerdict worst = CheckVerdict::Agrees;
    for (const ValueCheck& c : values)
        worst = std::max(worst, c.verdict);
    return worst;
}

QString casOf(const Substance& s, const ReferenceData& data)
{
    if (!s.own)
        return data.casByName.value(s.name);
    // A user's own row: a name a shipped row bears, else a formula that only one compound has.
    QStringList names = s.synonyms;
    names.prepend(s.name);
    for (auto entry = data.casByName.begin(); entry != data.casByName.end(); ++entry)
        for (const QString& name : names)
            if (normalName(name) == normalName(entry.key()))
                return entry.value();
    const QString key = atomsKey(s.formula);
    if (key.isEmpty() || s.formula.contains(u','))
        return {};
    QSet<QString> matches;
    for (auto entry = data.formulaByCas.begin(); entry != data.formulaByCas.end(); ++entry)
        if (atomsKey(entry.value()) == key)
            matches.insert(entry.key());
    return matches.size() == 1 ? *matches.begin() : QString();
}

SubstanceCrossCheck crossCheck(const Substance& s, const ReferenceData& data)
{
    SubstanceCrossCheck result;
    result.cas = casOf(s, data);
    if (result.cas.isEmpty())
        return result;
    if (!s.own)
        result.notes = data.notesByName.value(s.name);
    Checker checker{s, data, result.cas, result.notes, result};
    checker.molarMass();
    checker.temperature(QStringLiteral("tкип"), s.boilingPoint, data.boilingPoint, false);
    checker.temperature(QStringLiteral("tвсп"), s.flashPoint, data.flashPoint, true);
    checker.vapourPressure();
    checker.lowerLimit();
    checker.heatOfCombustion();
    checker.liquidDensity();
    return result;
}

QString crossCheckStatement(const Substance& s, const QLocale& locale, const ReferenceData& data)
{
    return statementLines(s, data, locale).join(u'\n');
}

QString crossCheckReportText(const Substance& s, const ReferenceData& data)
{
    return statementLines(s, data, QLocale(QLocale::Russian, QLocale::Russia)).join(QStringLiteral("; "))
           + u'.';
}
