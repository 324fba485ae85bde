#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString withDetail(const QString& reason, const QString& detail)
{
    return detail.isEmpty() ? reason : reason + QStringLiteral(" (") + detail + u')';
}

} // namespace

void writeFileWhole(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw UserError(QStringLiteral("папка не существует"));
    if (QFileInfo(path).isDir())
        throw UserError(QStringLiteral("на этом месте папка"));
    QTemporaryFile file(QFileInfo(path).absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        throw UserError(
            withDetail(QStringLiteral("в этой папке не удается создать файл"), file.errorString()));
    // QFile buffers: the last write may only fail at flush(), so both are checked.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        throw UserError(withDetail(QStringLiteral("ошибка записи на диск"), file.errorString()));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    // rename() replaces whatever has the target's name (a link, a FIFO) instead of opening it, and a
    // reader of the target sees either the old or the new file, never a part.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw UserError(withDetail(QStringLiteral("не удается заменить прежний файл"), systemReason()));
    file.setAutoRemove(false);
}

QByteArray readRegularFile(const QString& path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        throw UserError(QStringLiteral("файл не найден"));
    if (!info.isFile())
        throw UserError(QStringLiteral("это не обычный файл"));
    if (info.size() > maxSize)
        throw UserError(QStringLiteral("файл слишком велик"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(withDetail(QStringLiteral("файл недоступен для чтения"), file.errorString()));
    // The size is checked again on what is read: the file may have grown since.
    const QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(withDetail(QStringLiteral("ошибка чтения"), file.errorString()));
    if (bytes.size() > maxSize)
        throw UserError(QStringLiteral("файл слишком велик"));
    return bytes;
}

QString fileNameShown(const QString& path)
{
    return u'«' + QDir::toNativeSeparators(path) + u'»';
}
