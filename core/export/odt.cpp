// The report as an OpenDocument text: content.xml with its paragraphs, headings, tables and chart
// pictures and the automatic styles they need, the metadata, the settings and the manifest. The
// named styles and the pages are in styles.xml (odtstyles.cpp).
#include "core/export/odt.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/export/odtxml.h"

namespace tarnik {

namespace {

using namespace odt;

constexpr std::string_view kMediaType = "application/vnd.oasis.opendocument.text";

// The automatic styles of content.xml, each written once however many blocks use it.
class AutoStyles {
public:
    // The name of the style of `family` with these attributes and properties: "P1", "P2" ...
    std::string add(const std::string& prefix, std::string_view family,
                    const std::string& attributes, const std::string& properties) {
        std::string key = prefix + '|' + std::string(family) + '|' + attributes + '|' + properties;
        const auto found = names_.find(key);
        if (found != names_.end()) return found->second;
        std::string name = prefix + std::to_string(++counts_[prefix]);
        xml_ += "<style:style style:name=\"" + name + "\" style:family=\"";
        xml_ += family;
        xml_ += "\"" + attributes + ">" + properties + "</style:style>";
        names_.emplace(std::move(key), name);
        return name;
    }

    const std::string& xml() const { return xml_; }

private:
    std::map<std::string, std::string> names_;
    std::map<std::string, int> counts_;
    std::string xml_;
};

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

class ContentWriter {
public:
    explicit ContentWriter(const FlowDocument& doc)
        : doc_(doc), headingLooks_{headingLook(doc, 1), headingLook(doc, 2)} {}

    std::string xml() {
        int pictureNumber = 0;
        for (const FlowBlock& block : doc_.blocks) {
            if (const auto* p = std::get_if<FlowParagraph>(&block))
                paragraph(*p, false);
            else if (const auto* t = std::get_if<FlowTable>(&block))
                table(*t);
            else
                picture(std::get<FlowPicture>(block), ++pictureNumber);
        }
        std::string out(kXmlDeclaration);
        out += "<office:document-content";
        out += kOfficeNs;
        out += ">";
        out += fontFaceDecls(doc_);
        out += "<office:automatic-styles>" + styles_.xml() + "</office:automatic-styles>";
        out += "<office:body><office:text>" + body_ + "</office:text></office:body>";
        out += "</office:document-content>";
        return out;
    }

private:
    // The attribute that starts the first page's own master page, for the first block only.
    std::string masterPageAttribute() {
        const bool first = firstBlock_;
        firstBlock_ = false;
        if (!first || doc_.headerOnFirstPage) return {};
        return " style:master-page-name=\"" + std::string(kFirstPageMaster) + "\"";
    }

    static std::string flowProperties(bool keepWithNext, bool pageBreakBefore) {
        std::string out;
        if (keepWithNext) out += " fo:keep-with-next=\"always\"";
        if (pageBreakBefore) out += " fo:break-before=\"page\"";
        return out;
    }

    FlowStyle lookOf(const std::string& name) const {
        if (const FlowStyle* s = doc_.findStyle(name)) return *s;
        FlowStyle s;
        s.name = name;
        if (!doc_.fontFace.empty()) s.font.face = doc_.fontFace;
        return s;
    }

