#include "calculation_file.h"
#include "failing_disk.h"
#include "glav.h"
#include "numbers.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cmath>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Calls `change(member)` for each number of the file, in file order.
template <typename Change> void forEachFileNumber(Change change)
{
    for (const CalculationFileValue& value : calculationFileValues())
        std::visit(change, value.member);
}

// The 32 numbers of a state in file order, U and W widened to double.
std::vector<double> fileNumbersOf(const CalculationState& state)
{
    std::vector<double> numbers;
    forEachFileNumber([&](auto member) { numbers.push_back(double(state.*member)); });
    return numbers;
}

// A state whose numbers all differ from each other and from the start values, with more digits than a file
// keeps, negative values and values that need the exponent form.
CalculationState busyState()
{
    CalculationState state;
    int i = 0;
    forEachFileNumber([&](auto member) {
        ++i;
        state.*member =
            decltype(+(state.*member))((i % 4 == 0 ? -1 : 1) * (i + 1) / 7.0 * std::pow(10.0, i % 6 - 2));
    });
    state.T = 1.0 / 3e5;   // exponent form below 1E-04
    state.Pn = 1.5e16 / 7; // exponent form from 1E+15
    state.U = 2.0f / 3;    // seven digits only
    state.W = -1e-6f / 3;
    state.out = QStringLiteral("<p>report</p>");
    return state;
}

// What the state becomes after a trip through a file written in `locale`: doubles rounded to 15 significant
// digits, U and W to 7 and then to single precision.
CalculationState afterFileTrip(const CalculationState& state, const QLocale& locale)
{
    CalculationState result = state;
    forEachFileNumber([&](auto member) {
        result.*member = decltype(+(state.*member))(parseNumber(formatNumber(state.*member, locale), locale));
    });
    return result;
}

// The first line of every calculation file, without its line end.
const auto identificationLine = []() -> QByteArray { return QByteArrayLiteral("//Morvex//"); };

// The file the program writes for a state that nothing has changed since the start.
QByteArray startStateFile()
{
    // EP to Vvent, T, Pn and Em are 0; tr is 3600 s; pl, A, B and C are 0; T1 is 37 degrees; the atom counts,
    // Mpr and Qsg are 0.
    return identificationLine() + "\r\n" + QByteArray(" 0 \r\n").repeated(20) + " 3600 \r\n"
           + QByteArray(" 0 \r\n").repeated(4) + " 37 \r\n" + QByteArray(" 0 \r\n").repeated(6);
}

const auto commaFile = []() -> QByteArray { return writeCalculationFile(busyState(), commaLocale()); };

