#include "own_substances.h"

#include "shared_table_file.h"
#include "substance_checks.h"
#include "substance_table.h"
#include "whole_file.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

#include <sys/stat.h>

namespace {

// A file larger than this is not a table of the user's substances and is not read.
constexpr qint64 ownFileMaxSize = 16 * 1024 * 1024;

QString named(const QString& path)
{
    return QStringLiteral("Файл собственных веществ ") + fileNameShown(path);
}

// The file's identity and contents stamp: every write puts a new file (a new inode) in its place.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    time_t seconds = 0;
    long nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

// The rows of the file as last read, so that a "Расчет" reads the file again only when it changed.
struct ReadCache {
    QString path;
    Stamp stamp;
    SubstanceRows read;
};

std::optional<ReadCache>& readCache()
{
    static std::optional<ReadCache> cache;
    return cache;
}

// Throws UserError with the reason alone when the file itself cannot be read.
SubstanceRows readFile(const QString& path)
{
    const Stamp stamp = stampOf(path);
    std::optional<ReadCache>& cache = readCache();
    if (cache && cache->path == path && cache->stamp == stamp && stamp.size >= 0)
        return cache->read;
    SubstanceRows read = readSubstanceRows(QString::fromUtf8(readRegularFile(path, ownFileMaxSize)));
    for (Substance& row : read.rows)
        row.own = true;
    cache = ReadCache{path, stamp, read};
    return read;
}

// The shared-table description of the file at `path`; every write also refreshes the read cache.
SharedTable<Substance> ownTable(const QString& path)
{
    const auto read = [path] {
        SubstanceRows rows = readFile(path);
        return TableRows<Substance>{std::move(rows.rows), std::move(rows.problems)};
    };
    const auto write = [path](const std::vector<Substance>& rows) {
        writeFileWhole(path, writeSubstanceTable(rows).toUtf8());
        readCache() = ReadCache{path, stampOf(path), {rows, {}}};
    };
    return {path, named(path), read, write};
}

void checkNameIsFree(const Substance& row, const std::vector<Substance>& own)
{
    checkNameIsNew(row, shippedSubstances());
    checkNameIsNew(row, own);
}

} // namespace

QString ownSubstancesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/substances.csv");
}

OwnSubstances loadOwnSubstances(const QString& path)
{
    return loadSharedTable(
        ownTable(path), QStringLiteral("Собственные вещества не показаны; встроенный справочник работает."));
}

OwnSubstances changeOwnSubstances(const QString& path, const OwnChange& change)
{
    return changeSharedTable<Substance>(ownTable(path), [&change](std::vector<Substance>& rows) {
        change(rows);
        for (Substance& row : rows)
            row.own = true;
    });
}

void addOwnSubstance(std::vector<Substance>& rows, const Substance& added)
{
    checkSubstance(added);
    checkWritesExactly(added);
    checkNameIsFree(added, rows);
    rows.push_back(added);
}

void replaceOwnSubstance(std::vector<Substance>& rows, const QString& name, const Substance& edited)
{
    const auto found = std::ranges::find(rows, name, &Substance::name);
    if (found == rows.end())
        throw UserError(QStringLiteral("Запись «") + name
                        + QStringLiteral("» удалена в другой копии программы."));
    const auto index = found - rows.begin();
    std::vector<Substance> others = rows;
    others.erase(others.begin() + index);
    checkSubstance(edited);
    checkWritesExactly(edited);
    checkNameIsFree(edited, others);
    rows[index] = edited;
}

void removeOwnSubstance(std::vector<Substance>& rows, const QString& name)
{
    std::erase_if(rows, [&name](const Substance& row) { return row.name == name; });
}

std::vector<Substance> knownSubstances()
{
    std::vector<Substance> rows = shippedSubstances();
    const QString path = ownSubstancesPath();
    if (!pathTaken(path))
        return rows;
    try {
        const SubstanceRows own = readFile(path);
        rows.insert(rows.end(), own.rows.begin(), own.rows.end());
    } catch (const UserError&) {
        // The substance window names the file and the reason; a calculation goes on without it.
    }
    return rows;
}
