#include "section_parts.h"
#include "numbers.h"

QString titleAndSourceSubsections(const CalculationState& s, const QLocale& locale,
                                  const QString& coefficientSource, const SectionAdditions& additions)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out;
    out = QStringLiteral("<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП "
                         "12.13130.2009)</h3>");
    out += additions.afterTitle;

    // 1.1 Saturated vapour pressure (Antoine equation).
    out += QStringLiteral("<p><h4>1.1 Расчет давления насыщенного пара осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pн = 10<sup>(A - (B / (C + tp)</sup></center>");
    out += QStringLiteral("<p>где A, B, C - константы Антуана, равные: А=") % number(s.A)
           % QStringLiteral(", B=") % number(s.B) % QStringLiteral(", C=") % number(s.C)
           % QStringLiteral(";");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1)
           % QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Pн = ") % number(s.Pn) % QStringLiteral("кПа");

    // 1.2 Density of the gas or vapour at the design temperature.
    out += QStringLiteral("<p><h4>1.2 Расчет плотности газа или пара при расчетной температуре "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pг.п. = M / Vo (1 + 0.00367 * tр) кг/м<sup>3</sup></center>");
    out += QStringLiteral("<p>где, М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Vo - мольный объем, равный 22.413м<sup>3</sup>/кмоль;");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1)
           % QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Рг.п. = ") % number(s.pl) % QStringLiteral("кг/м<sup>3</sup>");

    // 1.3 Mass of liquid vapour evaporated from the spill.
    out += QStringLiteral("<p><h4>1.3 Расчет массы паров жидкости осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>m = W * Fи * T</center>");
    out += QStringLiteral("<p>где W = 10<sup>-6 * nu * Pн * М<sup>0.5</sup></sup>  - интенсивность "
                          "испарения, кг/(с*м<sup>2</sup>);");
    out += QStringLiteral("<p>nu - коэффициент, зависящий от скорости воздугного потока ") % coefficientSource
           % QStringLiteral(", nu=") % number(s.n) % QStringLiteral(";");
    out +=
        QStringLiteral("<p>Рн - давление насыщенного пара, равное ") % number(s.Pn) % QStringLiteral("кПа;");
    out += QStringLiteral("<p>М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Fи - площадь испарения, равная ") % number(s.Fi)
           % QStringLiteral("м<sup>2</sup>;");
    out += QStringLiteral("<p>T - продолжительность испарения жидкости, принимаемое не более 3600 сек.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>m = ") % number(s.Em) % QStringLiteral("кг");
    out += additions.afterSubsection13;

    return out;
}
