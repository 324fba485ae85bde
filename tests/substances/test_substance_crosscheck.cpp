#include "substance_crosscheck.h"
#include "substance_table.h"
#include "whole_file.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma(QLocale::Russian, QLocale::Russia);

Substance shipped(const QString& name)
{
    for (const Substance& s : shippedSubstances())
        if (s.name == name)
            return s;
    ADD_FAILURE() << name.toStdString();
    return {};
}

QString verdictName(CheckVerdict verdict)
{
    return verdict == CheckVerdict::Agrees  ? u"agrees"_s
           : verdict == CheckVerdict::Noted ? u"noted"_s
                                            : u"UNRESOLVED"_s;
}

// Every row, value by value: each agrees with the independent reference within its tolerance or
// carries a note and applies the more hazardous value; every pure substance has its CAS number,
// whose formula, where PubChem lists it, is the row's.
TEST(SubstanceCrossCheck, EveryRowAgreesOrIsNotedOnTheSafeSide)
{
    const ReferenceData& data = referenceData();
    for (const Substance& s : shippedSubstances()) {
        SCOPED_TRACE(s.name.toStdString());
        const SubstanceCrossCheck check = crossCheck(s);
        const bool mixture = s.formula.contains(u',');
        EXPECT_EQ(check.cas.isEmpty(), mixture);
        if (data.formulaByCas.contains(check.cas)) {
            EXPECT_EQ(data.formulaByCas[check.cas], s.formula);
        }
        for (const ValueCheck& value : check.values) {
            EXPECT_NE(value.verdict, CheckVerdict::Unresolved)
                << value.what.toStdString() << ": " << value.table << " against " << value.reference << " ("
                << value.sources.join(u", "_s).toStdString() << ")";
        }
        if (!mixture && !s.isGas()) {
            EXPECT_TRUE(s.liquidDensity) << "density at 20 °C";
        }
        for (const SubstanceNote& note : check.notes)
            EXPECT_TRUE(std::ranges::any_of(check.values,
                                            [&](const ValueCheck& v) { return v.noteColumn == note.column; }))
                << "a note on a value that is not checked: " << note.column.toStdString();
    }
}

// A flash point raised past every reference fails; a note alone does not make it pass; a note with
// the low value applied does.
TEST(SubstanceCrossCheck, ADisagreementPassesOnlyNotedAndResolvedOnTheHazardousSide)
{
    ReferenceData data = referenceData();
    Substance acetone = shipped(u"Ацетон"_s);
    const auto flash = [&](double value) {
        acetone.flashPoint = value;
        for (const ValueCheck& v : crossCheck(acetone, data).values)
            if (v.what == u"tвсп")
                return verdictName(v.verdict);
        return u"not checked"_s;
    };
    EXPECT_EQ(flash(-18), u"agrees"_s);
    EXPECT_EQ(flash(10), u"UNRESOLVED"_s);
    EXPECT_EQ(flash(-30), u"UNRESOLVED"_s) << "lower, but without a note";
    data.notesByName[acetone.name].push_back({u"tвсп"_s, u"tвсп: принято −30 °C (в запас)"_s});
    EXPECT_EQ(flash(10), u"UNRESOLVED"_s) << "noted, but the higher value applied";
    EXPECT_EQ(flash(-30), u"noted"_s);

    Substance heptane = shipped(u"н-Гептан"_s);
    heptane.antoineA = *heptane.antoineA - 0.05; // 11 % less vapour pressure
    data.notesByName[heptane.name].push_back({u"A"_s, u"A, B, Ca: …"_s});
    EXPECT_EQ(crossCheck(heptane, data).verdict(), CheckVerdict::Unresolved) << "lower pressure never passes";
    heptane.antoineA = *heptane.antoineA + 0.1; // 12 % more
    EXPECT_EQ(crossCheck(heptane, data).verdict(), CheckVerdict::Noted);
    heptane.heatOfCombustion = *heptane.heatOfCombustion * 1.1; // a gross value
    data.notesByName[heptane.name].push_back({u"Qсг"_s, u"Qсг: …"_s});
    EXPECT_EQ(crossCheck(heptane, data).verdict(), CheckVerdict::Unresolved) << "the net value, always";
}

