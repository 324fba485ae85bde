#include "building_category.h"

#include "checked.h"
#include "numbers.h"
#include "user_error.h"

#include <algorithm>
#include <cmath>

namespace {

const char16_t* const roomCategoryTexts[] = {u"А", u"Б", u"В1", u"В2", u"В3", u"В4", u"Г", u"Д"};
const char16_t* const buildingCategoryTexts[] = {u"А", u"Б", u"В", u"Г", u"Д"};

// The clause that assigns each building category, and the one that exempts from it.
const char* const assigningClause[] = {"6.2", "6.4", "6.6", "6.8", "6.10"};
const char* const exemptingClause[] = {"6.3", "6.5", "6.7", "6.9", ""};

int indexOf(RoomCategory category)
{
    return static_cast<int>(category);
}
int indexOf(BuildingCategory category)
{
    return static_cast<int>(category);
}

// Areas are typed to a few decimals; a difference of a billionth is the rounding of the decimal
// input, not an excess. So 50 m2 of 1000 m2 is exactly 5 % and does not exceed it.
bool exceedsValue(double value, double limit)
{
    return value > limit && value - limit > 1e-9 * std::max(std::abs(value), std::abs(limit));
}

// The rooms each rule adds up and whose suppression its exemption asks for: А alone; А and Б; А, Б
// and В1 to В3 (В4 rooms count nowhere); for Г the same together with the Г rooms, while only the
// А, Б and В1 to В3 rooms need suppression.
bool countedBy(BuildingCategory rule, RoomCategory room)
{
    switch (rule) {
    case BuildingCategory::A:
        return room == RoomCategory::A;
    case BuildingCategory::B:
        return room == RoomCategory::A || room == RoomCategory::B;
    case BuildingCategory::V:
        return room <= RoomCategory::V3;
    case BuildingCategory::G:
        return room <= RoomCategory::V3 || room == RoomCategory::G;
    case BuildingCategory::D:
        break;
    }
    return false;
}
bool needsSuppression(BuildingCategory rule, RoomCategory room)
{
    return rule == BuildingCategory::G ? room <= RoomCategory::V3 : countedBy(rule, room);
}

CategoryRule tryRule(BuildingCategory category, const std::vector<BuildingRoom>& rooms, double total,
                     bool hasAorB)
{
    CategoryRule rule;
    rule.category = category;
    rule.hasAreaLimit = category == BuildingCategory::A || category == BuildingCategory::B;
    rule.shareLimit =
        category == BuildingCategory::V && !hasAorB ? categoryShareLimitOnlyV : categoryShareLimit;
    rule.exemptionAreaLimit = category == BuildingCategory::V   ? exemptionAreaLimitV
                              : category == BuildingCategory::G ? exemptionAreaLimitG
                                                                : exemptionAreaLimitAB;
    rule.allSuppressed = true;
    for (const BuildingRoom& room : rooms) {
        if (countedBy(category, room.category))
            rule.sum = checked(rule.sum + room.area);
        if (needsSuppression(category, room.category) && !room.suppression) {
            rule.allSuppressed = false;
            rule.unsuppressed.push_back(room.name);
        }
    }
    rule.share = checked(rule.sum * 100 / total);
    rule.shareExceeds = exceedsValue(rule.sum * 100, rule.shareLimit * total);
    rule.areaExceeds = rule.hasAreaLimit && exceedsValue(rule.sum, categoryAreaLimit);
    rule.withinExemptionShare = !exceedsValue(rule.sum * 100, exemptionShareLimit * total);
    rule.withinExemptionArea = !exceedsValue(rule.sum, rule.exemptionAreaLimit);
    return rule;
}

} // namespace

QString roomCategoryText(RoomCategory category)
{
    return QString::fromUtf16(roomCategoryTexts[indexOf(category)]);
}

std::optional<RoomCategory> roomCategoryFromText(const QString& text)
{
    for (RoomCategory category : allRoomCategories)
        if (text.trimmed() == roomCategoryText(category))
            return category;
    return std::nullopt;
}

QString buildingCategoryText(BuildingCategory category)
{
    return QString::fromUtf16(buildingCategoryTexts[indexOf(category)]);
}

QString assigningClauseText(BuildingCategory category)
{
    return QLatin1String(assigningClause[indexOf(category)]);
}
QString exemptingClauseText(BuildingCategory category)
{
    return QLatin1String(exemptingClause[indexOf(category)]);
}

BuildingAssessment assessBuilding(const std::vector<BuildingRoom>& rooms)
{
    if (rooms.empty())
        throw UserError(QStringLiteral("В здании нет ни одного помещения."));
    BuildingAssessment assessment;
    for (const BuildingRoom& room : rooms) {
        if (!(room.area > 0) || !std::isfinite(room.area))
            throw UserError(
                QStringLiteral("Площадь помещения «%1» должна быть положительным числом.").arg(room.name));
        const int index = indexOf(room.category);
        assessment.areaByCategory[index] = checked(assessment.areaByCategory[index] + room.area);
        ++assessment.roomsByCategory[index];
        assessment.totalArea = checked(assessment.totalArea + room.area);
    }
    const bool hasAorB = assessment.roomsByCategory[indexOf(RoomCategory::A)] > 0
                         || assessment.roomsByCategory[indexOf(RoomCategory::B)] > 0;
    for (BuildingCategory category :
         {BuildingCategory::A, BuildingCategory::B, BuildingCategory::V, BuildingCategory::G}) {
        assessment.rules.push_back(tryRule(category, rooms, assessment.totalArea, hasAorB));
        if (assessment.rules.back().applies()) {
            assessment.category = category;
            return assessment;
        }
    }
    assessment.category = BuildingCategory::D;
    return assessment;
}

std::vector<BuildingRoom> parseRoomRows(const std::vector<RoomRowTexts>& rows, const QLocale& locale)
{
    std::vector<BuildingRoom> rooms;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RoomRowTexts& row = rows[i];
        const QString where = QStringLiteral("Строка %1: ").arg(i + 1);
        BuildingRoom room;
        room.name = row.name.trimmed();
        if (room.name.isEmpty())
            throw UserError(where + QStringLiteral("не указано название помещения."));
        try {
            room.area = parseNumber(row.area, locale);
        } catch (const UserError&) {
            room.area = 0;
        }
        if (!(room.area > 0) || !std::isfinite(room.area))
            throw UserError(where
                            + QStringLiteral("площадь помещения «%1» должна быть положительным числом, м².")
                                  .arg(room.name));
        const std::optional<RoomCategory> category = roomCategoryFromText(row.category);
        if (!category)
            throw UserError(where
                            + QStringLiteral("неизвестная категория помещения «%1».").arg(row.category));
        room.category = *category;
        room.suppression = row.suppression;
        rooms.push_back(room);
    }
    return rooms;
}