    std::string paragraphStyle(const FlowParagraph& p, bool heading, bool inCell) {
        const bool known = doc_.findStyle(p.style) != nullptr;
        const std::string named =
            heading ? headingStyleName(p.outlineLevel) : (known ? styleName(p.style) : "Standard");
        std::string extra = flowProperties(p.keepWithNext, p.pageBreakBefore && !inCell);
        if (p.ruleBelow) {
            extra += " fo:border-bottom=\"";
            extra += kThinRule;
            extra += "\" fo:padding-bottom=\"0.5mm\" style:join-border=\"false\"";
        }
        const std::string master = inCell ? std::string() : masterPageAttribute();

        std::string properties;
        if (heading) {
            // A heading in another report style than its level's keeps its own look; its blank
            // lines above and below become room of as many lines of its font.
            const FlowStyle look = lookOf(p.style);
            const bool ownLook = look.name != headingLooks_[p.outlineLevel - 1].name;
            const double line = lineHeightPt(look.font.points);
            if (ownLook || p.blankLinesBefore > 0 || p.blankLinesAfter > 0) {
                properties =
                    paragraphProperties(look, look.spaceBeforePt + p.blankLinesBefore * line,
                                        p.blankLinesAfter * line, extra);
                if (ownLook) properties += textProperties(look.font);
            }
        }
        if (properties.empty() && !extra.empty())
            properties = "<style:paragraph-properties" + extra + "/>";
        if (properties.empty() && master.empty()) return named;
        return styles_.add("P", "paragraph",
                           " style:parent-style-name=\"" + xmlText(named) + "\"" + master,
                           properties);
    }

    void paragraph(const FlowParagraph& p, bool inCell) {
        const bool heading = !inCell && (p.outlineLevel == 1 || p.outlineLevel == 2);
        const std::string style = paragraphStyle(p, heading, inCell);
        const std::string element = heading ? "text:h" : "text:p";
        body_ += "<" + element + " text:style-name=\"" + xmlText(style) + "\"";
        if (heading) body_ += " text:outline-level=\"" + std::to_string(p.outlineLevel) + "\"";
        if (isBlank(p.text)) {
            body_ += "/>";
            return;
        }
        body_ += ">" + textRuns(p.text) + "</" + element + ">";
    }

    std::string cellStyle(const FlowTable& t, bool border, bool alignBottom) {
        const FlowMargins& m = t.cellMarginsMm;
        std::string properties =
            "<style:table-cell-properties fo:padding-left=\"" + mm(m.left) +
            "\" fo:padding-right=\"" + mm(m.right) + "\" fo:padding-top=\"" + mm(m.top) +
            "\" fo:padding-bottom=\"" + mm(m.bottom) + "\" fo:border=\"" +
            (border ? std::string(kThinRule) : std::string("none")) + "\" style:vertical-align=\"" +
            (alignBottom ? "bottom" : "top") + "\"/>";
        return styles_.add("Cell", "table-cell", {}, properties);
    }

    void row(const FlowTable& t, const FlowRow& r, std::size_t columns) {
        body_ += "<table:table-row table:style-name=\"" +
                 styles_.add("Row", "table-row", {},
                             "<style:table-row-properties fo:keep-together=\"always\"/>") +
                 "\">";
        std::vector<FlowCell> cells = r.cells;
        if (cells.empty()) {
            // A row without cells keeps its height as one empty cell across the table.
            FlowCell empty;
            empty.span = static_cast<int>(columns);
            cells.push_back(empty);
        }
        std::size_t used = 0;
        for (const FlowCell& c : cells) {
            const int span = std::max(1, c.span);
            body_ += "<table:table-cell table:style-name=\"" +
                     cellStyle(t, c.border, c.alignBottom) + "\" office:value-type=\"string\"";
            if (span > 1) body_ += " table:number-columns-spanned=\"" + std::to_string(span) + "\"";
            body_ += ">";
            if (c.paragraph.style.empty() && isBlank(c.paragraph.text))
                body_ += "<text:p/>";
            else
                paragraph(c.paragraph, true);
            for (const FlowParagraph& q : c.more)
                paragraph(q, true);
            body_ += "</table:table-cell>";
            for (int i = 1; i < span; ++i)
                body_ += "<table:covered-table-cell/>";
            used += static_cast<std::size_t>(span);
        }
        for (; used < columns; ++used)
            body_ += "<table:table-cell table:style-name=\"" + cellStyle(t, false, false) +
                     "\" office:value-type=\"string\"><text:p/></table:table-cell>";
        body_ += "</table:table-row>";
    }

