#include "core_test.h"
#include "excess_pressure.h"
#include "failing_disk.h"
#include "gas_release_section.h"
#include "numbers.h"
#include "report_document.h"
#include "report_sections.h"
#include "spill_section.h"
#include "ventilation.h"
#include "windows1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cmath>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma = commaLocale();

// The worked room: 10 kg in 100 m3 (category A) or 2000 m3 (4,99375 kPa), density 2 kg/m3, Cst 4 %.
CalculationState calculatedRoom(CalculationState state, const QString& freeVolume = u"100"_s)
{
    calculateRoom(state, {u"900"_s, u"101"_s, u"10"_s, u"0,3"_s, freeVolume, u"2"_s, u"4"_s, u"3"_s}, comma);
    return state;
}

// 10 kg (category АН (БН)) or 3 kg of a gas of 45,2 MJ/kg with Z = 0,1 outdoors.
CalculationState calculatedOutdoor(const QString& mass)
{
    CalculationState state;
    state.Em = parseNumber(mass, comma);
    calculateOutdoor(state, {u"101"_s, mass, u"0,1"_s, u"45,2"_s}, comma);
    return state;
}

// What the calculator windows leave in the state for an acetone-like liquid (Antoine constants,
// vapour pressure, molar mass, density, evaporated mass, atom counts).
// clang-format off
const CalculationState acetoneCalculators{.M = 58.08, .Fi = 50, .n = 1, .Pn = 46.0123, .Em = 10.5, .pl = 2.2815,
                                          .A = 6.37551, .B = 1281.721, .C = 237.088, .nC = 3, .nH = 6, .nO = 1};
// clang-format on

// The worked room with M = 58, Pn = 20 kPa and Fi = 10 m2, then ventilated: section 1.6 appended.
QString ventilatedRoomReport()
{
    CalculationState state = calculatedRoom({.M = 58, .Fi = 10, .Pn = 20});
    const QString room = roomSection(state, comma);
    calculateVentilation(state, {u"8"_s, u"20"_s}, comma);
    return room + ventilationSection(state, comma);
}

// Ten litres of acetone, with what 0,0001 m3/s for 120 s and a pipeline of 50 mm x 1 m add, in a draught
// of 0,1 m/s at 20 °C, held by a tray of 5 m2: the report derives the vapour, and the ventilation of 8
// changes an hour along 12 m leaves it evaporating for the whole hour, so K = 8 * 3600 / 3600 + 1.
QString spillRoomReport()
{
    // clang-format off
    const SpillInput in{.apparatusVolume = 0.01, .flowRate = 0.0001, .shutOffTime = 120, .pipelines = {{50, 1}},
                        .liquidDensity = 790, .solventShare = 100, .floorArea = 72, .trayArea = 5, .airSpeed = 0.1,
                        .vapourPressure = 24.5457, .molarMass = 58.08, .airTemperature = 20};
    // clang-format on
    const SpillResult spill = calculateSpill(in);
    // clang-format off
    CalculationState state = calculatedRoom({.M = 58.08, .Fi = spill.spillArea, .Pn = 24.5457, .Em = spill.vapourMass,
                                             .tr = spill.evaporationTime, .T1 = 20}, u"230,4"_s);
    // clang-format on
    const QString room = roomSection(state, comma, {{}, spillSubsection(spill, comma)});
    const std::optional<SpillVentilation> v = calculateVentilation(state, {u"8"_s, u"12"_s}, comma, &spill);
    return room + ventilationSection(state, comma, &*v);
}

TEST(ReportSections, EachReportIsItsExpectedDocument)
{
    const CalculationState room = calculatedRoom(acetoneCalculators);
    // The propane apparatus of the calculator tests; Greek letters as entities.
    const GasRelease propane = calculateGasRelease(
        {u"500"_s, u"2"_s, u"0,005"_s, u"300"_s, u"500"_s, {{u"50"_s, u"10"_s}}, u"1,73"_s}, comma);
    const std::pair<const char*, QString> reports[] = {
        {"room_comma.htm", roomSection(room, comma)},
        {"room_below_limit_comma.htm", roomSection(calculatedRoom(acetoneCalculators, u"2000"_s), comma)},
        {"outdoor_comma.htm", outdoorSection(calculatedOutdoor(u"10"_s), comma)},
        {"outdoor_below_limit_comma.htm", outdoorSection(calculatedOutdoor(u"3"_s), comma)},
        {"room_ventilation_comma.htm", ventilatedRoomReport()},
        {"room_gas_release_comma.htm", roomSection(room, comma, {{}, gasReleaseSubsection(propane, comma)})},
        {"room_spill_comma.htm", spillRoomReport()}};
    for (const auto& [name, report] : reports)
        EXPECT_EQ(reportDocument(report), expectedReport(name)) << name;
}

