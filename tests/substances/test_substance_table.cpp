#include "calculator_formulas.h"
#include "core_test.h"
#include "numbers.h"
#include "own_substances.h"
#include "substance_checks.h"
#include "substance_choice.h"
#include "substance_search.h"
#include "substance_table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const Substance& row(const char* name)
{
    const auto& rows = shippedSubstances();
    const auto found = std::ranges::find(rows, QString::fromUtf8(name), &Substance::name);
    EXPECT_NE(found, rows.end()) << name;
    return *found;
}

// Reading the shipped table runs every check on every row; a failing row would throw here.
TEST(SubstanceTable, EveryShippedRowPassesTheChecksAndGasesAndLiquidsAreThere)
{
    const auto& rows = shippedSubstances();
    const auto gases = std::count_if(rows.begin(), rows.end(), [](const Substance& s) { return s.isGas(); });
    EXPECT_GE(gases, 15);
    EXPECT_GE(long(rows.size()) - gases, 45);
    for (const QString& name : proofReadSubstanceNames()) {
        const auto found = std::ranges::find(rows, name, &Substance::name);
        EXPECT_TRUE(found != rows.end() && found->proofRead) << name.toStdString();
    }
}

// One row per check: the faults published tables are known to have, each named by its field.
TEST(SubstanceTable, ChecksNameTheFieldOfEachFault)
{
    const Substance acetone = row("Ацетон");
    const std::tuple<const char*, std::function<void(Substance&)>, int> faults[] = {
        {"carbon and hydrogen swapped", [](Substance& s) { std::swap(s.nC, s.nH); }, CarbonColumn},
        {"molar mass 2 % off", [](Substance& s) { s.molarMass *= 1.02; }, MolarMassColumn},
        {"B that misses the boiling point", [](Substance& s) { s.antoineB = 1400.0; }, AntoineAColumn},
        {"two constants of three", [](Substance& s) { s.antoineC.reset(); }, AntoineCColumn},
        {"ЛВЖ flashing above 61 °C", [](Substance& s) { s.flashPoint = 70.0; }, KindColumn},
        {"gas with Antoine constants", [](Substance& s) { s.kind = SubstanceKind::Gas; }, AntoineAColumn},
        {"no source", [](Substance& s) { s.source.clear(); }, SourceColumn},
        {"unreadable formula", [](Substance& s) { s.formula = u"C3H6O)"_s; }, FormulaColumn},
    };
    for (const auto& [fault, spoil, column] : faults) {
        Substance spoilt = acetone;
        spoil(spoilt);
        try {
            checkSubstance(spoilt);
            ADD_FAILURE() << "accepted: " << fault;
        } catch (const SubstanceProblem& problem) {
            EXPECT_EQ(problem.column(), column) << fault;
        }
    }
    Substance toluene = acetone;
    toluene.name = u"ТОЛУОЛ"_s;
    EXPECT_THROW(checkNameIsNew(toluene, std::vector{row("Толуол")}), SubstanceProblem);
}

TEST(SubstanceSearch, FindsNameSynonymAndFormulaIgnoringCaseAndYo)
{
    const auto& rows = shippedSubstances();
    const auto names = [&rows](const QString& typed) {
        QStringList found;
        for (int index : searchSubstances(rows, typed))
            found << rows[index].name;
        return found;
    };
    EXPECT_EQ(names(u"c7h8"_s), (QStringList{u"Толуол"_s, u"Бензиловый спирт"_s}));
    EXPECT_EQ(names(u" КУМОЛ"_s), QStringList{u"Изопропилбензол"_s});
    EXPECT_EQ(names(u""_s).size(), qsizetype(rows.size()));
    EXPECT_TRUE(names(u"нет такого"_s).isEmpty());
    const Substance fir{.name = u"Масло ёлочное"_s};
    EXPECT_TRUE(matchesSearch(fir, u"ЕЛОЧ"_s) && matchesSearch(fir, u"ёлоч"_s));
}

