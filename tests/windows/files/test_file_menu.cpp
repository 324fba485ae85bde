#include "calculation_file.h"
#include "failing_disk.h"
#include "gas_release_file.h"
#include "gas_release_section.h"
#include "glav.h"
#include "substance_choice.h"
#include "substance_file.h"
#include "substance_memory.h"
#include "substance_table.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A calculation with more digits than the file keeps; the evaporated mass Em differs from the
// mass Mass, as after a ventilation calculation.
// clang-format off
const CalculationState busyState{.Mass = 0.771732, .Z = 0.3, .Vsv = 100.0 / 3, .Cst = 4.91159135559921,
                                 .Qsg = 31.36, .n = 8, .L = 20, .U = 2.0f / 3, .Vvent = 800, .Em = 10.5};
// clang-format on

// Everything of the main window that opening or saving could change: its title, fields and check
// boxes, the numbers and the report.
QString whatTheUserHas(const Glav& glav)
{
    return dumpWindow(glav) + glav.state().out
           + QString::fromLatin1(writeCalculationFile(glav.state(), QLocale::c()));
}

class FileMenu : public testing::Test {
  protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }
    void use(Glav& glav, const char* action, const QString& path)
    {
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
        child<QAction>(&glav, QString::fromLatin1(action))->trigger();
    }
    // The one message shown since the last check: critical, naming the file and what went wrong.
    void expectCriticalMessageAbout(const QString& path, const QString& reason)
    {
        ASSERT_EQ(dialogs.seen.size(), 2u) << "the file dialog and one message";
        const SeenDialog& message = dialogs.seen.back();
        EXPECT_EQ(message.icon, QMessageBox::Critical);
        EXPECT_TRUE(message.text.contains(u'«' + QDir::toNativeSeparators(path) + u'»'))
            << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(reason)) << message.text.toStdString();
        dialogs.seen.clear();
    }

    // Whatever byte the write fails at, the previous file stays as it was, the user is told, and
    // "Выход" does not close the window on a calculation that was not saved.
    void expectFailedSaveAndQuit(const QString& path)
    {
        Glav glav(commaLocale());
        glav.show();
        use(glav, "save", path);
        EXPECT_EQ(fileBytes(path), previous);
        expectCriticalMessageAbout(path, u"Файл на диске не изменен"_s);
        EXPECT_EQ(glav.windowTitle(), u"Расчет избыточного давления взрыва //Tarvolin\\\\"_s);
        use(glav, "quit", path);
        expectCriticalMessageAbout(path, u"Файл на диске не изменен"_s);
        EXPECT_TRUE(glav.isVisible()) << "the calculation would be lost";
    }

    const QByteArray previous = "previous calculation\r\n";
    QTemporaryDir folder;
    DialogRecorder dialogs;
};

TEST_F(FileMenu, SaveCutShortByAFileSizeLimitKeepsThePreviousFileAndTheWindow)
{
    writeFileBytes(pathOf(u"kept.pzr"_s), previous);
    FileSizeLimit limit(100); // the file would be cut after its first lines
    expectFailedSaveAndQuit(pathOf(u"kept.pzr"_s));
}

TEST_F(FileMenu, SaveOnAFullDiskKeepsThePreviousFileAndTheWindow)
{
    FullFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    writeFileBytes(disk.path() + u"/kept.pzr"_s, previous);
    disk.fill();
    expectFailedSaveAndQuit(disk.path() + u"/kept.pzr"_s);
}

// A bad file changes nothing and is told; a folder or a named pipe is refused before it is opened,
// since opening a pipe would block the program for good.
TEST_F(FileMenu, ABadFileChangesNothingAndIsTold)
{
    Glav glav(commaLocale());
    openState(glav, busyState);
    const QString before = whatTheUserHas(glav);
    const QByteArray file = writeCalculationFile(busyState, commaLocale());
    const std::tuple<const char*, QByteArray, const char*> badFiles[] = {
        {"cut", file.left(file.indexOf("\r\n", 60) + 2), "файл обрывается после строки"},
        {"case", "//morvex//\r\n 1 \r\n", "это не файл расчета"},
        {"block", file + "[overpressure 1]\r\nsubstance.name=\\u0410\r\ngas.density\r\n",
         "в строке 36 нет знака"},
        {"gas", file + "[overpressure 1]\r\ngas.density=1,5\r\n", "в данных выброса газа нет значения"},
        {"missing", {}, "файл не найден"},
        {"folder", {}, "это не обычный файл"},
        {"fifo", {}, "это не обычный файл"}};
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.pzr"_s));
    ASSERT_EQ(mkfifo(QFile::encodeName(pathOf(u"fifo.pzr"_s)).constData(), 0600), 0);
    for (const auto& [name, bytes, reason] : badFiles) {
        const QString path = pathOf(QString::fromLatin1(name) + u".pzr"_s);
        if (!bytes.isEmpty())
            writeFileBytes(path, bytes);
        use(glav, "open", path);
        EXPECT_EQ(whatTheUserHas(glav), before) << name;
        expectCriticalMessageAbout(path, QString::fromUtf8(reason));
        ASSERT_FALSE(HasFailure()) << "the pipe would block when the folder was opened";
    }
}

// The file carries the substance and the gas release: opened where no table has the user's own row,
// the report names it and derives the mass as before the save, and saving again writes the same
// bytes. A file from before the block still finds its substance in the note kept beside it.
TEST_F(FileMenu, TheFileCarriesTheSubstanceAndTheGasReleaseAndOlderFilesKeepTheirNote)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(pathOf(u"data"_s)));
    const Substance own{
        .name = u"Растворитель «646»"_s, .formula = u"C7H8"_s, .source = u"паспорт \\ 2"_s, .own = true};
    const GasRelease release = calculateGasRelease(
        {u"100"_s, u"2"_s, u"0,01"_s, u"120"_s, u"600"_s, {{u"25"_s, u"40"_s}}, u"0,0792"_s}, commaLocale());
    CalculationState state{
        .Z = 0.5, .Vsv = 100, .pgp = 3.6, .Cst = 2.27, .M = 92.14, .Em = release.mass, .nC = 7, .nH = 8};
    const QByteArray file = writeCalculationFile(state, commaLocale(),
                                                 substanceFileEntries(own) + gasReleaseFileEntries(release));
    writeFileBytes(pathOf(u"sent.pzr"_s), file);
    Glav glav(commaLocale());
    use(glav, "open", pathOf(u"sent.pzr"_s));
    use(glav, "save", pathOf(u"again.pzr"_s));
    EXPECT_EQ(fileBytes(pathOf(u"again.pzr"_s)), file);
    clickButton(&glav, u"Command1"_s);
    EXPECT_TRUE(glav.state().out.contains(substanceReportLine(own)));
    EXPECT_TRUE(glav.state().out.contains(gasReleaseSubsection(release, commaLocale())));

    const Substance& shipped = shippedSubstances().front();
    applySubstance(state, shipped, commaLocale());
    writeFileBytes(pathOf(u"old.pzr"_s), writeCalculationFile(state, commaLocale()));
    rememberSubstanceOfFile(pathOf(u"old.pzr"_s), shipped.name);
    use(glav, "open", pathOf(u"old.pzr"_s));
    EXPECT_EQ(glav.state().substance, shipped.name);
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
