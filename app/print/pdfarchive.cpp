#include "app/print/pdfarchive.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "core/export/xmltext.h"

namespace tarnik {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code points of UTF-8 text; a byte that starts no valid sequence reads as U+FFFD.
std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, cp = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, cp = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, cp = b & 0x07, least = 0x10000;
        } else {
            out += kReplacement;
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < s.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid || cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0xA0;
}

std::u32string trimmed(const std::u32string& s) {
    std::size_t from = 0;
    std::size_t to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.substr(from, to - from);
}

std::string hexUtf16(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "<FEFF";
    const auto unit = [&](unsigned u) {
        for (int shift = 12; shift >= 0; shift -= 4)
            out += kHex[(u >> shift) & 0xF];
    };
    for (const char32_t cp : decodeUtf8(utf8)) {
        if (cp < 0x10000) {
            unit(static_cast<unsigned>(cp));
        } else {
            const auto v = static_cast<unsigned>(cp - 0x10000);
            unit(0xD800 | (v >> 10));
            unit(0xDC00 | (v & 0x3FF));
        }
    }
    return out + ">";
}

struct UtcTime {
    int year, month, day, hour, minute, second;
};

UtcTime utc(std::chrono::system_clock::time_point t) {
    using namespace std::chrono;
    const auto secs = floor<seconds>(t);
    const auto days = floor<std::chrono::days>(secs);
    const year_month_day ymd(days);
    const hh_mm_ss<seconds> hms(secs - days);
    return {int(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(hms.hours().count()),
            static_cast<int>(hms.minutes().count()),
            static_cast<int>(hms.seconds().count())};
}

[[noreturn]] void unexpected(const char* what) {
    throw std::runtime_error(std::string("Nie można zapisać pliku PDF/A: ") + what + ".");
}

bool isWhite(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c) {
    return isWhite(c) || c == '/' || c == '<' || c == '>' || c == '[' || c == ']' || c == '(' ||
           c == ')' || c == '%';
}

std::size_t skipWhite(std::string_view s, std::size_t i) {
    while (i < s.size() && isWhite(s[i]))
        ++i;
    return i;
}

// A non-negative integer at `i` (after blanks); `i` moves past it.
bool readNumber(std::string_view s, std::size_t& i, long long& value) {
    i = skipWhite(s, i);
    const std::size_t start = i;
    value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 15)
        value = value * 10 + (s[i++] - '0');
    return i > start && (i == s.size() || isDelimiter(s[i]));
}

// Where the value of `key` (a name with its slash) starts in the dictionary text, or npos.
std::size_t valueOf(std::string_view dict, std::string_view key) {
    std::size_t found = std::string_view::npos;
    for (std::size_t at = dict.find(key); at != std::string_view::npos;
         at = dict.find(key, at + 1)) {
        const std::size_t end = at + key.size();
        if (end < dict.size() && isDelimiter(dict[end])) {
            if (found != std::string_view::npos) return std::string_view::npos; // twice
            found = end;
        }
    }
    return found;
}

struct Reference {
    long long object = 0;
    long long generation = 0;
};

Reference referenceOf(std::string_view dict, std::string_view key) {
    std::size_t i = valueOf(dict, key);
    Reference r;
    if (i == std::string_view::npos || !readNumber(dict, i, r.object) ||
        !readNumber(dict, i, r.generation))
        unexpected("brak odwołania w zakończeniu pliku");
    i = skipWhite(dict, i);
    if (i >= dict.size() || dict[i] != 'R' || (i + 1 < dict.size() && !isDelimiter(dict[i + 1])))
        unexpected("brak odwołania w zakończeniu pliku");
    return r;
}

std::string formatted(const char* format, long long a, long long b = 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

} // namespace

std::string pdfPropertyText(std::string_view text) {
    std::vector<std::u32string> lines(1);
    for (const char32_t c : decodeUtf8(text)) {
        if (c == U'\r' || c == U'\n' || c == 0x2028 || c == 0x2029)
            lines.emplace_back();
        else if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFE || c == 0xFFFF)
            lines.back() += U' ';
        else
            lines.back() += c;
    }
    std::string out;
    for (const std::u32string& raw : lines) {
        const std::u32string line = trimmed(raw);
        if (line.empty()) continue;
        if (!out.empty()) out += ", ";
        for (const char32_t c : line)
            appendUtf8(out, c);
    }
    return out;
}

PdfDocumentInfo normalizedPdfInfo(PdfDocumentInfo info) {
    for (std::string* s : {&info.title, &info.author, &info.subject, &info.creator, &info.producer})
        *s = pdfPropertyText(*s);
    return info;
}

std::string pdfDate(std::chrono::system_clock::time_point t) {
    const UtcTime u = utc(t);
    char buf[40];
    std::snprintf(buf, sizeof buf, "D:%04d%02d%02d%02d%02d%02d+00'00'", u.year, u.month, u.day,
                  u.hour, u.minute, u.second);
    return buf;
}

std::string xmpDate(std::chrono::system_clock::time_point t) {
    const UtcTime u = utc(t);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d+00:00", u.year, u.month, u.day,
                  u.hour, u.minute, u.second);
    return buf;
}

