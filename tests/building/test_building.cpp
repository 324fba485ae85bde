#include "building_category.h"
#include "building_file.h"
#include "building_section.h"
#include "calculation_file.h"
#include "room_import.h"
#include "user_error.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma(QLocale::Russian, QLocale::Russia);

QByteArray expected(const char* name)
{
    QFile file(QStringLiteral(EXPECTED_BUILDING "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

using C = RoomCategory;
using Is = BuildingCategory;
struct Room {
    double area;
    C category;
    bool suppression = false;
};

std::vector<BuildingRoom> rooms(std::initializer_list<Room> list)
{
    std::vector<BuildingRoom> out;
    int i = 0;
    for (const Room& room : list)
        out.push_back({u"Помещение %1"_s.arg(++i), room.area, room.category, room.suppression});
    return out;
}

struct Case {
    const char* name;
    std::vector<BuildingRoom> rooms;
    BuildingCategory expected;
};

// Each rule at its boundaries: a share exactly at its limit does not exceed it, 200 m2 exactly does
// not exceed 200 m2, an exemption holds exactly at 25 % and at its area limit, and fails for one
// room without suppression.
const Case cases[] = {
    {"PublishedExampleAByShareAndAreaNotBByArea", rooms({{150, C::A}, {400, C::B}, {31450, C::D}}), Is::B},
    {"AExemptButBExceedsItsAreaLimit", rooms({{800, C::A, true}, {600, C::B, true}, {13600, C::V4}}), Is::B},
    {"VRoomsBelowTenPercentMakeG", rooms({{800, C::V2}, {1500, C::V4}, {7700, C::D}}), Is::G},
    {"SmallARoomLeavesD", rooms({{40, C::A}, {960, C::D}}), Is::D},
    {"AExactlyFivePercent", rooms({{50, C::A}, {950, C::D}}), Is::D},
    {"AJustOverFivePercent", rooms({{50.01, C::A}, {949.99, C::D}}), Is::A},
    {"AExactly200", rooms({{200, C::A}, {9800, C::D}}), Is::D},
    {"AJustOver200", rooms({{200.5, C::A}, {9799.5, C::D}}), Is::A},
    {"AExemptAtExactly25Percent", rooms({{250, C::A, true}, {750, C::D}}), Is::D},
    {"ANotExemptOver25Percent", rooms({{251, C::A, true}, {749, C::D}}), Is::A},
    {"AExemptAtExactly1000", rooms({{1000, C::A, true}, {9000, C::D}}), Is::D},
    {"ANotExemptOver1000", rooms({{1000.5, C::A, true}, {8999.5, C::D}}), Is::A},
    {"ANotExemptWithOneRoomUnsuppressed", rooms({{150, C::A, true}, {150, C::A}, {9700, C::D}}), Is::A},
    {"BExemptWhenAAndBSuppressed", rooms({{300, C::A, true}, {700, C::B, true}, {9000, C::V4}}), Is::D},
    {"BNotExemptWhenARoomUnsuppressedAlthoughAIsSmall", rooms({{10, C::A}, {700, C::B, true}, {9290, C::D}}),
     Is::B},
    {"BExactlyFivePercentBelow200", rooms({{100, C::B}, {1900, C::D}}), Is::D},
    {"VTenPercentExactlyWithoutAOrB", rooms({{1000, C::V1}, {9000, C::D}}), Is::G},
    {"VOverTenPercentWithoutAOrB", rooms({{1001, C::V3}, {8999, C::D}}), Is::V},
    {"VFivePercentWhenAnARoomExists", rooms({{10, C::A}, {600, C::V1}, {9390, C::D}}), Is::V},
    {"VExemptAtExactly3500", rooms({{3500, C::V1, true}, {10500, C::D}}), Is::D},
    {"VNotExemptOver3500", rooms({{3500.5, C::V1, true}, {10499.5, C::D}}), Is::V},
    {"VNotExemptWithOneRoomUnsuppressed", rooms({{1500, C::V1, true}, {100, C::V3}, {8400, C::D}}), Is::V},
    {"V4NeverCounts", rooms({{9000, C::V4}, {1000, C::D}}), Is::D},
    {"GOverFivePercent", rooms({{400, C::G}, {101, C::V1}, {9499, C::D}}), Is::G},
    // Nothing the exemption asks to suppress: it holds by its wording.
    {"GRoomsAloneExemptUpTo25Percent", rooms({{501, C::G}, {9499, C::D}}), Is::D},
    {"GExactlyFivePercent", rooms({{500, C::G}, {9500, C::D}}), Is::D},
    {"GExemptAtExactly5000NeedsNoSuppressionOfGRooms",
     rooms({{1000, C::V1, true}, {4000, C::G}, {15000, C::D}}), Is::D},
    {"GNotExemptOver5000", rooms({{1000, C::V1, true}, {4000.5, C::G}, {14999.5, C::D}}), Is::G},
    {"GNotExemptWhenAVRoomUnsuppressed", rooms({{100, C::V1}, {900, C::G}, {4000, C::D}}), Is::G},
    {"DecimalAreasExactlyFivePercent", rooms({{0.1, C::A}, {0.2, C::A}, {5.7, C::D}}), Is::D},
};

class BuildingRules : public testing::TestWithParam<Case> {};

TEST_P(BuildingRules, DecideTheCategory)
{
    EXPECT_EQ(assessBuilding(GetParam().rooms).category, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildingRules, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// The text view and the report say each rule's sums and shares and which rule decided.
TEST(BuildingLines, SayEachRuleWithItsNumbers)
{
    const QStringList published = assessmentLines(assessBuilding(cases[0].rooms), comma);
    EXPECT_EQ(published.first(), u"Категория здания: Б (п. 6.4 СП 12.13130.2009)"_s);
    EXPECT_EQ(published.value(2), u"А: S_А = 150 м² ≤ 200 м² (0,47 % ≤ 5 %) — не превышает: здание не "
                                  "относится к категории А (п. 6.2)."_s);
    EXPECT_EQ(published.value(3), u"Б: S_А + S_Б = 550 м² > 200 м² (1,72 % ≤ 5 %); исключение п. 6.5 не "
                                  "применяется: без установки автоматического пожаротушения: «Помещение 1», "
                                  "«Помещение 2» — здание относится к категории Б (п. 6.4)."_s);
    const QStringList exempt = assessmentLines(assessBuilding(cases[1].rooms), comma);
    EXPECT_EQ(exempt.value(2),
              u"А: S_А = 800 м² > 200 м² (5,33 % > 5 %); исключение п. 6.3: 5,33 % ≤ 25 %, 800 м² "
              "≤ 1000 м², все помещения категории А оснащены установками автоматического "
              "пожаротушения — здание не относится к категории А."_s);
    EXPECT_TRUE(exempt.value(3).contains(
        u"исключение п. 6.5 не применяется: 1400 м² > 1000 м² — здание относится"_s));
    const QStringList fromV = assessmentLines(assessBuilding(cases[2].rooms), comma);
    EXPECT_TRUE(fromV.value(1).startsWith(u"Категорию Г определяют помещения категорий А, Б, В1–В3"_s));
    EXPECT_TRUE(fromV.value(5).contains(u"(8 % ≤ 10 %) [10 %: в здании нет помещений категорий А и Б]"_s));
    EXPECT_EQ(assessmentLines(assessBuilding(cases[3].rooms), comma).last(),
              u"Д: здание не относится к категориям А, Б, В и Г (п. 6.10)."_s);
    // A share just above its limit is not shown rounded to the limit itself.
    EXPECT_TRUE(assessmentLines(assessBuilding(rooms({{5.0001, C::A}, {94.9999, C::D}})), comma)
                    .value(2)
                    .contains(u"(5,0001 % > 5 %)"_s));
}

TEST(BuildingRules, RefuseABuildingWithoutRoomsOrWithAnOverflowingTotal)
{
    EXPECT_THROW(assessBuilding({}), UserError);
    EXPECT_THROW(assessBuilding(rooms({{1e308, C::A}, {1e308, C::D}})), UserError);
}

// The window's table cannot hold an unknown category or lose a name's blanks, but a row's texts can.
TEST(RoomRows, NameTheBadRow)
{
    const RoomRowTexts good{u" Склад "_s, u"12,5"_s, u"В1"_s, true};
    EXPECT_EQ(parseRoomRows({good}, comma).at(0).name, u"Склад"_s);
    const std::pair<RoomRowTexts, QString> bad[] = {
        {{u" "_s, u"1"_s, u"А"_s}, u"Строка 2: не указано название помещения."_s},
        {{u"Цех"_s, u"3"_s, u"A"_s}, u"Строка 2: неизвестная категория помещения «A»."_s}, // a Latin A
    };
    for (const auto& [row, message] : bad) {
        try {
            parseRoomRows({good, row}, comma);
            ADD_FAILURE() << message.toStdString();
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), message);
        }
    }
}

const BuildingDescription sample{u"Цех № 2"_s,
                                 {{u"Склад ЛВЖ"_s, 150, C::A, false},
                                  {u"Насосная"_s, 400, C::B, true},
                                  {u"Участок «Café»"_s, 12.25, C::V4, false},
                                  {u"Прочие помещения"_s, 31437.75, C::D, false}}};

TEST(BuildingFile, KeepsTheBuildingByteForByte)
{
    const QByteArray bytes = writeBuildingFile(sample);
    EXPECT_EQ(bytes, expected("building.pzb"));
    const BuildingDescription read = readBuildingFile(bytes);
    EXPECT_EQ(writeBuildingFile(read), bytes);
}

TEST(BuildingFile, RefusesADamagedFileWhole)
{
    const QByteArray good = writeBuildingFile(sample);
    const QByteArray damaged[] = {
        good.left(good.size() / 2),
        QByteArray(good).replace("overpressure-building", "overpressure-buildinh"),
        QByteArray(good).replace("\"version\": 1", "\"version\": 2"),
        QByteArray(good).replace("\"area\": 150", "\"area\": -150"),
        QByteArray(good).replace("\"category\": \"А\"", "\"category\": \"A\""),
        QByteArray(good).replace("\"suppression\": true", "\"suppression\": 1"),
    };
    for (const QByteArray& bytes : damaged)
        EXPECT_THROW(readBuildingFile(bytes), UserError) << bytes.constData();
}

TEST(BuildingReport, IsTheExpectedSection)
{
    const QString html = buildingSection(sample, comma);
    EXPECT_EQ(html.toUtf8(), expected("building_comma.htm"));
    for (const QChar c : html)
        EXPECT_TRUE(c.unicode() < 0x80 || (c.unicode() >= 0x410 && c.unicode() <= 0x44f)) << int(c.unicode());
}

// A calculation file says category А from 5 kPa on, the limit itself included.
TEST(CalculationImport, DecidesCategoryAAsTheRoomReportDoes)
{
    for (const auto& [pressure, categoryA] : {std::pair{5.0, true}, {4.999, false}, {99.875, true}}) {
        CalculationState state;
        state.EP = pressure;
        const CalculationVerdict verdict = calculationVerdict(writeCalculationFile(state, comma));
        EXPECT_EQ(verdict.categoryA, categoryA) << pressure;
        EXPECT_EQ(verdict.pressure, pressure);
    }
    EXPECT_THROW(calculationVerdict("//Morvex//\r\n 1 \r\n"), UserError);
}

} // namespace
