#include "fire_load_file.h"

#include "user_error.h"

#include <gtest/gtest.h>

namespace {

FireLoadRoom sampleRoom()
{
    return {QStringLiteral("Склад №2"),
            {{QStringLiteral("Стеллаж"),
              10,
              3.5,
              {},
              false,
              {{QStringLiteral("Бумага"), 30, 13.4, {}}, {QStringLiteral("Древесина"), 0.1, 13.8, 13.9}}},
             {QStringLiteral("Бочки"), 4, 3, 16.25, true, {{QStringLiteral("Масло"), 200, 41.87, {}}}}}};
}

bool sameRoom(const FireLoadRoom& a, const FireLoadRoom& b)
{
    if (a.name != b.name || a.sites.size() != b.sites.size())
        return false;
    for (std::size_t i = 0; i < a.sites.size(); ++i) {
        const FireLoadSite &x = a.sites[i], &y = b.sites[i];
        if (x.name != y.name || x.placementArea != y.placementArea || x.height != y.height
            || x.distanceToNearest != y.distanceToNearest || x.liquid != y.liquid
            || x.materials.size() != y.materials.size())
            return false;
        for (std::size_t j = 0; j < x.materials.size(); ++j) {
            const FireLoadMaterial &m = x.materials[j], &n = y.materials[j];
            if (m.name != n.name || m.mass != n.mass || m.heat != n.heat || m.criticalFlux != n.criticalFlux)
                return false;
        }
    }
    return true;
}

TEST(FireLoadFile, ComesBackAsItWasWritten)
{
    EXPECT_TRUE(sameRoom(readFireLoadFile(writeFireLoadFile(sampleRoom())), sampleRoom()));
}

TEST(FireLoadFile, NamesItsFormatAndVersion)
{
    const QByteArray bytes = writeFireLoadFile(sampleRoom());
    EXPECT_TRUE(bytes.contains("\"format\": \"overpressure-fire-load\""));
    EXPECT_TRUE(bytes.contains("\"version\": 1"));
}

TEST(FireLoadFile, RefusesADamagedFileWhole)
{
    const QByteArray good = writeFireLoadFile(sampleRoom());
    QByteArray negative = good;
    negative.replace("\"mass\": 200", "\"mass\": -200");
    QByteArray newer = good;
    newer.replace("\"version\": 1", "\"version\": 2");
    QByteArray wrongType = good;
    wrongType.replace("\"liquid\": true", "\"liquid\": \"да\"");
    const std::pair<QByteArray, QString> damaged[] = {
        {good.left(good.size() / 2), QStringLiteral("это не файл пожарной нагрузки (не JSON-объект)")},
        {QByteArray("{\"format\": \"other\"}"),
         QStringLiteral("это не файл пожарной нагрузки (другой формат)")},
        {newer, QStringLiteral("версия файла 2 не поддерживается этой версией программы")},
        {wrongType, QStringLiteral("участок 2: поле \"liquid\" не true или false")},
        {negative,
         QStringLiteral("Участок \"Бочки\": материал \"Масло\", масса G — не может быть отрицательным")},
    };
    for (const auto& [bytes, message] : damaged) {
        try {
            readFireLoadFile(bytes);
            ADD_FAILURE() << "accepted: " << message.toStdString();
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), message);
        }
    }
}

} // namespace
