#include "core_test.h"
#include "failing_disk.h"
#include "own_substances.h"
#include "substance_memory.h"
#include "substance_table.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/types.h>

using namespace Qt::StringLiterals;

namespace {

Substance ownRow(const QString& name)
{
    const auto& shipped = shippedSubstances();
    Substance row = *std::ranges::find(shipped, u"Толуол"_s, &Substance::name);
    row.name = name;
    row.own = true;
    return row;
}

void add(const QString& path, const QString& name)
{
    changeOwnSubstances(path, [&name](std::vector<Substance>& rows) { addOwnSubstance(rows, ownRow(name)); });
}

QStringList names(const std::vector<Substance>& rows)
{
    QStringList names;
    for (const Substance& row : rows)
        names << row.name;
    return names;
}

// Run by the test below as a second running copy of the program: adds rows one change at a time.
TEST(SecondCopy, AddsRows)
{
    const QString path = qEnvironmentVariable("OWN_SUBSTANCES_FILE");
    if (path.isEmpty())
        GTEST_SKIP() << "started only as a second copy";
    for (int number = 1; number <= 12; ++number)
        add(path, qEnvironmentVariable("OWN_SUBSTANCES_PREFIX") + QString::number(number));
}

// Two more processes add rows while this one does: each change reads the file again under the
// lock, so no copy writes a stale list over another's rows.
TEST(OwnSubstances, RunningCopiesKeepEachOthersRows)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"substances.csv"_s);
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const QString& prefix : {u"Растворитель Б-"_s, u"Растворитель В-"_s}) {
        auto& copy = copies.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"OWN_SUBSTANCES_FILE"_s, path);
        environment.insert(u"OWN_SUBSTANCES_PREFIX"_s, prefix);
        copy->setProcessEnvironment(environment);
        copy->start(QFile::symLinkTarget(u"/proc/self/exe"_s), {u"--gtest_filter=SecondCopy.AddsRows"_s});
    }
    for (int number = 1; number <= 12; ++number)
        add(path, u"Растворитель А-"_s + QString::number(number));
    for (auto& copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(60000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardOutput().toStdString();
    }
    const OwnSubstances now = loadOwnSubstances(path);
    EXPECT_TRUE(now.damage.isEmpty());
    EXPECT_EQ(now.rows.size(), 36u);
    for (const QString& name : {u"Растворитель А-12"_s, u"Растворитель Б-1"_s, u"Растворитель В-12"_s})
        EXPECT_TRUE(names(now.rows).contains(name)) << name.toStdString();
}

// A line that does not read (or repeats a name) costs only itself: the file is kept aside as it was, the
// sound rows are written anew, and the message names both files.
TEST(OwnSubstances, DamagedLinesAreSetAsideAndTheSoundRowsKept)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"substances.csv"_s);
    const QByteArray sound = writeSubstanceTable({ownRow(u"Растворитель Р-4"_s)}).toUtf8();
    const QByteArray damaged = sound + "Толуол;;C7H8;ЛВЖ;сто\n" + sound.mid(sound.indexOf('\n') + 1);
    writeFileBytes(path, damaged);
    const OwnSubstances loaded = loadOwnSubstances(path);
    EXPECT_EQ(names(loaded.rows), QStringList{u"Растворитель Р-4"_s});
    const QStringList aside = QDir(folder.path()).entryList({u"substances.csv.поврежден-*"_s});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileBytes(folder.filePath(aside[0])), damaged);
    EXPECT_EQ(fileBytes(path), sound);
    const QString told = u"Файл собственных веществ "_s + fileNameShown(path)
                         + u" поврежден: строка 3: неверное число полей (и еще строк с ошибками: 1)."_s
                         + u" Он сохранен как "_s + fileNameShown(folder.filePath(aside[0]))
                         + u"; исправные записи (1) перенесены в новый файл."_s;
    EXPECT_EQ(loaded.damage.toStdString(), told.toStdString());
}

