#include "report_sections.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QLocale comma(QLocale::Russian, QLocale::Russia);
const QLocale dot(QLocale::English, QLocale::UnitedStates);

const QString roomTitle = QStringLiteral(
    "<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП 12.13130.2009)</h3>");
const QString roomCategoryA = QStringLiteral(
    "<p><h4>Так как давление взрыва больше 5 кПа, то данное помещение следует отнести к категории А.</h4>");
const QString roomNotCategoryA = QStringLiteral(
    "<p><h4>Так как давление взрыва меньше 5 кПа, то данное помещение не относится к категории А. Необходимо "
    "произвести пересчет на принадлежность помещения к категории В.</h>");
const QString outdoorCategoryAN =
    QStringLiteral("<p><h4>Так как избыточное давление взрыва на расстоянии 30м больше 5 кПа, то данную "
                   "установку следует отнести к категории АН (БН).</h4>");
const QString outdoorNotCategoryAN = QStringLiteral(
    "<p><h4>Так как избыточное давление взрыва на расстоянии 30м меньше 5 кПа, то данная устновка не "
    "относится к категории АН(БН). Необходимо произвести пересчет на принадлежность к категории ВН.</h>");
const QString ventilationHeading =
    QStringLiteral("<p><h4>1.6 Расчет аварийной вентиляции при пересчете на категорию В1.</h4>");

CalculationState stateWithPressure(double pressure)
{
    CalculationState state;
    state.EP = pressure;
    return state;
}

} // namespace

struct ConclusionRow {
    const char* name;
    double pressure;
    bool reachesTheLimit;
};

class Conclusion : public testing::TestWithParam<ConclusionRow> {};

TEST_P(Conclusion, OfTheRoomReportFollowsTheFiveKilopascalLimit)
{
    const QString section = roomSection(stateWithPressure(GetParam().pressure), comma);
    EXPECT_EQ(section.endsWith(roomCategoryA), GetParam().reachesTheLimit);
    EXPECT_EQ(section.endsWith(roomNotCategoryA), !GetParam().reachesTheLimit);
}

TEST_P(Conclusion, OfTheOutdoorReportFollowsTheFiveKilopascalLimit)
{
    const QString section = outdoorSection(stateWithPressure(GetParam().pressure), comma);
    EXPECT_EQ(section.endsWith(outdoorCategoryAN), GetParam().reachesTheLimit);
    EXPECT_EQ(section.endsWith(outdoorNotCategoryAN), !GetParam().reachesTheLimit);
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, Conclusion,
    testing::Values(ConclusionRow{"ExactlyFive", 5.0, true}, ConclusionRow{"JustBelowFive", 4.999999, false},
                    ConclusionRow{"NextDoubleBelowFive", std::nextafter(5.0, 0.0), false},
                    ConclusionRow{"WellAbove", 99.875, true}, ConclusionRow{"Zero", 0.0, false},
                    ConclusionRow{"Negative", -12.5, false}),
    [](const testing::TestParamInfo<ConclusionRow>& info) { return std::string(info.param.name); });

TEST(RoomSection, StartsWithTheTitleAndHasExactlyOneConclusion)
{
    const QString section = roomSection(CalculationState(), comma);
    EXPECT_TRUE(section.startsWith(roomTitle));
    const QString conclusionStart = roomCategoryA.left(31);
    ASSERT_TRUE(roomNotCategoryA.startsWith(conclusionStart));
    EXPECT_EQ(section.count(conclusionStart), 1);
    EXPECT_FALSE(section.contains(u'\n'));
}

TEST(RoomSection, WritesNumbersWithTheLocaleSeparatorAndNoBlankBeforeTheUnit)
{
    CalculationState state;
    state.Pn = 12.5;
    EXPECT_TRUE(roomSection(state, comma).contains(QStringLiteral("<p>Pн = 12,5кПа")));
    EXPECT_TRUE(roomSection(state, dot).contains(QStringLiteral("<p>Pн = 12.5кПа")));
}

TEST(RoomSection, PutsABlankOnlyWhereTheUnitBeginsWithOne)
{
    CalculationState state;
    state.Vsv = 100;
    const QString section = roomSection(state, comma);
    EXPECT_EQ(
        section.count(QStringLiteral("<p>tp - расчетная температура воздуха, равная 37 <sup>o</sup>C.")), 2);
    EXPECT_TRUE(
        section.contains(QStringLiteral("<p>Vсв - свободный объем помещения, равный 100 м<sup>3</sup>;")));
}

