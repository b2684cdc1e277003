// The ODT writer's shared helpers and styles.xml: the fonts, the default paragraph style in
// Polish, one named style per report style, the two heading styles, the page layout with the
// running header and, when the first page has none, the first page's master page.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "core/export/odtxml.h"

namespace tarnik::odt {

namespace {

// Room between the header's rule and the body text.
constexpr double kHeaderGapMm = 2.5;
// Room between the header's text and its rule.
constexpr double kHeaderRulePaddingMm = 0.5;
constexpr double kMmPerPt = 25.4 / 72.0;

std::string number(double value) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    std::string s(buf, res.ptr);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string hexColour(Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

const char* alignValue(FlowAlign a) {
    switch (a) {
    case FlowAlign::Centre:
        return "center";
    case FlowAlign::Right:
        return "end";
    case FlowAlign::Left:
        break;
    }
    return "start";
}

// A face in svg:font-family: quoted unless it is one plain word.
std::string familyName(const std::string& face) {
    const bool plain = !face.empty() && std::all_of(face.begin(), face.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
    return plain ? face : "'" + face + "'";
}

std::string fontFace(const std::string& face, const std::string& fallback) {
    std::string family = familyName(face);
    if (!fallback.empty() && fallback != face) family += ", " + familyName(fallback);
    return "<style:font-face style:name=\"" + xmlText(face) + "\" svg:font-family=\"" +
           xmlText(family) + "\" style:font-family-generic=\"swiss\"" +
           " style:font-pitch=\"variable\"/>";
}

FlowStyle defaultLook(const FlowDocument& doc) {
    FlowStyle s;
    if (!doc.styles.empty())
        s = doc.styles.front();
    else
        s.font.face = doc.fontFace.empty() ? s.font.face : doc.fontFace;
    return s;
}

// The height of the header line with its rule, which the page's top margin makes room for.
double headerHeightMm(const FlowDocument& doc) {
    const FlowStyle* style = doc.findStyle(doc.headerStyle);
    const double points = style ? style->font.points : defaultLook(doc).font.points;
    const double spaceBefore = style ? style->spaceBeforePt : 0;
    return (lineHeightPt(points) + spaceBefore) * kMmPerPt + kHeaderRulePaddingMm + 0.2;
}

std::string pageLayout(const FlowDocument& doc, const std::string& name, bool header) {
    const FlowMargins& m = doc.marginsMm;
    const double headerMm = header ? headerHeightMm(doc) : 0;
    const double top = header ? std::max(0.0, m.top - headerMm - kHeaderGapMm) : m.top;
    std::string out = "<style:page-layout style:name=\"" + name + "\">";
    out += "<style:page-layout-properties fo:page-width=\"" + mm(doc.pageWidthMm) +
           "\" fo:page-height=\"" + mm(doc.pageHeightMm) + "\" style:print-orientation=\"" +
           (doc.pageWidthMm > doc.pageHeightMm ? "landscape" : "portrait") + "\" fo:margin-top=\"" +
           mm(top) + "\" fo:margin-bottom=\"" + mm(m.bottom) + "\" fo:margin-left=\"" + mm(m.left) +
           "\" fo:margin-right=\"" + mm(m.right) + "\" style:writing-mode=\"lr-tb\"/>";
    if (header)
        out += "<style:header-style><style:header-footer-properties fo:min-height=\"" +
               mm(headerMm) + "\" fo:margin-left=\"0mm\" fo:margin-right=\"0mm\"" +
               " fo:margin-bottom=\"" + mm(kHeaderGapMm) +
               "\" style:dynamic-spacing=\"false\"/></style:header-style>";
    else
        out += "<style:header-style/>";
    out += "<style:footer-style/></style:page-layout>";
    return out;
}

std::string namedStyle(const std::string& name, const std::string& displayName,
                       const FlowStyle& look, std::string_view extraAttributes = {}) {
    std::string out = "<style:style style:name=\"" + xmlText(name) + "\"";
    if (displayName != name) out += " style:display-name=\"" + xmlText(displayName) + "\"";
    out += " style:family=\"paragraph\" style:parent-style-name=\"Standard\"";
    out += extraAttributes;
    out += " style:class=\"text\">";
    out += paragraphProperties(look, look.spaceBeforePt, 0);
    out += textProperties(look.font);
    out += "</style:style>";
    return out;
}

} // namespace

std::string mm(double value) {
    return number(value) + "mm";
}

std::string pt(double value) {
    return number(value) + "pt";
}

double lineHeightPt(double fontPoints) {
    return fontPoints * 1.15;
}

std::string styleName(const std::string& reportName) {
    std::string out;
    for (std::size_t i = 0; i < reportName.size(); ++i) {
        const auto c = static_cast<unsigned char>(reportName[i]);
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool inner = (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (letter || (inner && i > 0)) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "_%02x_", c);
            out += buf;
        }
    }
    return out.empty() ? "_" : out;
}

std::string headingStyleName(int level) {
    return "Heading_20_" + std::to_string(level);
}

FlowStyle headingLook(const FlowDocument& doc, int level) {
    for (const FlowBlock& b : doc.blocks) {
        const auto* p = std::get_if<FlowParagraph>(&b);
        if (!p || p->outlineLevel != level) continue;
        if (const FlowStyle* s = doc.findStyle(p->style)) return *s;
        break;
    }
    FlowStyle look = defaultLook(doc);
    look.font.bold = true;
    return look;
}

std::string paragraphProperties(const FlowStyle& style, double marginTopPt, double marginBottomPt,
                                std::string_view extra) {
    std::string out = "<style:paragraph-properties fo:margin-top=\"" + pt(marginTopPt) +
                      "\" fo:margin-bottom=\"" + pt(marginBottomPt) + "\" fo:text-align=\"" +
                      alignValue(style.align) + "\"";
    out += extra;
    out += "/>";
    return out;
}

std::string textProperties(const FontSpec& font) {
    return "<style:text-properties style:font-name=\"" + xmlText(font.face) + "\" fo:font-size=\"" +
           pt(font.points) + "\" fo:font-weight=\"" + (font.bold ? "bold" : "normal") +
           "\" fo:color=\"" + hexColour(font.colour) + "\"/>";
}

std::string fontFaceDecls(const FlowDocument& doc) {
    std::set<std::string> faces;
    if (!doc.fontFace.empty()) faces.insert(doc.fontFace);
    for (const FlowStyle& s : doc.styles)
        if (!s.font.face.empty()) faces.insert(s.font.face);
    faces.insert(defaultLook(doc).font.face);
    std::string out = "<office:font-face-decls>";
    for (const std::string& face : faces)
        if (face != doc.fallbackFontFace) out += fontFace(face, doc.fallbackFontFace);
    if (!doc.fallbackFontFace.empty()) out += fontFace(doc.fallbackFontFace, {});
    out += "</office:font-face-decls>";
    return out;
}

std::string stylesXml(const FlowDocument& doc) {
    const FlowStyle base = defaultLook(doc);
    std::string out(kXmlDeclaration);
    out += "<office:document-styles";
    out += kOfficeNs;
    out += ">";
    out += fontFaceDecls(doc);

    out += "<office:styles>";
    out += "<style:default-style style:family=\"paragraph\">"
           "<style:paragraph-properties style:tab-stop-distance=\"12.5mm\"/>"
           "<style:text-properties style:font-name=\"" +
           xmlText(doc.fontFace.empty() ? base.font.face : doc.fontFace) + "\" fo:font-size=\"" +
           pt(base.font.points) +
           "\" fo:language=\"pl\" fo:country=\"PL\" fo:hyphenate=\"false\"/>"
           "</style:default-style>";
    out += "<style:style style:name=\"Standard\" style:family=\"paragraph\" "
           "style:class=\"text\"/>";
    for (const FlowStyle& s : doc.styles)
        out += namedStyle(styleName(s.name), s.name, s);
    for (int level = 1; level <= 2; ++level)
        out += namedStyle(headingStyleName(level), "Heading " + std::to_string(level),
                          headingLook(doc, level),
                          " style:default-outline-level=\"" + std::to_string(level) + "\"");
    // Headings keep their levels without numbers.
    out += "<text:outline-style style:name=\"Outline\">";
    for (int level = 1; level <= 10; ++level)
        out += "<text:outline-level-style text:level=\"" + std::to_string(level) +
               "\" style:num-format=\"\"/>";
    out += "</text:outline-style>";
    out += "</office:styles>";

    const bool firstPageOwnMaster = !doc.headerOnFirstPage;
    out += "<office:automatic-styles>";
    out += "<style:style style:name=\"MP1\" style:family=\"paragraph\"";
    if (doc.findStyle(doc.headerStyle))
        out += " style:parent-style-name=\"" + xmlText(styleName(doc.headerStyle)) + "\"";
    out += "><style:paragraph-properties fo:border-top=\"none\" fo:border-left=\"none\" "
           "fo:border-right=\"none\" fo:border-bottom=\"";
    out += kThinRule;
    out += "\" fo:padding-bottom=\"" + mm(kHeaderRulePaddingMm) + "\"/></style:style>";
    out += pageLayout(doc, "pm1", true);
    if (firstPageOwnMaster) out += pageLayout(doc, "pm2", false);
    out += "</office:automatic-styles>";

    out += "<office:master-styles>";
    out += "<style:master-page style:name=\"Standard\" style:page-layout-name=\"pm1\">"
           "<style:header><text:p text:style-name=\"MP1\">";
    out += textRuns(doc.headerBefore);
    out += "<text:page-number text:select-page=\"current\">1</text:page-number>";
    out += textRuns(doc.headerAfter);
    out += "</text:p></style:header></style:master-page>";
    if (firstPageOwnMaster) {
        out += "<style:master-page style:name=\"";
        out += kFirstPageMaster;
        out += "\" style:page-layout-name=\"pm2\" style:next-style-name=\"Standard\"/>";
    }
    out += "</office:master-styles>";
    out += "</office:document-styles>";
    return out;
}

} // namespace tarnik::odt
