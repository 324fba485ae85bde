#include "shared_table_file.h"

#include "whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Another copy holds the lock only while it reads and writes the file.
constexpr int lockWaitMilliseconds = 10000;

QString freeAsideName(const QString& path)
{
    const QString stem = path + QStringLiteral(".поврежден-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = stem;
    for (int number = 2; pathTaken(candidate); ++number)
        candidate = stem + u'-' + QString::number(number);
    return candidate;
}

} // namespace

bool isControlCharacter(QChar c)
{
    const char16_t code = c.unicode();
    return code < 0x20 || (code >= 0x7f && code < 0xa0) || code == 0x2028 || code == 0x2029;
}

bool pathTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

TableFileLock::TableFileLock(const QString& path, const QString& named)
    : lock_(path + QStringLiteral(".lock"))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (lock_.tryLock(lockWaitMilliseconds))
        return;
    throw UserError(named
                    + (lock_.error() == QLockFile::LockFailedError
                           ? QStringLiteral(" занят другой копией программы; повторите позже.")
                           : QStringLiteral(" не удается заблокировать: нет права записи в папку ")
                                 + fileNameShown(QFileInfo(path).absolutePath()) + u'.'));
}

QString setDamagedFileAside(const QString& path, const QString& named, const QStringList& problems,
                            qsizetype soundRows, const std::function<void()>& writeSound)
{
    QString damage = named + QStringLiteral(" поврежден: ") + problems.first();
    if (problems.size() > 1)
        damage += QStringLiteral(" (и еще строк с ошибками: ") + QString::number(problems.size() - 1) + u')';
    const QString aside = freeAsideName(path);
    if (!QFile::rename(path, aside))
        throw UserError(damage + QStringLiteral(". Его не удается переименовать, он не используется."));
    damage += QStringLiteral(". Он сохранен как ") + fileNameShown(aside);
    if (soundRows == 0)
        return damage + QStringLiteral("; исправных записей в нем нет.");
    writeSound();
    return damage + QStringLiteral("; исправные записи (") + QString::number(soundRows)
           + QStringLiteral(") перенесены в новый файл.");
}
