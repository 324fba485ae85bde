#include "calculation_samples.h"
#include "glav.h"
#include "numbers.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString allFiles = QStringLiteral("Все файлы");
const QString calculationFiles = QStringLiteral("Файлы расчета");
const QString startCaption = QStringLiteral("Расчет избыточного давления взрыва //Tarvolin\\\\");

const char* const fieldNames[] = {"Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6", "Text7",
                                  "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"};

void trigger(Glav& glav, const char* action)
{
    if (auto* item = child<QAction>(&glav, QString::fromLatin1(action)))
        item->trigger();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray lineOf(const QByteArray& bytes, int line) { return bytes.split('\n').value(line - 1); }

// Everything of the main window that opening or saving could change.
struct WhatTheUserHas {
    std::vector<double> numbers;
    QString report;
    QStringList fields;
    bool room = false;
    bool outdoor = false;
    QString caption;
};

WhatTheUserHas whatTheUserHas(const Glav& glav)
{
    WhatTheUserHas has{fileNumbersOf(glav.state), glav.state.out, {}, false, false, glav.windowTitle()};
    for (const char* name : fieldNames)
        has.fields << textOf(&glav, QString::fromLatin1(name));
    has.room = child<QCheckBox>(&glav, QStringLiteral("Check1"))->isChecked();
    has.outdoor = child<QCheckBox>(&glav, QStringLiteral("Check2"))->isChecked();
    return has;
}

void expectSame(const WhatTheUserHas& before, const WhatTheUserHas& after)
{
    EXPECT_EQ(before.numbers, after.numbers);
    EXPECT_EQ(before.report, after.report);
    EXPECT_EQ(before.fields, after.fields);
    EXPECT_EQ(before.room, after.room);
    EXPECT_EQ(before.outdoor, after.outdoor);
    EXPECT_EQ(before.caption, after.caption);
}

class FileMenu : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }
    void choose(const QString& path)
    {
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
    }
    int messageCount() const
    {
        return int(std::count_if(dialogs.seen.begin(), dialogs.seen.end(),
                                 [](const SeenDialog& d) { return d.className == u"QMessageBox"; }));
    }
    // The one critical message shown, which must name the file.
    void expectCriticalMessageAbout(const QString& path, const QString& reason = {})
    {
        ASSERT_EQ(messageCount(), 1);
        const SeenDialog& message = dialogs.seen.back();
        EXPECT_EQ(message.icon, QMessageBox::Critical);
        EXPECT_EQ(message.buttons, QMessageBox::Ok);
        EXPECT_TRUE(message.text.contains(u'«' + path + u'»')) << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(reason)) << message.text.toStdString();
    }

    QTemporaryDir folder;
    DialogRecorder dialogs;
};

// ---- Save ---------------------------------------------------------------------------------------

TEST_F(FileMenu, SaveRightAfterStartWritesTheStartStateInEitherLocale)
{
    for (const QLocale& locale : {commaLocale(), dotLocale()}) {
        SCOPED_TRACE(locale.name().toStdString());
        const QString path = pathOf(locale.name() + QStringLiteral(".pzr"));
        Glav glav(locale);
        choose(path);
        trigger(glav, "save");
        EXPECT_EQ(contentsOf(path), startStateFile());
        EXPECT_EQ(glav.windowTitle(), path);
    }
    EXPECT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(messageCount(), 0);
}

TEST_F(FileMenu, SaveWritesTheStateNotTheTypedTexts)
{
    Glav glav(commaLocale());
    glav.state.Vsv = 12.5;
    typeInto(&glav, QStringLiteral("Text3"), QStringLiteral("555"));
    typeInto(&glav, QStringLiteral("Text7"), QStringLiteral("1000"));
    choose(pathOf(QStringLiteral("typed.pzr")));
    trigger(glav, "save");
    const QByteArray saved = contentsOf(pathOf(QStringLiteral("typed.pzr")));
    EXPECT_EQ(lineOf(saved, 7), " 12,5 \r");
    EXPECT_EQ(lineOf(saved, 3), " 0 \r");
}

