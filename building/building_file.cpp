#include "building_file.h"

#include "user_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {

const QString formatName = QStringLiteral("overpressure-building");
constexpr int formatVersion = 1;

[[noreturn]] void damaged(const QString& what)
{
    throw UserError(QStringLiteral("файл здания поврежден: ") + what);
}

QString requiredText(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        damaged(where + QStringLiteral("нет текста «") + key + QStringLiteral("»"));
    return value.toString();
}

BuildingRoom readRoom(const QJsonValue& value, qsizetype index)
{
    const QString where = QStringLiteral("помещение %1: ").arg(index + 1);
    if (!value.isObject())
        damaged(where + QStringLiteral("это не объект"));
    const QJsonObject object = value.toObject();
    BuildingRoom room;
    room.name = requiredText(object, QStringLiteral("name"), where).trimmed();
    if (room.name.isEmpty())
        damaged(where + QStringLiteral("пустое название"));
    const QJsonValue area = object.value(QStringLiteral("area"));
    room.area = area.toDouble(-1);
    if (!area.isDouble() || !(room.area > 0) || !std::isfinite(room.area))
        damaged(where + QStringLiteral("площадь не положительное число"));
    const QString categoryText = requiredText(object, QStringLiteral("category"), where);
    const std::optional<RoomCategory> category = roomCategoryFromText(categoryText);
    if (!category || categoryText != roomCategoryText(*category))
        damaged(where + QStringLiteral("неизвестная категория «") + categoryText + QStringLiteral("»"));
    room.category = *category;
    const QJsonValue suppression = object.value(QStringLiteral("suppression"));
    if (!suppression.isBool())
        damaged(where + QStringLiteral("нет признака «suppression»"));
    room.suppression = suppression.toBool();
    return room;
}

} // namespace

QByteArray writeBuildingFile(const BuildingDescription& building)
{
    QJsonArray rooms;
    for (const BuildingRoom& room : building.rooms)
        rooms.append(QJsonObject{{QStringLiteral("name"), room.name},
                                 {QStringLiteral("area"), room.area},
                                 {QStringLiteral("category"), roomCategoryText(room.category)},
                                 {QStringLiteral("suppression"), room.suppression}});
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), formatVersion},
                           {QStringLiteral("name"), building.name},
                           {QStringLiteral("rooms"), rooms}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

BuildingDescription readBuildingFile(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw UserError(QStringLiteral("это не файл здания"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != formatName)
        throw UserError(QStringLiteral("это не файл здания"));
    if (root.value(QStringLiteral("version")) != QJsonValue(formatVersion))
        throw UserError(
            QStringLiteral("файл здания другой версии; эта программа читает версию %1").arg(formatVersion));
    BuildingDescription building;
    building.name = requiredText(root, QStringLiteral("name"), QString());
    const QJsonValue rooms = root.value(QStringLiteral("rooms"));
    if (!rooms.isArray())
        damaged(QStringLiteral("нет списка помещений"));
    const QJsonArray list = rooms.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        building.rooms.push_back(readRoom(list.at(i), i));
    return building;
}
