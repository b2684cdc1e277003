#include "core/export/xmltext.h"

#include "core/base/text.h"

namespace tarnik {

namespace {

bool allowedInXml(char32_t c) {
    if (c == 0x9 || c == 0xA) return true;
    if (c < 0x20) return false;
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string xmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t c = decodeUtf8(text, pos);
        if (c == kBadUtf8) {
            appendUtf8(out, 0xFFFD);
            continue;
        }
        if (!allowedInXml(c)) continue;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace tarnik
