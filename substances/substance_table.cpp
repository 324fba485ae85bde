#include "substance_table.h"

#include "numbers.h"
#include "substance_checks.h"
#include "substance_search.h"
#include "user_error.h"

#include <QFile>
#include <QSet>

namespace {

const QChar fieldSeparator = u';';
const QChar synonymSeparator = u'|';

// The file writes numbers as the handbooks print them, with a decimal comma.
QLocale fileLocale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

using Required = double Substance::*;
using Optional = std::optional<double> Substance::*;

struct NumberColumn {
    int column;
    Required required;
    Optional optional;
};

const NumberColumn numberColumns[] = {
    {MolarMassColumn, &Substance::molarMass, nullptr},
    {CarbonColumn, &Substance::nC, nullptr},
    {HydrogenColumn, &Substance::nH, nullptr},
    {OxygenColumn, &Substance::nO, nullptr},
    {HalogenColumn, &Substance::nX, nullptr},
    {AntoineAColumn, nullptr, &Substance::antoineA},
    {AntoineBColumn, nullptr, &Substance::antoineB},
    {AntoineCColumn, nullptr, &Substance::antoineC},
    {AntoineFromColumn, nullptr, &Substance::antoineFrom},
    {AntoineToColumn, nullptr, &Substance::antoineTo},
    {BoilingPointColumn, nullptr, &Substance::boilingPoint},
    {FlashPointColumn, nullptr, &Substance::flashPoint},
    {LowerLimitColumn, nullptr, &Substance::lowerLimit},
    {HeatColumn, nullptr, &Substance::heatOfCombustion},
    {DensityColumn, nullptr, &Substance::liquidDensity},
    {MaxPressureColumn, nullptr, &Substance::maxPressure},
};

double readNumber(const QString& text, int column, const QLocale& locale)
{
    try {
        return parseNumber(text, locale);
    } catch (const UserError&) {
        throw SubstanceProblem(column, QStringLiteral("не число"));
    }
}

SubstanceKind readKind(const QString& text)
{
    for (SubstanceKind kind :
         {SubstanceKind::Gas, SubstanceKind::FlammableLiquid, SubstanceKind::CombustibleLiquid})
        if (text.trimmed() == kindText(kind))
            return kind;
    throw SubstanceProblem(KindColumn, QStringLiteral("должно быть ГГ, ЛВЖ или ГЖ"));
}

} // namespace

Substance substanceFromTexts(const SubstanceTexts& texts, const QLocale& locale)
{
    Substance substance;
    substance.name = texts[NameColumn].trimmed();
    for (const QString& synonym : texts[SynonymsColumn].split(synonymSeparator, Qt::SkipEmptyParts))
        substance.synonyms << synonym.trimmed();
    substance.formula = texts[FormulaColumn].trimmed();
    substance.kind = readKind(texts[KindColumn]);
    substance.source = texts[SourceColumn].trimmed();
    for (const NumberColumn& number : numberColumns) {
        const QString& text = texts[number.column];
        if (number.required)
            substance.*number.required = readNumber(text, number.column, locale);
        else if (!text.trimmed().isEmpty())
            substance.*number.optional = readNumber(text, number.column, locale);
    }
    return substance;
}

SubstanceTexts textsOf(const Substance& substance, const QLocale& locale)
{
    SubstanceTexts texts;
    texts[NameColumn] = substance.name;
    texts[SynonymsColumn] = substance.synonyms.join(synonymSeparator);
    texts[FormulaColumn] = substance.formula;
    texts[KindColumn] = kindText(substance.kind);
    texts[SourceColumn] = substance.source;
    for (const NumberColumn& number : numberColumns) {
        if (number.required)
            texts[number.column] = formatNumber(substance.*number.required, locale);
        else if (const auto& value = substance.*number.optional)
            texts[number.column] = formatNumber(*value, locale);
    }
    return texts;
}

SubstanceRows readSubstanceRows(const QString& text)
{
    SubstanceRows read;
    QSet<QString> names; // a set, so that a long table reads in linear time
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("строка ") + QString::number(index + 1) + QStringLiteral(": ");
        const QStringList fields = line.split(fieldSeparator);
        if (fields.size() != SubstanceColumnCount) {
            read.problems << where + QStringLiteral("неверное число полей");
            continue;
        }
        SubstanceTexts texts;
        std::copy(fields.begin(), fields.end(), texts.begin());
        try {
            Substance row = substanceFromTexts(texts, fileLocale());
            checkSubstance(row);
            if (names.contains(searchKey(row.name)))
                throw SubstanceProblem(NameColumn, QStringLiteral("такое вещество уже есть"));
            names.insert(searchKey(row.name));
            read.rows.push_back(std::move(row));
        } catch (const SubstanceProblem& problem) {
            read.problems << where + problem.message();
        }
    }
    return read;
}

std::vector<Substance> readSubstanceTable(const QString& text)
{
    SubstanceRows read = readSubstanceRows(text);
    if (!read.problems.isEmpty())
        throw UserError(read.problems.first());
    return std::move(read.rows);
}

void checkWritesExactly(const Substance& substance)
{
    const SubstanceTexts texts = textsOf(substance, fileLocale());
    for (const NumberColumn& number : numberColumns) {
        const double value =
            number.required ? substance.*number.required : (substance.*number.optional).value_or(0);
        if (!texts[number.column].isEmpty()
            && readNumber(texts[number.column], number.column, fileLocale()) != value)
            throw SubstanceProblem(number.column,
                                   QStringLiteral("не более 15 значащих цифр: больше файл не сохраняет"));
    }
}

QString writeSubstanceTable(const std::vector<Substance>& rows)
{
    QStringList header;
    for (int column = 0; column < SubstanceColumnCount; ++column)
        header << columnName(column);
    QString text = header.join(fieldSeparator) + u'\n';
    for (const Substance& row : rows) {
        const SubstanceTexts texts = textsOf(row, fileLocale());
        QStringList fields(texts.begin(), texts.end());
        text += fields.join(fieldSeparator) + u'\n';
    }
    return text;
}

namespace {

QString builtInText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("таблица веществ не встроена в программу"));
    return QString::fromUtf8(file.readAll());
}

} // namespace

const std::vector<Substance>& shippedSubstances()
{
    static const std::vector<Substance> rows =
        readSubstanceTable(builtInText(QStringLiteral(":/data/substances.csv")));
    return rows;
}
