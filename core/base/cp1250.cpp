#include "core/base/cp1250.h"

#include "core/base/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tarnik {

namespace {

// Bytes 0x80..0xFF. The five bytes Windows-1250 leaves undefined map to the C1 control of the
// same value so that any file survives a decode/encode round trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

struct Reverse {
    char16_t code;
    unsigned char byte;
};

// The high half sorted by code point, for encoding.
constexpr std::array<Reverse, 128> kReverse = [] {
    std::array<Reverse, 128> table{};
    for (std::size_t i = 0; i < 128; ++i)
        table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end(),
              [](const Reverse& a, const Reverse& b) { return a.code < b.code; });
    return table;
}();

// Most Polish text lies in U+0080..U+017F; a direct table answers those without a search.
// 0 means "not in the code page" (no character of that range encodes to byte 0).
constexpr std::array<unsigned char, 0x100> kLatinDirect = [] {
    std::array<unsigned char, 0x100> table{};
    for (const Reverse& r : kReverse)
        if (r.code >= 0x80 && r.code < 0x180) table[r.code - 0x80] = r.byte;
    return table;
}();

} // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : char32_t(kHighHalf[byte - 0x80]);
}

int unicodeToCp1250(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c < 0x180) {
        const unsigned char b = kLatinDirect[c - 0x80];
        return b ? b : -1;
    }
    if (c > 0xFFFF) return -1;
    const auto it =
        std::lower_bound(kReverse.begin(), kReverse.end(), c,
                         [](const Reverse& r, char32_t value) { return char32_t(r.code) < value; });
    if (it != kReverse.end() && char32_t(it->code) == c) return it->byte;
    return -1;
}

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t run = pos;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes.data() + pos, run - pos);
        pos = run;
        if (pos < bytes.size()) {
            appendUtf8(out, cp1250ToUnicode(static_cast<unsigned char>(bytes[pos])));
            ++pos;
        }
    }
    return out;
}

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t run = pos;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80)
            ++run;
        out.append(utf8.data() + pos, run - pos);
        pos = run;
        if (pos < utf8.size()) {
            const char32_t c = decodeUtf8(utf8, pos);
            const int b = c == kBadUtf8 ? -1 : unicodeToCp1250(c);
            out.push_back(b < 0 ? '?' : static_cast<char>(b));
        }
    }
    return out;
}

} // namespace tarnik