// A FIFO would wait for a writer for good, /dev/zero never ends, a folder is no table: each is
// named with the reason and left where it is; the shipped table works and a change is refused.
TEST(OwnSubstances, AFifoADeviceOrAFolderInTheFilesPlaceIsToldAndLeftAlone)
{
    const QTemporaryDir folder;
    const QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path()));
    const QString path = ownSubstancesPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::vector<std::function<void()>> specialFiles = {
        [&] { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
        [&] { ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path)); },
        [&] { ASSERT_TRUE(QDir().mkdir(path)); },
    };
    for (const auto& make : specialFiles) {
        make();
        const OwnSubstances loaded = loadOwnSubstances(path);
        EXPECT_TRUE(loaded.rows.empty());
        EXPECT_TRUE(loaded.damage.startsWith(u"Файл собственных веществ "_s + fileNameShown(path)
                                             + u" не прочитан: это не обычный файл."_s))
            << loaded.damage.toStdString();
        EXPECT_EQ(knownSubstances().size(), shippedSubstances().size());
        EXPECT_THROW(add(path, u"Растворитель Р-4"_s), UserError);
        EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile()) << "left as it was";
        EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList({u"*поврежден*"_s}).size(), 0);
        QDir(path).removeRecursively();
        QFile::remove(path);
    }
    qputenv("XDG_DATA_HOME", previousDataHome);
}

// A write stopped by a file-size limit says why and keeps the file as it was.
TEST(OwnSubstances, AWriteStoppedByTheDiskIsToldAndKeepsTheFile)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"substances.csv"_s);
    add(path, u"Растворитель Р-4"_s);
    const QByteArray before = fileBytes(path);
    try {
        const FileSizeLimit limit(before.size() + 100);
        add(path, u"Растворитель Р-5"_s);
        ADD_FAILURE() << "written past the limit";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Файл собственных веществ "_s + fileNameShown(path)
                                               + u" не записан: ошибка записи на диск"_s))
            << error.message().toStdString();
    }
    EXPECT_EQ(fileBytes(path), before);
}

// The note of substance names reads only a regular file of bounded size and keeps only its
// well-formed lines; a link in its place is replaced, the file it points to left alone.
TEST(SubstanceMemory, OnlyWellFormedNotesOfARegularFileAreKeptAndALinkIsNotFollowed)
{
    const QTemporaryDir folder;
    const QString calculation = folder.filePath(u"room.pzr"_s);
    const QString note = folder.filePath(u"note.txt"_s);
    const QString target = folder.filePath(u"elsewhere.txt"_s);
    writeFileBytes(calculation, "33 lines");
    ASSERT_EQ(mkfifo(QFile::encodeName(note).constData(), 0600), 0);
    EXPECT_EQ(substanceOfFile(calculation, note), QString()) << "a FIFO is not waited for";
    rememberSubstanceOfFile(calculation, u"Ацетон"_s, note);
    EXPECT_EQ(substanceOfFile(calculation, note), u"Ацетон"_s);

    const QByteArray kept = QByteArray(64, 'a') + ";Толуол\n";
    writeFileBytes(target, kept + "not a note\n" + QByteArray(64, 'b') + ";\n" + QByteArray(3'000'000, 'x'));
    QFile::remove(note);
    ASSERT_TRUE(QFile::link(target, note));
    EXPECT_EQ(substanceOfFile(calculation, note), QString()) << "too large to be a note";
    writeFileBytes(target, kept + "not a note\n" + QByteArray(64, 'b') + ";\n");
    rememberSubstanceOfFile(calculation, u"Метан"_s, note);
    EXPECT_FALSE(QFileInfo(note).isSymLink());
    EXPECT_EQ(fileBytes(target), kept + "not a note\n" + QByteArray(64, 'b') + ";\n");
    EXPECT_TRUE(fileBytes(note).startsWith(kept));
    EXPECT_EQ(fileBytes(note).count('\n'), 2) << "only the well-formed note and the new one";
    EXPECT_EQ(substanceOfFile(calculation, note), u"Метан"_s);
}

} // namespace
