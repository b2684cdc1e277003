#pragma once
// UTF-8 helpers. Text is UTF-8 inside the program; a length limit counts characters (code points).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik {

// Number of characters (code points) in a UTF-8 string. A stray byte counts as one character.
std::size_t utf8Length(std::string_view s);

// The first n characters of s.
std::string utf8Left(std::string_view s, std::size_t n);
// The byte offsets where the characters of s end, in order (the last is s.size()): the places
// where s may be cut without splitting a character.
std::vector<std::size_t> utf8CharacterEnds(std::string_view s);

// Returned by decodeUtf8 for a byte that does not start a well-formed UTF-8 sequence.
inline constexpr char32_t kBadUtf8 = 0xFFFFFFFF;

// Decodes the character starting at s[pos] (pos < s.size()) and moves pos past it. A malformed
// sequence (stray continuation byte, truncated or overlong sequence, surrogate, value above
// U+10FFFF) yields kBadUtf8 and moves pos by one byte only.
char32_t decodeUtf8(std::string_view s, std::size_t& pos);

// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::u32string utf8ToU32(std::string_view s);
std::string u32ToUtf8(std::u32string_view s);
void appendUtf8(std::string& out, char32_t c);

// Blanks and control characters (<= U+0020) removed at both ends, as the Trim of the old toolkit.
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);

// Strict decimal integer: optional blanks around, optional sign, digits, value within int32.
// Returns false for anything else (empty text, a lone sign, letters, overflow).
bool parseInt32(std::string_view s, int& out);

// Splits a CR LF (or lone LF) separated text into lines and joins lines with CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

} // namespace tarnik
