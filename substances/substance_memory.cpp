#include "substance_memory.h"

#include "whole_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The oldest notes are dropped beyond this many; a longer name is not a substance's.
constexpr qsizetype maxNotes = 2000;
constexpr qsizetype maxNameLength = 200;
constexpr qint64 maxNoteFileSize = maxNotes * 1024;
// A calculation file is a few hundred bytes; anything far larger is not one.
constexpr qint64 maxCalculationSize = 1024 * 1024;
const QChar separator = u';';

QString fingerprint(const QString& calculationPath)
{
    try {
        const QByteArray bytes = readRegularFile(calculationPath, maxCalculationSize);
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    } catch (const UserError&) {
        return {};
    }
}

// 64 hexadecimal digits, ";", a name without control characters.
bool wellFormed(const QString& note)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{64};[^\\p{Cc}\\p{Zl}\\p{Zp}]{1,%1}$").arg(maxNameLength));
    return form.match(note).hasMatch();
}

// Only the well-formed notes of a regular file of bounded size; anything else is no note at all.
QStringList readNotes(const QString& memoryPath)
{
    QStringList notes;
    try {
        for (const QString& line :
             QString::fromUtf8(readRegularFile(memoryPath, maxNoteFileSize)).split(u'\n'))
            if (wellFormed(line))
                notes << line;
    } catch (const UserError&) {
    }
    return notes;
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
    if (!name.isEmpty() && wellFormed(key + separator + name))
        notes << key + separator + name;
    if (notes.size() > maxNotes)
        notes.remove(0, notes.size() - maxNotes);
    QDir().mkpath(QFileInfo(memoryPath).absolutePath());
    try {
        // A link in the note's place is replaced, never written through.
        writeFileWhole(memoryPath, (notes.join(u'\n') + u'\n').toUtf8());
    } catch (const UserError&) {
    }
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
