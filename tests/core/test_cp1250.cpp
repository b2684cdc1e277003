#include "core/base/cp1250.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tarnik;

TEST(Cp1250, EveryByteRoundTrips) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t c = cp1250ToUnicode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(c).second) << "two bytes decode to U+" << std::hex << unsigned(c);
        EXPECT_EQ(unicodeToCp1250(c), b) << "byte " << b;
    }

    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1250ToUtf8(all);
    EXPECT_EQ(utf8ToCp1250(utf8), all);
}

TEST(Cp1250, AsciiIsUnchanged) {
    for (int b = 0; b < 128; ++b)
        EXPECT_EQ(cp1250ToUnicode(static_cast<unsigned char>(b)), char32_t(b));
    EXPECT_EQ(cp1250ToUtf8("Ala ma kota\r\n"), "Ala ma kota\r\n");
    EXPECT_EQ(utf8ToCp1250("Ala ma kota\r\n"), "Ala ma kota\r\n");
}

TEST(Cp1250, PolishLettersBothWays) {
    struct Pair {
        unsigned char byte;
        char32_t code;
    };
    const Pair letters[] = {
        {0xA5, 0x104}, {0xB9, 0x105}, {0xC6, 0x106}, {0xE6, 0x107}, {0xCA, 0x118}, {0xEA, 0x119},
        {0xA3, 0x141}, {0xB3, 0x142}, {0xD1, 0x143}, {0xF1, 0x144}, {0xD3, 0x0D3}, {0xF3, 0x0F3},
        {0x8C, 0x15A}, {0x9C, 0x15B}, {0x8F, 0x179}, {0x9F, 0x17A}, {0xAF, 0x17B}, {0xBF, 0x17C},
    };
    for (const Pair& p : letters) {
        EXPECT_EQ(cp1250ToUnicode(p.byte), p.code) << std::hex << int(p.byte);
        EXPECT_EQ(unicodeToCp1250(p.code), p.byte) << std::hex << unsigned(p.code);
    }
    EXPECT_EQ(utf8ToCp1250("Zażółć gęślą jaźń"), "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1");
    EXPECT_EQ(cp1250ToUtf8("\xAF\xD3\xA3\xD1 \x8C\x8F\xC6\xCA\xA5"), "ŻÓŁŃ ŚŹĆĘĄ");
}

TEST(Cp1250, PunctuationAndOtherCentralEuropeanLetters) {
    EXPECT_EQ(cp1250ToUnicode(0x80), U'€');
    EXPECT_EQ(cp1250ToUnicode(0x84), U'„');
    EXPECT_EQ(cp1250ToUnicode(0x94), U'”');
    EXPECT_EQ(cp1250ToUnicode(0x96), U'–');
    EXPECT_EQ(cp1250ToUnicode(0x97), U'—');
    EXPECT_EQ(cp1250ToUnicode(0x99), U'™');
    EXPECT_EQ(cp1250ToUnicode(0xA0), U'\u00A0');
    EXPECT_EQ(cp1250ToUnicode(0xA1), U'ˇ');
    EXPECT_EQ(cp1250ToUnicode(0xB2), U'˛');
    EXPECT_EQ(cp1250ToUnicode(0xBD), U'˝');
    EXPECT_EQ(cp1250ToUnicode(0xFF), U'˙');
    EXPECT_EQ(cp1250ToUnicode(0x8A), U'Š');
    EXPECT_EQ(cp1250ToUnicode(0xC8), U'Č');
    EXPECT_EQ(cp1250ToUnicode(0xD5), U'Ő');
    EXPECT_EQ(cp1250ToUnicode(0xDE), U'Ţ');
    EXPECT_EQ(cp1250ToUnicode(0xF8), U'ř');
    EXPECT_EQ(cp1250ToUnicode(0xDF), U'ß');
    EXPECT_EQ(utf8ToCp1250("„cytat” – 5 €"), "\x84"
                                             "cytat\x94 \x96 5 \x80");
}

TEST(Cp1250, UndefinedBytesMapToC1Controls) {
    static constexpr unsigned char kUndefined[] = {0x81, 0x83, 0x88, 0x90, 0x98};
    for (unsigned char b : kUndefined) {
        EXPECT_EQ(cp1250ToUnicode(b), char32_t(b));
        EXPECT_EQ(unicodeToCp1250(char32_t(b)), b);
    }
}

TEST(Cp1250, MissingCharactersBecomeQuestionMarks) {
    EXPECT_EQ(unicodeToCp1250(U'ñ'), -1);
    EXPECT_EQ(unicodeToCp1250(U'à'), -1);
    EXPECT_EQ(unicodeToCp1250(0x80), -1); // U+0080 is not one of the undefined bytes
    EXPECT_EQ(unicodeToCp1250(0x20AD), -1);
    EXPECT_EQ(unicodeToCp1250(0x1F600), -1);
    EXPECT_EQ(unicodeToCp1250(0x110000), -1);
    EXPECT_EQ(utf8ToCp1250("España"), "Espa?a");
    EXPECT_EQ(utf8ToCp1250("中文"), "??");
    EXPECT_EQ(utf8ToCp1250("a\xF0\x9F\x98\x80z"), "a?z");
}

TEST(Cp1250, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1250("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1250("\x80"), "?");
    EXPECT_EQ(utf8ToCp1250("x\xC5"), "x?"); // cut off at the end
    EXPECT_EQ(utf8ToCp1250("\xC5"
                           "a"),
              "?a");                                              // lead byte without continuation
    EXPECT_EQ(utf8ToCp1250("\xC0\xAF"), "??");                    // overlong
    EXPECT_EQ(utf8ToCp1250("\xC5\xBC\xFE\xC5\xBC"), "\xBF?\xBF"); // good letters around a bad byte
}
