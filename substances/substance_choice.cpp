#include "substance_choice.h"

#include "calculator_formulas.h"
#include "numbers.h"
#include "substance_checks.h"
#include "substance_crosscheck.h"
#include "substance_table.h"

#include <cmath>

namespace {

const QString tableA1 = QStringLiteral(" (табл. А.1 СП 12.13130.2009).");

bool isHydrogen(const Substance& s)
{
    return s.isGas() && s.nC == 0 && s.nH == 2 && s.nO == 0 && s.nX == 0 && s.formula == QStringLiteral("H2");
}

bool same(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-12 * std::fabs(b);
}

QString degrees(double value, const QLocale& locale)
{
    return formatNumber(value, locale) + QStringLiteral(" °C");
}

} // namespace

Participation participationOf(const Substance& s, double designTemperature, const QLocale& locale)
{
    if (isHydrogen(s))
        return {1.0, QStringLiteral("Z = 1: водород") + tableA1};
    if (s.isGas())
        return {0.5, QStringLiteral("Z = ") + formatNumber(0.5, locale)
                         + QStringLiteral(": горючий газ, кроме водорода") + tableA1};
    if (!s.flashPoint)
        return {std::nullopt, QStringLiteral("Z не определен: температура вспышки неизвестна, примите Z по "
                                             "табл. А.1 СП 12.13130.2009.")};
    const QString temperatures = QStringLiteral("расчетная температура ") + degrees(designTemperature, locale)
                                 + QStringLiteral(", температура вспышки ") + degrees(*s.flashPoint, locale);
    if (designTemperature >= *s.flashPoint)
        return {0.3, QStringLiteral("Z = ") + formatNumber(0.3, locale)
                         + QStringLiteral(": жидкость нагрета до температуры вспышки и выше (") + temperatures
                         + QStringLiteral(")") + tableA1};
    return {0.0, QStringLiteral("Z = 0: жидкость ниже температуры вспышки (") + temperatures
                     + QStringLiteral("), аэрозоль не образуется; если аэрозоль возможен, Z = ")
                     + formatNumber(0.3, locale) + tableA1};
}

QString applyWarnings(const Substance& s, double designTemperature, const QLocale& locale)
{
    QStringList lines;
    if (!s.isGas() && !s.hasAntoine())
        lines << QStringLiteral("Константы Антуана неизвестны: давление пара не рассчитывается.");
    if (s.hasAntoine() && s.antoineFrom && s.antoineTo
        && (designTemperature < *s.antoineFrom || designTemperature > *s.antoineTo))
        lines << QStringLiteral("Расчетная температура ") + degrees(designTemperature, locale)
                     + QStringLiteral(" вне интервала констант Антуана (")
                     + formatNumber(*s.antoineFrom, locale) + QStringLiteral("…")
                     + degrees(*s.antoineTo, locale)
                     + QStringLiteral("): давление пара будет экстраполяцией.");
    if (!burnsByStoichiometricFormula(s))
        lines << QStringLiteral("Формула Сст по СП 12.13130.2009 не учитывает серу и фосфор: Сст не "
                                "заполняется, рассчитайте ее по уравнению реакции горения.");
    return lines.join(u'\n');
}

MainWindowTexts applySubstance(CalculationState& state, const Substance& s, const QLocale& locale)
{
    const double temperature = state.T1;
    const bool stoichiometric = burnsByStoichiometricFormula(s);
    const double cst = stoichiometric ? stoichiometricConcentration(s.nC, s.nH, s.nO, s.nX) : 0.0;
    const double density = vapourDensity(s.molarMass, temperature);
    std::optional<double> vapourPressure;
    if (s.hasAntoine())
        vapourPressure = antoinePressure(*s.antoineA, *s.antoineB, *s.antoineC, temperature);

    state.nC = s.nC;
    state.nH = s.nH;
    state.nO = s.nO;
    state.nX = s.nX;
    if (stoichiometric)
        state.Cst = cst;
    state.M = s.molarMass;
    if (vapourPressure) {
        state.A = *s.antoineA;
        state.B = *s.antoineB;
        state.C = *s.antoineC;
        state.Pn = *vapourPressure;
    }
    state.pl = density;
    state.substance = s.name;

    MainWindowTexts texts;
    if (stoichiometric)
        texts.stoichiometric = formatNumber(cst, locale);
    texts.density = formatNumber(density, locale);
    if (s.heatOfCombustion)
        texts.heat = formatNumber(*s.heatOfCombustion / 1000.0, locale);
    if (s.maxPressure)
        texts.maxPressure = formatNumber(*s.maxPressure, locale);
    if (const Participation z = participationOf(s, temperature, locale); z.z)
        texts.participation = formatNumber(*z.z, locale);
    return texts;
}

bool stateHoldsSubstance(const CalculationState& state, const Substance& s)
{
    if (!same(state.M, s.molarMass) || !same(state.nC, s.nC) || !same(state.nH, s.nH) || !same(state.nO, s.nO)
        || !same(state.nX, s.nX))
        return false;
    if (!s.hasAntoine())
        return true;
    return same(state.A, *s.antoineA) && same(state.B, *s.antoineB) && same(state.C, *s.antoineC);
}

const Substance* chosenSubstance(const CalculationState& state, const std::vector<Substance>& rows)
{
    if (state.substance.isEmpty())
        return nullptr;
    for (const Substance& row : rows)
        if (row.name == state.substance)
            return stateHoldsSubstance(state, row) ? &row : nullptr;
    return nullptr;
}

QString substanceReportLine(const Substance& s)
{
    const QString origin = s.own ? QStringLiteral("собственная запись пользователя в справочнике веществ")
                                 : QStringLiteral("справочник веществ программы");
    return QStringLiteral("<p>Вещество: ") + s.name.toHtmlEscaped() + QStringLiteral(", формула ")
           + s.formula.toHtmlEscaped() + QStringLiteral(". Данные: ") + origin
           + QStringLiteral("; источник: ") + s.source.toHtmlEscaped() + QStringLiteral(". ")
           + crossCheckReportText(s).toHtmlEscaped();
}

QString substanceDetails(const Substance& s, const QLocale& locale)
{
    SubstanceTexts texts = textsOf(s, locale);
    texts[SynonymsColumn] = s.synonyms.join(QStringLiteral(", "));
    QStringList lines;
    for (int column = 0; column < SubstanceColumnCount; ++column) {
        const QString value = texts[column].isEmpty() ? QStringLiteral("нет данных") : texts[column];
        lines << columnDescription(column) + QStringLiteral(": ") + value;
    }
    if (s.own)
        lines << QStringLiteral("Собственная запись пользователя.");
    return lines.join(u'\n');
}
