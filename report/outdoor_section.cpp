#include "numbers.h"
#include "report_sections.h"

// The mass printed in 1.3 and 1.4 is the liquid-vapour result Em, and the coefficient after "nu="
// is n: in the usual workflow those are the numbers the main window's fields were filled with.
QString outdoorSection(const CalculationState& s, const QLocale& locale)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out;
    out = QStringLiteral("<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП "
                         "12.13130.2009)</h3>");

    // 1.1 Saturated vapour pressure.
    out += QStringLiteral("<p><h4>1.1 Расчет давления насыщенного пара осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pн = 10<sup>(A - (B / (C + tp)</sup></center>");
    out += QStringLiteral("<p>где A, B, C - константы Антуана, равные: А=") % number(s.A) %
           QStringLiteral(", B=") % number(s.B) % QStringLiteral(", C=") % number(s.C) % QStringLiteral(";");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1) %
           QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Pн = ") % number(s.Pn) % QStringLiteral("кПа");

    // 1.2 Density of the gas or vapour.
    out += QStringLiteral("<p><h4>1.2 Расчет плотности газа или пара при расчетной температуре "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pг.п. = M / Vo (1 + 0.00367 * tр) кг/м<sup>3</sup></center>");
    out += QStringLiteral("<p>где, М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Vo - мольный объем, равный 22.413м<sup>3</sup>/кмоль;");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1) %
           QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Рг.п. = ") % number(s.pl) % QStringLiteral("кг/м<sup>3</sup>");

    // 1.3 Mass of liquid vapour.
    out += QStringLiteral("<p><h4>1.3 Расчет массы паров жидкости осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>m = W * Fи * T</center>");
    out += QStringLiteral("<p>где W = 10<sup>-6 * nu * Pн * М<sup>0.5</sup></sup>  - интенсивность "
                          "испарения, кг/(с*м<sup>2</sup>);");
    out += QStringLiteral("<p>nu - коэффициент, зависящий от скорости воздугного потока (СП "
                          "12.13130.2009), nu=") %
           number(s.n) % QStringLiteral(";");
    out +=
        QStringLiteral("<p>Рн - давление насыщенного пара, равное ") % number(s.Pn) % QStringLiteral("кПа;");
    out += QStringLiteral("<p>М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Fи - площадь испарения, равная ") % number(s.Fi) %
           QStringLiteral("м<sup>2</sup>;");
    out += QStringLiteral("<p>T - продолжительность испарения жидкости, принимаемое не более 3600 сек.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>m = ") % number(s.Em) % QStringLiteral("кг");

    // 1.4 Reduced mass.
    out += QStringLiteral("<p><h4>1.4 Расчет приведенной массы осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Mпр = Qсг /Q0 * m * Z</center>");
    out += QStringLiteral("<p>где Qсг - удельная теплота сгорания газа или пара, МДж/кг, равное ") %
           number(s.Qsg) % QStringLiteral(" МДж/кг;");
    out += QStringLiteral("<p>Q0 - константа равная 4,52 МДж/кг;");
    out += QStringLiteral("<p>m - масса паров жидкости или газа, кг, равная ") % number(s.Em) %
           QStringLiteral(" кг;");
    out += QStringLiteral("<p>Z - коэффициент участия горючего во взрыве, Z = ") % number(s.Z) %
           QStringLiteral(".");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Мпр = ") % number(s.Mpr) % QStringLiteral(" кг.");

    // 1.5 Excess pressure 30 m from the centre of the cloud.
    out += QStringLiteral("<p><h4>1.5 Расчет избыточного давления взрыва для индивидуальных веществ "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>P = Po * (0,8Мпр<sup>0,33</sup>/r + "
                          "3Мпр<sup>0,66</sup>/r<sup>2</sup> + 5Мпр/r<sup>3</sup>) , кПа  (1)</center>");
    out += QStringLiteral("<p>Ро - начальное давление (допускается принимать 101 кПа);");
    out += QStringLiteral("<p>Мпр - приведенная масса жидкости, испарившейся с поверхности розлива, "
                          "равная ") %
           number(s.Mpr) % QStringLiteral("кг;");
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
