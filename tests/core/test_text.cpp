#include "core/base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnik;

TEST(Utf8, LengthCountsCharactersAndStrayBytes) {
    EXPECT_EQ(utf8Length(""), 0u);
    EXPECT_EQ(utf8Length("abc"), 3u);
    EXPECT_EQ(utf8Length("zażółć"), 6u);
    EXPECT_EQ(utf8Length("€"), 1u);
    EXPECT_EQ(utf8Length("\xF0\x9F\x98\x80"), 1u); // one character outside the BMP
    EXPECT_EQ(utf8Length("a\xFF"
                         "b"),
              3u);
    EXPECT_EQ(utf8Length("\xC5"), 1u); // truncated sequence
    EXPECT_EQ(utf8Length("\xC5"
                         "a"),
              2u); // lead byte followed by a non-continuation
    EXPECT_EQ(utf8Length("\x80\x80"), 2u);
}

TEST(Utf8, LeftNeverCutsACharacter) {
    EXPECT_EQ(utf8Left("żółw", 0), "");
    EXPECT_EQ(utf8Left("żółw", 2), "żó");
    EXPECT_EQ(utf8Left("żółw", 4), "żółw");
    EXPECT_EQ(utf8Left("żółw", 10), "żółw");
    EXPECT_EQ(utf8Left("a€b", 2), "a€");
}

TEST(Utf8, DecodingReplacesMalformedBytes) {
    EXPECT_EQ(utf8ToU32("aą€\xF0\x9F\x98\x80"), (std::u32string{U'a', 0x105, 0x20AC, 0x1F600}));
    // Overlong form of '/', a surrogate, a code point above U+10FFFF and a lone continuation.
    EXPECT_EQ(utf8ToU32("\xC0\xAF"), std::u32string(2, U'\uFFFD'));
    EXPECT_EQ(utf8ToU32("\xE0\x80\xAF"), std::u32string(3, U'\uFFFD'));
    EXPECT_EQ(utf8ToU32("\xF0\x8F\xBF\xBF"), std::u32string(4, U'\uFFFD'));
    EXPECT_EQ(utf8ToU32("\xED\xA0\x80"), std::u32string(3, U'\uFFFD'));
    EXPECT_EQ(utf8ToU32("\xF4\x90\x80\x80"), std::u32string(4, U'\uFFFD'));
    EXPECT_EQ(utf8ToU32("x\x80y"), (std::u32string{U'x', 0xFFFD, U'y'}));
    // A truncated sequence costs only its lead byte; what follows still decodes.
    EXPECT_EQ(utf8ToU32("\xE2\x82"
                        "a"),
              (std::u32string{0xFFFD, 0xFFFD, U'a'}));
}

TEST(Utf8, EncodeDecodeRoundTripAcrossAllRanges) {
    const char32_t samples[] = {0x0,    0x7F,    0x80,    0x7FF,    0x800, 0xD7FF, 0xE000, 0xFFFD,
                                0xFFFF, 0x10000, 0x1F600, 0x10FFFF, 0x105, 0x142,  0x17C,  0x20AC};
    for (char32_t c : samples) {
        std::string s;
        appendUtf8(s, c);
        std::size_t pos = 0;
        EXPECT_EQ(decodeUtf8(s, pos), c) << std::hex << static_cast<unsigned>(c);
        EXPECT_EQ(pos, s.size());
    }
    EXPECT_EQ(u32ToUtf8(U"Zażółć gęślą jaźń"), "Zażółć gęślą jaźń");
    // A surrogate or a value out of range has no UTF-8 form.
    EXPECT_EQ(u32ToUtf8(std::u32string{0xD800}), "\uFFFD");
    EXPECT_EQ(u32ToUtf8(std::u32string{0x110000}), "\uFFFD");
}

TEST(Text, TrimRemovesBlanksAndControlsOnly) {
    EXPECT_EQ(trim("  \t ala ma kota\r\n"), "ala ma kota");
    EXPECT_EQ(trim(" \x01 żółw \x1F"), "żółw");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trimLeft("  a b  "), "a b  ");
    EXPECT_EQ(trimRight("  a b  "), "  a b");
    // A non-breaking space is a character, not a blank of the old toolkit.
    EXPECT_EQ(trim("\u00A0x\u00A0"), "\u00A0x\u00A0");
}

TEST(Text, ParseInt32AcceptsStrictDecimalIntegers) {
    struct Case {
        const char* text;
        int value;
    };
    const Case good[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+15", 15},
        {"  123  ", 123},
        {"\t-5\r\n", -5},
        {"0000000000000000000012", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-0", 0},
    };
    for (const Case& c : good) {
        int value = 999;
        EXPECT_TRUE(parseInt32(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(Text, ParseInt32RejectsEverythingElseAndLeavesTheTargetAlone) {
    const char* bad[] = {"",
                         " ",
                         "-",
                         "+",
                         "--1",
                         "+-1",
                         "- 1",
                         "12a",
                         "a12",
                         "1 2",
                         "1.5",
                         "1,5",
                         "0x10",
                         "1e3",
                         "2147483648",
                         "-2147483649",
                         "99999999999999999999",
                         "１２"};
    for (const char* text : bad) {
        int value = 777;
        EXPECT_FALSE(parseInt32(text, value)) << text;
        EXPECT_EQ(value, 777) << text;
    }
}

TEST(Text, JoinCrLfPutsBreaksOnlyBetweenLines) {
    EXPECT_EQ(joinCrLf({}), "");
    EXPECT_EQ(joinCrLf({"jedna"}), "jedna");
    EXPECT_EQ(joinCrLf({"a", "", "c"}), "a\r\n\r\nc");
    EXPECT_EQ(joinCrLf({"", ""}), "\r\n");
}
