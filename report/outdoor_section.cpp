#include "numbers.h"
#include "report_sections.h"
#include "section_parts.h"

// The mass printed in 1.3 and 1.4 is the liquid-vapour result Em, and the coefficient after "nu="
// is n: in the usual workflow those are the numbers the main window's fields were filled with.
QString outdoorSection(const CalculationState& s, const QLocale& locale, const SectionAdditions& additions)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out = titleAndSourceSubsections(s, locale, QStringLiteral("(СП 12.13130.2009)"), additions);

    // 1.4 Reduced mass.
    out += QStringLiteral("<p><h4>1.4 Расчет приведенной массы осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Mпр = Qсг /Q0 * m * Z</center>");
    out += QStringLiteral("<p>где Qсг - удельная теплота сгорания газа или пара, МДж/кг, равное ")
           % number(s.Qsg) % QStringLiteral(" МДж/кг;");
    out += QStringLiteral("<p>Q0 - константа равная 4,52 МДж/кг;");
    out += QStringLiteral("<p>m - масса паров жидкости или газа, кг, равная ") % number(s.Em)
           % QStringLiteral(" кг;");
    out += QStringLiteral("<p>Z - коэффициент участия горючего во взрыве, Z = ") % number(s.Z)
           % QStringLiteral(".");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Мпр = ") % number(s.Mpr) % QStringLiteral(" кг.");

    // 1.5 Excess pressure 30 m from the centre of the cloud.
    out += QStringLiteral("<p><h4>1.5 Расчет избыточного давления взрыва для индивидуальных веществ "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>P = Po * (0,8Мпр<sup>0,33</sup>/r + "
                          "3Мпр<sup>0,66</sup>/r<sup>2</sup> + 5Мпр/r<sup>3</sup>) , кПа  (1)</center>");
    out += QStringLiteral("<p>Ро - начальное давление (допускается принимать 101 кПа);");
    out += QStringLiteral("<p>Мпр - приведенная масса жидкости, испарившейся с поверхности розлива, "
                          "равная ")
           % number(s.Mpr) % QStringLiteral("кг;");
    out += QStringLiteral("<p>r - расстояние от геометрического центра газопаровоздушного облака, равное "
                          "30 м.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Р = ") % number(s.EP) % QStringLiteral("кПа.");

    // Category AN (BN) from 5 kPa at 30 m on, the limit itself included.
    if (s.EP >= categoryPressureLimit)
        out += QStringLiteral("<p><h4>Так как избыточное давление взрыва на расстоянии 30м больше 5 кПа, то "
                              "данную установку следует отнести к категории АН (БН).</h4>");
    else
        out += QStringLiteral("<p><h4>Так как избыточное давление взрыва на расстоянии 30м меньше 5 кПа, то "
                              "данная устновка не относится к категории АН(БН). Необходимо произвести "
                              "пересчет на принадлежность к категории ВН.</h>");
    return out;
}
