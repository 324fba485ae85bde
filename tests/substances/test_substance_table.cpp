#include "calculator_formulas.h"
#include "numbers.h"
#include "own_substances.h"
#include "substance_checks.h"
#include "substance_choice.h"
#include "substance_memory.h"
#include "substance_search.h"
#include "substance_table.h"
#include "window_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

const Substance& row(const char* name)
{
    const auto& rows = shippedSubstances();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [name](const Substance& s) { return s.name == QString::fromUtf8(name); });
    EXPECT_NE(found, rows.end()) << name;
    return *found;
}

CalculationState stateAt(double designTemperature)
{
    CalculationState state;
    state.T1 = designTemperature;
    return state;
}

} // namespace

// Reading the shipped table runs every check on every row; a failing row would throw here.
TEST(SubstanceTable, ShippedRowsPassEveryCheckAndCoverTheCommonSubstances)
{
    const auto& rows = shippedSubstances();
    const auto gases = std::count_if(rows.begin(), rows.end(), [](const Substance& s) { return s.isGas(); });
    EXPECT_GE(rows.size(), 60u);
    EXPECT_GE(gases, 15);
    EXPECT_GE(long(rows.size()) - gases, 45);
    for (const Substance& s : rows) {
        EXPECT_FALSE(s.source.isEmpty()) << s.name.toStdString();
        EXPECT_TRUE(!s.isGas() || !s.hasAntoine()) << s.name.toStdString();
    }
    EXPECT_DOUBLE_EQ(formulaMass(QStringLiteral("C7,024H13,706")), 7.024 * 12.011 + 13.706 * 1.008);
}

// One row per check: the faults published tables are known to have, each named by its field.
TEST(SubstanceTable, ChecksNameTheFieldOfEachFault)
{
    const Substance acetone = row("Ацетон");
    struct Case {
        const char* fault;
        std::function<void(Substance&)> spoil;
        int column;
    };
    const Case cases[] = {
        {"carbon and hydrogen swapped", [](Substance& s) { std::swap(s.nC, s.nH); }, CarbonColumn},
        {"molar mass 2 % off", [](Substance& s) { s.molarMass *= 1.02; }, MolarMassColumn},
        {"B that misses the boiling point", [](Substance& s) { s.antoineB = 1400.0; }, AntoineAColumn},
        {"two constants of three", [](Substance& s) { s.antoineC.reset(); }, AntoineCColumn},
        {"ЛВЖ flashing above 61 °C", [](Substance& s) { s.flashPoint = 70.0; }, KindColumn},
        {"gas with Antoine constants", [](Substance& s) { s.kind = SubstanceKind::Gas; }, AntoineAColumn},
        {"no source", [](Substance& s) { s.source.clear(); }, SourceColumn},
        {"unreadable formula", [](Substance& s) { s.formula = QStringLiteral("C3H6O)"); }, FormulaColumn},
    };
    EXPECT_NO_THROW(checkSubstance(acetone));
    for (const Case& c : cases) {
        Substance spoilt = acetone;
        c.spoil(spoilt);
        try {
            checkSubstance(spoilt);
            ADD_FAILURE() << "accepted: " << c.fault;
        } catch (const SubstanceProblem& problem) {
            EXPECT_EQ(problem.column(), c.column) << c.fault;
        }
    }
    const std::vector<Substance> others = {row("Толуол")};
    Substance toluene = acetone;
    toluene.name = QStringLiteral("ТОЛУОЛ");
    EXPECT_THROW(checkNameIsNew(toluene, others), SubstanceProblem);
}

TEST(SubstanceTable, FilterFindsNameSynonymAndFormulaIgnoringCaseAndYo)
{
    const auto& rows = shippedSubstances();
    const auto names = [&rows](const char* typed) {
        QStringList found;
        for (int index : searchSubstances(rows, QString::fromUtf8(typed)))
            found << rows[index].name;
        return found;
    };
    EXPECT_EQ(names("c7h8"), (QStringList{QStringLiteral("Толуол"), QStringLiteral("Бензиловый спирт")}));
    EXPECT_EQ(names("КУМОЛ"), QStringList{QStringLiteral("Изопропилбензол")});
    EXPECT_EQ(names("ДИЭТИЛОВЫЙ ЭФИР"), QStringList{QStringLiteral("Диэтиловый эфир")});
    EXPECT_EQ(names("").size(), qsizetype(rows.size()));
    EXPECT_TRUE(names("нет такого").isEmpty());
    Substance fir;
    fir.name = QStringLiteral("Масло ёлочное");
    EXPECT_TRUE(matchesSearch(fir, QStringLiteral("ЕЛОЧ")));
    EXPECT_TRUE(matchesSearch(fir, QStringLiteral("ёлоч")));
}

