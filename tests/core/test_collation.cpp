#include "core/base/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace tarnik;

namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

int ci(const std::string& a, const std::string& b) {
    return sign(comparePolish(a, b, CaseMode::Insensitive));
}
int cs(const std::string& a, const std::string& b) {
    return sign(comparePolish(a, b, CaseMode::Sensitive));
}

} // namespace

TEST(Collation, PolishAlphabetOrder) {
    const std::vector<std::string> alphabet = {
        "a", "ą", "b", "c", "ć", "d", "e", "ę", "f", "g", "h", "i", "j", "k", "l", "ł", "m", "n",
        "ń", "o", "ó", "p", "q", "r", "s", "ś", "t", "u", "v", "w", "x", "y", "z", "ź", "ż"};
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        for (std::size_t j = 0; j < alphabet.size(); ++j) {
            const int expected = sign(int(i) - int(j));
            EXPECT_EQ(ci(alphabet[i], alphabet[j]), expected) << alphabet[i] << " " << alphabet[j];
            EXPECT_EQ(cs(alphabet[i], alphabet[j]), expected) << alphabet[i] << " " << alphabet[j];
        }
    EXPECT_EQ(ci("Ą", "B"), -1);
    EXPECT_EQ(ci("ą", "A"), 1);
    EXPECT_EQ(ci("Ł", "m"), -1);
    EXPECT_EQ(ci("Ż", "ź"), 1);
    EXPECT_EQ(ci("zzz", "ż"), -1);
}

TEST(Collation, LetterByLetterWithShorterPrefixFirst) {
    EXPECT_EQ(ci("kot", "kota"), -1);
    EXPECT_EQ(ci("", "a"), -1);
    EXPECT_EQ(ci("", ""), 0);
    EXPECT_EQ(ci("las", "łan"), -1); // the first letter decides
    EXPECT_EQ(ci("sad", "sąd"), -1);
    EXPECT_EQ(ci("sąd", "sb"), -1);
}

TEST(Collation, BlanksAndPunctuationBeforeDigitsBeforeLetters) {
    EXPECT_EQ(ci("9", "a"), -1);
    EXPECT_EQ(ci("0", "A"), -1);
    EXPECT_EQ(ci(" ", "0"), -1);
    EXPECT_EQ(ci("-", "0"), -1);
    EXPECT_EQ(ci("„", "1"), -1);
    EXPECT_EQ(ci("~", "5"), -1);
    EXPECT_EQ(ci("1", "2"), -1);
    EXPECT_EQ(ci("Pokój 2", "Pokój A"), -1);
    EXPECT_EQ(ci("de Gaulle", "Debski"), -1);
    EXPECT_EQ(ci("Jan-Paweł", "Jana"), -1);
}

TEST(Collation, ForeignLettersFollowTheirBaseLetter) {
    EXPECT_EQ(ci("e", "é"), -1);
    EXPECT_EQ(ci("é", "ę"), -1);
    EXPECT_EQ(ci("é", "f"), -1);
    EXPECT_EQ(ci("Müller", "Muller"), 1);
    EXPECT_EQ(ci("Müller", "Mv"), -1);
    EXPECT_EQ(ci("ü", "Ü"), 0);
    EXPECT_EQ(ci("Sz", "Škoda"), -1); // š is a later kind of s, not an "sz"
    EXPECT_EQ(ci("Škoda", "Ś"), -1);
    EXPECT_EQ(ci("Ö", "ó"), -1); // ö is a kind of o, ó is a letter of its own
    EXPECT_EQ(ci("Ωmega", "Zeta"), 1);
}

TEST(Collation, CaseInsensitiveEquality) {
    EXPECT_EQ(ci("Ala", "ala"), 0);
    EXPECT_EQ(ci("ŻÓŁĆ", "żółć"), 0);
    EXPECT_EQ(ci("KOWALSKA-ŚLĘZAK", "kowalska-ślęzak"), 0);
    EXPECT_EQ(ci("ala", "ala "), -1);
}