    void table(const FlowTable& t) {
        if (t.rows.empty()) return;
        std::vector<double> widths = t.columnsMm;
        if (widths.empty()) {
            // No widths given: as many equal columns as the widest row needs, across the body.
            std::size_t count = 1;
            for (const FlowRow& r : t.rows) {
                std::size_t n = 0;
                for (const FlowCell& c : r.cells)
                    n += static_cast<std::size_t>(std::max(1, c.span));
                count = std::max(count, n);
            }
            const double body = doc_.pageWidthMm - doc_.marginsMm.left - doc_.marginsMm.right;
            widths.assign(count, body / static_cast<double>(count));
        }
        double width = 0;
        for (double w : widths)
            width += w;

        std::string properties = "<style:table-properties style:width=\"" + mm(width) +
                                 "\" table:align=\"left\" table:border-model=\"collapsing\"" +
                                 flowProperties(t.keepWithNext, t.pageBreakBefore);
        if (t.keepTogether) properties += " style:may-break-between-rows=\"false\"";
        properties += "/>";
        const std::string style = styles_.add("Tab", "table", masterPageAttribute(), properties);

        body_ += "<table:table table:name=\"Tabela" + std::to_string(++tables_) +
                 "\" table:style-name=\"" + style + "\">";
        for (double w : widths)
            body_ += "<table:table-column table:style-name=\"" +
                     styles_.add("Col", "table-column", {},
                                 "<style:table-column-properties style:column-width=\"" + mm(w) +
                                     "\"/>") +
                     "\"/>";
        const std::size_t headerRows =
            std::min(t.rows.size(), static_cast<std::size_t>(std::max(0, t.headerRows)));
        if (headerRows > 0) {
            body_ += "<table:table-header-rows>";
            for (std::size_t i = 0; i < headerRows; ++i)
                row(t, t.rows[i], widths.size());
            body_ += "</table:table-header-rows>";
        }
        for (std::size_t i = headerRows; i < t.rows.size(); ++i)
            row(t, t.rows[i], widths.size());
        body_ += "</table:table>";
    }

    void picture(const FlowPicture& p, int number) {
        const std::string style = styles_.add(
            "P", "paragraph", " style:parent-style-name=\"Standard\"" + masterPageAttribute(),
            "<style:paragraph-properties fo:margin-top=\"0pt\" "
            "fo:margin-bottom=\"0pt\"" +
                flowProperties(p.keepWithNext, p.pageBreakBefore) + "/>");
        const std::string frame =
            styles_.add("fr", "graphic", {},
                        "<style:graphic-properties style:vertical-pos=\"top\" "
                        "style:vertical-rel=\"baseline\" fo:margin-left=\"0mm\" "
                        "fo:margin-right=\"0mm\" fo:margin-top=\"0mm\" fo:margin-bottom=\"0mm\" "
                        "fo:padding=\"0mm\" fo:border=\"none\"/>");
        body_ += "<text:p text:style-name=\"" + style + "\"><draw:frame draw:style-name=\"" +
                 frame + "\" draw:name=\"Wykres " + std::to_string(number) +
                 "\" text:anchor-type=\"as-char\" svg:width=\"" + mm(p.widthMm) +
                 "\" svg:height=\"" + mm(p.heightMm) +
                 "\" draw:z-index=\"0\"><draw:image xlink:href=\"" + odtPicturePath(number) +
                 "\" xlink:type=\"simple\" xlink:show=\"embed\" xlink:actuate=\"onLoad\"/>"
                 "</draw:frame></text:p>";
    }