// The numbers are those the calculator windows compute from the same inputs.
TEST(SubstanceChoice, GasTakesZHalfAndTheCalculatorNumbers)
{
    const QLocale locale = commaLocale();
    CalculationState state = stateAt(37);
    const MainWindowTexts texts = applySubstance(state, row("Метан"), locale);

    CalculationState calculator = stateAt(37);
    calculateStoichiometricConcentration(
        calculator, {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0")},
        locale);
    calculateDensity(calculator, {QStringLiteral("16,043"), QStringLiteral("37")}, locale);
    EXPECT_EQ(state.Cst, calculator.Cst);
    EXPECT_EQ(state.pl, calculator.pl);
    EXPECT_EQ(texts.stoichiometric, QStringLiteral("9,36329588014981"));
    EXPECT_EQ(texts.density, formatNumber(calculator.pl, locale));
    EXPECT_EQ(texts.participation, QStringLiteral("0,5"));
    EXPECT_EQ(texts.heat, QStringLiteral("50"));
    EXPECT_EQ(texts.maxPressure, QStringLiteral("706"));
    EXPECT_EQ(state.substance, QStringLiteral("Метан"));
    EXPECT_EQ(applySubstance(state, row("Водород"), locale).participation, QStringLiteral("1"));
}

TEST(SubstanceChoice, LiquidAboveItsFlashPointTakesZ03AndTheVapourPressure)
{
    const QLocale locale = commaLocale();
    CalculationState state = stateAt(37);
    const MainWindowTexts texts = applySubstance(state, row("Ацетон"), locale);

    CalculationState calculator = stateAt(37);
    calculateVapourPressure(calculator,
                            {QStringLiteral("6,37551"), QStringLiteral("1281,721"), QStringLiteral("237,088"),
                             QStringLiteral("37")},
                            locale);
    EXPECT_EQ(state.Pn, calculator.Pn);
    EXPECT_EQ(state.A, 6.37551);
    EXPECT_EQ(texts.participation, QStringLiteral("0,3"));
    EXPECT_EQ(texts.heat, QStringLiteral("31,36"));
    EXPECT_TRUE(texts.maxPressure.isEmpty());
    EXPECT_TRUE(applyWarnings(row("Ацетон"), 37, locale).isEmpty());
    EXPECT_TRUE(applyWarnings(row("Ацетон"), 95, locale).contains(QStringLiteral("экстраполяцией")));
}

TEST(SubstanceChoice, LiquidBelowItsFlashPointTakesZZero)
{
    CalculationState state = stateAt(37);
    const Participation z = participationOf(row("Амилацетат"), 37, commaLocale());
    EXPECT_EQ(z.z, 0.0);
    EXPECT_TRUE(z.reason.contains(QStringLiteral("температура вспышки 43 °C")));
    EXPECT_EQ(applySubstance(state, row("Амилацетат"), commaLocale()).participation, QStringLiteral("0"));
}

// A petrol's averaged formula keeps its fractional counts, which the stoichiometric window would round.
TEST(SubstanceChoice, FractionalPetrolKeepsItsCounts)
{
    CalculationState state = stateAt(37);
    applySubstance(state, row("Бензин АИ-93 летний"), commaLocale());
    EXPECT_EQ(state.nC, 7.024);
    EXPECT_EQ(state.nH, 13.706);
    EXPECT_DOUBLE_EQ(state.Cst, 100.0 / (1.0 + 4.84 * (7.024 + 13.706 / 4.0)));
    EXPECT_EQ(state.Pn, antoinePressure(4.12311, 664.976, 221.695, 37));
    EXPECT_EQ(state.pl, vapourDensity(98.2, 37));
}

TEST(SubstanceChoice, ChosenRowLastsWhileTheStateHoldsItsData)
{
    CalculationState state = stateAt(37);
    applySubstance(state, row("Ацетальдегид"), commaLocale());
    EXPECT_EQ(chosenSubstance(state, shippedSubstances()), &row("Ацетальдегид"));
    state.A = 6;
    EXPECT_EQ(chosenSubstance(state, shippedSubstances()), nullptr);
}

// The note follows the file's bytes: a file changed since, or never noted, names nothing.
TEST(SubstanceMemory, NotesTheSubstanceOfTheFileAsSaved)
{
    const QTemporaryDir folder;
    const QString memory = folder.filePath(QStringLiteral("notes/memory.txt"));
    const QString calculation = folder.filePath(QStringLiteral("a.pzr"));
    const auto write = [&calculation](const QByteArray& bytes) {
        QFile file(calculation);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("//Morvex//\r\n 1 \r\n");
    rememberSubstanceOfFile(calculation, QStringLiteral("Ацетон"), memory);
    EXPECT_EQ(substanceOfFile(calculation, memory), QStringLiteral("Ацетон"));
    write("//Morvex//\r\n 2 \r\n");
    EXPECT_TRUE(substanceOfFile(calculation, memory).isEmpty());
    write("//Morvex//\r\n 1 \r\n");
    rememberSubstanceOfFile(calculation, {}, memory);
    EXPECT_TRUE(substanceOfFile(calculation, memory).isEmpty());
}

TEST(OwnSubstances, RowsSurviveTheFileAndAnUnreadableRowNamesItsField)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("own/substances.csv"));
    Substance mine = row("Толуол");
    mine.name = QStringLiteral("Растворитель Р-4 (толуол)");
    mine.own = true;
    saveOwnSubstances(path, {mine});
    const OwnSubstances loaded = loadOwnSubstances(path);
    ASSERT_EQ(loaded.rows.size(), 1u);
    EXPECT_TRUE(loaded.damage.isEmpty());
    EXPECT_TRUE(loaded.rows[0].own);
    EXPECT_EQ(loaded.rows[0].antoineB, 1328.171);

    SubstanceTexts texts = textsOf(mine, dotLocale());
    texts[MolarMassColumn] = QStringLiteral("92,14"); // a comma under a dot locale
    try {
        substanceFromTexts(texts, dotLocale());
        ADD_FAILURE() << "accepted a comma under a dot locale";
    } catch (const SubstanceProblem& problem) {
        EXPECT_EQ(problem.message(), QStringLiteral("Поле «M»: не число"));
    }
}

TEST(OwnSubstances, DamagedFileIsKeptAsideAndReported)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("substances.csv"));
    const QByteArray damaged = "header\nТолуол;;C7H8;ЛВЖ;сто\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    const OwnSubstances loaded = loadOwnSubstances(path);
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_TRUE(loaded.damage.contains(QStringLiteral("строка 2: неверное число полей")));
    EXPECT_FALSE(QFile::exists(path));
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("substances.csv.поврежден-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_FALSE(shippedSubstances().empty());
}
