#include "core/base/collation.h"

#include "core/base/text.h"

#include <array>
#include <cstdint>

namespace tarnik {

namespace {

// Every character gets a primary weight (its place in the case-insensitive order) and a case
// flag. Weight ranges, lowest first:
//   blanks, punctuation, symbols   the code point itself
//   malformed UTF-8 bytes          kBadBase + byte
//   digits                         kDigitBase + digit
//   letters of the Latin script    kLetterBase + place in the Polish alphabet * kLetterStep
//                                  + variant (0 for the letter itself; foreign accented
//                                  letters follow their base letter in code point order)
//   letters of other scripts       kOtherBase + lower-case code point
constexpr std::uint32_t kBadBase = 0x110000;
constexpr std::uint32_t kDigitBase = 0x120000;
constexpr std::uint32_t kLetterBase = 0x200000;
constexpr std::uint32_t kLetterStep = 0x200;
constexpr std::uint32_t kOtherBase = 0x400000;

struct Key {
    std::uint32_t primary = 0;
    bool upper = false;
};

// Place of a letter in a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż.
// The Polish letters with diacritics are written here as the digits 1..9 in the order
// ą ć ę ł ń ó ś ź ż.
constexpr std::string_view kAlphabet = "a1bc2de3fghijkl4mn5o6pqrs7tuvwxyz89";

constexpr std::uint32_t letterPlace(char c) {
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        if (kAlphabet[i] == c) return static_cast<std::uint32_t>(i);
    return 0;
}

// U+00C0..U+017F: the base letter of each character (a capital for a capital letter), '1'..'9'
// for the Polish letters as above (with '!' after it marking the capital), '.' for a non-letter.
// Two characters per code point.
constexpr std::string_view kLatinBase =
    // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "A A A A A A A C E E E E I I I I "
    // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "D N O 6!O O O . O U U U U Y T s "
    // U+00E0 à á â ã ä å æ ç è é ê ë ì í î ï
    "a a a a a a a c e e e e i i i i "
    // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "d n o 6 o o o . o u u u u y t y "
    // U+0100 Ā ā Ă ă Ą ą Ć ć Ĉ ĉ Ċ ċ Č č Ď ď
    "A a A a 1!1 2!2 C c C c C c D d "
    // U+0110 Đ đ Ē ē Ĕ ĕ Ė ė Ę ę Ě ě Ĝ ĝ Ğ ğ
    "D d E e E e E e 3!3 E e G g G g "
    // U+0120 Ġ ġ Ģ ģ Ĥ ĥ Ħ ħ Ĩ ĩ Ī ī Ĭ ĭ Į į
    "G g G g H h H h I i I i I i I i "
    // U+0130 İ ı Ĳ ĳ Ĵ ĵ Ķ ķ ĸ Ĺ ĺ Ļ ļ Ľ ľ Ŀ
    "I i I i J j K k k L l L l L l L "
    // U+0140 ŀ Ł ł Ń ń Ņ ņ Ň ň ŉ Ŋ ŋ Ō ō Ŏ ŏ
    "l 4!4 5!5 N n N n n N n O o O o "
    // U+0150 Ő ő Œ œ Ŕ ŕ Ŗ ŗ Ř ř Ś ś Ŝ ŝ Ş ş
    "O o O o R r R r R r 7!7 S s S s "
    // U+0160 Š š Ţ ţ Ť ť Ŧ ŧ Ũ ũ Ū ū Ŭ ŭ Ů ů
    "S s T t T t T t U u U u U u U u "
    // U+0170 Ű ű Ų ų Ŵ ŵ Ŷ ŷ Ÿ Ź ź Ż ż Ž ž ſ
    "U u U u W w Y y Y 8!8 9!9 Z z s ";

static_assert(kLatinBase.size() == 2 * 0xC0);

// The lower-case partner of a character in U+00C0..U+017F (itself when it is lower case or has
// no partner). Only used to order foreign accented letters after their base letter.
constexpr char32_t latinLower(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    const bool oddIsCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool pairedRange = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (oddIsCapital && (c & 1)) return c + 1;
    if (pairedRange && !(c & 1)) return c + 1;
    return c;
}

constexpr Key makeLetterKey(char base, bool upper, std::uint32_t variant) {
    const char lower = (base >= 'A' && base <= 'Z') ? char(base + ('a' - 'A')) : base;
    return Key{kLetterBase + letterPlace(lower) * kLetterStep + variant, upper};
}

constexpr std::array<Key, 128> kAsciiKeys = [] {
    std::array<Key, 128> keys{};
    for (char32_t c = 0; c < 128; ++c) {
        if (c >= '0' && c <= '9')
            keys[c] = Key{kDigitBase + (c - '0'), false};
        else if (c >= 'a' && c <= 'z')
            keys[c] = makeLetterKey(char(c), false, 0);
        else if (c >= 'A' && c <= 'Z')
            keys[c] = makeLetterKey(char(c), true, 0);
        else
            keys[c] = Key{c, false};
    }
    return keys;
}();

constexpr std::array<Key, 0xC0> kLatinKeys = [] {
    std::array<Key, 0xC0> keys{};
    for (char32_t c = 0xC0; c < 0x180; ++c) {
        const char base = kLatinBase[2 * (c - 0xC0)];
        const char mark = kLatinBase[2 * (c - 0xC0) + 1];
        Key& key = keys[c - 0xC0];
        if (base == '.')
            key = Key{c, false};
        else if (base >= '1' && base <= '9')
            key = makeLetterKey(base, mark == '!', 0);
        else
            key = makeLetterKey(base, base >= 'A' && base <= 'Z', 1 + (latinLower(c) - 0xC0));
    }
    return keys;
}();

bool isPunctuation(char32_t c) {
    return c < 0xC0 || c == 0xD7 || c == 0xF7 || (c >= 0x2B0 && c <= 0x36F) ||
           (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFFF0 && c <= 0xFFFF);
}

Key keyOf(char32_t c) {
    if (c < 0x80) return kAsciiKeys[c];
    if (c >= 0xC0 && c < 0x180) return kLatinKeys[c - 0xC0];
    if (isPunctuation(c)) return Key{c, false};
    // Greek and Cyrillic capitals fold onto their small letters.
    if ((c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F))
        return Key{kOtherBase + c + 0x20, true};
    if (c >= 0x400 && c <= 0x40F) return Key{kOtherBase + c + 0x50, true};
    return Key{kOtherBase + c, false};
}

Key nextKey(std::string_view s, std::size_t& pos) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
        ++pos;
        return kAsciiKeys[b];
    }
    const char32_t c = decodeUtf8(s, pos);
    if (c == kBadUtf8) return Key{kBadBase + b, false};
    return keyOf(c);
}

} // namespace