// The same file with one line (1 to 33) replaced.
QByteArray withLine(const QByteArray& file, int line, const QByteArray& text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

TEST(CalculationFileWriting, StartStateGivesTheStartFileInEitherLocale)
{
    EXPECT_EQ(writeCalculationFile(CalculationState(), commaLocale()), startStateFile());
    EXPECT_EQ(writeCalculationFile(CalculationState(), dotLocale()), startStateFile());
}

TEST(CalculationFileWriting, EachVariableHasItsOwnLineAndEveryLineEndsInCrLf)
{
    using S = CalculationState;
    const std::variant<double S::*, float S::*> fileOrder[] = {
        &S::EP, &S::Pmax, &S::po, &S::Mass, &S::Z,  &S::Vsv,   &S::pgp, &S::Cst, &S::Kn,  &S::M,  &S::Fi,
        &S::n,  &S::L,    &S::U,  &S::nu,   &S::W,  &S::Vvent, &S::T,   &S::Pn,  &S::Em,  &S::tr, &S::pl,
        &S::A,  &S::B,    &S::C,  &S::T1,   &S::nC, &S::nH,    &S::nO,  &S::nX,  &S::Mpr, &S::Qsg};
    CalculationState state;
    for (int line = 2; line <= 33; ++line)
        std::visit([&](auto member) { state.*member = line; }, fileOrder[line - 2]);
    QByteArray expected = identificationLine() + "\r\n";
    for (int line = 2; line <= 33; ++line)
        expected += ' ' + QByteArray::number(line) + " \r\n";
    EXPECT_EQ(writeCalculationFile(state, dotLocale()), expected);
}

TEST(CalculationFileWriting, WritesEachNumberAsTheFieldsShowItBetweenSignPlaceAndBlank)
{
    struct Row {
        double value;
        bool single; // written as U (line 15) rather than as EP (line 2)
        QLocale locale;
        const char* line;
    };
    // clang-format off
    const Row rows[] = {
        {3600, false, commaLocale(), " 3600 "}, {0.3, false, commaLocale(), " 0,3 "},
        {0.3, false, dotLocale(), " 0.3 "}, {-2.5, false, commaLocale(), "-2,5 "},
        {-0.0, false, dotLocale(), " 0 "}, {1.5e16, false, commaLocale(), " 1,5E+16 "},
        {1.0 / 3, true, commaLocale(), " 0,3333333 "}, {12345678, true, dotLocale(), " 1.234568E+07 "},
        {0.5, false, QLocale(QLocale::Arabic, QLocale::Egypt), " 0.5 "}};
    // clang-format on
    for (const Row& row : rows) {
        CalculationState state;
        if (row.single)
            state.U = float(row.value);
        else
            state.EP = row.value;
        EXPECT_EQ(writeCalculationFile(state, row.locale).split('\n').value(row.single ? 14 : 1),
                  QByteArray(row.line) + '\r');
    }
    for (char c : writeCalculationFile(busyState(), QLocale(QLocale::Arabic, QLocale::Egypt)))
        EXPECT_TRUE(c > 0 && c < 0x7f) << "plain ASCII in any locale, not " << int(c);
}

TEST(CalculationFileWriting, RefusesANumberThatCouldNotBeReadBack)
{
    CalculationState state;
    state.W = std::numeric_limits<float>::infinity();
    try {
        writeCalculationFile(state, commaLocale());
        FAIL() << "an infinite W was written";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().endsWith(u" W"_s)) << error.what();
    }
    state = CalculationState();
    state.Qsg = std::nan("");
    EXPECT_THROW(writeCalculationFile(state, dotLocale()), UserError);
}

// What was written comes back rounded as the file keeps it, whichever locale wrote it.
TEST(CalculationFileReading, AcceptsEitherSeparatorLineEndAndBlanks)
{
    const QByteArray file = commaFile();
    QList<QByteArray> lines = file.split('\n');
    for (qsizetype i = 1; i < lines.size(); i += 2)
        lines[i].replace(',', '.');
    const QByteArray accepted[] = {file,
                                   writeCalculationFile(busyState(), dotLocale()),
                                   lines.join('\n'),
                                   QByteArray(file).replace("\r\n", "\n"),
                                   QByteArray(file).replace(" \r\n", " \t \r\n").replace("\n ", "\n\t  "),
                                   QByteArray(file).replace(" \r\n", "\r\n").replace("\n ", "\n"),
                                   file + "\r\n  \r\n"};
    for (const QByteArray& bytes : accepted) {
        CalculationState opened;
        applyCalculationFile(readCalculationFile(bytes), opened);
        EXPECT_EQ(fileNumbersOf(opened), fileNumbersOf(afterFileTrip(busyState(), commaLocale())))
            << bytes.left(60).data();
    }
}

TEST(CalculationFileReading, ExplainsWhyAFileIsRejected)
{
    const QByteArray file = commaFile();
    const std::pair<QByteArray, const char*> rejected[] = {
        {withLine(startStateFile(), 1, identificationLine().toLower()), "не файл расчета"},
        {' ' + startStateFile(), "не файл расчета"},
        {QByteArray(), "не файл расчета"},
        {QByteArray(startStateFile()).replace("\r\n", "\r"), "не файл расчета"},
        {identificationLine(), "в первой строке"},
        {file.split('\n').mid(0, 10).join('\n') + '\n', "после строки 10,"},
        {file.chopped(4), "после строки 32,"},
        {withLine(file, 15, " abc "), "в строке 15 вместо числа стоит « abc »"},
        {withLine(file, 20, ""), "в строке 20"},
        {withLine(file, 2, " 1 000 "), "в строке 2 "},
        {withLine(file, 33, " 1,000.5 "), "в строке 33"},
        {withLine(file, 3, " 1E+400 "), "в строке 3 "},
        {withLine(file, 4, " NaN "), "в строке 4 "},
        {withLine(file, 5,
                  QByteArray(" 36\0"
                             "00 ",
                             6)),
         "в строке 5 "},
        {withLine(file, 15, " 1E+39 "), "слишком велико для величины U"},
        {file + " 5 \r\n", "лишние строки"},
        {file + "x", "лишние строки"},
        {file + QByteArray(70 * 1024, ' '), "слишком велик"}};
    for (const auto& [bytes, reason] : rejected) {
        try {
            readCalculationFile(bytes);
            ADD_FAILURE() << "accepted, though " << reason;
        } catch (const UserError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(reason))) << error.what();
        }
    }
}

