#include "own_substances.h"

#include "substance_checks.h"
#include "substance_table.h"
#include "whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

#include <sys/stat.h>

namespace {

// A file larger than this is not a table of the user's substances and is not read.
constexpr qint64 ownFileMaxSize = 16 * 1024 * 1024;
// Another copy holds the lock only while it reads and writes the file.
constexpr int lockWaitMilliseconds = 10000;

QString named(const QString& path)
{
    return QStringLiteral("Файл собственных веществ ") + fileNameShown(path);
}

bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
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

void writeRows(const QString& path, const std::vector<Substance>& rows)
{
    try {
        writeFileWhole(path, writeSubstanceTable(rows).toUtf8());
    } catch (const UserError& error) {
        throw UserError(named(path) + QStringLiteral(" не записан: ") + error.message()
                        + QStringLiteral(". Файл на диске не изменен."));
    }
    readCache() = ReadCache{path, stampOf(path), {rows, {}}};
}

QString freeAsideName(const QString& path)
{
    const QString stem = path + QStringLiteral(".поврежден-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = stem;
    for (int number = 2; present(candidate); ++number)
        candidate = stem + u'-' + QString::number(number);
    return candidate;
}

// Held while the file is read and written, so that two copies never write over each other.
class FileLock {
  public:
    explicit FileLock(const QString& path) : lock_(path + QStringLiteral(".lock"))
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (lock_.tryLock(lockWaitMilliseconds))
            return;
        throw UserError(named(path)
                        + (lock_.error() == QLockFile::LockFailedError
                               ? QStringLiteral(" занят другой копией программы; повторите позже.")
                               : QStringLiteral(" не удается заблокировать: нет права записи в папку ")
                                     + fileNameShown(QFileInfo(path).absolutePath()) + u'.'));
    }

  private:
    QLockFile lock_;
};

// Under the lock. Damaged lines set the file aside and its sound rows take its place.
OwnSubstances readLocked(const QString& path)
{
    if (!present(path))
        return {};
    SubstanceRows read;
    try {
        read = readFile(path);
    } catch (const UserError& error) {
        throw UserError(named(path) + QStringLiteral(" не прочитан: ") + error.message() + u'.');
    }
    if (read.problems.isEmpty())
        return {std::move(read.rows), {}};
    QString damage = named(path) + QStringLiteral(" поврежден: ") + read.problems.first();
    if (read.problems.size() > 1)
        damage +=
            QStringLiteral(" (и еще строк с ошибками: ") + QString::number(read.problems.size() - 1) + u')';
    const QString aside = freeAsideName(path);
    if (!QFile::rename(path, aside))
        throw UserError(damage + QStringLiteral(". Его не удается переименовать, он не используется."));
    damage += QStringLiteral(". Он сохранен как ") + fileNameShown(aside);
    if (read.rows.empty())
        return {{}, damage + QStringLiteral("; исправных записей в нем нет.")};
    writeRows(path, read.rows);
    damage += QStringLiteral("; исправные записи (") + QString::number(read.rows.size())
              + QStringLiteral(") перенесены в новый файл.");
    return {std::move(read.rows), damage};
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
    if (!present(path))
        return {};
    try {
        const FileLock lock(path);
        return readLocked(path);
    } catch (const UserError& error) {
        return {{},
                error.message()
                    + QStringLiteral(" Собственные вещества не показаны; встроенный справочник работает.")};
    }
}

OwnSubstances changeOwnSubstances(const QString& path, const OwnChange& change)
{
    const FileLock lock(path);
    OwnSubstances now = readLocked(path);
    change(now.rows);
    for (Substance& row : now.rows)
        row.own = true;
    writeRows(path, now.rows);
    return now;
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
    if (!present(path))
        return rows;
    try {
        const SubstanceRows own = readFile(path);
        rows.insert(rows.end(), own.rows.begin(), own.rows.end());
    } catch (const UserError&) {
        // The substance window names the file and the reason; a calculation goes on without it.
    }
    return rows;
}
