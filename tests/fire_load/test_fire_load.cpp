#include "fire_load.h"

#include "user_error.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    FireLoadRoom room;
    FireCategory category;
    double heat;    // Q of the deciding site, MJ
    double density; // its g, MJ/m²
};

FireLoadSite site(const char* name, double area, double height, std::vector<FireLoadMaterial> materials,
                  std::optional<double> distance = {}, bool liquid = false)
{
    return {QString::fromUtf8(name), area, height, distance, liquid, std::move(materials)};
}

FireLoadMaterial paper(double mass)
{
    return {QStringLiteral("Бумага"), mass, 13.4, {}};
}

FireLoadMaterial furniture(double mass)
{
    return {QStringLiteral("Мебель"), mass, 13.8, 13.9};
}

// One site holding `heat` MJ on `area` m² under `height` m.
FireLoadRoom oneSite(double heat, double area, double height)
{
    return {QStringLiteral("Помещение"),
            {site("Участок", area, height, {{QStringLiteral("Груз"), 1, heat, 50}})}};
}

const Case cases[] = {
    {"StoreroomIsV4",
     {QStringLiteral("Кладовая"),
      {site("Стеллаж", 10, 3,
            {paper(30),
             {QStringLiteral("Полиэтилен"), 15, 47.14, {}},
             {QStringLiteral("Спирт"), 20, 12.22, {}},
             {QStringLiteral("Кофе"), 3, 30.0, {}}})}},
     FireCategory::V4,
     1443.5,
     144.35},
    {"AuditoriumLargerThanTenSquareMetresIsV3ThenV2ByHeight",
     {QStringLiteral("Аудитория"),
      {site("Зал", 100, 3, {{QStringLiteral("Дерево"), 600, 13.8, {}}, paper(10)})}},
     FireCategory::V2,
     8414,
     84.14},
    {"PaperUnderThreeMetresIsV2",
     {QStringLiteral("Архив"), {site("Архив", 20, 3, {paper(2000)})}},
     FireCategory::V2,
     26800,
     1340},
    {"PaperUnderSixMetresStaysV3",
     {QStringLiteral("Архив"), {site("Архив", 20, 6, {paper(2000)})}},
     FireCategory::V3,
     26800,
     1340},
    {"FurnitureSitesFarApartAreV4",
     {QStringLiteral("Офис"), {site("А", 8, 3, {furniture(100)}, 20), site("Б", 8, 3, {furniture(100)}, 20)}},
     FireCategory::V4,
     1380,
     138},
    {"FurnitureSitesTooCloseAreV3",
     {QStringLiteral("Офис"), {site("А", 8, 3, {furniture(100)}, 10), site("Б", 8, 3, {furniture(100)}, 10)}},
     FireCategory::V3,
     1380,
     138},
    {"DistanceEqualToTheLimitIsNotFarther",
     {QStringLiteral("Офис"), {site("А", 8, 3, {furniture(100)}, 16), site("Б", 8, 3, {furniture(100)}, 16)}},
     FireCategory::V3,
     1380,
     138},
    {"DensityBelowOneIsGorD", oneSite(5, 10, 20), FireCategory::GorD, 5, 0.5},
    {"DensityOneIsV4", oneSite(10, 10, 20), FireCategory::V4, 10, 1},
    {"Density180IsV4", oneSite(1800, 10, 20), FireCategory::V4, 1800, 180},
    {"DensityJustAbove180IsV3", oneSite(1800.1, 10, 20), FireCategory::V3, 1800.1, 180.01},
    {"Density1400IsV3", oneSite(14000, 10, 20), FireCategory::V3, 14000, 1400},
    {"DensityJustAbove1400IsV2", oneSite(14000.1, 10, 20), FireCategory::V2, 14000.1, 1400.01},
    {"Density2200IsV2", oneSite(22000, 10, 20), FireCategory::V2, 22000, 2200},
    {"DensityJustAbove2200IsV1", oneSite(22000.1, 10, 20), FireCategory::V1, 22000.1, 2200.01},
    {"SmallAreaCountsAsTen", oneSite(1000, 4, 20), FireCategory::V4, 1000, 100},
    {"AreaExactlyTenMayBeV4", oneSite(1000, 10, 20), FireCategory::V4, 1000, 100},
    {"AreaJustAboveTenIsV3", oneSite(1000, 10.01, 20), FireCategory::V3, 1000, 1000 / 10.01},
    // 0,64·1400·2,5² = 5600 and 0,64·2200·3,5² = 17248
    {"HeatAtTheV3HeightLimitIsV2", oneSite(5600, 20, 2.5), FireCategory::V2, 5600, 280},
    {"HeatBelowTheV3HeightLimitStaysV3", oneSite(5599, 20, 2.5), FireCategory::V3, 5599, 279.95},
    {"HeatAtTheV2HeightLimitIsV1", oneSite(17248, 10, 3.5), FireCategory::V1, 17248, 1724.8},
    {"HeatBelowTheV2HeightLimitStaysV2", oneSite(17247, 10, 3.5), FireCategory::V2, 17247, 1724.7},
    {"NoCascadeFromV3ToV1", oneSite(13000, 10, 2.5), FireCategory::V2, 13000, 1300},
    {"NoHeightCheckForV4", oneSite(1700, 10, 1), FireCategory::V4, 1700, 170},
};

class FireLoadCase : public testing::TestWithParam<Case> {};