TEST(RoomSection, WritesTheAntoineConstantsAsOneRun)
{
    CalculationState state;
    state.A = 6.37551;
    state.B = 1281.721;
    state.C = 237.088;
    EXPECT_TRUE(roomSection(state, comma)
                    .contains(QStringLiteral(
                        "<p>где A, B, C - константы Антуана, равные: А=6,37551, B=1281,721, C=237,088;")));
}

TEST(RoomSection, EndsTheAtomCountsWithTheDigitsOfTheHalogens)
{
    CalculationState state;
    state.nC = 3;
    state.nH = 6;
    state.nO = 1;
    state.nX = 2;
    EXPECT_TRUE(roomSection(state, comma)
                    .contains(QStringLiteral(
                        "<p>nC, nH, nO, nX - число атомов С, Н, О и галоидов в молекуле горючего, равных: "
                        "nC=3, nH=6, nO=1, nX=2<p><p>После подстановки имеющихся значений имеем:")));
}

TEST(RoomSection, SubtractsTheOxygenTermInTheFormulaOfBeta)
{
    const QString section = roomSection(CalculationState(), comma);
    EXPECT_TRUE(section.contains(QStringLiteral("(nH-nX)/4 - nO/2 - ")));
    EXPECT_FALSE(section.contains(QStringLiteral("+ nO/2")));
}

TEST(RoomSection, PrintsTheStartValuesOfANewCalculation)
{
    const QString section = roomSection(CalculationState(), comma);
    EXPECT_TRUE(section.contains(QStringLiteral("<p>Pн = 0кПа")));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>m = 0кг")));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>Р = 0кПа.")));
}

TEST(RoomSection, WritesVerySmallAndVeryLargeNumbersInExponentForm)
{
    CalculationState state;
    state.Em = 0.00001;
    state.EP = 1.5e16;
    const QString section = roomSection(state, comma);
    EXPECT_TRUE(section.contains(QStringLiteral("<p>m = 1E-05кг")));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>Р = 1,5E+16кПа.")));
}

TEST(OutdoorSection, PrintsTheLiquidVapourMassAndTheReducedMass)
{
    CalculationState state;
    state.Em = 10;
    state.Mass = 77;
    state.Mpr = 10.000000000000002;
    state.Qsg = 45.2;
    state.Z = 0.1;
    const QString section = outdoorSection(state, comma);
    EXPECT_TRUE(section.startsWith(roomTitle));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>m - масса паров жидкости или газа, кг, равная 10 кг;")));
    EXPECT_TRUE(section.contains(
        QStringLiteral("<p>где Qсг - удельная теплота сгорания газа или пара, МДж/кг, равное 45,2 МДж/кг;")));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>Z - коэффициент участия горючего во взрыве, Z = 0,1.")));
    EXPECT_TRUE(section.contains(QStringLiteral("<p>Мпр = 10 кг.")));
    EXPECT_FALSE(section.contains(QStringLiteral("77")));
}

TEST(VentilationSection, PrintsSinglesWithSevenDigits)
{
    CalculationState state;
    state.U = float(8.0 * 12.0 / 3600.0);
    state.nu = 1.16;
    EXPECT_TRUE(
        ventilationSection(state, comma)
            .contains(QStringLiteral("<p>Скорость воздушного потока U = n * L / 3600 равна 0,02666667м/c;")));
    EXPECT_TRUE(
        ventilationSection(state, comma)
            .contains(QStringLiteral(
                "<p>По найденному коэффициенту U определяем коэффициент nu (табл. 3 НПБ 105-03), n=1,16;")));
}

TEST(VentilationSection, StartsWithItsHeadingAndHasNoConclusion)
{
    const QString section = ventilationSection(stateWithPressure(99), comma);
    EXPECT_TRUE(section.startsWith(ventilationHeading));
    EXPECT_TRUE(section.endsWith(QStringLiteral("<p>Qвент = 0м<sup>3</sup>/час.")));
    EXPECT_FALSE(section.contains(roomNotCategoryA.left(20)));
}
