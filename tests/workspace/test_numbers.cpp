#include "input_error.h"
#include "numbers.h"
#include "window_test.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Formatted {
    const char* name;
    double value;
    const char* comma;
    const char* dot;
};
void PrintTo(const Formatted& row, std::ostream* os) { *os << row.name; }

class FormatDouble : public ::testing::TestWithParam<Formatted> {};

TEST_P(FormatDouble, WritesFifteenSignificantDigitsWithTheLocaleSeparator)
{
    const Formatted& row = GetParam();
    EXPECT_EQ(formatNumber(row.value, commaLocale()).toStdString(), row.comma);
    EXPECT_EQ(formatNumber(row.value, dotLocale()).toStdString(), row.dot);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDouble,
    ::testing::Values(Formatted{"whole", 3600, "3600", "3600"}, Formatted{"zero", 0, "0", "0"},
                      Formatted{"negativeZero", -0.0, "0", "0"},
                      Formatted{"oneThird", 1.0 / 3, "0,333333333333333", "0.333333333333333"},
                      Formatted{"twoThirds", 2.0 / 3, "0,666666666666667", "0.666666666666667"},
                      Formatted{"tenthsOfZ", 0.3, "0,3", "0.3"},
                      Formatted{"smallestFixed", 0.0001, "0,0001", "0.0001"},
                      Formatted{"firstExponent", 0.00001, "1E-05", "1E-05"},
                      Formatted{"smallMantissa", 0.000012345, "1,2345E-05", "1.2345E-05"},
                      Formatted{"largestFixed", 999999999999999, "999999999999999", "999999999999999"},
                      Formatted{"fromE15", 1e15, "1E+15", "1E+15"},
                      Formatted{"roundsUpToE15", 999999999999999.9, "1E+15", "1E+15"},
                      Formatted{"largeMantissa", 1.5e16, "1,5E+16", "1.5E+16"},
                      Formatted{"hugeExponent", 1.5e300, "1,5E+300", "1.5E+300"},
                      Formatted{"tinyExponent", 2.5e-300, "2,5E-300", "2.5E-300"},
                      Formatted{"negative", -12.5, "-12,5", "-12.5"},
                      Formatted{"negativeExponent", -0.00001, "-1E-05", "-1E-05"},
                      Formatted{"roomPressure", 99.875, "99,875", "99.875"},
                      Formatted{"stoichiometry", 100 / 10.68, "9,36329588014981", "9.36329588014981"},
                      Formatted{"sixteenDigitsRounded", 0.1 + 0.2, "0,3", "0.3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFloat, WritesSevenSignificantDigits)
{
    const float velocity = float(8.0 * 12 / 3600);
    EXPECT_EQ(formatNumber(velocity, commaLocale()), QStringLiteral("0,02666667"));
    EXPECT_EQ(formatNumber(velocity, dotLocale()), QStringLiteral("0.02666667"));
    EXPECT_EQ(formatNumber(float(1.0 / 3), commaLocale()), QStringLiteral("0,3333333"));
    EXPECT_EQ(formatNumber(9999999.0f, dotLocale()), QStringLiteral("9999999"));
    EXPECT_EQ(formatNumber(10000000.0f, dotLocale()), QStringLiteral("1E+07"));
    EXPECT_EQ(formatNumber(0.000192933f, dotLocale()), QStringLiteral("0.000192933"));
    EXPECT_EQ(formatNumber(-0.5f, commaLocale()), QStringLiteral("-0,5"));
}

struct Parsed {
    const char* name;
    const char* text;
    double value;
};
void PrintTo(const Parsed& row, std::ostream* os) { *os << row.name; }

class ParseAccepted : public ::testing::TestWithParam<Parsed> {};

TEST_P(ParseAccepted, ReadsTheNumberInACommaLocale)
{
    EXPECT_DOUBLE_EQ(parseNumber(QString::fromUtf8(GetParam().text), commaLocale()), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Examples, ParseAccepted,
                         ::testing::Values(Parsed{"whole", "900", 900}, Parsed{"decimal", "0,3", 0.3},
                                           Parsed{"blanks", "  12,5  ", 12.5}, Parsed{"plus", "+7", 7},
                                           Parsed{"minus", "-2,25", -2.25}, Parsed{"exponent", "1E-05", 1e-5},
                                           Parsed{"lowerExponent", "1,5e+16", 1.5e16},
                                           Parsed{"unsignedExponent", "2E3", 2000},
                                           Parsed{"noIntegerPart", ",5", 0.5},
                                           Parsed{"noFraction", "5,", 5}, Parsed{"leadingZeros", "007", 7},
                                           Parsed{"underflowIsZero", "1E-400", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class ParseRejected : public ::testing::TestWithParam<Parsed> {};

TEST_P(ParseRejected, ThrowsInputError)
{
    EXPECT_THROW(parseNumber(QString::fromUtf8(GetParam().text), commaLocale()), InputError);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ParseRejected,
    ::testing::Values(Parsed{"empty", "", 0}, Parsed{"blank", "   ", 0}, Parsed{"dotInCommaLocale", "0.3", 0},
                      Parsed{"grouping", "1\u00a0000", 0}, Parsed{"groupingSpace", "1 000", 0},
                      Parsed{"trailingJunk", "12кг", 0}, Parsed{"letters", "abc", 0},
                      Parsed{"inf", "inf", 0}, Parsed{"infinity", "Infinity", 0}, Parsed{"nan", "nan", 0},
                      Parsed{"hex", "0x1A", 0}, Parsed{"overflow", "1E+400", 0}, Parsed{"onlySign", "-", 0},
                      Parsed{"onlySeparator", ",", 0}, Parsed{"bareExponent", "1E", 0},
                      Parsed{"exponentSignOnly", "1E+", 0}, Parsed{"twoSigns", "--1", 0},
                      Parsed{"twoSeparators", "1,2,3", 0}, Parsed{"innerBlank", "1 2", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, FollowsTheDotLocale)
{
    EXPECT_DOUBLE_EQ(parseNumber(QStringLiteral("0.3"), dotLocale()), 0.3);
    EXPECT_THROW(parseNumber(QStringLiteral("0,3"), dotLocale()), InputError);
    EXPECT_THROW(parseNumber(QStringLiteral("1,000"), dotLocale()), InputError);
}

TEST(NumberRules, RoundTripFifteenDigitValues)
{
    for (double value : {0.123456789012345, 123456.789012345, 9.99999999999999e-5, -4.52, 1.0 / 7, 6.02214076e23})
        for (const QLocale& locale : {commaLocale(), dotLocale()}) {
            const double back = parseNumber(formatNumber(value, locale), locale);
            EXPECT_EQ(formatNumber(back, locale), formatNumber(value, locale));
            EXPECT_NEAR(back, value, std::fabs(value) * 1e-14);
        }
}

} // namespace
