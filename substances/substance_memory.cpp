#include "substance_memory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The oldest notes are dropped beyond this many.
constexpr qsizetype maxNotes = 2000;
const QChar separator = u';';

QString fingerprint(const QString& calculationPath)
{
    QFile file(calculationPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
}

QStringList readNotes(const QString& memoryPath)
{
    QFile file(memoryPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

QString substanceMemoryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/calculation-substances.txt");
}

void rememberSubstanceOfFile(const QString& calculationPath, const QString& name, const QString& memoryPath)
{
    const QString key = fingerprint(calculationPath);
    if (key.isEmpty())
        return;
    QStringList notes = readNotes(memoryPath);
    const qsizetype before = notes.size();
    notes.removeIf([&key](const QString& note) { return note.section(separator, 0, 0) == key; });
    if (name.isEmpty() && notes.size() == before)
        return;
    if (!name.isEmpty())
        notes << key + separator + name;
    if (notes.size() > maxNotes)
        notes.remove(0, notes.size() - maxNotes);
    QDir().mkpath(QFileInfo(memoryPath).absolutePath());
    QSaveFile file(memoryPath);
    const QByteArray bytes = (notes.join(u'\n') + u'\n').toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        file.commit();
}

QString substanceOfFile(const QString& calculationPath, const QString& memoryPath)
{
    const QString key = fingerprint(calculationPath);
    if (key.isEmpty())
        return {};
    for (const QString& note : readNotes(memoryPath))
        if (note.section(separator, 0, 0) == key)
            return note.section(separator, 1);
    return {};
}
