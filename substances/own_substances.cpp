#include "own_substances.h"

#include "substance_table.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A file larger than this is not a table of the user's substances and is not read.
constexpr qint64 ownFileMaxSize = 4 * 1024 * 1024;

std::vector<Substance> parse(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("файл не читается"));
    if (file.size() > ownFileMaxSize)
        throw UserError(QStringLiteral("файл слишком велик"));
    std::vector<Substance> rows = readSubstanceTable(QString::fromUtf8(file.readAll()));
    for (Substance& row : rows)
        row.own = true;
    return rows;
}

QString freeAsideName(const QString& path)
{
    const QString stem = path + QStringLiteral(".поврежден-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = stem;
    for (int number = 2; QFileInfo::exists(candidate); ++number)
        candidate = stem + u'-' + QString::number(number);
    return candidate;
}

} // namespace

QString ownSubstancesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/substances.csv");
}

OwnSubstances loadOwnSubstances(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    try {
        return {parse(path), {}};
    } catch (const UserError& error) {
        const QString aside = freeAsideName(path);
        const bool moved = QFile::rename(path, aside);
        QString damage = QStringLiteral("Файл собственных веществ ") + QDir::toNativeSeparators(path)
                         + QStringLiteral(" поврежден (") + error.message() + QStringLiteral(").");
        damage += moved ? QStringLiteral(" Он сохранен как ") + QDir::toNativeSeparators(aside)
                              + QStringLiteral(" и не используется.")
                        : QStringLiteral(" Он не используется.");
        damage += QStringLiteral(" Встроенный справочник работает.");
        return {{}, damage};
    }
}

std::vector<Substance> readOwnSubstances(const QString& path)
{
    try {
        return QFileInfo::exists(path) ? parse(path) : std::vector<Substance>{};
    } catch (const UserError&) {
        return {};
    }
}

void saveOwnSubstances(const QString& path, const std::vector<Substance>& rows)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = writeSubstanceTable(rows).toUtf8();
    // flush() is checked before commit(): commit() may report success after a failed final flush.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || !file.commit())
        throw UserError(QStringLiteral("Файл собственных веществ ") + QDir::toNativeSeparators(path)
                        + QStringLiteral(" не записан: ") + file.errorString());
}

std::vector<Substance> knownSubstances()
{
    std::vector<Substance> rows = shippedSubstances();
    for (Substance& own : readOwnSubstances(ownSubstancesPath()))
        rows.push_back(std::move(own));
    return rows;
}