    const FlowDocument& doc_;
    FlowStyle headingLooks_[2];
    AutoStyles styles_;
    std::string body_;
    bool firstBlock_ = true;
    int tables_ = 0;
};

std::string metaXml(const FlowProperties& props) {
    std::string out(kXmlDeclaration);
    out += "<office:document-meta";
    out += kOfficeNs;
    out += "><office:meta><meta:generator>Tarnik</meta:generator>";
    auto element = [&out](std::string_view name, const std::string& value) {
        if (value.empty()) return;
        out += "<";
        out += name;
        out += ">" + xmlText(value) + "</";
        out += name;
        out += ">";
    };
    element("dc:title", props.title);
    element("dc:subject", props.subject);
    element("meta:initial-creator", props.author);
    element("dc:creator", props.author);
    element("meta:creation-date", props.created);
    element("dc:date", props.created);
    out += "<dc:language>pl-PL</dc:language></office:meta></office:document-meta>";
    return out;
}

std::string settingsXml() {
    std::string out(kXmlDeclaration);
    out += "<office:document-settings";
    out += kOfficeNs;
    // The layout follows the page, not the metrics of whichever printer is installed.
    out += "><office:settings><config:config-item-set config:name=\"ooo:configuration-settings\">"
           "<config:config-item config:name=\"PrinterIndependentLayout\" "
           "config:type=\"string\">high-resolution</config:config-item>"
           "</config:config-item-set></office:settings></office:document-settings>";
    return out;
}

std::string manifestXml(std::size_t pictures) {
    std::string out(kXmlDeclaration);
    out += "<manifest:manifest "
           "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
           "manifest:version=\"1.3\">";
    auto entry = [&out](const std::string& path, std::string_view type) {
        out += "<manifest:file-entry manifest:full-path=\"" + path + "\"";
        if (path == "/") out += " manifest:version=\"1.3\"";
        out += " manifest:media-type=\"";
        out += type;
        out += "\"/>";
    };
    entry("/", kMediaType);
    for (const char* part : {"content.xml", "styles.xml", "meta.xml", "settings.xml"})
        entry(part, "text/xml");
    for (std::size_t i = 1; i <= pictures; ++i)
        entry(odtPicturePath(static_cast<int>(i)), "image/png");
    out += "</manifest:manifest>";
    return out;
}

} // namespace

namespace odt {

std::string textRuns(std::string_view text) {
    std::string out;
    std::size_t plain = 0; // start of the characters not yet written
    bool lineStart = true;
    auto flush = [&](std::size_t end) {
        if (end > plain) out += xmlText(text.substr(plain, end - plain));
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ') {
            std::size_t j = i;
            while (j < text.size() && text[j] == ' ')
                ++j;
            const bool lineEnd = j == text.size() || text[j] == '\n' || text[j] == '\t';
            if (!lineStart && !lineEnd && j - i == 1) {
                i = j;
                continue; // one blank between words stays as it is
            }
            flush(i);
            std::size_t count = j - i;
            if (!lineStart && !lineEnd) {
                out += ' ';
                --count;
            }
            out += count == 1 ? std::string("<text:s/>")
                              : "<text:s text:c=\"" + std::to_string(count) + "\"/>";
            plain = j;
            i = j;
            lineStart = false;
        } else if (c == '\n' || c == '\t') {
            flush(i);
            out += c == '\n' ? "<text:line-break/>" : "<text:tab/>";
            plain = ++i;
            lineStart = true;
        } else {
            // Characters that xmlText() leaves out do not count as the line's text.
            if (static_cast<unsigned char>(c) >= 0x20) lineStart = false;
            ++i;
        }
    }
    flush(text.size());
    return out;
}

} // namespace odt

std::string odtPicturePath(int index) {
    return "Pictures/" + pictureFileName(index);
}

OfficeParts odtParts(const FlowDocument& doc) {
    OfficeParts parts;
    parts.push_back({"mimetype", std::string(kMediaType), true});
    parts.push_back({"content.xml", ContentWriter(doc).xml(), false});
    parts.push_back({"styles.xml", odt::stylesXml(doc), false});
    parts.push_back({"meta.xml", metaXml(doc.properties), false});
    parts.push_back({"settings.xml", settingsXml(), false});
    parts.push_back({"META-INF/manifest.xml", manifestXml(doc.pictures().size()), false});
    return parts;
}

} // namespace tarnik
