#include "fire_load_file.h"

#include "user_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QString formatName = QStringLiteral("overpressure-fire-load");
constexpr int formatVersion = 1;

[[noreturn]] void fail(const QString& problem)
{
    throw UserError(problem);
}

QJsonValue field(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        fail(where % QStringLiteral("нет поля \"") % key % u'"');
    return value;
}

QString text(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = field(object, key, where);
    if (!value.isString())
        fail(where % QStringLiteral("поле \"") % key % QStringLiteral("\" не строка"));
    return value.toString();
}

double number(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = field(object, key, where);
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        fail(where % QStringLiteral("поле \"") % key % QStringLiteral("\" не число"));
    return value.toDouble();
}

std::optional<double> optionalNumber(const QJsonObject& object, const QString& key, const QString& where)
{
    if (field(object, key, where).isNull())
        return std::nullopt;
    return number(object, key, where);
}

QJsonArray array(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = field(object, key, where);
    if (!value.isArray())
        fail(where % QStringLiteral("поле \"") % key % QStringLiteral("\" не список"));
    return value.toArray();
}

QJsonObject object(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        fail(where % QStringLiteral("не объект"));
    return value.toObject();
}

FireLoadMaterial readMaterial(const QJsonObject& json, const QString& where)
{
    return {text(json, QStringLiteral("name"), where), number(json, QStringLiteral("mass"), where),
            number(json, QStringLiteral("heat"), where),
            optionalNumber(json, QStringLiteral("criticalFlux"), where)};
}

FireLoadSite readSite(const QJsonObject& json, const QString& where)
{
    FireLoadSite site;
    site.name = text(json, QStringLiteral("name"), where);
    site.placementArea = number(json, QStringLiteral("placementArea"), where);
    site.height = number(json, QStringLiteral("height"), where);
    site.distanceToNearest = optionalNumber(json, QStringLiteral("distanceToNearest"), where);
    const QJsonValue liquid = field(json, QStringLiteral("liquid"), where);
    if (!liquid.isBool())
        fail(where % QStringLiteral("поле \"liquid\" не true или false"));
    site.liquid = liquid.toBool();
    const QJsonArray materials = array(json, QStringLiteral("materials"), where);
    for (qsizetype index = 0; index < materials.size(); ++index) {
        const QString at =
            where % QStringLiteral("материал ") % QString::number(index + 1) % QStringLiteral(": ");
        site.materials.push_back(readMaterial(object(materials.at(index), at), at));
    }
    return site;
}

QJsonValue optionalValue(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

FireLoadRoom readFireLoadFile(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        fail(QStringLiteral("это не файл пожарной нагрузки (не JSON-объект)"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != formatName)
        fail(QStringLiteral("это не файл пожарной нагрузки (другой формат)"));
    const double version = number(root, QStringLiteral("version"), {});
    if (version != formatVersion)
        fail(QStringLiteral("версия файла ") % QString::number(version)
             % QStringLiteral(" не поддерживается этой версией программы"));
    FireLoadRoom room;
    room.name = text(root, QStringLiteral("room"), {});
    const QJsonArray sites = array(root, QStringLiteral("sites"), {});
    for (qsizetype index = 0; index < sites.size(); ++index) {
        const QString where = QStringLiteral("участок ") % QString::number(index + 1) % QStringLiteral(": ");
        room.sites.push_back(readSite(object(sites.at(index), where), where));
    }
    try {
        checkFireLoadRoom(room);
    } catch (const UserError& problem) {
        fail(problem.message());
    }
    return room;
}

QByteArray writeFireLoadFile(const FireLoadRoom& room)
{
    QJsonArray sites;
    for (const FireLoadSite& site : room.sites) {
        QJsonArray materials;
        for (const FireLoadMaterial& material : site.materials)
            materials.append(
                QJsonObject{{QStringLiteral("name"), material.name},
                            {QStringLiteral("mass"), material.mass},
                            {QStringLiteral("heat"), material.heat},
                            {QStringLiteral("criticalFlux"), optionalValue(material.criticalFlux)}});
        sites.append(QJsonObject{{QStringLiteral("name"), site.name},
                                 {QStringLiteral("placementArea"), site.placementArea},
                                 {QStringLiteral("height"), site.height},
                                 {QStringLiteral("distanceToNearest"), optionalValue(site.distanceToNearest)},
                                 {QStringLiteral("liquid"), site.liquid},
                                 {QStringLiteral("materials"), materials}});
    }
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), formatVersion},
                           {QStringLiteral("room"), room.name},
                           {QStringLiteral("sites"), sites}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
