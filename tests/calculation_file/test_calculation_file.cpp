#include "calculation_file.h"
#include "core_test.h"
#include "numbers.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using S = CalculationState;
using Member = std::variant<double S::*, float S::*>;

// Lines 2 to 33 of the file, as the format lays them down.
const Member fileOrder[] = {&S::EP,    &S::Pmax, &S::po, &S::Mass, &S::Z,  &S::Vsv, &S::pgp, &S::Cst,
                            &S::Kn,    &S::M,    &S::Fi, &S::n,    &S::L,  &S::U,   &S::nu,  &S::W,
                            &S::Vvent, &S::T,    &S::Pn, &S::Em,   &S::tr, &S::pl,  &S::A,   &S::B,
                            &S::C,     &S::T1,   &S::nC, &S::nH,   &S::nO, &S::nX,  &S::Mpr, &S::Qsg};

// Numbers that all differ, with more digits than a file keeps, negative ones and exponent forms.
CalculationState busyState()
{
    CalculationState state;
    int i = 0;
    for (const Member& member : fileOrder)
        std::visit(
            [&](auto m) { ++i, state.*m = (i % 4 ? 1 : -1) * (i + 1) / 7.0 * std::pow(10.0, i % 6 - 2); },
            member);
    state.T = 1.0 / 3e5;
    state.Pn = 1.5e16 / 7;
    state.out = u"<p>report</p>"_s;
    return state;
}

// Every number as the fields show it, after a blank or the minus sign, and a blank; plain ASCII.
TEST(CalculationFileWriting, WritesEachNumberBetweenSignPlaceAndBlankAndRefusesOneThatCouldNotBeReadBack)
{
    CalculationState state{.EP = -2.5, .Qsg = 0.5, .U = 1.0f / 3};
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt); // its own separator: the file keeps a point
    EXPECT_EQ(writeCalculationFile(state, commaLocale()).split('\n').value(1), "-2,5 \r");
    EXPECT_EQ(writeCalculationFile(state, commaLocale()).split('\n').value(14), " 0,3333333 \r");
    EXPECT_EQ(writeCalculationFile(state, arabic).split('\n').value(32), " 0.5 \r");
    for (char c : writeCalculationFile(busyState(), arabic))
        EXPECT_TRUE(c > 0 && c < 0x7f) << "plain ASCII in any locale, not " << int(c);
    state.W = std::numeric_limits<float>::infinity();
    try {
        writeCalculationFile(state, commaLocale());
        FAIL() << "an infinite W was written";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().endsWith(u" W"_s)) << error.what();
    }
}

// Every number comes back as it was written, whichever locale wrote it: written again, the file is the same.
TEST(CalculationFileReading, AcceptsEitherSeparatorLineEndAndBlanks)
{
    const QByteArray file = writeCalculationFile(busyState(), commaLocale());
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
        EXPECT_EQ(writeCalculationFile(opened, commaLocale()), file) << bytes.left(60).data();
    }
}

// The same file with one line (1 to 33) replaced.
QByteArray withLine(const QByteArray& file, int line, const QByteArray& text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

TEST(CalculationFileReading, ExplainsWhyAFileIsRejected)
{
    const QByteArray file = writeCalculationFile(busyState(), commaLocale());
    const std::pair<QByteArray, const char*> rejected[] = {
        {withLine(file, 1, "//morvex//"), "не файл расчета"},
        {' ' + file, "не файл расчета"},
        {QByteArray(file).replace("\r\n", "\r"), "не файл расчета"},
        {"//Morvex//", "в первой строке"},
        {file.split('\n').mid(0, 10).join('\n') + '\n', "после строки 10,"},
        {file.chopped(4), "после строки 32,"},
        {withLine(file, 15, " abc "), "в строке 15 вместо числа стоит « abc »"},
        {withLine(file, 2, " 1 000 "), "в строке 2 "},
        {withLine(file, 3, " 1E+400 "), "в строке 3 "},
        {withLine(file, 5, QByteArray(" 3600 ").replace('6', '\0')), "в строке 5 "},
        {withLine(file, 15, " 1E+39 "), "слишком велико для величины U"},
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

// The block after line 33: plain ASCII, escapes for the rest, entries back in file order, unknown
// keys carried as they are; a file without entries is the 33 lines alone.
TEST(CalculationFileExtension, CarriesEveryTextInPlainAsciiAfterTheThirtyThreeLines)
{
    const CalculationFileExtension extension = {{u"substance.name"_s, u"Ацетон \\ 2\u00B0"_s},
                                                {u"future.key-1"_s, u""_s},
                                                {u"gas.note"_s, u"a=b \U0001F525"_s}};
    const QByteArray plain = writeCalculationFile(busyState(), commaLocale());
    const QByteArray file = writeCalculationFile(busyState(), commaLocale(), extension);
    EXPECT_EQ(file,
              plain
                  + "[overpressure 1]\r\nsubstance.name=\\u0410\\u0446\\u0435\\u0442\\u043E\\u043D \\\\ "
                    "2\\u00B0\r\nfuture.key-1=\r\ngas.note=a=b \\uD83D\\uDD25\r\n");
    EXPECT_EQ(readCalculationFile(file).extension, extension);
}

TEST(CalculationFileExtension, RefusesADamagedBlockNamingTheLine)
{
    const QByteArray file = writeCalculationFile(busyState(), commaLocale()) + "[overpressure 1]\r\na=1\r\n";
    const std::pair<QByteArray, const char*> rejected[] = {
        {file + "no equals sign\r\n", "в строке 36 нет знака «=»"},
        {file + "=1\r\n", "в строке 36 неверное имя"},
        {file + "b=\\x\r\n", "в строке 36 неверная экранирующая"},
        {file + "b=\\uD83D\r\n", "в строке 36 неверная экранирующая"},
        {file + "b=\xd0\x90\r\n", "в строке 36 недопустимый байт"},
        {file + "b=1\n", "в строке 36 строка не окончена"},
        {file + "b=1", "в строке 36 строка не окончена"},
        {file + "b=1\rc=2\r\n", "в строке 36 строка не окончена"},
        {file + "a=2\r\n", "в строке 36 повторно задано значение a"},
        {QByteArray(file).replace("1]\r\n", "1]\n"), "в строке 34 строка не окончена"},
        {QByteArray(file).replace("1]", "1]x"), "в строке 34 нет метки"},
        {QByteArray(file).replace("1]", "2]"), "после строки 33 в файле есть лишние строки"}};
    for (const auto& [bytes, reason] : rejected) {
        try {
            readCalculationFile(bytes);
            ADD_FAILURE() << "accepted, though " << reason;
        } catch (const UserError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(reason))) << error.what();
        }
    }
}

} // namespace