std::string pdfaXmpPacket(const PdfDocumentInfo& info) {
    std::string x;
    x += "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n";
    x += "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n";
    x += " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n";
    x += "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n";
    x += "   <dc:format>application/pdf</dc:format>\n";
    if (!info.title.empty())
        x += "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + xmlText(info.title) +
             "</rdf:li></rdf:Alt></dc:title>\n";
    if (!info.author.empty())
        x += "   <dc:creator><rdf:Seq><rdf:li>" + xmlText(info.author) +
             "</rdf:li></rdf:Seq></dc:creator>\n";
    if (!info.subject.empty())
        x += "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" + xmlText(info.subject) +
             "</rdf:li></rdf:Alt></dc:description>\n";
    x += "  </rdf:Description>\n";
    x += "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n";
    if (!info.creator.empty())
        x += "   <xmp:CreatorTool>" + xmlText(info.creator) + "</xmp:CreatorTool>\n";
    x += "   <xmp:CreateDate>" + xmpDate(info.created) + "</xmp:CreateDate>\n";
    x += "  </rdf:Description>\n";
    if (!info.producer.empty()) {
        x += "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n";
        x += "   <pdf:Producer>" + xmlText(info.producer) + "</pdf:Producer>\n";
        x += "  </rdf:Description>\n";
    }
    x += "  <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n";
    x += "   <pdfaid:part>1</pdfaid:part>\n";
    x += "   <pdfaid:conformance>B</pdfaid:conformance>\n";
    x += "  </rdf:Description>\n";
    x += " </rdf:RDF>\n";
    x += "</x:xmpmeta>\n";
    x += "<?xpacket end=\"w\"?>";
    return x;
}

std::string pdfInfoDictionary(const PdfDocumentInfo& info) {
    std::string d = "<<";
    const auto entry = [&](const char* key, const std::string& value) {
        if (!value.empty()) d += std::string("\n/") + key + " " + hexUtf16(value);
    };
    entry("Title", info.title);
    entry("Author", info.author);
    entry("Subject", info.subject);
    entry("Creator", info.creator);
    entry("Producer", info.producer);
    d += "\n/CreationDate (" + pdfDate(info.created) + ")\n>>";
    return d;
}

void appendInfoUpdate(std::string& pdf, const PdfDocumentInfo& info) {
    const std::string_view bytes(pdf);
    if (bytes.substr(0, 5) != "%PDF-") unexpected("brak nagłówka");

    // The end of the file: "startxref", the offset of the last cross-reference table, "%%EOF".
    const std::size_t startxref = bytes.rfind("startxref");
    if (startxref == std::string_view::npos) unexpected("brak startxref");
    std::size_t i = startxref + 9;
    long long previous = 0;
    if (!readNumber(bytes, i, previous)) unexpected("nieprawidłowe startxref");
    i = skipWhite(bytes, i);
    if (bytes.substr(i, 5) != "%%EOF" || skipWhite(bytes, i + 5) != bytes.size())
        unexpected("brak %%EOF na końcu pliku");
    if (previous <= 0 || static_cast<std::size_t>(previous) >= startxref ||
        bytes.substr(static_cast<std::size_t>(previous), 4) != "xref")
        unexpected("startxref nie wskazuje tablicy odsyłaczy");

    // The trailer between the table and startxref.
    const std::size_t trailer = bytes.rfind("trailer", startxref);
    if (trailer == std::string_view::npos || trailer < static_cast<std::size_t>(previous))
        unexpected("brak słownika trailer");
    const std::size_t open = bytes.find("<<", trailer);
    const std::size_t close = bytes.rfind(">>", startxref);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        unexpected("nieprawidłowy słownik trailer");
    const std::string_view dict = bytes.substr(open + 2, close - open - 2);

    std::size_t at = valueOf(dict, "/Size");
    long long size = 0;
    if (at == std::string_view::npos || !readNumber(dict, at, size) || size <= 0)
        unexpected("brak /Size w zakończeniu pliku");
    const Reference root = referenceOf(dict, "/Root");
    const Reference infoRef = referenceOf(dict, "/Info");
    if (infoRef.object <= 0 || infoRef.object >= size || infoRef.generation > 65535)
        unexpected("nieprawidłowy numer obiektu /Info");
    const std::size_t idAt = valueOf(dict, "/ID");
    if (idAt == std::string_view::npos) unexpected("brak /ID w zakończeniu pliku");
    const std::size_t idOpen = skipWhite(dict, idAt);
    const std::size_t idClose = dict.find(']', idOpen);
    if (idOpen >= dict.size() || dict[idOpen] != '[' || idClose == std::string_view::npos)
        unexpected("nieprawidłowe /ID w zakończeniu pliku");
    const std::string id(dict.substr(idOpen, idClose - idOpen + 1));

    std::string update;
    if (pdf.back() != '\n' && pdf.back() != '\r') update += '\n';
    const std::size_t objectAt = pdf.size() + update.size();
    update += formatted("%lld %lld obj\n", infoRef.object, infoRef.generation);
    update += pdfInfoDictionary(info);
    update += "\nendobj\n";
    const std::size_t xrefAt = pdf.size() + update.size();
    update += "xref\n";
    update += formatted("%lld 1\n", infoRef.object);
    update +=
        formatted("%010lld %05lld n\r\n", static_cast<long long>(objectAt), infoRef.generation);
    update += "trailer\n<<";
    update += formatted("\n/Size %lld", size);
    update += formatted("\n/Root %lld %lld R", root.object, root.generation);
    update += formatted("\n/Info %lld %lld R", infoRef.object, infoRef.generation);
    update += "\n/ID " + id;
    update += formatted("\n/Prev %lld", previous);
    update += "\n>>\nstartxref\n";
    update += formatted("%lld", static_cast<long long>(xrefAt));
    update += "\n%%EOF\n";
    pdf += update;
}

} // namespace tarnik
