// The replacement of the Polish letters of a text by their base letters.
#include "core/layout/polishletters.h"

#include "core/base/text.h"

namespace tarnik {

std::string StripPolishLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out += text[pos++];
            continue;
        }
        char base = 0;
        switch (decodeUtf8(text, pos)) {
        case U'ą':
            base = 'a';
            break;
        case U'ć':
            base = 'c';
            break;
        case U'ę':
            base = 'e';
            break;
        case U'ł':
            base = 'l';
            break;
        case U'ń':
            base = 'n';
            break;
        case U'ó':
            base = 'o';
            break;
        case U'ś':
            base = 's';
            break;
        case U'ż':
            base = 'z';
            break;
        case U'ź':
            base = 'z';
            break;
        case U'Ą':
            base = 'A';
            break;
        case U'Ć':
            base = 'C';
            break;
        case U'Ę':
            base = 'E';
            break;
        case U'Ł':
            base = 'L';
            break;
        case U'Ń':
            base = 'N';
            break;
        case U'Ó':
            base = 'O';
            break;
        case U'Ś':
            base = 'S';
            break;
        case U'Ż':
            base = 'Z';
            break;
        case U'Ź':
            base = 'Z';
            break;
        default:
            break;
        }
        if (base)
            out += base;
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

} // namespace tarnik
