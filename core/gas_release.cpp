#include "gas_release.h"

#include "checked.h"
#include "numbers.h"
#include "user_error.h"

#include <numbers>

namespace {

// Boyle's law with the normal pressure taken as 100 kPa: a vessel of V m3 at P kPa holds
// 0.01 * P * V m3 of gas at normal pressure.
constexpr double perKilopascal = 0.01;
// A pipeline's inner radius in m from its diameter in mm.
constexpr double millimetresPerRadius = 2000;

double parseAmount(const QString& text, const QLocale& locale)
{
    const double value = parseNumber(text, locale);
    if (value < 0)
        throw UserError();
    return value;
}

// Σ r² * L over the sections, m3 / π.
double pipelineCapacity(const QList<PipelineSection>& pipelines)
{
    double sum = 0;
    for (const PipelineSection& section : pipelines) {
        const double radius = checkedDivide(section.diameter, millimetresPerRadius);
        sum = checked(sum + checked(checked(radius * radius) * section.length));
    }
    return sum;
}

} // namespace

GasRelease calculateGasRelease(const GasReleaseFields& fields, const QLocale& locale)
{
    GasRelease release;
    release.apparatusPressure = parseAmount(fields.apparatusPressure, locale);
    release.apparatusVolume = parseAmount(fields.apparatusVolume, locale);
    release.flowRate = parseAmount(fields.flowRate, locale);
    release.shutOffTime = parseAmount(fields.shutOffTime, locale);
    release.pipelinePressure = parseAmount(fields.pipelinePressure, locale);
    for (const auto& [diameter, length] : fields.pipelines)
        release.pipelines.append({parseAmount(diameter, locale), parseAmount(length, locale)});
    release.density = parseAmount(fields.density, locale);

    release.apparatusGas =
        checked(checked(perKilopascal * release.apparatusPressure) * release.apparatusVolume);
    release.flowGas = checked(release.flowRate * release.shutOffTime);
    const double perPressure = checked(perKilopascal * std::numbers::pi);
    release.pipelineGas =
        checked(checked(perPressure * release.pipelinePressure) * pipelineCapacity(release.pipelines));
    const double volume = checked(checked(release.apparatusGas + release.flowGas) + release.pipelineGas);
    release.mass = checked(volume * release.density);
    return release;
}