TEST_F(FileMenu, SaveDialogOffersCalculationFilesAndAsksBeforeReplacing)
{
    Glav glav(commaLocale());
    bool asked = false;
    dialogs.answerFileDialog = [&](QFileDialog& dialog) {
        asked = true;
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), QStringList({QStringLiteral("* (*.pzr)"), allFiles + QStringLiteral(" (*.*)")}));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("pzr"));
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog.selectedFiles().value(0).isEmpty() || QFileInfo(dialog.selectedFiles().value(0)).isDir())
            << "the dialog starts without a file name";
        return QString();
    };
    trigger(glav, "save");
    EXPECT_TRUE(asked);
}

TEST_F(FileMenu, SaveAddsTheDefaultSuffixToAPlainName)
{
    Glav glav(commaLocale());
    choose(pathOf(QStringLiteral("calculation")));
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(pathOf(QStringLiteral("calculation.pzr"))), startStateFile());
    EXPECT_EQ(glav.windowTitle(), pathOf(QStringLiteral("calculation.pzr")));
}

TEST_F(FileMenu, SaveOverAnExistingFileLeavesOnlyTheNewCalculation)
{
    const QString path = pathOf(QStringLiteral("old.pzr"));
    writeFile(path, QByteArray(5000, 'x'));
    Glav glav(commaLocale());
    choose(path);
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(path), startStateFile());
}

TEST_F(FileMenu, CancelledSaveChangesNothing)
{
    Glav glav(commaLocale());
    const WhatTheUserHas before = whatTheUserHas(glav);
    trigger(glav, "save");
    expectSame(before, whatTheUserHas(glav));
    EXPECT_EQ(glav.windowTitle(), startCaption);
    EXPECT_EQ(dialogs.seen.size(), 1u);
}

struct UnwritableRow {
    const char* name;
    // Prepares the folder so that saving at the returned path fails; empty to skip the case.
    QString (*prepare)(const QTemporaryDir& folder);
};

class UnwritableFile : public FileMenu, public ::testing::WithParamInterface<UnwritableRow> {
protected:
    ~UnwritableFile() override { QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }
};

const QByteArray previousCalculation = "previous calculation\r\n";

QString readOnlyFolder(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("kept.pzr"));
    writeFile(path, previousCalculation);
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(folder.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) { // permissions do not bind this user (root)
        probe.remove();
        return {};
    }
    return path;
}

// The file can exist, but a temporary file beside it would need a name longer than a folder allows.
QString nameTooLongForATemporaryFile(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QString(250, u'a') + QStringLiteral(".pzr"));
    writeFile(path, previousCalculation);
    return path;
}

TEST_P(UnwritableFile, KeepsThePreviousFileTellsTheUserAndQuitKeepsTheWindow)
{
    const QString path = GetParam().prepare(folder);
    if (path.isEmpty())
        GTEST_SKIP() << "this user may write into a read-only folder";
    Glav glav(commaLocale());
    glav.show();
    choose(path);
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(path), previousCalculation);
    expectCriticalMessageAbout(path, QStringLiteral("Файл на диске не изменен"));
    EXPECT_EQ(glav.windowTitle(), startCaption);

    trigger(glav, "quit");
    EXPECT_TRUE(glav.isVisible()) << "the calculation would be lost";
    EXPECT_EQ(contentsOf(path), previousCalculation);
    EXPECT_EQ(messageCount(), 2);
}

const UnwritableRow unwritableRows[] = {
    {"ReadOnlyFolder", readOnlyFolder},
    {"NameTooLongForATemporaryFile", nameTooLongForATemporaryFile},
};

