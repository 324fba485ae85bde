#pragma once

#include "user_error.h"

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// A table file the user keeps in the data folder (own substances, own materials), shared by every
// running copy of the program. Each change reads the file again under a lock, applies that one
// change and writes the result whole, so a change made meanwhile by another copy is kept. A file
// with damaged lines is renamed aside, never overwritten, and its sound rows take its place.

// C0 and C1 control characters, DEL, and the Unicode line and paragraph separators: a text field
// of a table holds none, since a line break pasted with a citation would split the row in the file.
bool isControlCharacter(QChar c);

// Whether anything (a file, a folder, a dangling link) takes the path.
bool pathTaken(const QString& path);

// Held while the file is read and written, so that two copies never write over each other. Throws
// UserError beginning with `named` (the file's kind and name) when it cannot be taken.
class TableFileLock {
  public:
    TableFileLock(const QString& path, const QString& named);

  private:
    QLockFile lock_;
};

// Renames the damaged file to "<name>.поврежден-<date>-<time>" (a free name) and, when some rows
// are sound, calls `writeSound` to put them in its place. Returns the message telling both; throws
// UserError when the file cannot be renamed (it is then not used).
QString setDamagedFileAside(const QString& path, const QString& named, const QStringList& problems,
                            qsizetype soundRows, const std::function<void()>& writeSound);

template <typename Row> struct TableRows {
    std::vector<Row> rows;
    QStringList problems; // the lines that did not read, each naming its line
};

template <typename Row> struct SharedRows {
    std::vector<Row> rows;
    // Empty, or what went wrong with the file, naming it.
    QString damage;
};

// How one kind of shared table is read and written. Both throw UserError with the reason alone.
template <typename Row> struct SharedTable {
    QString path;
    QString named; // "Файл собственных … «path»"
    std::function<TableRows<Row>()> read;
    std::function<void(const std::vector<Row>&)> write;
};

// Throws UserError naming the file when it is not written; the file on disk is then as it was.
template <typename Row> void writeSharedTable(const SharedTable<Row>& table, const std::vector<Row>& rows)
{
    try {
        table.write(rows);
    } catch (const UserError& error) {
        throw UserError(table.named + QStringLiteral(" не записан: ") + error.message()
                        + QStringLiteral(". Файл на диске не изменен."));
    }
}

// Under the lock. A missing file is an empty table.
template <typename Row> SharedRows<Row> readSharedTableLocked(const SharedTable<Row>& table)
{
    if (!pathTaken(table.path))
        return {};
    TableRows<Row> read;
    try {
        read = table.read();
    } catch (const UserError& error) {
        throw UserError(table.named + QStringLiteral(" не прочитан: ") + error.message() + u'.');
    }
    if (read.problems.isEmpty())
        return {std::move(read.rows), {}};
    QString damage = setDamagedFileAside(table.path, table.named, read.problems, qsizetype(read.rows.size()),
                                         [&] { writeSharedTable(table, read.rows); });
    return {std::move(read.rows), damage};
}

// Reads the table under the lock. A file that cannot be used adds no row; `damage` tells why and
// ends with `unusedNote`.
template <typename Row>
SharedRows<Row> loadSharedTable(const SharedTable<Row>& table, const QString& unusedNote)
{
    if (!pathTaken(table.path))
        return {};
    try {
        const TableFileLock lock(table.path, table.named);
        return readSharedTableLocked(table);
    } catch (const UserError& error) {
        return {{}, error.message() + u' ' + unusedNote};
    }
}

// Under the lock: reads the table, applies `change` (which throws UserError to refuse), writes the
// result whole and returns it. Throws UserError when nothing was written.
template <typename Row>
SharedRows<Row> changeSharedTable(const SharedTable<Row>& table,
                                  const std::function<void(std::vector<Row>&)>& change)
{
    const TableFileLock lock(table.path, table.named);
    SharedRows<Row> now = readSharedTableLocked(table);
    change(now.rows);
    writeSharedTable(table, now.rows);
    return now;
}
