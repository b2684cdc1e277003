#include "core/base/text.h"

#include <cstdint>

namespace tarnik {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

char32_t decodeUtf8(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t need = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        cp = b0 & 0x1Fu;
        least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        cp = b0 & 0x0Fu;
        least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        cp = b0 & 0x07u;
        least = 0x10000;
    } else {
        ++pos;
        return kBadUtf8;
    }
    if (s.size() - pos <= need) {
        ++pos;
        return kBadUtf8;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0u) != 0x80u) {
            ++pos;
            return kBadUtf8;
        }
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kBadUtf8;
    }
    pos += need + 1;
    return cp;
}

std::vector<std::size_t> utf8CharacterEnds(std::string_view s) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= s.size(); ++i)
        if (i == s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) ends.push_back(i);
    return ends;
}

std::size_t utf8Length(std::string_view s) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80)
            ++pos;
        else
            decodeUtf8(s, pos);
        ++count;
    }
    return count;
}

std::string utf8Left(std::string_view s, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < s.size(); ++i)
        decodeUtf8(s, pos);
    return std::string(s.substr(0, pos));
}

std::u32string utf8ToU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const char32_t c = decodeUtf8(s, pos);
        out.push_back(c == kBadUtf8 ? U'\uFFFD' : c);
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD; // a lone surrogate has no UTF-8 form
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c <= 0x10FFFF) {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        appendUtf8(out, 0xFFFD);
    }
}

std::string u32ToUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s)
        appendUtf8(out, c);
    return out;
}

// Every byte of a multi-byte UTF-8 sequence is >= 0x80, so trimming bytes <= 0x20 never cuts a
// character in half.
namespace {

std::string_view trimmedLeft(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size() && isBlank(s[begin]))
        ++begin;
    return s.substr(begin);
}

std::string_view trimmedRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && isBlank(s[end - 1]))
        --end;
    return s.substr(0, end);
}

} // namespace

std::string trimLeft(std::string_view s) {
    return std::string(trimmedLeft(s));
}

std::string trimRight(std::string_view s) {
    return std::string(trimmedRight(s));
}

std::string trim(std::string_view s) {
    return std::string(trimmedRight(trimmedLeft(s)));
}

bool parseInt32(std::string_view text, int& out) {
    const std::string_view s = trimmedRight(trimmedLeft(text));
    std::size_t begin = 0;
    const std::size_t end = s.size();
    bool negative = false;
    if (begin < end && (s[begin] == '+' || s[begin] == '-')) {
        negative = s[begin] == '-';
        ++begin;
    }
    if (begin == end) return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > limit) return false;
    }
    out = static_cast<int>(negative ? -value : value);
    return true;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

} // namespace tarnik