INSTANTIATE_TEST_SUITE_P(FileMenu, UnwritableFile, ::testing::ValuesIn(unwritableRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Open ---------------------------------------------------------------------------------------

TEST_F(FileMenu, OpenDialogOffersCalculationFiles)
{
    Glav glav(commaLocale());
    bool asked = false;
    dialogs.answerFileDialog = [&](QFileDialog& dialog) {
        asked = true;
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.nameFilters(),
                  QStringList({calculationFiles + QStringLiteral(" (*.pzr)"), allFiles + QStringLiteral(" (*.*)")}));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("pzr"));
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        return QString();
    };
    trigger(glav, "open");
    EXPECT_TRUE(asked);
}

TEST_F(FileMenu, SaveAndReopenInAnotherLocaleRestoresEveryNumber)
{
    const QString path = pathOf(QStringLiteral("busy.pzr"));
    {
        Glav saving(commaLocale());
        saving.state = busyState();
        choose(path);
        trigger(saving, "save");
    }
    Glav glav(dotLocale());
    typeInto(&glav, QStringLiteral("Text6"), QStringLiteral("4"));
    typeInto(&glav, QStringLiteral("Text7"), QStringLiteral("950"));
    typeInto(&glav, QStringLiteral("Text8"), QStringLiteral("100"));
    typeInto(&glav, QStringLiteral("Text10"), QStringLiteral("2.5kPa"));
    child<QCheckBox>(&glav, QStringLiteral("Check2"))->setChecked(true);
    glav.state.out = QStringLiteral("<p>report</p>");
    trigger(glav, "open");

    const CalculationState expected = afterFileTrip(busyState(), commaLocale());
    EXPECT_EQ(fileNumbersOf(glav.state), fileNumbersOf(expected));
    EXPECT_EQ(glav.state.out, QStringLiteral("<p>report</p>"));
    const std::pair<const char*, double> shown[] = {
        {"Text2", expected.Z},   {"Text3", expected.Vsv},    {"Text4", expected.pgp},
        {"Text5", expected.Cst}, {"Text12", expected.n},     {"Text11", expected.L},
        {"Text13", expected.Vvent}, {"Text1", expected.Em},  {"Text9", expected.Qsg}};
    for (const auto& [field, value] : shown)
        EXPECT_EQ(textOf(&glav, QString::fromLatin1(field)), formatNumber(value, dotLocale())) << field;
    EXPECT_NE(textOf(&glav, QStringLiteral("Text1")), formatNumber(expected.Mass, dotLocale()));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text6")), QStringLiteral("4"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text7")), QStringLiteral("950"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text8")), QStringLiteral("100"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text10")), QStringLiteral("2.5kPa"));
    EXPECT_TRUE(child<QCheckBox>(&glav, QStringLiteral("Check1"))->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&glav, QStringLiteral("Check2"))->isChecked());
    EXPECT_EQ(glav.windowTitle(), path);
    EXPECT_EQ(messageCount(), 0);
}

TEST_F(FileMenu, OpenShowsTheEvaporatedMassNotTheGasMass)
{
    const QString path = pathOf(QStringLiteral("gas.pzr"));
    Glav glav(commaLocale());
    glav.state.Mass = 12.5;
    choose(path);
    trigger(glav, "save");
    typeInto(&glav, QStringLiteral("Text1"), QStringLiteral("12,5"));
    trigger(glav, "open");
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text1")), QStringLiteral("0"));
    EXPECT_EQ(glav.state.Mass, 12.5);
}

TEST_F(FileMenu, CancelledOpenChangesNothing)
{
    Glav glav(commaLocale());
    glav.state = busyState();
    const WhatTheUserHas before = whatTheUserHas(glav);
    trigger(glav, "open");
    expectSame(before, whatTheUserHas(glav));
    EXPECT_EQ(glav.windowTitle(), startCaption);
    EXPECT_EQ(dialogs.seen.size(), 1u);
}

struct BadFileRow {
    const char* name;
    const char* content; // nullptr: no file at all
    const char* reason;
};

class BadFile : public FileMenu, public ::testing::WithParamInterface<BadFileRow> {};

