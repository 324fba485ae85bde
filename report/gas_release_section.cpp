#include "gas_release_section.h"

#include "numbers.h"

QString gasReleaseSubsection(const GasRelease& r, const QLocale& locale)
{
    const auto number = [&locale](double value) { return formatNumber(value, locale); };
    QString out;
    out += QStringLiteral("<p><h4>1.3.1 Расчет массы горючего газа, вышедшего из аппарата и трубопроводов, "
                          "осуществляется по формулам А.6 - А.10 СП 12.13130.2009:</h4>");
    out += QStringLiteral("<p><center>m = (Vа + V1т + V2т) * &rho;г</center>");

    // Va: the apparatus.
    out += QStringLiteral("<p>где Vа = 0,01 * P1 * V - объем газа, вышедшего из аппарата, м<sup>3</sup>;");
    out += QStringLiteral("<p>P1 - давление в аппарате, равное ") % number(r.apparatusPressure)
           % QStringLiteral("кПа;");
    out += QStringLiteral("<p>V - объем аппарата, равный ") % number(r.apparatusVolume)
           % QStringLiteral(" м<sup>3</sup>;");

    // V1т: the flow until the pipeline is shut off.
    out += QStringLiteral("<p>V1т = q * T - объем газа, вышедшего из трубопровода до его отключения, "
                          "м<sup>3</sup>;");
    out += QStringLiteral("<p>q - расход газа, равный ") % number(r.flowRate)
           % QStringLiteral(" м<sup>3</sup>/с;");
    out += QStringLiteral("<p>T - расчетное время отключения трубопровода, равное ") % number(r.shutOffTime)
           % QStringLiteral("с;");

    // V2т: what the shut-off pipelines hold.
    out += QStringLiteral("<p>V2т = 0,01 * &pi; * P2 * &Sigma; r<sup>2</sup> * L - объем газа, вышедшего "
                          "из трубопроводов после их отключения, м<sup>3</sup>;");
    out += QStringLiteral("<p>P2 - максимальное давление в трубопроводе, равное ")
           % number(r.pipelinePressure) % QStringLiteral("кПа;");
    out += QStringLiteral("<p>r, L - внутренний радиус (половина внутреннего диаметра d) и длина участков "
                          "трубопроводов:");
    if (r.pipelines.isEmpty())
        out += QStringLiteral(" трубопроводов нет;");
    for (const PipelineSection& section : r.pipelines)
        out += QStringLiteral(" d=") % number(section.diameter) % QStringLiteral("мм, L=")
               % number(section.length) % QStringLiteral("м;");

    out += QStringLiteral("<p>&rho;г - плотность газа при расчетной температуре, равная ") % number(r.density)
           % QStringLiteral("кг/м<sup>3</sup>.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>Vа = ") % number(r.apparatusGas) % QStringLiteral(" м<sup>3</sup>; V1т = ")
           % number(r.flowGas) % QStringLiteral(" м<sup>3</sup>; V2т = ") % number(r.pipelineGas)
           % QStringLiteral(" м<sup>3</sup>;");
    out += QStringLiteral("<p>m = ") % number(r.mass) % QStringLiteral("кг");
    return out;
}
