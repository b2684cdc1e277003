#pragma once
// Windows-1250 (Central European) code page, both directions.
// Every byte 0..255 decodes to one code point and encodes back to the same byte: the five bytes
// the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 controls of the
// same value. A character that Windows-1250 lacks is encoded as '?'.
#include <string>
#include <string_view>

namespace tarnik {

char32_t cp1250ToUnicode(unsigned char byte);
// The byte for a code point, or -1 when the code page lacks it.
int unicodeToCp1250(char32_t c);

std::string cp1250ToUtf8(std::string_view bytes);
std::string utf8ToCp1250(std::string_view utf8);

} // namespace tarnik
