#include "spill_section.h"

#include "numbers.h"

namespace {

QString areaRuleText(const SpillResult& r, const QLocale& locale)
{
    const auto number = [&locale](double value) { return formatNumber(value, locale); };
    switch (r.areaRule) {
    case SpillAreaRule::Floor:
        return QStringLiteral("площадь пола помещения, меньшая площади разлива ") % number(r.areaPerLitre)
               % QStringLiteral("м<sup>2</sup> на 1 л жидкости");
    case SpillAreaRule::Tray:
        return QStringLiteral("площадь поддона (обвалования), в котором удерживается жидкость");
    case SpillAreaRule::PerLitre:
        break;
    }
    return QStringLiteral("из расчета ") % number(r.areaPerLitre)
           % QStringLiteral("м<sup>2</sup> на 1 л жидкости (1 л смесей и растворов, содержащих 70% и менее "
                            "по массе растворителей, разливается на площади 0,5 м<sup>2</sup>, остальных "
                            "жидкостей - на 1 м<sup>2</sup> пола)");
}

} // namespace

QString spillSubsection(const SpillResult& r, const QLocale& locale)
{
    const auto number = [&locale](double value) { return formatNumber(value, locale); };
    const SpillInput& in = r.input;
    QString out;
    out += QStringLiteral("<p><h4>1.3.1 Расчет массы паров жидкости, разлившейся при аварии аппарата, "
                          "осуществляется по формулам А.11 - А.13 СП 12.13130.2009:</h4>");
    out += QStringLiteral("<p><center>m = W * Fи * T</center>");

    // The liquid that spills: the apparatus, the inflow until shut-off and the pipelines up to the valves.
    out += QStringLiteral(
        "<p>Объем разлившейся жидкости Vж = Vап + q * Tоткл + &pi; * &Sigma; r<sup>2</sup> * L, "
        "м<sup>3</sup>;");
    out += QStringLiteral("<p>Vап - объем жидкости в аппарате, равный ") % number(in.apparatusVolume)
           % QStringLiteral(" м<sup>3</sup>;");
    out += QStringLiteral("<p>q - расход жидкости, равный ") % number(in.flowRate)
           % QStringLiteral(" м<sup>3</sup>/с; Tоткл - расчетное время отключения трубопроводов, равное ")
           % number(in.shutOffTime) % QStringLiteral("с;");
    out += QStringLiteral("<p>r, L - внутренний радиус (половина внутреннего диаметра d) и длина участков "
                          "трубопроводов:");
    if (in.pipelines.isEmpty())
        out += QStringLiteral(" трубопроводов нет;");
    for (const PipelineSection& section : in.pipelines)
        out += QStringLiteral(" d=") % number(section.diameter) % QStringLiteral("мм, L=")
               % number(section.length) % QStringLiteral("м;");
    out += QStringLiteral("<p>Vж = ") % number(r.liquidVolume) % QStringLiteral(" м<sup>3</sup>;");
    out += QStringLiteral("<p>Масса жидкости mж = &omega; * &rho;ж * Vж, где &omega; - доля растворителя, "
                          "равная ")
           % number(in.solventShare) % QStringLiteral("%, &rho;ж - плотность жидкости, равная ")
           % number(in.liquidDensity) % QStringLiteral("кг/м<sup>3</sup>; mж = ") % number(r.liquidMass)
           % QStringLiteral("кг;");

    // The area and the intensity of evaporation.
    out += QStringLiteral("<p>Fи - площадь испарения, принимаемая ") % areaRuleText(r, locale)
           % QStringLiteral(", равная ") % number(r.spillArea) % QStringLiteral("м<sup>2</sup>;");
    out += QStringLiteral("<p>W = 10<sup>-6</sup> * &eta; * М<sup>0.5</sup> * Pн - интенсивность испарения, "
                          "где &eta; = ")
           % number(r.evaporationCoefficient) % QStringLiteral(" (табл. А.2 при U = ") % number(in.airSpeed)
           % QStringLiteral("м/с и tp = ") % number(in.airTemperature)
           % QStringLiteral(" <sup>o</sup>C), М = ") % number(in.molarMass)
           % QStringLiteral("кг/кмоль, Pн = ") % number(in.vapourPressure) % QStringLiteral("кПа; W = ")
           % number(r.evaporationRate) % QStringLiteral("кг/(с*м<sup>2</sup>);");

    // The time: until the liquid is gone, at most an hour.
    out += QStringLiteral("<p>T - продолжительность испарения, равная времени полного испарения "
                          "Tполн = mж / (W * Fи) = ")
           % number(r.fullEvaporationTime) % QStringLiteral("с, но не более 3600 с; T = ")
           % number(r.evaporationTime) % QStringLiteral("с.");
    out += QStringLiteral("<p><p>После подстановки имеющихся значений имеем:");
    out += QStringLiteral("<p>m = ") % number(r.evaporationRate) % QStringLiteral(" * ") % number(r.spillArea)
           % QStringLiteral(" * ") % number(r.evaporationTime) % QStringLiteral(" = ") % number(r.vapourMass)
           % QStringLiteral("кг");
    return out;
}
