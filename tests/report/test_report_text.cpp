#include "failing_disk.h"
#include "gas_release_section.h"
#include "interpolation.h"
#include "report_document.h"
#include "report_sections.h"
#include "windows1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale comma(QLocale::Russian, QLocale::Russia);

const auto byte = [](int value) -> QByteArray { return QByteArray(1, char(value)); };

TEST(Windows1251, KeepsAsciiAndPutsTheCyrillicAlphabetFromC0)
{
    const QString ascii = u"<p>Qx = 0,5 (1)</p>\t~"_s;
    EXPECT_EQ(encodeWindows1251(ascii), ascii.toLatin1());
    QString alphabet;
    for (char16_t c = u'А'; c <= u'я'; ++c)
        alphabet += QChar(c);
    QByteArray expected;
    for (int b = 0xC0; b <= 0xFF; ++b)
        expected += byte(b);
    EXPECT_EQ(encodeWindows1251(alphabet), expected);
}

TEST(Windows1251, MapsTheOtherUpperHalfCharactersBothWays)
{
    const std::pair<char16_t, int> upperHalf[] = {
        {0x0401, 0xA8}, {0x0451, 0xB8}, {0x20AC, 0x88}, {0x2116, 0xB9}, {0x00A0, 0xA0},
        {0x2014, 0x97}, {0x00B0, 0xB0}, {0x0490, 0xA5}, {0x0402, 0x80}, {0x040E, 0xA1}};
    for (const auto& [character, value] : upperHalf) {
        EXPECT_EQ(encodeWindows1251(QString(QChar(character))), byte(value)) << value;
        EXPECT_EQ(decodeWindows1251(byte(value)), QString(QChar(character))) << value;
    }
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;
        EXPECT_EQ(encodeWindows1251(decodeWindows1251(byte(b))), byte(b)) << "byte " << b;
    }
    EXPECT_EQ(decodeWindows1251(byte(0x98)), QString(QChar(0xFFFD))) << "unassigned";
}

TEST(Windows1251, ACharacterOutsideTheCodePageBecomesOneQuestionMark)
{
    EXPECT_EQ(encodeWindows1251(u"\u03A9\u4E2D\uFFFD"_s), "???");
    EXPECT_EQ(encodeWindows1251(u"a\U0001F525b"_s), "a?b");
    EXPECT_EQ(encodeWindows1251(QString(QChar(0xD83D) + u"x"_s)), "?x") << "a lone surrogate";
}

CalculationState pressure(double value)
{
    CalculationState state;
    state.EP = value;
    return state;
}

// The five kilopascal limit decides the category, for a room as for an outdoor installation.
TEST(ReportSections, TheConclusionFollowsTheFiveKilopascalLimit)
{
    const QString roomA =
        u"<p><h4>Так как давление взрыва больше 5 кПа, то данное помещение следует отнести к "
        u"категории А.</h4>"_s;
    const QString roomNotA =
        u"<p><h4>Так как давление взрыва меньше 5 кПа, то данное помещение не относится к "
        u"категории А. Необходимо произвести пересчет на принадлежность помещения к категории "
        u"В.</h>"_s;
    const QString outdoorAN = u"<p><h4>Так как избыточное давление взрыва на расстоянии 30м больше 5 кПа, то "
                              u"данную установку следует отнести к категории АН (БН).</h4>"_s;
    const QString outdoorNotAN =
        u"<p><h4>Так как избыточное давление взрыва на расстоянии 30м меньше 5 кПа, то "
        u"данная устновка не относится к категории АН(БН). Необходимо произвести пересчет "
        u"на принадлежность к категории ВН.</h>"_s;
    const std::pair<double, bool> pressures[] = {{5.0, true},       {99.875, true},
                                                 {4.999999, false}, {std::nextafter(5.0, 0.0), false},
                                                 {0, false},        {-12.5, false}};
    for (const auto& [value, reachesTheLimit] : pressures) {
        EXPECT_TRUE(roomSection(pressure(value), comma).endsWith(reachesTheLimit ? roomA : roomNotA))
            << value;
        EXPECT_TRUE(
            outdoorSection(pressure(value), comma).endsWith(reachesTheLimit ? outdoorAN : outdoorNotAN))
            << value;
    }
    EXPECT_EQ(roomSection(pressure(99.875), comma).count(u"<p><h4>Так как давление взрыва "_s), 1);
}

