#include "numbers.h"
#include "report_sections.h"
#include "section_parts.h"

// Subsections 1.1 to 1.5 are written for a gas as for a liquid, whether or not the calculator
// windows were used: a value nothing has set prints as 0.
QString roomSection(const CalculationState& s, const QLocale& locale, const SectionAdditions& additions)
{
    const auto number = [&locale](auto value) { return formatNumber(value, locale); };
    QString out = titleAndSourceSubsections(s, locale, QStringLiteral("(табл. 3 НПБ 105-03)"), additions);

    // 1.4 Stoichiometric concentration; beta counts the oxygen the fuel itself brings as a minus.
    out += QStringLiteral("<p><h4>1.4 Расчет стехиометрической концентрации ГГ или паров ЛВЖ "
                          "осуществляется по формуле:</h4>");
    out += QStringLiteral("<p><center>Сст = 100 / (1 + 4,84 * В), %</center>");
    out += QStringLiteral("<p>где В = nC + (nH-nX)/4 - nO/2 - стехиометрический коэффициент кислорода в "
                          "реакции горения;");
    out += QStringLiteral("<p>nC, nH, nO, nX - число атомов С, Н, О и галоидов в молекуле горючего, "
                          "равных: nC=")
           % number(s.nC) % QStringLiteral(", nH=") % number(s.nH) % QStringLiteral(", nO=") % number(s.nO)
           % QStringLiteral(", nX=") % number(s.nX);
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
    out += QStringLiteral("<p>m - масса жидкости, испарившейся с поверхности розлива, равно ")
           % number(s.Mass) % QStringLiteral("кг;");
    out += QStringLiteral("<p>Z - коэффициент участия горючего во взрыве, принимается по табл. 2 НПБ "
                          "105-03;");
    out += QStringLiteral("<p>Vсв - свободный объем помещения, равный ") % number(s.Vsv)
           % QStringLiteral(" м<sup>3</sup>;");
    out += QStringLiteral("<p>Рг.п. - плотность газа или пара при расчетной температуре ") % number(s.pgp)
           % QStringLiteral("кг/м<sup>3</sup>;");
    out += QStringLiteral("<p>Cст - стехиометрическая концентрация ГГ или паров ЛВЖ, равная ") % number(s.Cst)
           % QStringLiteral("%;");
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