TEST_P(BadFile, ChangesNothingAndIsTold)
{
    const BadFileRow& row = GetParam();
    Glav glav(commaLocale());
    glav.state = busyState();
    typeInto(&glav, QStringLiteral("Text2"), QStringLiteral("0,7"));
    choose(pathOf(QStringLiteral("current.pzr")));
    trigger(glav, "save");
    const WhatTheUserHas before = whatTheUserHas(glav);

    const QString path = pathOf(QString::fromLatin1(row.name) + QStringLiteral(".pzr"));
    if (row.content)
        writeFile(path, QByteArray(row.content)
                            .replace("@ID@", identificationLine())
                            .replace("@id@", identificationLine().toLower()));
    choose(path);
    trigger(glav, "open");
    expectSame(before, whatTheUserHas(glav));
    expectCriticalMessageAbout(path, QString::fromUtf8(row.reason));
    EXPECT_EQ(dialogs.seen.back().title, QStringLiteral("Открытие расчета"));
}

// The identification line and the numbers 1 to 9 make a file cut after its tenth line; with the
// numbers 10 to 31 the file lacks only its last line.
#define TEN_LINES "@ID@\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n"
#define ALL_BUT_THE_LAST_LINE TEN_LINES " 10 \r\n 11 \r\n 12 \r\n 13 \r\n 14 \r\n 15 \r\n 16 \r\n 17 \r\n 18 \r\n 19 \r\n" \
    " 20 \r\n 21 \r\n 22 \r\n 23 \r\n 24 \r\n 25 \r\n 26 \r\n 27 \r\n 28 \r\n 29 \r\n 30 \r\n 31 \r\n"

const BadFileRow badFileRows[] = {
    {"IdentificationInOtherCase", "@id@\r\n 1 \r\n", "это не файл расчета"},
    {"CutAfterLine10", TEN_LINES, "файл обрывается после строки 10"},
    {"LineThatIsNotANumber", ALL_BUT_THE_LAST_LINE " 3x2 \r\n", "в строке 33 вместо числа стоит « 3x2 »"},
    {"EmptyFile", "", "это не файл расчета"},
    {"MissingFile", nullptr, "файл не найден"},
};

INSTANTIATE_TEST_SUITE_P(FileMenu, BadFile, ::testing::ValuesIn(badFileRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Quit ---------------------------------------------------------------------------------------

TEST_F(FileMenu, QuitSavesAndThenClosesTheWindow)
{
    const QString path = pathOf(QStringLiteral("last.pzr"));
    Glav glav(commaLocale());
    glav.show();
    choose(path);
    trigger(glav, "quit");
    EXPECT_EQ(contentsOf(path), startStateFile());
    EXPECT_FALSE(glav.isVisible());
    EXPECT_EQ(glav.windowTitle(), path);
}

TEST_F(FileMenu, CalculationSurvivesQuitAndReopenInTheNextRun)
{
    const QString path = pathOf(QStringLiteral("survivor.pzr"));
    {
        Glav lastRun(commaLocale());
        lastRun.show();
        lastRun.state = busyState();
        choose(path);
        trigger(lastRun, "quit");
        ASSERT_FALSE(lastRun.isVisible());
    }
    Glav nextRun(commaLocale());
    trigger(nextRun, "open");
    EXPECT_EQ(fileNumbersOf(nextRun.state), fileNumbersOf(afterFileTrip(busyState(), commaLocale())));
    EXPECT_EQ(textOf(&nextRun, QStringLiteral("Text3")), formatNumber(nextRun.state.Vsv, commaLocale()));
    EXPECT_EQ(nextRun.windowTitle(), path);
}

TEST_F(FileMenu, QuitWithTheSaveDialogCancelledStillCloses)
{
    Glav glav(commaLocale());
    glav.show();
    trigger(glav, "quit");
    EXPECT_FALSE(glav.isVisible());
    EXPECT_EQ(glav.windowTitle(), startCaption);
    EXPECT_EQ(dialogs.seen.size(), 1u);
}

} // namespace