TEST(ReportSections, RoomSectionPrintsTheStartValuesAsOneLine)
{
    CalculationState state;
    state.Vsv = 100;
    const QString section = roomSection(state, comma);
    EXPECT_TRUE(section.startsWith(
        u"<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП 12.13130.2009)</h3>"_s));
    EXPECT_FALSE(section.contains(u'\n'));
    EXPECT_TRUE(section.contains(u"<p>Pн = 0кПа"_s)) << "no blank before the unit";
    EXPECT_EQ(section.count(u"<p>tp - расчетная температура воздуха, равная 37 <sup>o</sup>C."_s), 2);
    EXPECT_TRUE(section.contains(u"<p>Vсв - свободный объем помещения, равный 100 м<sup>3</sup>;"_s));
    state.Pn = 12.5;
    EXPECT_TRUE(roomSection(state, comma).contains(u"<p>Pн = 12,5кПа"_s));
    EXPECT_TRUE(roomSection(state, QLocale(QLocale::English)).contains(u"<p>Pн = 12.5кПа"_s));
}

TEST(ReportSections, OutdoorSectionPrintsTheEvaporatedMassNotTheMassOfTheRoom)
{
    CalculationState state;
    state.Em = 10;
    state.Mass = 77;
    state.Mpr = 10.000000000000002;
    const QString section = outdoorSection(state, comma);
    EXPECT_TRUE(section.contains(u"<p>m - масса паров жидкости или газа, кг, равная 10 кг;"_s));
    EXPECT_TRUE(section.contains(u"<p>Мпр = 10 кг."_s));
    EXPECT_FALSE(section.contains(u"77"_s));
}

// The propane apparatus of the calculator tests, derived step by step; Greek letters as entities.
TEST(ReportSections, GasReleaseSubsectionDerivesTheMassFromTheApparatusAndItsPipelines)
{
    GasReleaseFields propane{u"500"_s, u"2"_s, u"0,005"_s, u"300"_s, u"500"_s, {{u"50"_s, u"10"_s}},
                             u"1,73"_s};
    EXPECT_EQ(
        gasReleaseSubsection(calculateGasRelease(propane, comma), comma),
        u"<p><h4>1.3.1 Расчет массы горючего газа, вышедшего из аппарата и трубопроводов, осуществляется "
        "по формулам А.6 - А.10 СП 12.13130.2009:</h4><p><center>m = (Vа + V1т + V2т) * &rho;г</center>"
        "<p>где Vа = 0,01 * P1 * V - объем газа, вышедшего из аппарата, м<sup>3</sup>;"
        "<p>P1 - давление в аппарате, равное 500кПа;<p>V - объем аппарата, равный 2 м<sup>3</sup>;"
        "<p>V1т = q * T - объем газа, вышедшего из трубопровода до его отключения, м<sup>3</sup>;"
        "<p>q - расход газа, равный 0,005 м<sup>3</sup>/с;"
        "<p>T - расчетное время отключения трубопровода, равное 300с;"
        "<p>V2т = 0,01 * &pi; * P2 * &Sigma; r<sup>2</sup> * L - объем газа, вышедшего из трубопроводов "
        "после их отключения, м<sup>3</sup>;<p>P2 - максимальное давление в трубопроводе, равное 500кПа;"
        "<p>r, L - внутренний радиус (половина внутреннего диаметра d) и длина участков трубопроводов: "
        "d=50мм, L=10м;<p>&rho;г - плотность газа при расчетной температуре, равная 1,73кг/м<sup>3</sup>."
        "<p><p>После подстановки имеющихся значений имеем:<p>Vа = 10 м<sup>3</sup>; V1т = 1,5 м<sup>3</sup>; "
        "V2т = 0,0981747704246811 м<sup>3</sup>;<p>m = 20,0648423528347кг"_s);
    propane.pipelines.clear();
    EXPECT_TRUE(gasReleaseSubsection(calculateGasRelease(propane, comma), comma)
                    .contains(u"участков трубопроводов: трубопроводов нет;<p>"_s));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder that can never be created: its parent is a regular file. Root ignores permission bits,
// so a read-only folder would not do.
QString folderBelowAFile(const QTemporaryDir& dir)
{
    QFile blocker(dir.filePath(u"plain-file"_s));
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    return blocker.fileName() + u"/folder"_s;
}

TEST(ReportDocument, IsFourLinesEndedByCrLfInWindows1251WithoutAByteOrderMark)
{
    EXPECT_EQ(reportDocument(u"Жук \u2126"_s),
              "<html>\r\n<font face=\"Times New Roman\">\r\n\xC6\xF3\xEA ?\r\n</html>\r\n");
    EXPECT_EQ(reportDocument(QString()), "<html>\r\n<font face=\"Times New Roman\">\r\n\r\n</html>\r\n");
    const QList<QByteArray> lines = reportDocument(QString(200000, u'Ж')).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], QByteArray(200000, char(0xC6)) + '\r');
}

