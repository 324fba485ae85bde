#include "core_test.h"
#include "numbers.h"
#include "user_error.h"

using namespace Qt::StringLiterals;

namespace {

// Each value as a comma locale shows it; a dot locale shows the same text with a point.
template <typename Number, std::size_t count>
void expectShown(const std::pair<Number, const char*> (&shown)[count])
{
    for (const auto& [value, comma] : shown) {
        EXPECT_EQ(formatNumber(value, commaLocale()), QString::fromLatin1(comma));
        EXPECT_EQ(formatNumber(value, dotLocale()), QString::fromLatin1(comma).replace(u',', u'.'));
    }
}

TEST(FormatNumber, WritesFifteenOrForASingleSevenSignificantDigitsAndTheExponentFormOutsideTheFixedRange)
{
    // clang-format off
    const std::pair<double, const char*> doubles[] = {
        {3600, "3600"}, {-0.0, "0"}, {-12.5, "-12,5"}, {0.1 + 0.2, "0,3"}, {2.0 / 3, "0,666666666666667"},
        {100 / 10.68, "9,36329588014981"}, {0.0001, "0,0001"}, {0.00012, "0,00012"}, {0.00001, "1E-05"},
        {-0.000012345, "-1,2345E-05"}, {2.5e-300, "2,5E-300"}, {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"}, {1.5e16, "1,5E+16"}};
    const std::pair<float, const char*> singles[] = {
        {float(8.0 * 12 / 3600), "0,02666667"}, {-0.5f, "-0,5"}, {0.000192933f, "0,000192933"},
        {9999999.0f, "9999999"}, {10000000.0f, "1E+07"}};
    // clang-format on
    expectShown(doubles);
    expectShown(singles);
}

TEST(ParseNumber, ReadsOnlyPlainNumbersWithTheLocaleSeparator)
{
    const std::pair<const char*, double> accepted[] = {
        {"900", 900},        {"0,3", 0.3},  {"  12,5  ", 12.5}, {"+7", 7}, {"-2,25", -2.25}, {"1E-05", 1e-5},
        {"1,5e+16", 1.5e16}, {"2E3", 2000}, {",5", 0.5},        {"5,", 5}, {"007", 7},       {"1E-400", 0}};
    for (const auto& [text, value] : accepted)
        EXPECT_DOUBLE_EQ(parseNumber(QString::fromUtf8(text), commaLocale()), value) << text;
    for (const char* text : {"", "   ", "0.3", "1\u00a0000", "1 000", "12кг", "abc", "inf", "nan", "0x1A",
                             "1E+400", "-", ",", "1E", "1E+", "--1", "1,2,3"})
        EXPECT_THROW(parseNumber(QString::fromUtf8(text), commaLocale()), UserError) << text;
    EXPECT_DOUBLE_EQ(parseNumber(u"-1.5E+16"_s, dotLocale()), -1.5e16);
    EXPECT_THROW(parseNumber(u"0,3"_s, dotLocale()), UserError);
    EXPECT_THROW(parseNumber(u"1,000"_s, dotLocale()), UserError);
}

} // namespace
