#include "fire_load.h"

#include "checked.h"
#include "numbers.h"
#include "user_error.h"

#include <algorithm>
#include <cmath>

namespace {

// Table Б.1: the upper ends of g, MJ/m², for В4, В3 and В2; from 1 MJ/m² the load is of category В.
constexpr double lowestDensity = 1;
constexpr double densityV4 = 180;
constexpr double densityV3 = 1400;
constexpr double densityV2 = 2200;

// The placement area counts as at least this, m²; a В4 site is no larger than this.
constexpr double minimumArea = 10;

// 0,64·gт·H² bounds the heat of a site under a ceiling H metres above the load.
constexpr double heightFactor = 0.64;

// Table Б.2: qкр, kW/m², and lпр, m, for a ceiling at least 11 m above the load.
struct FluxDistance {
    double flux;
    double distance;
};
constexpr FluxDistance limitDistances[] = {{5, 12}, {10, 8},   {15, 6},   {20, 5},
                                           {25, 4}, {30, 3.8}, {40, 3.2}, {50, 2.8}};
constexpr double unknownFluxDistance = 12;
// Below this height the distances grow by the missing metres; a liquid spill keeps at least 15 m,
// or 26 − H under a lower ceiling.
constexpr double referenceHeight = 11;
constexpr double liquidDistance = 15;
constexpr double liquidDistanceBase = 26;

FireCategory categoryByDensity(double g)
{
    if (g < lowestDensity)
        return FireCategory::GorD;
    if (g <= densityV4)
        return FireCategory::V4;
    if (g <= densityV3)
        return FireCategory::V3;
    if (g <= densityV2)
        return FireCategory::V2;
    return FireCategory::V1;
}

UserError siteError(const FireLoadSite& site, const QString& field, const QString& problem)
{
    return UserError(QStringLiteral("Участок \"") % site.name % QStringLiteral("\": ") % field
                     % QStringLiteral(" — ") % problem);
}

void requireAtLeast(const FireLoadSite& site, const QString& field, double value, double least, bool strict)
{
    if (!std::isfinite(value) || value < least || (strict && value == least))
        throw siteError(site, field,
                        strict ? QStringLiteral("должно быть больше нуля")
                               : QStringLiteral("не может быть отрицательным"));
}

std::optional<double> smallestFlux(const FireLoadSite& site)
{
    std::optional<double> smallest;
    for (const FireLoadMaterial& material : site.materials) {
        if (!material.criticalFlux)
            return std::nullopt; // an unknown flux counts as the lowest
        if (!smallest || *material.criticalFlux < *smallest)
            smallest = material.criticalFlux;
    }
    return smallest;
}

double limitDistance(const FireLoadSite& site, double tableDistance)
{
    const double shortfall = std::max(0.0, referenceHeight - site.height);
    double distance = tableDistance + shortfall;
    if (site.liquid)
        distance = std::max(distance, site.height >= referenceHeight ? liquidDistance
                                                                     : liquidDistanceBase - site.height);
    return distance;
}

// В4 asks for a site no larger than 10 m² that lies farther than lпр from every other site.
bool placementFails(const FireLoadSite& site, double distance)
{
    return site.placementArea > minimumArea
           || (site.distanceToNearest && *site.distanceToNearest <= distance);
}

FireLoadSiteResult assessSite(const FireLoadSite& site)
{
    FireLoadSiteResult result;
    for (const FireLoadMaterial& material : site.materials)
        result.heat = checked(result.heat + checked(material.mass * material.heat));
    result.area = std::max(site.placementArea, minimumArea);
    result.density = checkedDivide(result.heat, result.area);
    result.criticalFlux = smallestFlux(site);
    result.tableDistance = tableLimitDistance(result.criticalFlux);
    result.limitDistance = limitDistance(site, result.tableDistance);
    result.byDensity = categoryByDensity(result.density);
    result.category = result.byDensity;
    if (result.category == FireCategory::V4 && placementFails(site, result.limitDistance)) {
        result.placementFails = true;
        result.category = FireCategory::V3;
        result.rule = FireRule::Placement;
    }
    if (result.category == FireCategory::V3 || result.category == FireCategory::V2) {
        result.heightDensity = result.category == FireCategory::V3 ? densityV3 : densityV2;
        result.heightLimit = checked(heightFactor * *result.heightDensity * site.height * site.height);
        if (result.heat >= *result.heightLimit) {
            result.category = result.category == FireCategory::V3 ? FireCategory::V2 : FireCategory::V1;
            result.rule = FireRule::Height;
        }
    }
    return result;
}

} // namespace

QString fireCategoryText(FireCategory category)
{
    switch (category) {
    case FireCategory::V1:
        return QStringLiteral("В1");
    case FireCategory::V2:
        return QStringLiteral("В2");
    case FireCategory::V3:
        return QStringLiteral("В3");
    case FireCategory::V4:
        return QStringLiteral("В4");
    case FireCategory::GorD:
        break;
    }
    return QStringLiteral("Г или Д");
}

double tableLimitDistance(std::optional<double> criticalFlux)
{
    double distance = unknownFluxDistance;
    if (criticalFlux)
        for (const FluxDistance& column : limitDistances)
            if (*criticalFlux >= column.flux)
                distance = column.distance;
    return distance;
}

void checkFireLoadRoom(const FireLoadRoom& room)
{
    if (room.sites.empty())
        throw UserError(QStringLiteral("В помещении нет ни одного участка пожарной нагрузки"));
    for (const FireLoadSite& site : room.sites) {
        if (site.name.trimmed().isEmpty())
            throw UserError(QStringLiteral("У участка пожарной нагрузки нет наименования"));
        requireAtLeast(site, QStringLiteral("площадь размещения"), site.placementArea, 0, true);
        requireAtLeast(site, QStringLiteral("высота H"), site.height, 0, true);
        if (site.distanceToNearest)
            requireAtLeast(site, QStringLiteral("расстояние до соседнего участка"), *site.distanceToNearest,
                           0, false);
        if (site.materials.empty())
            throw siteError(site, QStringLiteral("материалы"), QStringLiteral("не указано ни одного"));
        for (const FireLoadMaterial& material : site.materials) {
            const QString what = QStringLiteral("материал \"") % material.name % QStringLiteral("\", ");
            if (material.name.trimmed().isEmpty())
                throw siteError(site, QStringLiteral("материал"), QStringLiteral("нет наименования"));
            requireAtLeast(site, what % QStringLiteral("масса G"), material.mass, 0, false);
            requireAtLeast(site, what % QStringLiteral("Qн"), material.heat, 0, false);
            if (material.criticalFlux)
                requireAtLeast(site, what % QStringLiteral("qкр"), *material.criticalFlux, 0, true);
        }
    }
}

FireLoadAssessment assessFireLoad(const FireLoadRoom& room)
{
    checkFireLoadRoom(room);
    FireLoadAssessment assessment;
    for (const FireLoadSite& site : room.sites)
        assessment.sites.push_back(assessSite(site));
    // The enumeration runs from the highest hazard down, so the smallest value is the room's.
    const auto highest =
        std::min_element(assessment.sites.begin(), assessment.sites.end(),
                         [](const auto& a, const auto& b) { return a.category < b.category; });
    assessment.category = highest->category;
    assessment.decidingSite = std::size_t(highest - assessment.sites.begin());
    return assessment;
}
