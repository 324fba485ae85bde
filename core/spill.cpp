#include "spill.h"

#include "checked.h"
#include "evaporation_coefficient.h"
#include "numbers.h"
#include "user_error.h"

#include <algorithm>
#include <numbers>

namespace {

constexpr double litresPerCubicMetre = 1000;
constexpr double millimetresPerRadius = 2000;    // a pipeline's inner radius in m from its diameter in mm
constexpr double thickMixtureAreaPerLitre = 0.5; // m2
constexpr double liquidAreaPerLitre = 1.0;       // m2

double nonNegative(double value)
{
    if (checked(value) < 0)
        throw UserError();
    return value;
}

double positive(double value)
{
    if (nonNegative(value) == 0)
        throw UserError();
    return value;
}

// What the pipelines hold up to their valves, m3.
double pipelineLiquid(const QList<PipelineSection>& pipelines)
{
    double sum = 0;
    for (const PipelineSection& section : pipelines) {
        const double radius = checkedDivide(nonNegative(section.diameter), millimetresPerRadius);
        sum = checked(
            sum
            + checked(checked(std::numbers::pi * checked(radius * radius)) * nonNegative(section.length)));
    }
    return sum;
}

void checkInput(const SpillInput& in)
{
    for (double value :
         {in.apparatusVolume, in.flowRate, in.shutOffTime, in.solventShare, in.airSpeed, in.vapourPressure})
        nonNegative(value);
    for (double value : {in.liquidDensity, in.floorArea, in.molarMass})
        positive(value);
    if (in.trayArea)
        nonNegative(*in.trayArea);
    if (in.solventShare > 100)
        throw UserError(); // more solvent than liquid
    checked(in.airTemperature);
}

void limitArea(SpillResult& r)
{
    const SpillInput& in = r.input;
    r.areaPerLitre = in.solventShare <= thickMixtureShare ? thickMixtureAreaPerLitre : liquidAreaPerLitre;
    r.spillArea = checked(checked(r.areaPerLitre * litresPerCubicMetre) * r.liquidVolume);
    r.areaRule = SpillAreaRule::PerLitre;
    if (in.floorArea < r.spillArea) {
        r.spillArea = in.floorArea;
        r.areaRule = SpillAreaRule::Floor;
    }
    if (in.trayArea && *in.trayArea < r.spillArea) {
        r.spillArea = *in.trayArea;
        r.areaRule = SpillAreaRule::Tray;
    }
}

} // namespace

SpillResult calculateSpill(const SpillInput& input)
{
    checkInput(input);
    SpillResult r;
    r.input = input;
    r.liquidVolume = checked(checked(input.apparatusVolume + checked(input.flowRate * input.shutOffTime))
                             + pipelineLiquid(input.pipelines));
    r.liquidMass = checked(checked(input.solventShare / 100 * input.liquidDensity) * r.liquidVolume);
    limitArea(r);
    r.evaporationCoefficient = evaporationCoefficient(input.airSpeed, input.airTemperature);
    r.evaporationRate =
        checked(checked(checked(1e-6 * r.evaporationCoefficient) * checkedSqrt(input.molarMass))
                * input.vapourPressure);
    r.fullEvaporationTime = checkedDivide(r.liquidMass, checked(r.evaporationRate * r.spillArea));
    r.evaporationTime = std::min(r.fullEvaporationTime, longestEvaporation);
    r.vapourMass = checked(checked(r.evaporationRate * r.spillArea) * r.evaporationTime);
    return r;
}

SpillInput parseSpillFields(const SpillFields& f, double airTemperature, const QLocale& locale)
{
    const auto number = [&locale](const QString& text) { return parseNumber(text, locale); };
    SpillInput in;
    in.apparatusVolume = number(f.apparatusVolume);
    in.flowRate = number(f.flowRate);
    in.shutOffTime = number(f.shutOffTime);
    for (const auto& [diameter, length] : f.pipelines)
        in.pipelines.append({number(diameter), number(length)});
    in.liquidDensity = number(f.liquidDensity);
    in.solventShare = number(f.solventShare);
    in.floorArea = number(f.floorArea);
    if (!f.trayArea.trimmed().isEmpty())
        in.trayArea = number(f.trayArea);
    in.airSpeed = number(f.airSpeed);
    in.vapourPressure = number(f.vapourPressure);
    in.molarMass = number(f.molarMass);
    in.airTemperature = airTemperature;
    return in;
}