TEST(Collation, CaseSensitiveTellsCaseApartOnlyAmongOtherwiseEqualTexts) {
    EXPECT_EQ(cs("ala", "Ala"), -1);
    EXPECT_EQ(cs("Ala", "alb"), -1); // letters decide before case
    EXPECT_EQ(cs("Ala", "ala"), 1);
    EXPECT_EQ(cs("Ala", "ALA"), -1); // the first case difference decides
    EXPECT_EQ(cs("aLa", "Ala"), -1);
    EXPECT_EQ(cs("łódź", "Łódź"), -1);
    EXPECT_EQ(cs("Łódź", "Łódź"), 0);
    EXPECT_EQ(cs("Ab", "ac"), -1);
    EXPECT_EQ(cs("É", "é"), 1);
}

TEST(Collation, SortsPolishSurnames) {
    const std::vector<std::string> expected = {
        "Adamski", "Cieślak",   "Czarnecki", "Ćwik",        "Dabrowski", "Dąbrowski", "de Gaulle",
        "Dębski",  "Dziedzic",  "Lis",       "Łukasiewicz", "Nowak",     "Ostrowski", "Ozga",
        "Sikora",  "Szymański", "Śliwa",     "Zając",       "Zieliński", "Źródło",    "Żak",
    };
    std::vector<std::string> names = expected;
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        std::sort(names.begin(), names.end(), PolishLess{CaseMode::Insensitive});
        ASSERT_EQ(names, expected);
        std::shuffle(names.begin(), names.end(), random);
        std::sort(names.begin(), names.end(), PolishLess{});
        ASSERT_EQ(names, expected);
    }
}

TEST(Collation, OrderIsConsistentEvenForOddInput) {
    // Antisymmetry and transitivity over a mixed bag, including malformed UTF-8.
    const std::vector<std::string> items = {
        "",     "a",    "A",     "ą",     "Ą", "ab",    "aB",    "Ab", "1",
        "10",   "9",    " ",     "-",     "é", "É",     "e",     "ß",  "ss",
        "\xFF", "\xC5", "a\x80", "a\xC5", "€", "Ωmega", "ωmega", "中", "żółw",
        "ŻÓŁW", "Żółw", "zolw",  "ǅ",     "ﬁ", "\t",    "Zz",    "zZ", "ź"};
    for (CaseMode mode : {CaseMode::Insensitive, CaseMode::Sensitive}) {
        for (const auto& a : items)
            for (const auto& b : items) {
                const int ab = sign(comparePolish(a, b, mode));
                EXPECT_EQ(ab, -sign(comparePolish(b, a, mode))) << a << " | " << b;
                if (mode == CaseMode::Sensitive) {
                    EXPECT_EQ(ab == 0, a == b) << a << " | " << b;
                }
                for (const auto& c : items) {
                    if (ab <= 0 && sign(comparePolish(b, c, mode)) <= 0) {
                        EXPECT_LE(comparePolish(a, c, mode), 0) << a << " | " << b << " | " << c;
                    }
                }
            }
    }
}

TEST(Collation, FoldForSearch) {
    EXPECT_EQ(foldForSearch("Zażółć GĘŚLĄ Jaźń"), "zazolc gesla jazn");
    EXPECT_EQ(foldForSearch("ĄĆĘŁŃÓŚŹŻąćęłńóśźż"), "acelnoszzacelnoszz");
    EXPECT_EQ(foldForSearch("Élan, Ürün, Straße"), "elan, urun, strase");
    EXPECT_EQ(foldForSearch("ΑΒΓ ДЖ Ёж"), "αβγ дж ёж");
    // Digits, punctuation and characters outside the tables stay as they are.
    EXPECT_EQ(foldForSearch("kwas azotowy(V) 2% – €"), "kwas azotowy(v) 2% – €");
    EXPECT_EQ(foldForSearch(""), "");
}
