#include "windows1251.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray result;
    for (unsigned char value : values)
        result += char(value);
    return result;
}

} // namespace

TEST(Windows1251, KeepsAsciiAsItIs)
{
    const QString ascii = QStringLiteral("<p>Qx = 0,5 (1)</p>\t~");
    EXPECT_EQ(encodeWindows1251(ascii), ascii.toLatin1());
    EXPECT_EQ(decodeWindows1251(ascii.toLatin1()), ascii);
}

TEST(Windows1251, PutsTheCyrillicAlphabetInAlphabeticalOrderFromC0)
{
    QString alphabet;
    for (char16_t c = 0x0410; c <= 0x044F; ++c)
        alphabet += QChar(c);
    const QByteArray encoded = encodeWindows1251(alphabet);
    ASSERT_EQ(encoded.size(), 64);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(static_cast<unsigned char>(encoded[i]), 0xC0 + i) << "letter " << i;
}

struct SpecialCharacter {
    const char* name;
    char16_t character;
    unsigned char byte;
};

class Windows1251Special : public testing::TestWithParam<SpecialCharacter> {};

TEST_P(Windows1251Special, MapsBothWays)
{
    const SpecialCharacter row = GetParam();
    EXPECT_EQ(encodeWindows1251(QString(QChar(row.character))), bytes({row.byte}));
    EXPECT_EQ(decodeWindows1251(bytes({row.byte})), QString(QChar(row.character)));
}

INSTANTIATE_TEST_SUITE_P(
    UpperHalf, Windows1251Special,
    testing::Values(SpecialCharacter{"CapitalIo", 0x0401, 0xA8}, SpecialCharacter{"SmallIo", 0x0451, 0xB8},
                    SpecialCharacter{"Euro", 0x20AC, 0x88}, SpecialCharacter{"Numero", 0x2116, 0xB9},
                    SpecialCharacter{"NoBreakSpace", 0x00A0, 0xA0}, SpecialCharacter{"EmDash", 0x2014, 0x97},
                    SpecialCharacter{"Degree", 0x00B0, 0xB0}, SpecialCharacter{"UkrainianGhe", 0x0490, 0xA5},
                    SpecialCharacter{"SerbianDje", 0x0402, 0x80},
                    SpecialCharacter{"CapitalShortU", 0x040E, 0xA1}),
    [](const testing::TestParamInfo<SpecialCharacter>& info) { return std::string(info.param.name); });

TEST(Windows1251, EveryAssignedByteSurvivesTheRoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const QByteArray one = bytes({static_cast<unsigned char>(b)});
        EXPECT_EQ(encodeWindows1251(decodeWindows1251(one)), one) << "byte " << b;
    }
}

TEST(Windows1251, TheUnassignedByteDecodesToTheReplacementCharacter)
{
    EXPECT_EQ(decodeWindows1251(bytes({0x98})), QString(QChar(0xFFFD)));
}

TEST(Windows1251, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    const QString greekOmega(QChar(0x03A9));
    const QString cjk(QChar(0x4E2D));
    const QString replacement(QChar(0xFFFD));
    const QString emoji = QString::fromUcs4(U"\U0001F525");
    ASSERT_EQ(emoji.size(), 2);
    EXPECT_EQ(encodeWindows1251(QString(greekOmega + cjk + replacement)), QByteArray("???"));
    EXPECT_EQ(encodeWindows1251(QString(u'a' + emoji + u'b')), QByteArray("a?b"));
}

TEST(Windows1251, ALoneSurrogateBecomesAQuestionMark)
{
    EXPECT_EQ(encodeWindows1251(QString(QString(QChar(0xD83D)) + u'x')), QByteArray("?x"));
    EXPECT_EQ(encodeWindows1251(QString(QChar(0xDC25))), QByteArray("?"));
}
