#include "numbers.h"
#include "report_sections.h"

namespace {

// A spill evaporates under the ventilation's air until it is gone, at most an hour, and the
// ventilation divides its vapour by K = A * T + 1.
QString spillTimeLines(const SpillVentilation& v, const QLocale& locale)
{
    const auto number = [&locale](double value) { return formatNumber(value, locale); };
    QString out;
    out += QStringLiteral("<p>Продолжительность испарения разлившейся жидкости T равна времени ее полного "
                          "испарения Tполн = mж / (W * Fи) = ")
           % number(v.fullEvaporationTime) % QStringLiteral("с, но не более 3600 с; T = ")
           % number(v.evaporationTime) % QStringLiteral("с;");
    out += QStringLiteral("<p><center>m = W * Fи * T / K, кг; K = A * T + 1</center>");
    out += QStringLiteral("<p>где A = n / 3600 - кратность воздухообмена аварийной вентиляции, равная ")
           % number(v.airChangesPerSecond) % QStringLiteral(" 1/с; K = ") % number(v.divisor)
           % QStringLiteral(";");
    return out;
}

} // namespace

// U and W are single precision and print with 7 significant digits; the coefficient after "n=" is
// nu, found from the air velocity, while n is the air-exchange rate.
QString ventilationSection(const CalculationState& s, const QLocale& locale, const SpillVentilation* spill)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out;

    // Air velocity and the evaporation coefficient it gives.
    out += QStringLiteral("<p><h4>1.6 Расчет аварийной вентиляции при пересчете на категорию В1.</h4>");
    out += QStringLiteral("<p>Принимаем кратность воздухообмена равной ") % number(s.n) % QStringLiteral(";");
    out += QStringLiteral("<p>Наибольшая длина помещения равна ") % number(s.L) % QStringLiteral("м;");
    out += QStringLiteral("<p>Скорость воздушного потока U = n * L / 3600 равна ") % number(s.U)
           % QStringLiteral("м/c;");
    out += QStringLiteral("<p>По найденному коэффициенту U определяем коэффициент nu (табл. 3 НПБ "
                          "105-03), n=")
           % number(s.nu) % QStringLiteral(";");

    // Evaporation intensity and the vapour that remains with the ventilation running.
    out += QStringLiteral("<p>Определяем интенсивность испарения W = 10<sup>-6 * nu * Pн * "
                          "М<sup>0.5</sup></sup>, кг/(с*м<sup>2</sup>);");
    out += QStringLiteral("<p>W =") % number(s.W) % QStringLiteral("кг/(с*м<sup>2</sup>);");
    out += QStringLiteral("<p>Определяем массу оставшихся паров при работающей аварийной вентиляции и "
                          "заданной кратности воздухообмена:");
    if (spill)
        out += spillTimeLines(*spill, locale);
    else
        out += QStringLiteral("<p><center>m = W * Fи * 3600 /(n + 1), кг</center>");
    out += QStringLiteral("<p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>m = ") % number(s.Mass) % QStringLiteral(", кг");

    // Excess pressure for that mass.
    out += QStringLiteral("<p>Расчет избыточного давления взрыва для полученной массы по формуле (1), "
                          "при этом избыточное давление взрыва не должно превышать 5кПа.");
    out += QStringLiteral("<p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Р = ") % number(s.EP) % QStringLiteral("кПа.");

    // Capacity of the ventilation unit.
    out += QStringLiteral("<p>Производительность вентиляционной установки определяется по формуле:");
    out += QStringLiteral("<p>Qвент = n * Vсв, м<sup>3</sup>/час;");
    out += QStringLiteral("<p>где n  - кратность воздухообмена; n=") % number(s.n) % QStringLiteral(" крат;");
    out += QStringLiteral("<p>Vсв - свободный объем помещения, равный ") % number(s.Vsv)
           % QStringLiteral(" м<sup>3</sup>.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Qвент = ") % number(s.Vvent) % QStringLiteral("м<sup>3</sup>/час.");
    return out;
}
