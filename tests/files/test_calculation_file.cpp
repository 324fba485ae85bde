#include "calculation_file.h"
#include "calculation_samples.h"
#include "numbers.h"
#include "window_test.h"

#include <QSet>

#include <cmath>
#include <limits>

namespace {

// The first `count` lines of a file, each with its line end.
QByteArray firstLines(const QByteArray& bytes, int count)
{
    qsizetype end = 0;
    for (int i = 0; i < count; ++i)
        end = bytes.indexOf('\n', end) + 1;
    return bytes.left(end);
}

// The same file with one number line (2 to 33) replaced.
QByteArray withLine(const QByteArray& bytes, int line, const QByteArray& text)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

QByteArray commaFile() { return writeCalculationFile(busyState(), commaLocale()); }

// ---- Writing ------------------------------------------------------------------------------------

TEST(CalculationFileWriting, StartStateGivesTheStartFileInEitherLocale)
{
    EXPECT_EQ(writeCalculationFile(CalculationState(), commaLocale()), startStateFile());
    EXPECT_EQ(writeCalculationFile(CalculationState(), dotLocale()), startStateFile());
}

struct VariableLine {
    int line;
    std::variant<double CalculationState::*, float CalculationState::*> member;
};

const VariableLine variableLines[] = {
    {2, &CalculationState::EP},     {3, &CalculationState::Pmax}, {4, &CalculationState::po},
    {5, &CalculationState::Mass},   {6, &CalculationState::Z},    {7, &CalculationState::Vsv},
    {8, &CalculationState::pgp},    {9, &CalculationState::Cst},  {10, &CalculationState::Kn},
    {11, &CalculationState::M},     {12, &CalculationState::Fi},  {13, &CalculationState::n},
    {14, &CalculationState::L},     {15, &CalculationState::U},   {16, &CalculationState::nu},
    {17, &CalculationState::W},     {18, &CalculationState::Vvent}, {19, &CalculationState::T},
    {20, &CalculationState::Pn},    {21, &CalculationState::Em},  {22, &CalculationState::tr},
    {23, &CalculationState::pl},    {24, &CalculationState::A},   {25, &CalculationState::B},
    {26, &CalculationState::C},     {27, &CalculationState::T1},  {28, &CalculationState::nC},
    {29, &CalculationState::nH},    {30, &CalculationState::nO},  {31, &CalculationState::nX},
    {32, &CalculationState::Mpr},   {33, &CalculationState::Qsg},
};

TEST(CalculationFileWriting, EachVariableHasItsOwnLineAndEveryLineEndsInCrLf)
{
    CalculationState state;
    for (const VariableLine& row : variableLines)
        std::visit([&](auto member) { state.*member = row.line; }, row.member);
    const QList<QByteArray> lines = writeCalculationFile(state, dotLocale()).split('\n');
    ASSERT_EQ(lines.size(), 34);
    EXPECT_EQ(lines[0], identificationLine() + '\r');
    for (const VariableLine& row : variableLines)
        EXPECT_EQ(lines[row.line - 1], ' ' + QByteArray::number(row.line) + " \r") << "line " << row.line;
    EXPECT_TRUE(lines[33].isEmpty()) << "nothing follows the last line end";
}

struct NumberLineRow {
    const char* name;
    double value;
    bool single; // written as U (line 15) rather than as EP (line 2)
    QLocale locale;
    const char* line;
};

class NumberLine : public ::testing::TestWithParam<NumberLineRow> {};

TEST_P(NumberLine, IsWrittenAsTheFieldsShowTheNumberBetweenSignPlaceAndBlank)
{
    const NumberLineRow& row = GetParam();
    CalculationState state;
    if (row.single)
        state.U = float(row.value);
    else
        state.EP = row.value;
    const QList<QByteArray> lines = writeCalculationFile(state, row.locale).split('\n');
    EXPECT_EQ(lines[row.single ? 14 : 1], QByteArray(row.line) + '\r');
}

const NumberLineRow numberLineRows[] = {
    {"WholeNumber", 3600, false, commaLocale(), " 3600 "},
    {"CommaLocale", 0.3, false, commaLocale(), " 0,3 "},
    {"DotLocale", 0.3, false, dotLocale(), " 0.3 "},
    {"NegativeTakesTheBlanksPlace", -2.5, false, commaLocale(), "-2,5 "},
    {"FifteenSignificantDigits", 1.0 / 3, false, commaLocale(), " 0,333333333333333 "},
    {"SmallInExponentForm", 0.00001, false, commaLocale(), " 1E-05 "},
    {"LargeInExponentForm", 1.5e16, false, commaLocale(), " 1,5E+16 "},
    {"NegativeZeroIsZero", -0.0, false, dotLocale(), " 0 "},
    {"SingleWithSevenDigits", 1.0 / 3, true, commaLocale(), " 0,3333333 "},
    {"SingleInExponentFormFromSevenDigits", 12345678, true, dotLocale(), " 1.234568E+07 "},
    {"SeparatorOutsideAsciiBecomesAPoint", 0.5, false, QLocale(QLocale::Arabic, QLocale::Egypt), " 0.5 "},
};

INSTANTIATE_TEST_SUITE_P(CalculationFileWriting, NumberLine, ::testing::ValuesIn(numberLineRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationFileWriting, FileIsPlainAscii)
{
    for (char c : writeCalculationFile(busyState(), QLocale(QLocale::Arabic, QLocale::Egypt)))
        EXPECT_TRUE(c > 0 && c < 0x7f) << int(c);
}

TEST(CalculationFileWriting, RefusesANumberThatCouldNotBeReadBack)
{
    CalculationState state;
    state.W = std::numeric_limits<float>::infinity();
    try {
        writeCalculationFile(state, commaLocale());
        FAIL() << "an infinite W was written";
    } catch (const CalculationFileError& error) {
        EXPECT_TRUE(error.reason().endsWith(QStringLiteral(" W"))) << error.what();
    }
    state = CalculationState();
    state.Qsg = std::nan("");
    EXPECT_THROW(writeCalculationFile(state, dotLocale()), CalculationFileError);
}

TEST(CalculationFileTable, NamesEachOf32VariablesOnce)
{
    QSet<QByteArray> names;
    for (const CalculationFileValue& value : calculationFileValues())
        names.insert(value.name);
    EXPECT_EQ(names.size(), 32);
}

// ---- Reading ------------------------------------------------------------------------------------

TEST(CalculationFileReading, GivesBackWhatWasWrittenRoundedAsTheFileKeepsIt)
{
    const CalculationState saved = busyState();
    CalculationState opened;
    applyCalculationFile(readCalculationFile(writeCalculationFile(saved, commaLocale())), opened);
    EXPECT_EQ(fileNumbersOf(opened), fileNumbersOf(afterFileTrip(saved, commaLocale())));
    EXPECT_NE(opened.EP, saved.EP) << "EP has more than 15 significant digits";
    EXPECT_TRUE(opened.out.isEmpty()) << "the report is not part of the file";
}

TEST(CalculationFileReading, RoundsUAndWToSinglePrecision)
{
    CalculationFileContents contents = readCalculationFile(startStateFile());
    contents.values[13] = 0.1; // U
    contents.values[15] = 1.0 / 3; // W
    CalculationState state;
    applyCalculationFile(contents, state);
    EXPECT_EQ(state.U, 0.1f);
    EXPECT_EQ(state.W, float(1.0 / 3));
}

struct AcceptedRow {
    const char* name;
    QByteArray (*file)();
};

class AcceptedFile : public ::testing::TestWithParam<AcceptedRow> {};

TEST_P(AcceptedFile, GivesTheSameNumbers)
{
    const CalculationFileContents contents = readCalculationFile(GetParam().file());
    std::vector<double> numbers(contents.values.begin(), contents.values.end());
    CalculationState expected = afterFileTrip(busyState(), commaLocale());
    for (int i : {13, 15}) // U and W are read as written; they become floats when stored
        numbers[i] = double(float(numbers[i]));
    EXPECT_EQ(numbers, fileNumbersOf(expected));
}

const AcceptedRow acceptedRows[] = {
    {"CommaDecimalsAndCrLf", []() -> QByteArray { return commaFile(); }},
    {"PointDecimals", []() -> QByteArray { return writeCalculationFile(busyState(), dotLocale()); }},
    {"LineFeedsAlone", []() -> QByteArray { return commaFile().replace("\r\n", "\n"); }},
    {"MixedSeparators",
     []() -> QByteArray {
         QList<QByteArray> lines = commaFile().split('\n');
         for (qsizetype i = 1; i < lines.size(); i += 2)
             lines[i].replace(',', '.');
         return lines.join('\n');
     }},
    {"MoreBlanksAndTabs", []() -> QByteArray { return commaFile().replace(" \r\n", " \t \r\n").replace("\n ", "\n\t  "); }},
    {"NoBlanks", []() -> QByteArray { return commaFile().replace(" \r\n", "\r\n").replace("\n ", "\n"); }},
    {"BlankLinesAfterTheLastNumber", []() -> QByteArray { return commaFile() + "\r\n  \r\n"; }},
};

INSTANTIATE_TEST_SUITE_P(CalculationFileReading, AcceptedFile, ::testing::ValuesIn(acceptedRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectedRow {
    const char* name;
    QByteArray (*file)();
    const char* reason; // a part of the explanation the user gets
};

class RejectedFile : public ::testing::TestWithParam<RejectedRow> {};

TEST_P(RejectedFile, IsExplained)
{
    const RejectedRow& row = GetParam();
    try {
        readCalculationFile(row.file());
        FAIL() << "the file was accepted";
    } catch (const CalculationFileError& error) {
        EXPECT_TRUE(error.reason().contains(QString::fromUtf8(row.reason))) << error.what();
    }
}

const RejectedRow rejectedRows[] = {
    {"IdentificationInOtherCase", []() -> QByteArray { return withLine(startStateFile(), 1, identificationLine().toLower()); },
     "не файл расчета"},
    {"IdentificationWithABlank", []() -> QByteArray { return ' ' + startStateFile(); }, "не файл расчета"},
    {"EmptyFile", []() -> QByteArray { return QByteArray(); }, "не файл расчета"},
    {"CarriageReturnsAlone", []() -> QByteArray { return startStateFile().replace("\r\n", "\r"); }, "не файл расчета"},
    {"OnlyAnUnendedFirstLine", []() -> QByteArray { return identificationLine(); }, "в первой строке"},
    {"CutAfterLine10", []() -> QByteArray { return firstLines(commaFile(), 10); }, "после строки 10,"},
    {"CutInsideTheLastNumber", []() -> QByteArray { return commaFile().chopped(4); }, "после строки 32,"},
    {"WordInsteadOfANumber", []() -> QByteArray { return withLine(commaFile(), 15, " abc "); }, "в строке 15 вместо числа стоит « abc »"},
    {"EmptyNumberLine", []() -> QByteArray { return withLine(commaFile(), 20, ""); }, "в строке 20"},
    {"DigitGrouping", []() -> QByteArray { return withLine(commaFile(), 2, " 1 000 "); }, "в строке 2 "},
    {"TwoSeparators", []() -> QByteArray { return withLine(commaFile(), 33, " 1,000.5 "); }, "в строке 33"},
    {"BeyondADouble", []() -> QByteArray { return withLine(commaFile(), 3, " 1E+400 "); }, "в строке 3 "},
    {"NotANumberSpelled", []() -> QByteArray { return withLine(commaFile(), 4, " NaN "); }, "в строке 4 "},
    {"ZeroByteInANumber", []() -> QByteArray { return withLine(commaFile(), 5, QByteArray(" 36\0" "00 ", 6)); }, "в строке 5 "},
    {"SingleBeyondItsRange", []() -> QByteArray { return withLine(commaFile(), 15, " 1E+39 "); }, "слишком велико для величины U"},
    {"LineAfterTheLastNumber", []() -> QByteArray { return commaFile() + " 5 \r\n"; }, "лишние строки"},
    {"UnendedTextAfterTheLastNumber", []() -> QByteArray { return commaFile() + "x"; }, "лишние строки"},
    {"Oversized", []() -> QByteArray { return commaFile() + QByteArray(70 * 1024, ' '); }, "слишком велик"},
};

INSTANTIATE_TEST_SUITE_P(CalculationFileReading, RejectedFile, ::testing::ValuesIn(rejectedRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
