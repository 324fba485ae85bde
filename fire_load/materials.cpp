#include "materials.h"

#include "numbers.h"
#include "user_error.h"
#include "whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QChar fieldSeparator = u';';
constexpr int columnCount = 6;
// A larger file is not a table of the user's materials.
constexpr qint64 ownFileMaxSize = 4 * 1024 * 1024;

QLocale fileLocale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

double readValue(const QString& text, const QString& what, double lowest, double highest)
{
    double value = 0;
    try {
        value = parseNumber(text, fileLocale());
    } catch (const UserError&) {
        throw UserError(what % QStringLiteral(" — не число"));
    }
    if (value < lowest || value > highest)
        throw UserError(what % QStringLiteral(" — вне пределов от ") % formatNumber(lowest, fileLocale())
                        % QStringLiteral(" до ") % formatNumber(highest, fileLocale()));
    return value;
}

Material readRow(const QStringList& fields)
{
    Material row;
    row.name = fields[0].trimmed();
    if (row.name.isEmpty())
        throw UserError(QStringLiteral("нет наименования"));
    row.heat = readValue(fields[1], QStringLiteral("Qн"), lowestPlausibleHeat, highestPlausibleHeat);
    if (!fields[2].trimmed().isEmpty())
        row.criticalFlux =
            readValue(fields[2], QStringLiteral("qкр"), lowestPlausibleFlux, highestPlausibleFlux);
    row.heatSource = fields[3].trimmed();
    row.fluxSource = fields[4].trimmed();
    row.note = fields[5].trimmed();
    if (row.heatSource.isEmpty())
        throw UserError(QStringLiteral("нет источника Qн"));
    if (row.criticalFlux.has_value() != !row.fluxSource.isEmpty())
        throw UserError(QStringLiteral("qкр и его источник указываются вместе"));
    return row;
}

QString builtInText()
{
    QFile file(QStringLiteral(":/data/materials.csv"));
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("таблица материалов не встроена в программу"));
    return QString::fromUtf8(file.readAll());
}

} // namespace

std::vector<Material> readMaterialTable(const QString& text)
{
    std::vector<Material> rows;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("строка ") % QString::number(index + 1) % QStringLiteral(": ");
        const QStringList fields = line.split(fieldSeparator);
        try {
            if (fields.size() != columnCount)
                throw UserError(QStringLiteral("неверное число полей"));
            Material row = readRow(fields);
            if (findMaterial(rows, row.name))
                throw UserError(QStringLiteral("материал «") % row.name % QStringLiteral("» уже есть"));
            rows.push_back(std::move(row));
        } catch (const UserError& problem) {
            throw UserError(where + problem.message());
        }
    }
    return rows;
}

QString writeMaterialTable(const std::vector<Material>& rows)
{
    QString text = QStringLiteral("Наименование;Qн;qкр;Источник Qн;Источник qкр;Примечание\n");
    for (const Material& row : rows) {
        const QString flux = row.criticalFlux ? formatNumber(*row.criticalFlux, fileLocale()) : QString();
        text +=
            QStringList{row.name, formatNumber(row.heat, fileLocale()), flux, row.heatSource, row.fluxSource,
                        row.note}
                .join(fieldSeparator)
            + u'\n';
    }
    return text;
}

const std::vector<Material>& shippedMaterials()
{
    static const std::vector<Material> rows = readMaterialTable(builtInText());
    return rows;
}

QString ownMaterialsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/materials.csv");
}

std::vector<Material> readOwnMaterials(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    try {
        std::vector<Material> rows =
            readMaterialTable(QString::fromUtf8(readRegularFile(path, ownFileMaxSize)));
        for (Material& row : rows)
            row.own = true;
        return rows;
    } catch (const UserError& problem) {
        throw UserError(QStringLiteral("Файл собственных материалов ") % fileNameShown(path)
                        % QStringLiteral(": ") % problem.message());
    }
}

std::vector<Material> knownMaterials()
{
    std::vector<Material> rows = shippedMaterials();
    try {
        for (Material& own : readOwnMaterials(ownMaterialsPath()))
            if (!findMaterial(rows, own.name))
                rows.push_back(std::move(own));
    } catch (const UserError&) {
        // The shipped table works all the same; the materials window tells about the damage.
    }
    return rows;
}

const Material* findMaterial(const std::vector<Material>& rows, const QString& name)
{
    for (const Material& row : rows)
        if (row.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

TableRows<Material> readMaterialRows(const QString& text)
{
    TableRows<Material> read;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QString line = lines[index].endsWith(u'\r') ? lines[index].chopped(1) : lines[index];
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(fieldSeparator);
        try {
            if (fields.size() != columnCount)
                throw UserError(QStringLiteral("неверное число полей"));
            Material row = readRow(fields);
            if (findMaterial(read.rows, row.name))
                throw UserError(QStringLiteral("материал «") % row.name % QStringLiteral("» уже есть"));
            read.rows.push_back(std::move(row));
        } catch (const UserError& problem) {
            read.problems << QStringLiteral("строка ") % QString::number(index + 1) % QStringLiteral(": ")
                                 % problem.message();
        }
    }
    return read;
}
