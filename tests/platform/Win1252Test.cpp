// Conversion between Windows-1252 bytes and UTF-8.
#include "platform/Win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = Win1252ToUtf8(all);
    EXPECT_EQ(Utf8ToWin1252(utf8), all);
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, char(b));
        EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(one)), one) << b;
    }
}

TEST(Win1252, MapsTheHighBytes) {
    EXPECT_EQ(Win1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Win1252ToUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(Win1252ToUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    EXPECT_EQ(Win1252ToUtf8("\xA0"), "\xC2\xA0");
    // Undefined bytes become the C1 control of the same value.
    EXPECT_EQ(Win1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");

    EXPECT_EQ(Utf8ToWin1252("Größe 5 € „x“"),
              "Gr\xF6\xDF"
              "e 5 \x80 \x84x\x93");
    EXPECT_EQ(Utf8ToWin1252("\xC2\x8D"), "\x8D");
}

TEST(Win1252, UnmappableAndInvalidInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToWin1252("a\xE4\xB8\xAD"
                            "b"),
              "a?b");                                      // CJK character
    EXPECT_EQ(Utf8ToWin1252("\xF0\x9F\x98\x80"), "?");     // outside the BMP
    EXPECT_EQ(Utf8ToWin1252("\xC2\x80"), "?");             // U+0080 has no byte
    EXPECT_EQ(Utf8ToWin1252("x\xC3"), "x?");               // truncated sequence
    EXPECT_EQ(Utf8ToWin1252("\xC3x"), "?x");               // missing continuation
    EXPECT_EQ(Utf8ToWin1252("\xC0\x80"), "??");            // overlong
    EXPECT_EQ(Utf8ToWin1252("\xED\xA0\x80"), "???");       // encoded surrogate
    EXPECT_EQ(Utf8ToWin1252("\xF4\x90\x80\x80"), "????");  // above U+10FFFF
    EXPECT_EQ(Utf8ToWin1252("\xFF\xFE"), "??");
}

TEST(Win1252, Utf16ToUtf8) {
    EXPECT_EQ(Utf16ToUtf8(u"Maß €"), "Maß €");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, u'x'}), "?x");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), "??");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800}), "a?");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\0')), std::string(1, '\0'));
}
