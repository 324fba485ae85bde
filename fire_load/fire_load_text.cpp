#include "fire_load.h"

#include "numbers.h"
#include "user_error.h"

namespace {

QString quoted(const QString& name)
{
    return u'"' + name + u'"';
}

double readNumber(const QString& text, const QString& where, const QString& field, const QLocale& locale)
{
    try {
        return parseNumber(text, locale);
    } catch (const UserError&) {
        const QString problem = text.trimmed().isEmpty() ? QStringLiteral("не заполнено")
                                                         : QStringLiteral("не число: ") + text.trimmed();
        throw UserError(where % field % QStringLiteral(" — ") % problem);
    }
}

std::optional<double> readOptional(const QString& text, const QString& where, const QString& field,
                                   const QLocale& locale)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return readNumber(text, where, field, locale);
}

} // namespace

FireLoadRoom fireLoadRoomFromTexts(const QString& roomName, const std::vector<FireLoadSiteTexts>& sites,
                                   const QLocale& locale)
{
    FireLoadRoom room{roomName.trimmed(), {}};
    for (const FireLoadSiteTexts& texts : sites) {
        FireLoadSite site;
        site.name = texts.name.trimmed();
        const QString where = QStringLiteral("Участок ") % quoted(site.name) % QStringLiteral(": ");
        site.placementArea =
            readNumber(texts.placementArea, where, QStringLiteral("площадь размещения"), locale);
        site.height = readNumber(texts.height, where, QStringLiteral("высота H"), locale);
        site.distanceToNearest = readOptional(texts.distanceToNearest, where,
                                              QStringLiteral("расстояние до соседнего участка"), locale);
        site.liquid = texts.liquid;
        for (const FireLoadMaterialTexts& material : texts.materials) {
            const QString name = material.name.trimmed();
            const QString at = where % QStringLiteral("материал ") % quoted(name) % QStringLiteral(", ");
            site.materials.push_back(
                {name, readNumber(material.mass, at, QStringLiteral("масса G"), locale),
                 readNumber(material.heat, at, QStringLiteral("Qн"), locale),
                 readOptional(material.criticalFlux, at, QStringLiteral("qкр"), locale)});
        }
        room.sites.push_back(std::move(site));
    }
    checkFireLoadRoom(room);
    return room;
}

QString decidingRuleText(const FireLoadRoom& room, const FireLoadAssessment& assessment,
                         const QLocale& locale)
{
    const auto number = [&locale](double value) { return formatNumber(value, locale); };
    const FireLoadSiteResult& result = assessment.sites.at(assessment.decidingSite);
    const FireLoadSite& site = room.sites.at(assessment.decidingSite);
    const QString category = fireCategoryText(result.category);
    const QString density = QStringLiteral("g = ") % number(result.density) % QStringLiteral(" МДж/м²");
    const QString onSite = QStringLiteral(" на участке ") % quoted(site.name);
    if (result.category == FireCategory::GorD)
        return QStringLiteral("не В: Г или Д по технологическому процессу (g меньше 1 МДж/м² на каждом "
                              "участке, наибольшая ")
               % density % onSite % u')';
    QString text = category % QStringLiteral(": ") % density % onSite;
    if (result.placementFails && site.placementArea > 10)
        text += QStringLiteral(", но площадь участка ") % number(site.placementArea)
                % QStringLiteral(" м² больше 10 м²");
    else if (result.placementFails)
        text += QStringLiteral(", но расстояние до соседнего участка ") % number(*site.distanceToNearest)
                % QStringLiteral(" м не больше lпр = ") % number(result.limitDistance) % QStringLiteral(" м");
    if (result.heightLimit) {
        const QString limit = QStringLiteral("0,64·") % number(*result.heightDensity)
                              % QStringLiteral("·H² = ") % number(*result.heightLimit)
                              % QStringLiteral(" МДж");
        if (result.rule == FireRule::Height)
            text += QStringLiteral("; Q = ") % number(result.heat) % QStringLiteral(" МДж ≥ ") % limit;
        else
            text += QStringLiteral("; ") % limit % QStringLiteral(" > Q");
    }
    if (result.category == FireCategory::V4 && site.distanceToNearest)
        text += QStringLiteral("; площадь не более 10 м², до соседнего участка ")
                % number(*site.distanceToNearest) % QStringLiteral(" м > lпр = ")
                % number(result.limitDistance) % QStringLiteral(" м");
    else if (result.category == FireCategory::V4)
        text += QStringLiteral("; площадь не более 10 м², других участков нет");
    return text;
}