// 5 kPa and more puts a room into category A and an outdoor installation into АН (БН): the conclusions of
// the expected documents above and below the limit.
TEST(ReportSections, TheConclusionFollowsTheFiveKilopascalLimitItselfIncluded)
{
    const auto conclusion = [](const QString& section) {
        return section.mid(section.lastIndexOf(u"<p><h4>"_s));
    };
    const CalculationState limit{.EP = 5}, below{.EP = std::nextafter(5.0, 0.0)};
    EXPECT_EQ(conclusion(roomSection(limit, comma)), conclusion(roomSection(calculatedRoom({}), comma)));
    EXPECT_EQ(conclusion(roomSection(below, comma)),
              conclusion(roomSection(calculatedRoom({}, u"2000"_s), comma)));
    EXPECT_EQ(conclusion(outdoorSection(limit, comma)),
              conclusion(outdoorSection(calculatedOutdoor(u"10"_s), comma)));
    EXPECT_EQ(conclusion(outdoorSection(below, comma)),
              conclusion(outdoorSection(calculatedOutdoor(u"3"_s), comma)));
}

// Every byte against the system's own converter (ICU), which knows the code page apart from our table.
TEST(Windows1251, EachByteIsTheCharacterTheSystemConverterGivesIt)
{
    QStringDecoder system("windows-1251");
    ASSERT_TRUE(system.isValid());
    for (int b = 0; b < 256; ++b) { // 0x98 is unassigned: read as U+FFFD, nothing is written as it
        const QByteArray byte(1, char(b));
        const QString character = system(byte);
        EXPECT_EQ(decodeWindows1251(byte), b == 0x98 ? u"\uFFFD"_s : character) << b;
        EXPECT_EQ(encodeWindows1251(character), b == 0x98 ? "?" : byte) << b;
    }
    EXPECT_EQ(encodeWindows1251(QString(u"\u03A9a\U0001F525b"_s + QChar(0xD83D))), "?a?b?")
        << "one question mark for a character outside the code page, outside the BMP or a lone surrogate";
}

TEST(ReportDocument, IsFourLinesEndedByCrLfInWindows1251WithoutAByteOrderMark)
{
    EXPECT_EQ(reportDocument(u"Жук \u2126"_s),
              "<html>\r\n<font face=\"Times New Roman\">\r\n\xC6\xF3\xEA ?\r\n</html>\r\n");
}

QString documentIn(const QString& folder)
{
    return folder + u"/proect.htm"_s;
}

// Each folder in turn: one that cannot be made (its parent is a file; root ignores permission bits),
// one with a folder in the way, a full one, one past a file-size limit. The first that takes the whole
// document gets it; the others keep nothing.
TEST(ReportDocument, GoesWholeIntoTheFirstFolderThatTakesItOrNamesEveryFileThatFailed)
{
    QTemporaryDir dir;
    QFile(dir.filePath(u"plain-file"_s)).open(QIODevice::WriteOnly);
    QStringList refusing = {dir.filePath(u"plain-file/folder"_s), dir.filePath(u"in-the-way"_s)};
    QDir(dir.path()).mkpath(u"in-the-way/proect.htm"_s);
    FullFileSystem full;
    if (full.mounted()) {
        full.fill();
        refusing += full.path();
    }
    const QString good = dir.filePath(u"good"_s);
    const QByteArray document = reportDocument(u"Р = 1кПа."_s);
    EXPECT_EQ(writeReportDocument(refusing + QStringList{good}, document), documentIn(good));
    EXPECT_EQ(fileBytes(documentIn(good)), document);
    try {
        writeReportDocument(refusing, document);
        ADD_FAILURE() << "no folder could take the document";
    } catch (const UserError& error) {
        for (const QString& folder : refusing)
            EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(documentIn(folder))));
    }
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(writeReportDocument({good}, reportDocument(QString(100, u'ж'))), UserError);
    }
    EXPECT_EQ(fileBytes(documentIn(good)), document) << "a cut document never replaces the last one";
    EXPECT_EQ(QDir(good).entryList(QDir::Files | QDir::Hidden), QStringList{u"proect.htm"_s});
}

// A symbolic link named like the document, say to a calculation file, or a FIFO that would block
// the program: both are replaced by the document instead of being written through.
TEST(ReportDocument, ReplacesALinkOrAPipeInsteadOfWritingThroughIt)
{
    QTemporaryDir dir;
    const QString calculation = dir.filePath(u"calculation.pzr"_s);
    writeFileBytes(calculation, "//Morvex//\r\n");
    QDir(dir.path()).mkpath(u"linked"_s);
    QDir(dir.path()).mkpath(u"piped"_s);
    ASSERT_TRUE(QFile::link(calculation, documentIn(dir.filePath(u"linked"_s))));
    ASSERT_EQ(mkfifo(QFile::encodeName(documentIn(dir.filePath(u"piped"_s))).constData(), 0600), 0);
    const QByteArray document = reportDocument(u"x"_s);
    for (const char* folder : {"linked", "piped"}) { // a link written through fails before the pipe blocks
        const QString path = documentIn(dir.filePath(QString::fromLatin1(folder)));
        EXPECT_EQ(writeReportDocument({dir.filePath(QString::fromLatin1(folder))}, document), path);
        ASSERT_TRUE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) << folder;
        EXPECT_EQ(fileBytes(path), document) << folder;
        ASSERT_EQ(fileBytes(calculation), "//Morvex//\r\n");
    }
}

} // namespace
