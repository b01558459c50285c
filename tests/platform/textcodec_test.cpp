#include "platform/textcodec.h"

#include <gtest/gtest.h>

#include <iconv.h>

using namespace zimo;

TEST(Baltic, LatvianLettersRoundTripThroughTheirCodePageBytes)
{
    const QString text = QStringLiteral("āčēģīķļņšūž ĀČĒĢĪĶĻŅŠŪŽ");
    const Encoded encoded = encodeWindows1257(text);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(encoded.bytes[0]), 0xE2) << "ā";
    EXPECT_EQ(static_cast<unsigned char>(encoded.bytes[8]), 0xF0) << "š";
    EXPECT_EQ(decodeWindows1257(encoded.bytes), text);
}

TEST(Baltic, ReportsTheFirstCharacterItCannotHold)
{
    const Encoded encoded = encodeWindows1257(QStringLiteral("ab\ncж€ф"));
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.badIndex, 4);
    EXPECT_EQ(lineOfIndex(QStringLiteral("ab\ncж"), 4), 2);
}

TEST(ProgramText, LineEndsOfEveryKindEndLinesAndTheLastOneIsDropped)
{
    EXPECT_EQ(programTextFromFile("a\r\nb\r\n"), u"a\r\nb");
    EXPECT_EQ(programTextFromFile("a\nb\rc"), u"a\r\nb\r\nc");
    EXPECT_EQ(programTextFromFile("a\r\n\r\n"), u"a\r\n");
    EXPECT_EQ(programTextFromFile(""), u"");
    EXPECT_EQ(programTextFromFile("\r\n"), u"");
    EXPECT_EQ(programTextFromFile("a\n\rb"), u"a\r\n\r\nb") << "LF then CR are two line ends";
}

TEST(ProgramText, ValidUtf8WithLettersIsReadAsUtf8AndEverythingElseAsBaltic)
{
    EXPECT_EQ(programTextFromFile(QByteArray("zieds \xc4\x81", 8)), u"zieds ā");
    EXPECT_EQ(programTextFromFile(QByteArray("zieds \xe2", 7)), u"zieds ā");
    const QByteArray broken("\xc4\x81\xff", 3);
    EXPECT_EQ(programTextFromFile(broken), decodeWindows1257(broken));
}

TEST(WorkFileSplit, ACarriageReturnEndsALineAndALoneLineFeedDoesNot)
{
    EXPECT_EQ(splitWorkFileLines(QStringLiteral("a\r\nb\r\n")), (QStringList { "a", "b" }));
    EXPECT_EQ(splitWorkFileLines(QStringLiteral("\r\n")), QStringList { "" });
    EXPECT_EQ(splitWorkFileLines(QStringLiteral("a\nb\r\n")), QStringList { "a\nb" });
    EXPECT_EQ(splitWorkFileLines(QStringLiteral("a\r\r\n")), (QStringList { "a", "" }));
    EXPECT_EQ(splitWorkFileLines(QStringLiteral("a\r\nb")), (QStringList { "a", "b" }));
}

// The code page's table is our own; the C library's converter is the reference it must
// match byte for byte, so files read and written before keep their letters.
TEST(Baltic, EveryByteDecodesAsTheCLibraryConverterDecodesIt)
{
    iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1257");
    ASSERT_NE(cd, iconv_t(-1));
    for (int b = 0; b < 256; ++b) {
        char in = char(b);
        char16_t expected = 0xFFFD;
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(&expected);
        size_t inLeft = 1;
        size_t outLeft = sizeof expected;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            expected = 0xFFFD;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        const QByteArray byte(1, char(b));
        EXPECT_EQ(decodeWindows1257(byte), QString(QChar(expected))) << "byte " << b;
        if (expected != 0xFFFD) {
            EXPECT_EQ(encodeWindows1257(QString(QChar(expected))).bytes, byte) << "byte " << b;
        }
    }
    iconv_close(cd);
}