const QString startCaption = u"Расчет избыточного давления взрыва //Tarvolin\\\\"_s;

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

// Everything of the main window that opening or saving could change.
QStringList whatTheUserHas(const Glav& glav)
{
    QStringList has{glav.state.out, glav.windowTitle()};
    for (double number : fileNumbersOf(glav.state))
        has << QString::number(number, 'g', 17);
    for (const QLineEdit* field : glav.findChildren<QLineEdit*>())
        has << field->objectName() + u'=' + field->text();
    for (const QCheckBox* box : glav.findChildren<QCheckBox*>())
        has << box->objectName() + (box->isChecked() ? u"+"_s : u"-"_s);
    return has;
}

class FileMenu : public testing::Test {
  protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }
    void choose(const QString& path)
    {
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
    }
    static void trigger(Glav& glav, const char* action)
    {
        child<QAction>(&glav, QString::fromLatin1(action))->trigger();
    }
    int messageCount() const
    {
        return int(std::count_if(dialogs.seen.begin(), dialogs.seen.end(),
                                 [](const SeenDialog& d) { return d.className == u"QMessageBox"; }));
    }
    // The one critical message shown, which names the file and says what went wrong.
    void expectCriticalMessageAbout(const QString& path, const QString& reason)
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

TEST_F(FileMenu, SaveRightAfterStartWritesTheStartStateNotTheTypedTextsInEitherLocale)
{
    for (const QLocale& locale : {commaLocale(), dotLocale()}) {
        const QString path = pathOf(locale.name() + u".pzr"_s);
        Glav glav(locale);
        typeInto(&glav, u"Text3"_s, u"555"_s);
        typeInto(&glav, u"Text7"_s, u"1000"_s);
        choose(path);
        trigger(glav, "save");
        EXPECT_EQ(contentsOf(path), startStateFile());
        EXPECT_EQ(glav.windowTitle(), path);
    }
    EXPECT_EQ(dialogs.seen.size(), 2u);
}

TEST_F(FileMenu, DialogsOfferCalculationFilesAndSaveAsksBeforeReplacing)
{
    Glav glav(commaLocale());
    QStringList asked;
    dialogs.answerFileDialog = [&](QFileDialog& dialog) {
        const bool saving = dialog.acceptMode() == QFileDialog::AcceptSave;
        asked << (saving ? u"save"_s : u"open"_s);
        EXPECT_EQ(dialog.nameFilters(),
                  QStringList({saving ? u"* (*.pzr)"_s : u"Файлы расчета (*.pzr)"_s, u"Все файлы (*.*)"_s}));
        EXPECT_EQ(dialog.defaultSuffix(), u"pzr"_s);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.fileMode(), saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        return QString();
    };
    const QStringList before = whatTheUserHas(glav);
    trigger(glav, "save");
    trigger(glav, "open");
    EXPECT_EQ(asked, QStringList({u"save"_s, u"open"_s}));
    EXPECT_EQ(whatTheUserHas(glav), before) << "cancelling changes nothing";
    EXPECT_EQ(glav.windowTitle(), startCaption);
}

TEST_F(FileMenu, SaveAddsTheSuffixAndReplacesAnOlderFileWhole)
{
    Glav glav(commaLocale());
    choose(pathOf(u"calculation"_s));
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(pathOf(u"calculation.pzr"_s)), startStateFile());
    EXPECT_EQ(glav.windowTitle(), pathOf(u"calculation.pzr"_s));
    writeFile(pathOf(u"old.pzr"_s), QByteArray(5000, 'x'));
    choose(pathOf(u"old.pzr"_s));
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(pathOf(u"old.pzr"_s)), startStateFile());
}

