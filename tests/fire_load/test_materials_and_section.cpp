#include "fire_load_section.h"
#include "materials.h"

#include "user_error.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(ShippedMaterials, EveryRowHasASourcedPlausibleValueAndAUniqueName)
{
    const std::vector<Material>& rows = shippedMaterials();
    ASSERT_GE(rows.size(), 20u);
    QSet<QString> names;
    for (const Material& row : rows) {
        EXPECT_FALSE(names.contains(row.name.toLower())) << row.name.toStdString();
        names.insert(row.name.toLower());
        EXPECT_GE(row.heat, lowestPlausibleHeat) << row.name.toStdString();
        EXPECT_LE(row.heat, highestPlausibleHeat) << row.name.toStdString();
        EXPECT_FALSE(row.heatSource.isEmpty()) << row.name.toStdString();
        EXPECT_EQ(row.criticalFlux.has_value(), !row.fluxSource.isEmpty()) << row.name.toStdString();
    }
}

TEST(ShippedMaterials, WoodHasTheCriticalFluxOfTheCodesTable)
{
    const Material* wood =
        findMaterial(shippedMaterials(), QStringLiteral("древесина (бруски, влажность 14 %)"));
    ASSERT_NE(wood, nullptr);
    EXPECT_EQ(wood->heat, 13.8);
    EXPECT_EQ(wood->criticalFlux, 13.9);
}

TEST(MaterialTable, RefusesARowWithoutSourceOrOutOfRange)
{
    const QString header = QStringLiteral("Наименование;Qн;qкр;Источник Qн;Источник qкр;Примечание\n");
    const std::pair<QString, QString> bad[] = {
        {QStringLiteral("Бумага;13,4;;;;"), QStringLiteral("строка 2: нет источника Qн")},
        {QStringLiteral("Бумага;134;;Книга;;"), QStringLiteral("строка 2: Qн — вне пределов от 5 до 50")},
        {QStringLiteral("Бумага;13,4;20;Книга;;"),
         QStringLiteral("строка 2: qкр и его источник указываются вместе")},
        {QStringLiteral("Бумага;13,4;;Книга;;\nбумага;13;;Книга;;"),
         QStringLiteral("строка 3: материал «бумага» уже есть")},
    };
    for (const auto& [rows, message] : bad) {
        try {
            readMaterialTable(header + rows);
            ADD_FAILURE() << "accepted " << rows.toStdString();
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), message);
        }
    }
}

TEST(FireLoadSection, ShowsEveryStepWithItsNumbers)
{
    const FireLoadRoom room{
        QStringLiteral("Аудитория"),
        {{QStringLiteral("Зал"),
          100,
          3,
          {},
          false,
          {{QStringLiteral("Древесина"), 600, 13.8, 13.9}, {QStringLiteral("Бумага"), 10, 13.4, {}}}}}};
    const QString section =
        fireLoadSection(room, assessFireLoad(room), QLocale(QLocale::Russian, QLocale::Russia));
    const QString expected[] = {
        QStringLiteral(
            "<h3>2 Определение категории помещения по пожарной нагрузке (СП 12.13130.2009, прил. Б)</h3>"),
        QStringLiteral("<p>Q = 600 * 13,8 + 10 * 13,4 = 8414МДж"),
        QStringLiteral("S = 100м<sup>2</sup>;<p>g = 8414 / 100 = 84,14МДж/м<sup>2</sup>"),
        QStringLiteral("<p>По табл. Б.1: g от 1 до 180 МДж/м<sup>2</sup> - категория В4."),
        QStringLiteral("<p>Площадь участка 100м<sup>2</sup> больше 10 м<sup>2</sup>;"),
        QStringLiteral(
            "0,64 * 1400 * 3<sup>2</sup> = 8064МДж; Q = 8414МДж не меньше этой величины - категория "
            "повышается до В2."),
        QStringLiteral(
            "<p><h4>Помещение \"Аудитория\" относится к категории В2 (по наиболее опасному участку "
            "\"Зал\").</h4>"),
    };
    for (const QString& part : expected)
        EXPECT_TRUE(section.contains(part)) << part.toStdString();
}

} // namespace