TEST_P(FireLoadCase, GivesTheCategoryOfTheWorkedExample)
{
    const Case& c = GetParam();
    const FireLoadAssessment assessment = assessFireLoad(c.room);
    EXPECT_EQ(fireCategoryText(assessment.category), fireCategoryText(c.category));
    const FireLoadSiteResult& deciding = assessment.sites.at(assessment.decidingSite);
    EXPECT_NEAR(deciding.heat, c.heat, 1e-9 * c.heat);
    EXPECT_NEAR(deciding.density, c.density, 1e-9 * c.density);
}

INSTANTIATE_TEST_SUITE_P(Rooms, FireLoadCase, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DistanceCase {
    const char* name;
    std::optional<double> flux;
    double height;
    bool liquid;
    double limit;
};

const DistanceCase distanceCases[] = {
    {"UnknownFluxTwelve", {}, 11, false, 12},
    {"BelowFiveTwelve", 4.9, 11, false, 12},
    {"FiveTwelve", 5, 11, false, 12},
    {"WoodBetweenColumnsTakesTheLowerFlux", 13.9, 11, false, 8},
    {"Thirty", 30, 11, false, 3.8},
    {"Forty", 40, 11, false, 3.2},
    {"FiftyAndAbove", 80, 11, false, 2.8},
    {"LowCeilingAddsTheMissingMetres", 13.9, 3, false, 16},
    {"HighCeilingAddsNothing", 13.9, 20, false, 8},
    {"LiquidAtLeastFifteen", 50, 11, true, 15},
    {"LiquidUnderLowCeiling", 50, 3, true, 23},
};

class LimitDistanceCase : public testing::TestWithParam<DistanceCase> {};

TEST_P(LimitDistanceCase, FollowsTheTableTheHeightAndTheLiquidRule)
{
    const DistanceCase& c = GetParam();
    const FireLoadRoom room{QStringLiteral("П"),
                            {site("У", 5, c.height, {{QStringLiteral("М"), 1, 10, c.flux}}, {}, c.liquid)}};
    EXPECT_DOUBLE_EQ(assessFireLoad(room).sites.at(0).limitDistance, c.limit);
}

INSTANTIATE_TEST_SUITE_P(Table, LimitDistanceCase, testing::ValuesIn(distanceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FireLoadRule, NamesTheDecidingSiteAndTheHeightLimit)
{
    const FireLoadRoom room{QStringLiteral("Архив"), {site("Архив", 20, 6, {paper(2000)})}};
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(decidingRuleText(room, assessFireLoad(room), russian),
              QStringLiteral("В3: g = 1340 МДж/м² на участке \"Архив\"; 0,64·1400·H² = 32256 МДж > Q"));
}

// Furniture (qкр 13,9: the 10 kW/m² column, 8 m) under 3 m: lпр = 8 + 8 = 16 m, and the sites are 20 m apart.
TEST(FireLoadRule, NamesTheDistanceThatKeepsASiteV4)
{
    const FireLoadRoom room{
        QStringLiteral("Кабинеты"),
        {site("Шкаф", 8, 3, {furniture(100)}, 20), site("Стол", 8, 3, {furniture(100)}, 20)}};
    EXPECT_TRUE(
        decidingRuleText(room, assessFireLoad(room), QLocale(QLocale::Russian, QLocale::Russia))
            .endsWith(QStringLiteral("; площадь не более 10 м², до соседнего участка 20 м > lпр = 16 м")));
}

TEST(FireLoadRule, SaysGorDBelowOne)
{
    const FireLoadRoom room = oneSite(5, 10, 3);
    EXPECT_TRUE(decidingRuleText(room, assessFireLoad(room), QLocale::c())
                    .startsWith(QStringLiteral("не В: Г или Д по технологическому процессу")));
}

struct BadInput {
    const char* name;
    QString area, height, distance, mass;
    bool withMaterial;
    const char* message;
};

TEST(FireLoadInput, NamesTheSiteAndTheField)
{
    const BadInput inputs[] = {
        {"EmptyArea",
         {},
         QStringLiteral("3"),
         {},
         QStringLiteral("1"),
         true,
         "Участок \"Склад\": площадь размещения — не заполнено"},
        {"TextHeight",
         QStringLiteral("10"),
         QStringLiteral("три"),
         {},
         QStringLiteral("1"),
         true,
         "Участок \"Склад\": высота H — не число: три"},
        {"NegativeDistance", QStringLiteral("10"), QStringLiteral("3"), QStringLiteral("-1"),
         QStringLiteral("1"), true,
         "Участок \"Склад\": расстояние до соседнего участка — не может быть отрицательным"},
        {"NegativeMass",
         QStringLiteral("10"),
         QStringLiteral("3"),
         {},
         QStringLiteral("-2"),
         true,
         "Участок \"Склад\": материал \"Бумага\", масса G — не может быть отрицательным"},
        {"NoMaterials",
         QStringLiteral("10"),
         QStringLiteral("3"),
         {},
         {},
         false,
         "Участок \"Склад\": материалы — не указано ни одного"},
    };
    for (const BadInput& input : inputs) {
        FireLoadSiteTexts texts{QStringLiteral("Склад"), input.area, input.height, input.distance, false, {}};
        if (input.withMaterial)
            texts.materials.push_back({QStringLiteral("Бумага"), input.mass, QStringLiteral("13,4"), {}});
        try {
            fireLoadRoomFromTexts(QStringLiteral("П"), {texts}, QLocale(QLocale::Russian, QLocale::Russia));
            ADD_FAILURE() << input.name << " was accepted";
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(input.message)) << input.name;
        }
    }
}

} // namespace