QString documentIn(const QString& folder)
{
    return folder + u"/proect.htm"_s;
}

// Each folder in turn: one that cannot be made, one with a folder in the way, a full one, one past a
// file-size limit. The first that takes the whole document gets it; the others keep nothing.
TEST(ReportDocument, GoesWholeIntoTheFirstFolderThatTakesItOrNamesEveryFileThatFailed)
{
    QTemporaryDir dir;
    const QByteArray document = reportDocument(u"Р = 1кПа."_s);
    QStringList refusing = {folderBelowAFile(dir), dir.filePath(u"in-the-way"_s)};
    QDir(dir.path()).mkpath(u"in-the-way/proect.htm"_s);
    FullFileSystem full;
    if (full.mounted()) {
        full.fill();
        refusing += full.path();
    }
    const QString good = dir.filePath(u"good"_s);
    EXPECT_EQ(writeReportDocument(refusing + QStringList{good}, document), documentIn(good));
    EXPECT_EQ(readAll(documentIn(good)), document);
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
    EXPECT_EQ(readAll(documentIn(good)), document) << "a cut document never replaces the last one";
    EXPECT_EQ(QDir(good).entryList(QDir::Files | QDir::Hidden), QStringList{u"proect.htm"_s});
}

// A symbolic link named like the document, say to a calculation file, or a FIFO that would block
// the program: both are replaced by the document instead of being opened.
TEST(ReportDocument, ReplacesALinkOrAPipeInsteadOfWritingThroughIt)
{
    QTemporaryDir dir;
    const QString calculation = dir.filePath(u"calculation.pzr"_s);
    QFile file(calculation);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("//Morvex//\r\n") > 0);
    file.close();
    QDir(dir.path()).mkpath(u"linked"_s);
    QDir(dir.path()).mkpath(u"piped"_s);
    ASSERT_TRUE(QFile::link(calculation, documentIn(dir.filePath(u"linked"_s))));
    ASSERT_EQ(mkfifo(QFile::encodeName(documentIn(dir.filePath(u"piped"_s))).constData(), 0600), 0);
    const QByteArray document = reportDocument(u"x"_s);
    for (const char* folder : {"linked", "piped"}) {
        const QString path = documentIn(dir.filePath(QString::fromLatin1(folder)));
        EXPECT_EQ(writeReportDocument({dir.filePath(QString::fromLatin1(folder))}, document), path);
        EXPECT_TRUE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) << folder;
        EXPECT_EQ(readAll(path), document) << folder;
    }
    EXPECT_EQ(readAll(calculation), "//Morvex//\r\n");
}

} // namespace
