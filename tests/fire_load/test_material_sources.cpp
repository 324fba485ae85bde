#include "materials.h"

#include "numbers.h"
#include "whole_file.h"

#include <QMultiHash>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

// Every value of the shipped materials table is recorded, source by source, in
// data/materials-sources.csv. The row applies the higher Qн of its sources (more heat, a higher
// category) and the lower qкр (a larger distance lпр); where the sources disagree, its note names
// every value and every source.

namespace {

struct SourceValue {
    QString quantity; // "Qн" or "qкр"
    double value = 0;
    QString source;
};

using SourceRecord = QMultiHash<QString, SourceValue>;

// Rows whose Qн rests on one source; the README's fire-load section states the same figure.
constexpr int rowsWithOneHeatSource = 24;

QLocale fileLocale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

SourceRecord readSourceRecord(const QString& text)
{
    SourceRecord record;
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QStringList f = lines[index].split(u';');
        if (f.size() != 4)
            throw std::runtime_error("materials-sources.csv: bad line " + std::to_string(index + 1));
        record.insert(f[0], {f[1], parseNumber(f[2], fileLocale()), f[3]});
    }
    return record;
}

// Problems of one quantity of one row: the applied value against its sources.
QStringList checkQuantity(const Material& row, const QList<SourceValue>& sources, const QString& quantity,
                          std::optional<double> applied, const QString& appliedSource)
{
    QStringList problems;
    QList<SourceValue> own;
    for (const SourceValue& s : sources)
        if (s.quantity == quantity)
            own.append(s);
    if (own.isEmpty() != !applied.has_value())
        return {quantity + u": нет записи об источниках"_s};
    if (own.isEmpty())
        return {};
    const bool higherIsSafe = quantity == u"Qн"_s;
    const auto safest = std::max_element(own.begin(), own.end(), [&](const auto& a, const auto& b) {
        return higherIsSafe ? a.value < b.value : a.value > b.value;
    });
    if (*applied != safest->value)
        problems.append(quantity + u": принято не значение в запас"_s);
    if (!appliedSource.contains(safest->source))
        problems.append(quantity + u": источник принятого значения не назван"_s);
    const bool disagree =
        std::any_of(own.begin(), own.end(), [&](const auto& s) { return s.value != own[0].value; });
    if (disagree)
        for (const SourceValue& s : own)
            if (!row.note.contains(formatNumber(s.value, fileLocale())) || !row.note.contains(s.source))
                problems.append(quantity + u": примечание не называет "_s + s.source);
    return problems;
}

QStringList checkRow(const Material& row, const SourceRecord& record)
{
    const QList<SourceValue> sources = record.values(row.name);
    return checkQuantity(row, sources, u"Qн"_s, row.heat, row.heatSource)
           + checkQuantity(row, sources, u"qкр"_s, row.criticalFlux, row.fluxSource);
}

TEST(MaterialSources, ShippedRowsApplyTheSafeValueOfTheirSources)
{
    const SourceRecord record = readSourceRecord(QString::fromUtf8(
        readRegularFile(QStringLiteral(OVERPRESSURE_SOURCE_DIR "/data/materials-sources.csv"), 1 << 20)));
    int oneHeatSource = 0;
    for (const Material& row : shippedMaterials()) {
        EXPECT_EQ(checkRow(row, record), QStringList()) << row.name.toStdString();
        const QList<SourceValue> sources = record.values(row.name);
        if (std::count_if(sources.begin(), sources.end(), [](const auto& s) { return s.quantity == u"Qн"_s; })
            == 1) {
            ++oneHeatSource;
            EXPECT_TRUE(row.note.contains(u"вторым источником не подтверждено"_s)) << row.name.toStdString();
        }
    }
    EXPECT_EQ(oneHeatSource, rowsWithOneHeatSource);
    for (const QString& name : record.uniqueKeys())
        EXPECT_NE(findMaterial(shippedMaterials(), name), nullptr)
            << "recorded, not shipped: " << name.toStdString();
}

TEST(MaterialSources, CatchRowsThatDoNotTakeTheSafeSide)
{
    SourceRecord record;
    record.insert(u"ПЭ"_s, {u"Qн"_s, 47.14, u"Книга А"_s});
    record.insert(u"ПЭ"_s, {u"Qн"_s, 43.3, u"Книга Б"_s});
    record.insert(u"ПЭ"_s, {u"qкр"_s, 15, u"Книга А"_s});
    record.insert(u"ПЭ"_s, {u"qкр"_s, 12, u"Книга Б"_s});
    const QString bothNamed = u"Qн: Книга А 47,14, Книга Б 43,3; qкр: Книга А 15, Книга Б 12"_s;
    const struct {
        const char* name;
        Material row;
        QStringList problems;
    } cases[] = {
        {"safe side, both named", {u"ПЭ"_s, 47.14, 12, u"Книга А"_s, u"Книга Б"_s, bothNamed}, {}},
        {"lower Qн applied",
         {u"ПЭ"_s, 43.3, 12, u"Книга Б"_s, u"Книга Б"_s, bothNamed},
         {u"Qн: принято не значение в запас"_s, u"Qн: источник принятого значения не назван"_s}},
        {"higher qкр applied",
         {u"ПЭ"_s, 47.14, 15, u"Книга А"_s, u"Книга А"_s, bothNamed},
         {u"qкр: принято не значение в запас"_s, u"qкр: источник принятого значения не назван"_s}},
        {"note names one source",
         {u"ПЭ"_s, 47.14, 12, u"Книга А"_s, u"Книга Б"_s, u"Книга А 47,14; 15"_s},
         {u"Qн: примечание не называет Книга Б"_s, u"qкр: примечание не называет Книга Б"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkRow(c.row, record), c.problems) << c.name;
}

} // namespace