const QByteArray previousCalculation = "previous calculation\r\n";

enum class SaveFailure { NameTooLongForATemporaryFile, FileSizeLimit, FullDisk, ReadOnlyFolder };

class UnwritableFile : public FileMenu, public testing::WithParamInterface<SaveFailure> {
  protected:
    ~UnwritableFile() override
    {
        QFile::setPermissions(folder.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    FullFileSystem disk;
};

// Whatever byte the write fails at, the previous file stays as it was, the user is told, and "Выход"
// does not close the window on a calculation that was not saved.
TEST_P(UnwritableFile, KeepsThePreviousFileTellsTheUserAndQuitKeepsTheWindow)
{
    QString path = pathOf(u"kept.pzr"_s);
    std::optional<FileSizeLimit> limit;
    switch (GetParam()) {
    case SaveFailure::NameTooLongForATemporaryFile:
        path = pathOf(QString(250, u'a') + u".pzr"_s);
        writeFile(path, previousCalculation);
        break;
    case SaveFailure::FileSizeLimit:
        writeFile(path, previousCalculation);
        limit.emplace(100); // the file would be cut after its first lines
        break;
    case SaveFailure::FullDisk:
        if (!disk.mounted())
            GTEST_SKIP() << "mounting a small file system needs root";
        path = disk.path() + u"/kept.pzr"_s;
        writeFile(path, previousCalculation);
        disk.fill();
        break;
    case SaveFailure::ReadOnlyFolder:
        writeFile(path, previousCalculation);
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile probe(pathOf(u"probe"_s)); probe.open(QIODevice::WriteOnly))
            GTEST_SKIP() << "this user may write into a read-only folder";
        break;
    }
    Glav glav(commaLocale());
    glav.show();
    choose(path);
    trigger(glav, "save");
    EXPECT_EQ(contentsOf(path), previousCalculation);
    expectCriticalMessageAbout(path, u"Файл на диске не изменен"_s);
    EXPECT_EQ(glav.windowTitle(), startCaption);
    trigger(glav, "quit");
    EXPECT_TRUE(glav.isVisible()) << "the calculation would be lost";
    EXPECT_EQ(messageCount(), 2);
}

std::string nameOf(const testing::TestParamInfo<SaveFailure>& info)
{
    const char* names[] = {"NameTooLongForATemporaryFile", "FileSizeLimit", "FullDisk", "ReadOnlyFolder"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(FileMenu, UnwritableFile,
                         testing::Values(SaveFailure::NameTooLongForATemporaryFile,
                                         SaveFailure::FileSizeLimit, SaveFailure::FullDisk,
                                         SaveFailure::ReadOnlyFolder),
                         nameOf);

TEST_F(FileMenu, SaveAndReopenInAnotherLocaleRestoresEveryNumberAndShowsSome)
{
    const QString path = pathOf(u"busy.pzr"_s);
    {
        Glav saving(commaLocale());
        saving.state = busyState();
        choose(path);
        trigger(saving, "save");
    }
    Glav glav(dotLocale());
    const std::pair<const char*, const char*> kept[] = {
        {"Text6", "4"}, {"Text7", "950"}, {"Text8", "100"}, {"Text10", "2.5kPa"}};
    for (const auto& [field, text] : kept)
        typeInto(&glav, QString::fromLatin1(field), QString::fromLatin1(text));
    child<QCheckBox>(&glav, u"Check2"_s)->setChecked(true);
    glav.state.out = u"<p>report</p>"_s;
    trigger(glav, "open");

    const CalculationState expected = afterFileTrip(busyState(), commaLocale());
    EXPECT_EQ(fileNumbersOf(glav.state), fileNumbersOf(expected));
    EXPECT_EQ(glav.state.out, u"<p>report</p>"_s);
    const std::pair<const char*, double> shown[] = {
        {"Text2", expected.Z},      {"Text3", expected.Vsv}, {"Text4", expected.pgp},
        {"Text5", expected.Cst},    {"Text12", expected.n},  {"Text11", expected.L},
        {"Text13", expected.Vvent}, {"Text1", expected.Em},  {"Text9", expected.Qsg}};
    for (const auto& [field, value] : shown)
        EXPECT_EQ(textOf(&glav, QString::fromLatin1(field)), formatNumber(value, dotLocale())) << field;
    for (const auto& [field, text] : kept)
        EXPECT_EQ(textOf(&glav, QString::fromLatin1(field)), QString::fromLatin1(text)) << field;
    EXPECT_TRUE(child<QCheckBox>(&glav, u"Check1"_s)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&glav, u"Check2"_s)->isChecked());
    EXPECT_EQ(glav.windowTitle(), path);
    EXPECT_EQ(messageCount(), 0);
}

TEST_F(FileMenu, ABadFileChangesNothingAndIsTold)
{
    Glav glav(commaLocale());
    glav.state = busyState();
    typeInto(&glav, u"Text2"_s, u"0,7"_s);
    choose(pathOf(u"current.pzr"_s));
    trigger(glav, "save");
    const QStringList before = whatTheUserHas(glav);
    const QList<QByteArray> lines = startStateFile().split('\n');
    const std::tuple<const char*, std::optional<QByteArray>, const char*> badFiles[] = {
        {"cut", lines.mid(0, 10).join('\n') + '\n', "файл обрывается после строки 10"},
        {"last", lines.mid(0, 32).join('\n') + "\n 3x2 \r\n", "в строке 33 вместо числа стоит « 3x2 »"},
        {"case", identificationLine().toLower() + "\r\n 1 \r\n", "это не файл расчета"},
        {"missing", std::nullopt, "файл не найден"},
        {"fifo", std::nullopt, "это не обычный файл"},
        {"folder", std::nullopt, "это не обычный файл"}};
    // A named pipe would block the program for good if it were opened.
    ASSERT_EQ(mkfifo(QFile::encodeName(pathOf(u"fifo.pzr"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.pzr"_s));
    for (const auto& [name, bytes, reason] : badFiles) {
        const QString path = pathOf(QString::fromLatin1(name) + u".pzr"_s);
        if (bytes)
            writeFile(path, *bytes);
        dialogs.seen.clear();
        choose(path);
        trigger(glav, "open");
        EXPECT_EQ(whatTheUserHas(glav), before) << name;
        expectCriticalMessageAbout(path, QString::fromUtf8(reason));
        EXPECT_EQ(dialogs.seen.back().title, u"Открытие расчета"_s);
    }
}

// `overpressure FILE`: the file opens as from the menu, without its dialog; a bad or missing file is
// told the same way and the program goes on with its fresh calculation.
TEST_F(FileMenu, AFileGivenAtStartOpensAsFromTheMenu)
{
    writeFile(pathOf(u"good.pzr"_s), commaFile());
    writeFile(pathOf(u"bad.pzr"_s), "not a calculation\r\n");
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(folder.path()); // a terminal passes the name as typed
    {
        Glav glav(dotLocale());
        EXPECT_TRUE(glav.openCalculation(u"good.pzr"_s));
        EXPECT_EQ(fileNumbersOf(glav.state), fileNumbersOf(afterFileTrip(busyState(), commaLocale())));
        EXPECT_EQ(textOf(&glav, u"Text3"_s), formatNumber(glav.state.Vsv, dotLocale()));
        EXPECT_EQ(glav.windowTitle(), pathOf(u"good.pzr"_s));
    }
    for (const auto& [name, reason] :
         {std::pair{"bad.pzr", "это не файл расчета"}, {"missing.pzr", "файл не найден"}}) {
        dialogs.seen.clear();
        Glav glav(commaLocale());
        const QStringList fresh = whatTheUserHas(glav);
        EXPECT_FALSE(glav.openCalculation(QString::fromLatin1(name)));
        EXPECT_EQ(whatTheUserHas(glav), fresh);
        expectCriticalMessageAbout(pathOf(QString::fromLatin1(name)), QString::fromUtf8(reason));
    }
    QDir::setCurrent(startFolder);
}

TEST_F(FileMenu, QuitSavesThenCloses)
{
    const QString path = pathOf(u"last.pzr"_s);
    Glav glav(commaLocale());
    glav.show();
    glav.state = busyState();
    choose(path);
    trigger(glav, "quit");
    EXPECT_EQ(contentsOf(path), commaFile());
    EXPECT_FALSE(glav.isVisible());
    EXPECT_EQ(glav.windowTitle(), path);
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
