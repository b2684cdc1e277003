// The Word document's styles, fonts and settings, and the XML pieces its parts share.
#include <cmath>
#include <cstdio>
#include <set>

#include "core/export/docxxml.h"

namespace tarnik::docx {

namespace {

std::string hexColour(const Colour& c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", c.r, c.g, c.b);
    return buffer;
}

std::string spacingElement(long before, long after) {
    return "<w:spacing w:before=\"" + std::to_string(before) + "\" w:after=\"" +
           std::to_string(after) + "\" w:line=\"240\" w:lineRule=\"auto\"/>";
}

// One paragraph style: the report's style under its own name, or a heading level based on it.
std::string paragraphStyle(const FlowDocument& doc, const FlowStyle& style, int headingLevel) {
    std::string xml = "<w:style w:type=\"paragraph\"";
    std::string id;
    std::string name;
    if (headingLevel > 0) {
        id = headingStyleId(headingLevel);
        name = "heading " + std::to_string(headingLevel);
    } else {
        id = style.name;
        name = style.name;
        xml += style.name == "Normal" ? " w:default=\"1\"" : " w:customStyle=\"1\"";
    }
    xml += " w:styleId=\"" + xmlText(id) + "\"><w:name w:val=\"" + xmlText(name) + "\"/>";
    if (headingLevel > 0) {
        xml += "<w:basedOn w:val=\"" + xmlText(style.name) + "\"/>";
        if (doc.findStyle("Normal")) xml += "<w:next w:val=\"Normal\"/>";
        xml += "<w:uiPriority w:val=\"9\"/><w:qFormat/>";
    } else if (style.name == "Normal") {
        xml += "<w:qFormat/>";
    }
    xml += "<w:pPr>";
    // Word processors' own headings keep with the next paragraph; the report's do not.
    if (headingLevel > 0) xml += "<w:keepNext w:val=\"0\"/><w:keepLines w:val=\"0\"/>";
    xml += spacingElement(pointTwips(style.spaceBeforePt), 0);
    xml += "<w:jc w:val=\"" + std::string(justification(style.align)) + "\"/>";
    if (headingLevel > 0)
        xml += "<w:outlineLvl w:val=\"" + std::to_string(headingLevel - 1) + "\"/>";
    xml += "</w:pPr>" + runProperties(doc, style, headingLevel > 0) + "</w:style>";
    return xml;
}

std::string fontElement(const std::string& face, const std::string& altName) {
    std::string xml = "<w:font w:name=\"" + xmlText(face) + "\">";
    if (!altName.empty() && altName != face)
        xml += "<w:altName w:val=\"" + xmlText(altName) + "\"/>";
    return xml + "<w:pitch w:val=\"variable\"/></w:font>";
}

} // namespace

long twips(double mm) {
    return std::lround(mm * 1440.0 / 25.4);
}

long pointTwips(double points) {
    return std::lround(points * 20.0);
}

std::string styleFace(const FlowDocument& doc, const FlowStyle& style) {
    return style.font.face.empty() ? doc.fontFace : style.font.face;
}

long lineTwips(const FlowStyle& style, int lines) {
    // A sans face's single line is 1.15 times its size.
    return std::lround(lines * style.font.points * 1.15 * 20.0);
}

std::string fontsElement(const std::string& face) {
    const std::string f = xmlText(face);
    return "<w:rFonts w:ascii=\"" + f + "\" w:hAnsi=\"" + f + "\" w:eastAsia=\"" + f +
           "\" w:cs=\"" + f + "\"/>";
}

std::string runProperties(const FlowDocument& doc, const FlowStyle& style, bool explicitPlain) {
    std::string xml = "<w:rPr>" + fontsElement(styleFace(doc, style));
    if (style.font.bold)
        xml += "<w:b/><w:bCs/>";
    else if (explicitPlain)
        xml += "<w:b w:val=\"0\"/><w:bCs w:val=\"0\"/>";
    if (explicitPlain) xml += "<w:i w:val=\"0\"/><w:iCs w:val=\"0\"/>";
    xml += "<w:color w:val=\"" + hexColour(style.font.colour) + "\"/>";
    const std::string size = std::to_string(style.font.points * 2);
    xml += "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/>";
    return xml + "</w:rPr>";
}

const char* justification(FlowAlign align) {
    switch (align) {
    case FlowAlign::Centre:
        return "center";
    case FlowAlign::Right:
        return "right";
    case FlowAlign::Left:
        break;
    }
    return "left";
}

std::string headingStyleId(int level) {
    return "Heading" + std::to_string(level);
}

const FlowParagraph* firstHeading(const FlowDocument& doc, int level) {
    for (const FlowBlock& block : doc.blocks)
        if (const auto* p = std::get_if<FlowParagraph>(&block))
            if (p->outlineLevel == level && doc.findStyle(p->style)) return p;
    return nullptr;
}

std::string stylesXml(const FlowDocument& doc) {
    std::string xml = kXmlDeclaration;
    xml += "<w:styles xmlns:w=\"" + std::string(kNsW) + "\">";
    xml += "<w:docDefaults><w:rPrDefault><w:rPr>" + fontsElement(doc.fontFace) +
           "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/>"
           "<w:lang w:val=\"pl-PL\" w:eastAsia=\"pl-PL\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
           "<w:pPrDefault><w:pPr><w:widowControl w:val=\"0\"/>" +
           spacingElement(0, 0) + "</w:pPr></w:pPrDefault></w:docDefaults>";
    if (!doc.findStyle("Normal"))
        xml += "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
               "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>";
    xml += "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
           "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/>"
           "<w:unhideWhenUsed/></w:style>";
    xml += "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\">"
           "<w:name w:val=\"Normal Table\"/><w:uiPriority w:val=\"99\"/><w:semiHidden/>"
           "<w:unhideWhenUsed/><w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar>"
           "<w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"0\" w:type=\"dxa\"/>"
           "<w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"0\" w:type=\"dxa\"/>"
           "</w:tblCellMar></w:tblPr></w:style>";
    std::set<std::string> ids;
    for (const FlowStyle& style : doc.styles)
        if (ids.insert(style.name).second) xml += paragraphStyle(doc, style, 0);
    for (int level = 1; level <= 2; ++level)
        if (const FlowParagraph* heading = firstHeading(doc, level))
            xml += paragraphStyle(doc, *doc.findStyle(heading->style), level);
    return xml + "</w:styles>";
}

std::string fontTableXml(const FlowDocument& doc) {
    std::string xml = kXmlDeclaration;
    xml += "<w:fonts xmlns:w=\"" + std::string(kNsW) + "\">";
    std::set<std::string> written;
    const auto add = [&](const std::string& face) {
        if (face.empty() || !written.insert(face).second) return;
        xml += fontElement(face, face == doc.fallbackFontFace ? "" : doc.fallbackFontFace);
    };
    add(doc.fontFace);
    for (const FlowStyle& style : doc.styles)
        add(styleFace(doc, style));
    add(doc.fallbackFontFace);
    return xml + "</w:fonts>";
}

std::string settingsXml() {
    std::string xml = kXmlDeclaration;
    xml += "<w:settings xmlns:w=\"" + std::string(kNsW) +
           "\"><w:zoom w:percent=\"100\"/><w:defaultTabStop w:val=\"708\"/>"
           "<w:hyphenationZone w:val=\"425\"/>"
           "<w:characterSpacingControl w:val=\"doNotCompress\"/><w:compat>"
           "<w:compatSetting w:name=\"compatibilityMode\" "
           "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
           "<w:themeFontLang w:val=\"pl-PL\"/><w:decimalSymbol w:val=\",\"/>"
           "<w:listSeparator w:val=\";\"/></w:settings>";
    return xml;
}

} // namespace tarnik::docx
