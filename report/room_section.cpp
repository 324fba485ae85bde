#include "numbers.h"
#include "report_sections.h"

// Subsections 1.1 to 1.5 are written for a gas as for a liquid, whether or not the calculator
// windows were used: a value nothing has set prints as 0.
QString roomSection(const CalculationState& s, const QLocale& locale)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out;
    out = QStringLiteral("<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП "
                         "12.13130.2009)</h3>");

    // 1.1 Saturated vapour pressure (Antoine equation).
    out += QStringLiteral("<p><h4>1.1 Расчет давления насыщенного пара осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pн = 10<sup>(A - (B / (C + tp)</sup></center>");
    out += QStringLiteral("<p>где A, B, C - константы Антуана, равные: А=") % number(s.A) %
           QStringLiteral(", B=") % number(s.B) % QStringLiteral(", C=") % number(s.C) % QStringLiteral(";");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1) %
           QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Pн = ") % number(s.Pn) % QStringLiteral("кПа");

    // 1.2 Density of the gas or vapour at the design temperature.
    out += QStringLiteral("<p><h4>1.2 Расчет плотности газа или пара при расчетной температуре "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Pг.п. = M / Vo (1 + 0.00367 * tр) кг/м<sup>3</sup></center>");
    out += QStringLiteral("<p>где, М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Vo - мольный объем, равный 22.413м<sup>3</sup>/кмоль;");
    out += QStringLiteral("<p>tp - расчетная температура воздуха, равная ") % number(s.T1) %
           QStringLiteral(" <sup>o</sup>C.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Рг.п. = ") % number(s.pl) % QStringLiteral("кг/м<sup>3</sup>");

    // 1.3 Mass of liquid vapour evaporated from the spill.
    out += QStringLiteral("<p><h4>1.3 Расчет массы паров жидкости осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>m = W * Fи * T</center>");
    out += QStringLiteral("<p>где W = 10<sup>-6 * nu * Pн * М<sup>0.5</sup></sup>  - интенсивность "
                          "испарения, кг/(с*м<sup>2</sup>);");
    out += QStringLiteral("<p>nu - коэффициент, зависящий от скорости воздугного потока (табл. 3 НПБ "
                          "105-03), nu=") %
           number(s.n) % QStringLiteral(";");
    out +=
        QStringLiteral("<p>Рн - давление насыщенного пара, равное ") % number(s.Pn) % QStringLiteral("кПа;");
    out += QStringLiteral("<p>М - молярная масса, равная ") % number(s.M) % QStringLiteral("кг/моль;");
    out += QStringLiteral("<p>Fи - площадь испарения, равная ") % number(s.Fi) %
           QStringLiteral("м<sup>2</sup>;");
    out += QStringLiteral("<p>T - продолжительность испарения жидкости, принимаемое не более 3600 сек.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>m = ") % number(s.Em) % QStringLiteral("кг");

    // 1.4 Stoichiometric concentration; beta counts the oxygen the fuel itself brings as a minus.
    out += QStringLiteral("<p><h4>1.4 Расчет стехиометрической концентрации ГГ или паров ЛВЖ "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Сст = 100 / (1 + 4,84 * В), %</center>");
    out += QStringLiteral("<p>где В = nC + (nH-nX)/4 - nO/2 - стехиометрический коэффициент кислорода в "
                          "реакции горения;");
    out += QStringLiteral("<p>nC, nH, nO, nX - число атомов С, Н, О и галоидов в молекуле горючего, "
                          "равных: nC=") %
           number(s.nC) % QStringLiteral(", nH=") % number(s.nH) % QStringLiteral(", nO=") % number(s.nO) %
           QStringLiteral(", nX=") % number(s.nX);
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Ccт = ") % number(s.Cst) % QStringLiteral("%");

    // 1.5 Excess explosion pressure, formula (1).
    out += QStringLiteral("<p><h4>1.5 Расчет избыточного давления взрыва для индивидуальных веществ "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>P = (Pmax - Po) * m * Z * 100 / Vсв * Pг.п. * Сст * Кн, кПа  "
                          "(1)</center>");
    out += QStringLiteral("<p>где Pmax  - максимальное давление взрыва стехиометрической газовоздушной "
                          "или паровоздушной смеси в замкнутом объеме (при отсутствии данных принимается "
                          "равным 900 кПа);");
    out += QStringLiteral("<p>Ро - начальное давление (допускается принимать 101 кПа);");
    out += QStringLiteral("<p>m - масса жидкости, испарившейся с поверхности розлива, равно ") %
           number(s.Mass) % QStringLiteral("кг;");
    out += QStringLiteral("<p>Z - коэффициент участия горючего во взрыве, принимается по табл. 2 НПБ "
                          "105-03;");
    out += QStringLiteral("<p>Vсв - свободный объем помещения, равный ") % number(s.Vsv) %
           QStringLiteral(" м<sup>3</sup>;");
    out += QStringLiteral("<p>Рг.п. - плотность газа или пара при расчетной температуре ") % number(s.pgp) %
           QStringLiteral("кг/м<sup>3</sup>;");
    out += QStringLiteral("<p>Cст - стехиометрическая концентрация ГГ или паров ЛВЖ, равная ") %
           number(s.Cst) % QStringLiteral("%;");
    out += QStringLiteral("<p>Кн - коэффициент допускающий негерметичность помещения и неадиабатичность "
                          "процесса горения (принимается равным 3).");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Р = ") % number(s.EP) % QStringLiteral("кПа.");

    // Category A from 5 kPa on, the limit itself included.
    if (s.EP >= categoryPressureLimit)
        out += QStringLiteral("<p><h4>Так как давление взрыва больше 5 кПа, то данное помещение следует "
                              "отнести к категории А.</h4>");
    else
        out += QStringLiteral("<p><h4>Так как давление взрыва меньше 5 кПа, то данное помещение не относится "
                              "к категории А. Необходимо произвести пересчет на принадлежность помещения к "
                              "категории В.</h>");
    return out;
}