int comparePolish(std::string_view a, std::string_view b, CaseMode mode) {
    std::size_t i = 0;
    std::size_t j = 0;
    int caseOrder = 0; // small-before-capital verdict at the first case difference
    while (i < a.size() && j < b.size()) {
        const Key ka = nextKey(a, i);
        const Key kb = nextKey(b, j);
        if (ka.primary != kb.primary) return ka.primary < kb.primary ? -1 : 1;
        if (caseOrder == 0 && ka.upper != kb.upper) caseOrder = ka.upper ? 1 : -1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return mode == CaseMode::Sensitive ? caseOrder : 0;
}

std::string foldForSearch(std::string_view s) {
    // Base letters of ą ć ę ł ń ó ś ź ż, which kLatinBase writes as '1'..'9'.
    constexpr std::string_view kPolishBase = "acelnoszz";
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; };
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            out += lower(char(b));
            ++pos;
            continue;
        }
        const std::size_t from = pos;
        const char32_t c = decodeUtf8(s, pos);
        if (c >= 0xC0 && c < 0x180) {
            const char base = kLatinBase[2 * (c - 0xC0)];
            if (base >= '1' && base <= '9') {
                out += kPolishBase[static_cast<std::size_t>(base - '1')];
                continue;
            }
            if (base != '.') {
                out += lower(base);
                continue;
            }
        } else if ((c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F)) {
            appendUtf8(out, c + 0x20);
            continue;
        } else if (c >= 0x400 && c <= 0x40F) {
            appendUtf8(out, c + 0x50);
            continue;
        }
        out.append(s.substr(from, pos - from));
    }
    return out;
}

} // namespace tarnik