// Hydrogen 1, any other gas 0,5, a liquid 0,3 from its flash point on and 0 below it.
TEST(SubstanceChoice, ParticipationFollowsTheKindAndTheFlashPoint)
{
    Substance unknownFlash = row("Амилацетат");
    unknownFlash.flashPoint.reset();
    const std::tuple<const Substance&, double, std::optional<double>> rows[] = {
        {row("Водород"), 37, 1},    {row("Метан"), 37, 0.5},      {row("Ацетон"), 37, 0.3},
        {row("Амилацетат"), 37, 0}, {row("Амилацетат"), 43, 0.3}, {unknownFlash, 37, std::nullopt}};
    for (const auto& [substance, temperature, z] : rows)
        EXPECT_EQ(participationOf(substance, temperature, commaLocale()).z, z)
            << substance.name.toStdString() << " at " << temperature;
    EXPECT_TRUE(participationOf(row("Амилацетат"), 37, commaLocale())
                    .reason.contains(u"температура вспышки 43 °C"_s));
}

// The numbers are those the calculator windows compute from the same inputs.
TEST(SubstanceChoice, ApplyingStoresWhatTheCalculatorsWouldAndFillsTheMainWindowTexts)
{
    const QLocale locale = commaLocale();
    CalculationState state;
    const MainWindowTexts methane = applySubstance(state, row("Метан"), locale);
    EXPECT_EQ((std::vector{state.nC, state.nH, state.nO, state.nX, state.M, state.Cst, state.pl}),
              (std::vector{1.0, 4.0, 0.0, 0.0, 16.043, stoichiometricConcentration(1, 4, 0, 0),
                           vapourDensity(16.043, 37)}));
    EXPECT_EQ(state.substance, u"Метан"_s);
    EXPECT_EQ(
        (QStringList{methane.stoichiometric, methane.density, methane.heat, methane.maxPressure,
                     methane.participation}),
        (QStringList{u"9,36329588014981"_s, formatNumber(state.pl, locale), u"50"_s, u"706"_s, u"0,5"_s}));

    const MainWindowTexts acetone = applySubstance(state, row("Ацетон"), locale);
    EXPECT_EQ(state.Pn, antoinePressure(6.37551, 1281.721, 237.088, 37));
    EXPECT_EQ((std::vector{state.A, state.B, state.C}), (std::vector{6.37551, 1281.721, 237.088}));
    EXPECT_EQ((QStringList{acetone.heat, acetone.maxPressure, acetone.participation}),
              (QStringList{u"31,36"_s, QString(), u"0,3"_s}));
    EXPECT_TRUE(applyWarnings(row("Ацетон"), 37, locale).isEmpty()) << "proof-read";
    EXPECT_TRUE(applyWarnings(row("Толуол"), 37, locale).contains(u"не сверены с печатным изданием"_s));
    EXPECT_TRUE(applyWarnings(row("Ацетон"), 95, locale).contains(u"экстраполяцией"_s));
    EXPECT_EQ(chosenSubstance(state, shippedSubstances()), &row("Ацетон"));
    state.A = 6;
    EXPECT_EQ(chosenSubstance(state, shippedSubstances()), nullptr) << "no longer holds its data";

    applySubstance(state, row("Бензин АИ-93 летний"), locale);
    EXPECT_EQ((std::vector{state.nC, state.nH}), (std::vector{7.024, 13.706})) << "averaged, not rounded";
    EXPECT_EQ(state.Cst, stoichiometricConcentration(7.024, 13.706, 0, 0));
}

// The user's own rows survive their file; a damaged file is renamed aside, never overwritten.
TEST(OwnSubstances, RowsSurviveTheFileAndADamagedFileIsKeptAside)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"own/substances.csv"_s);
    Substance mine = row("Толуол");
    mine.name = u"Растворитель Р-4 (толуол)"_s;
    saveOwnSubstances(path, {mine});
    OwnSubstances loaded = loadOwnSubstances(path);
    ASSERT_EQ(loaded.rows.size(), 1u);
    EXPECT_TRUE(loaded.rows[0].own && loaded.damage.isEmpty());
    EXPECT_EQ(textsOf(loaded.rows[0], commaLocale()), textsOf(mine, commaLocale()));

    const QByteArray damaged = "header\nТолуол;;C7H8;ЛВЖ;сто\n";
    writeFileBytes(path, damaged);
    loaded = loadOwnSubstances(path);
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_TRUE(loaded.damage.contains(u"строка 2: неверное число полей"_s));
    const QStringList aside = QDir(folder.filePath(u"own"_s)).entryList({u"substances.csv.поврежден-*"_s});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileBytes(folder.filePath(u"own/"_s + aside[0])), damaged);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