// The spilt mass is density × volume: a density lowered past the reference never passes, one
// raised past it passes only with a note.
TEST(SubstanceCrossCheck, ALowerDensityNeverPassesAHigherOneOnlyNoted)
{
    ReferenceData data = referenceData();
    Substance toluene = shipped(u"Толуол"_s);
    const auto density = [&](double value) {
        toluene.liquidDensity = value;
        for (const ValueCheck& v : crossCheck(toluene, data).values)
            if (v.what == u"ρж")
                return verdictName(v.verdict);
        return u"not checked"_s;
    };
    EXPECT_EQ(density(867), u"agrees"_s);
    EXPECT_EQ(density(850), u"UNRESOLVED"_s);
    EXPECT_EQ(density(885), u"UNRESOLVED"_s) << "higher, but without a note";
    data.notesByName[toluene.name].push_back({u"Плотность"_s, u"Плотность: принято 885 кг/м³ (в запас)"_s});
    EXPECT_EQ(density(850), u"UNRESOLVED"_s) << "noted, but the lower value applied";
    EXPECT_EQ(density(885), u"noted"_s);
    EXPECT_EQ(density(876), u"agrees"_s) << "within 1 % of the median of VDI 867,3 and Perry 868,5";
}

struct Statement {
    const char* row;
    const char* says;
};

// What the window and the report say for an agreeing row, a row with a resolved disagreement and
// a mixture.
TEST(SubstanceCrossCheck, StatementNamesSourcesValuesAndResolvedDisagreements)
{
    const Statement cases[] = {
        {"Бензол",
         "Сверено с независимыми данными (ИЮПАК, Yaws, CRC, NIST, IEC 60079-20-1, NFPA 497, DIPPR, Poling, "
         "Landolt-Börnstein, Perry, VDI, McGarry, ATcT, API TDB): M, tкип, tвсп, Pн при 20 °C (−0,3 %), "
         "НКПР, Qсг (0 %), ρж (−0,1 %)"},
        {"Диэтиленгликоль", "Без независимой сверки: ρж"},
        {"Амилацетат",
         "tвсп: по Пособию 43 °C, по IEC 60079-20-1 25 °C, NFPA 497 25 °C, DIPPR 37 °C — принято "
         "25 °C (в запас)"},
        {"Уайт-спирит", "Смесь: значения по одному источнику, независимая сверка невозможна"},
    };
    for (const auto& [name, says] : cases) {
        const Substance s = shipped(QString::fromUtf8(name));
        EXPECT_TRUE(crossCheckStatement(s, comma).split(u'\n').contains(QString::fromUtf8(says)))
            << crossCheckStatement(s, comma).toStdString();
        EXPECT_TRUE(crossCheckReportText(s).contains(QString::fromUtf8(says))) << name;
    }
}

// A user's own row is found by a shipped name among its synonyms or by a formula only one
// compound has, and a value off the reference gives a warning line.
TEST(SubstanceCrossCheck, OwnRowIsCheckedWhereTheReferenceKnowsIt)
{
    Substance mine = shipped(u"Амилацетат"_s);
    mine.own = true;
    mine.name = u"Растворитель (амилацетат)"_s;
    mine.synonyms = {u"амилацетат"_s};
    mine.flashPoint = 43;
    EXPECT_EQ(casOf(mine), u"628-63-7"_s);
    EXPECT_TRUE(crossCheckStatement(mine, comma).contains(u"Внимание! tвсп: в строке 43 °C"_s))
        << crossCheckStatement(mine, comma).toStdString();
    mine.synonyms.clear();
    EXPECT_EQ(casOf(mine), QString()) << "C7H14O2 has isomers";
    mine.formula = u"C2H4Cl2"_s;
    EXPECT_EQ(casOf(mine), QString()) << "1,1- and 1,2-dichloroethane";
    mine.formula = u"C6H5Cl"_s;
    EXPECT_EQ(casOf(mine), u"108-90-7"_s);
}

// The record in data/ is what the check finds now.
TEST(SubstanceCrossCheck, RecordIsCurrent)
{
    const QString path = QStringLiteral(OVERPRESSURE_SOURCE_DIR "/data/substances-verification.md");
    const QByteArray record = crossCheckRecord(shippedSubstances()).toUtf8();
    if (qEnvironmentVariableIsSet("OVERPRESSURE_WRITE_RECORD"))
        writeFileWhole(path, record);
    EXPECT_EQ(readRegularFile(path, 1 << 20), record) << "rerun with OVERPRESSURE_WRITE_RECORD=1";
}

} // namespace
