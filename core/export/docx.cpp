// The report as a Word document: the body (paragraphs, tables, pictures), the running header,
// the page setup and the package's relationships and properties.
#include "core/export/docx.h"

#include <algorithm>
#include <cmath>

#include "core/export/docxxml.h"

namespace tarnik {

namespace {

using namespace docx;

constexpr const char* kHeaderId = "rIdHeader";
constexpr const char* kFirstHeaderId = "rIdFirstHeader";

std::string pictureRelationshipId(int index) {
    return "rIdWykres" + std::to_string(index);
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A run of text in the style's look; its lines are separated by line breaks.
std::string textRun(const std::string& text, const std::string& properties) {
    std::string xml = "<w:r>" + properties;
    std::string piece;
    const auto flush = [&] {
        if (!piece.empty()) xml += "<w:t xml:space=\"preserve\">" + xmlText(piece) + "</w:t>";
        piece.clear();
    };
    for (const char c : text) {
        if (c == '\n') {
            flush();
            xml += "<w:br/>";
        } else if (c == '\t') {
            flush();
            xml += "<w:tab/>";
        } else {
            piece += c;
        }
    }
    flush();
    return xml + "</w:r>";
}

// The runs of a paragraph's text; none for a blank one, which keeps its style's height.
std::string paragraphRuns(const FlowDocument& doc, const FlowParagraph& p) {
    if (isBlank(p.text)) return {};
    const FlowStyle* style = doc.findStyle(p.style);
    const std::string properties = style ? runProperties(doc, *style, false)
                                         : "<w:rPr>" + fontsElement(doc.fontFace) + "</w:rPr>";
    return textRun(p.text, properties);
}

constexpr const char* kRuleBelow = "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"1\" "
                                   "w:color=\"000000\"/></w:pBdr>";

// 1 or 2 for a heading in one of the document's styles, else 0 (an ordinary paragraph).
int headingLevel(const FlowDocument& doc, const FlowParagraph& p) {
    return (p.outlineLevel == 1 || p.outlineLevel == 2) && doc.findStyle(p.style) ? p.outlineLevel
                                                                                  : 0;
}

// A paragraph's properties, in the order the schema gives them.
std::string paragraphProperties(const FlowDocument& doc, const FlowParagraph& p, bool keepNext,
                                bool pageBreakBefore) {
    const FlowStyle* style = doc.findStyle(p.style);
    const int level = headingLevel(doc, p);
    std::string xml = "<w:pPr>";
    if (level > 0)
        xml += "<w:pStyle w:val=\"" + headingStyleId(level) + "\"/>";
    else if (style)
        xml += "<w:pStyle w:val=\"" + xmlText(style->name) + "\"/>";
    if (keepNext) xml += "<w:keepNext/>";
    if (pageBreakBefore) xml += "<w:pageBreakBefore/>";
    if (p.ruleBelow) xml += kRuleBelow;
    if (level > 0) {
        const long before =
            pointTwips(style->spaceBeforePt) + lineTwips(*style, p.blankLinesBefore);
        xml += "<w:spacing w:before=\"" + std::to_string(before) + "\" w:after=\"" +
               std::to_string(lineTwips(*style, p.blankLinesAfter)) +
               "\" w:line=\"240\" w:lineRule=\"auto\"/>";
        xml += "<w:jc w:val=\"" + std::string(justification(style->align)) + "\"/>";
        xml += "<w:outlineLvl w:val=\"" + std::to_string(level - 1) + "\"/>";
        // The paragraph mark in the paragraph's own look, should it differ from the heading's.
        xml += runProperties(doc, *style, true);
    }
    return xml + "</w:pPr>";
}

std::string paragraphXml(const FlowDocument& doc, const FlowParagraph& p, bool keepNext,
                         bool pageBreakBefore) {
    std::string runs;
    if (headingLevel(doc, p) > 0) {
        // A heading's runs carry its own look, which the heading style only has from the first.
        if (!isBlank(p.text))
            runs = textRun(p.text, runProperties(doc, *doc.findStyle(p.style), true));
    } else {
        runs = paragraphRuns(doc, p);
    }
    return "<w:p>" + paragraphProperties(doc, p, keepNext, pageBreakBefore) + runs + "</w:p>";
}

// An empty paragraph one point high: keeps two tables apart (Word would join them) and ends a
// body whose last block is a table.
std::string spacerParagraph(bool keepNext) {
    return std::string("<w:p><w:pPr>") + (keepNext ? "<w:keepNext/>" : "") +
           "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>"
           "<w:rPr><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr></w:pPr></w:p>";
}

std::string twipsWidth(const char* element, long value) {
    return std::string("<w:") + element + " w:w=\"" + std::to_string(value) + "\" w:type=\"dxa\"/>";
}

// The grid's columns in twips, adding up to the table's width; with no widths given, the rows'
// columns share the text width.
std::vector<long> gridColumns(const FlowDocument& doc, const FlowTable& table) {
    std::vector<double> mm = table.columnsMm;
    if (mm.empty()) {
        std::size_t count = 1;
        for (const FlowRow& row : table.rows) {
            std::size_t spans = 0;
            for (const FlowCell& cell : row.cells)
                spans += static_cast<std::size_t>(std::max(1, cell.span));
            count = std::max(count, spans);
        }
        const double text = doc.pageWidthMm - doc.marginsMm.left - doc.marginsMm.right;
        mm.assign(count, text / static_cast<double>(count));
    }
    double totalMm = 0;
    for (const double w : mm)
        totalMm += w;
    const long total = twips(totalMm);
    std::vector<long> out;
    long used = 0;
    for (std::size_t i = 0; i + 1 < mm.size(); ++i) {
        out.push_back(twips(mm[i]));
        used += out.back();
    }
    out.push_back(total - used);
    return out;
}

std::string cellBorders() {
    std::string xml = "<w:tcBorders>";
    for (const char* side : {"top", "left", "bottom", "right"})
        xml += std::string("<w:") + side +
               " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>";
    return xml + "</w:tcBorders>";
}

std::string cellXml(const FlowDocument& doc, const FlowCell& cell, const std::vector<long>& grid,
                    std::size_t column, bool keepNext, bool pageBreakBefore) {
    const std::size_t span = static_cast<std::size_t>(std::max(1, cell.span));
    long width = 0;
    for (std::size_t k = column; k < column + span && k < grid.size(); ++k)
        width += grid[k];
    std::string xml = "<w:tc><w:tcPr>" + twipsWidth("tcW", width);
    if (span > 1) xml += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
    if (cell.border) xml += cellBorders();
    if (cell.alignBottom) xml += "<w:vAlign w:val=\"bottom\"/>";
    FlowParagraph p = cell.paragraph;
    p.outlineLevel = 0;
    xml += "</w:tcPr>" + paragraphXml(doc, p, keepNext || p.keepWithNext, pageBreakBefore);
    for (FlowParagraph q : cell.more) {
        q.outlineLevel = 0;
        xml += paragraphXml(doc, q, keepNext || q.keepWithNext, false);
    }
    return xml + "</w:tc>";
}

std::string tableXml(const FlowDocument& doc, const FlowTable& table) {
    const std::vector<long> grid = gridColumns(doc, table);
    long total = 0;
    for (const long w : grid)
        total += w;
    const FlowMargins& m = table.cellMarginsMm;
    std::string xml =
        "<w:tbl><w:tblPr>" + twipsWidth("tblW", total) + twipsWidth("tblInd", 0) + "<w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        xml += std::string("<w:") + side + " w:val=\"nil\"/>";
    xml += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar>" +
           twipsWidth("top", twips(m.top)) + twipsWidth("left", twips(m.left)) +
           twipsWidth("bottom", twips(m.bottom)) + twipsWidth("right", twips(m.right)) +
           "</w:tblCellMar><w:tblLook w:val=\"0000\" w:firstRow=\"0\" w:lastRow=\"0\" "
           "w:firstColumn=\"0\" w:lastColumn=\"0\" w:noHBand=\"1\" w:noVBand=\"1\"/></w:tblPr>";
    xml += "<w:tblGrid>";
    for (const long w : grid)
        xml += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
    xml += "</w:tblGrid>";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool last = r + 1 == table.rows.size();
        const bool keepNext = last ? table.keepWithNext : table.keepTogether;
        const bool pageBreak = r == 0 && table.pageBreakBefore;
        xml += "<w:tr><w:trPr><w:cantSplit/>";
        if (static_cast<int>(r) < table.headerRows) xml += "<w:tblHeader/>";
        xml += "</w:trPr>";
        const FlowRow& row = table.rows[r];
        if (row.cells.empty()) {
            FlowCell whole;
            whole.span = static_cast<int>(grid.size());
            xml += cellXml(doc, whole, grid, 0, keepNext, pageBreak);
        }
        std::size_t column = 0;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            xml += cellXml(doc, row.cells[c], grid, column, keepNext, pageBreak && c == 0);
            column += static_cast<std::size_t>(std::max(1, row.cells[c].span));
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

// A picture in a paragraph of its own. Right under a table it leaves a point of room, or the
// picture would cover the rule under the table's last row.
std::string pictureXml(const FlowPicture& picture, int drawingId, bool afterTable) {
    const std::string cx = std::to_string(std::llround(picture.widthMm * 36000.0));
    const std::string cy = std::to_string(std::llround(picture.heightMm * 36000.0));
    const std::string name = "Wykres " + std::to_string(picture.index);
    std::string xml = "<w:p><w:pPr>";
    if (picture.keepWithNext) xml += "<w:keepNext/>";
    if (picture.pageBreakBefore) xml += "<w:pageBreakBefore/>";
    xml += std::string("<w:spacing w:before=\"") + (afterTable ? "20" : "0") +
           "\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/><w:jc "
           "w:val=\"left\"/></w:pPr><w:r><w:drawing>"
           "<wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
           "<wp:extent cx=\"" +
           cx + "\" cy=\"" + cy +
           "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/>"
           "<wp:docPr id=\"" +
           std::to_string(drawingId) + "\" name=\"" + name +
           "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
           "</wp:cNvGraphicFramePr><a:graphic><a:graphicData "
           "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
           "<pic:nvPicPr><pic:cNvPr id=\"" +
           std::to_string(drawingId) + "\" name=\"" + pictureFileName(picture.index) +
           "\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"" +
           pictureRelationshipId(picture.index) +
           "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr>"
           "<a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" +
           cx + "\" cy=\"" + cy +
           "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
           "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>";
    return xml;
}

std::string sectionXml(const FlowDocument& doc) {
    const FlowMargins& m = doc.marginsMm;
    std::string xml =
        "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"" + std::string(kHeaderId) + "\"/>";
    if (!doc.headerOnFirstPage)
        xml += "<w:headerReference w:type=\"first\" r:id=\"" + std::string(kFirstHeaderId) + "\"/>";
    xml += "<w:pgSz w:w=\"" + std::to_string(twips(doc.pageWidthMm)) + "\" w:h=\"" +
           std::to_string(twips(doc.pageHeightMm)) + "\"";
    if (doc.pageWidthMm > doc.pageHeightMm) xml += " w:orient=\"landscape\"";
    xml += "/><w:pgMar w:top=\"" + std::to_string(twips(m.top)) + "\" w:right=\"" +
           std::to_string(twips(m.right)) + "\" w:bottom=\"" + std::to_string(twips(m.bottom)) +
           "\" w:left=\"" + std::to_string(twips(m.left)) + "\" w:header=\"" +
           std::to_string(twips(m.top / 2)) + "\" w:footer=\"" +
           std::to_string(twips(m.bottom / 2)) + "\" w:gutter=\"0\"/><w:cols w:space=\"708\"/>";
    if (!doc.headerOnFirstPage) xml += "<w:titlePg/>";
    return xml + "<w:docGrid w:linePitch=\"360\"/></w:sectPr>";
}

std::string documentXml(const FlowDocument& doc) {
    std::string xml = kXmlDeclaration;
    xml += "<w:document xmlns:w=\"" + std::string(kNsW) + "\" xmlns:r=\"" + kNsR +
           "\" xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
           " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
           " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><w:body>";
    int drawingId = 0;
    bool afterTable = false;
    bool tableKeepsNext = false;
    for (const FlowBlock& block : doc.blocks) {
        if (const auto* p = std::get_if<FlowParagraph>(&block)) {
            xml += paragraphXml(doc, *p, p->keepWithNext, p->pageBreakBefore);
            afterTable = false;
        } else if (const auto* t = std::get_if<FlowTable>(&block)) {
            if (t->rows.empty()) continue;
            if (afterTable) xml += spacerParagraph(tableKeepsNext);
            xml += tableXml(doc, *t);
            afterTable = true;
            tableKeepsNext = t->keepWithNext;
        } else if (const auto* picture = std::get_if<FlowPicture>(&block)) {
            xml += pictureXml(*picture, ++drawingId, afterTable);
            afterTable = false;
        }
    }
    if (afterTable) xml += spacerParagraph(false);
    return xml + sectionXml(doc) + "</w:body></w:document>";
}

// The running header: the text before the page number, the number as a field, the text after,
// with the rule under the line and an empty line below it.
std::string headerXml(const FlowDocument& doc) {
    std::string xml = kXmlDeclaration;
    xml += "<w:hdr xmlns:w=\"" + std::string(kNsW) + "\" xmlns:r=\"" + kNsR + "\">";
    const FlowStyle* style = doc.findStyle(doc.headerStyle);
    const std::string properties = style ? runProperties(doc, *style, false)
                                         : "<w:rPr>" + fontsElement(doc.fontFace) + "</w:rPr>";
    const std::string pStyle =
        style ? "<w:pStyle w:val=\"" + xmlText(style->name) + "\"/>" : std::string();
    xml += "<w:p><w:pPr>" + pStyle + kRuleBelow + "</w:pPr>";
    if (!doc.headerBefore.empty()) xml += textRun(doc.headerBefore, properties);
    xml += "<w:r>" + properties + "<w:fldChar w:fldCharType=\"begin\"/></w:r><w:r>" + properties +
           "<w:instrText xml:space=\"preserve\"> PAGE </w:instrText></w:r><w:r>" + properties +
           "<w:fldChar w:fldCharType=\"separate\"/></w:r><w:r>" + properties +
           "<w:t>1</w:t></w:r><w:r>" + properties + "<w:fldChar w:fldCharType=\"end\"/></w:r>";
    if (!doc.headerAfter.empty()) xml += textRun(doc.headerAfter, properties);
    xml += "</w:p><w:p><w:pPr>" + pStyle + "</w:pPr></w:p>";
    return xml + "</w:hdr>";
}

std::string emptyHeaderXml() {
    return std::string(kXmlDeclaration) + "<w:hdr xmlns:w=\"" + kNsW + "\"><w:p/></w:hdr>";
}

std::string relationship(const std::string& id, const std::string& type,
                         const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + type + "\" Target=\"" + target + "\"/>";
}

constexpr const char* kNsRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";

std::string documentRelationships(const FlowDocument& doc) {
    const std::string t = kRelationshipType;
    std::string xml = std::string(kXmlDeclaration) + kNsRelationships;
    xml += relationship("rIdStyles", t + "styles", "styles.xml");
    xml += relationship("rIdSettings", t + "settings", "settings.xml");
    xml += relationship("rIdFontTable", t + "fontTable", "fontTable.xml");
    xml += relationship(kHeaderId, t + "header", "header1.xml");
    if (!doc.headerOnFirstPage) xml += relationship(kFirstHeaderId, t + "header", "header2.xml");
    for (const FlowPicture* picture : doc.pictures())
        xml += relationship(pictureRelationshipId(picture->index), t + "image",
                            "media/" + pictureFileName(picture->index));
    return xml + "</Relationships>";
}

std::string packageRelationships() {
    std::string xml = std::string(kXmlDeclaration) + kNsRelationships;
    xml += relationship("rId1", std::string(kRelationshipType) + "officeDocument",
                        "word/document.xml");
    xml += relationship(
        "rId2",
        "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
        "docProps/core.xml");
    xml += relationship("rId3", std::string(kRelationshipType) + "extended-properties",
                        "docProps/app.xml");
    return xml + "</Relationships>";
}

std::string contentTypes(const FlowDocument& doc) {
    const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    const auto override = [](const std::string& part, const std::string& type) {
        return "<Override PartName=\"" + part + "\" ContentType=\"" + type + "\"/>";
    };
    std::string xml = kXmlDeclaration;
    xml += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"png\" ContentType=\"image/png\"/>"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    xml += override("/word/document.xml", wml + "document.main+xml");
    xml += override("/word/styles.xml", wml + "styles+xml");
    xml += override("/word/settings.xml", wml + "settings+xml");
    xml += override("/word/fontTable.xml", wml + "fontTable+xml");
    xml += override("/word/header1.xml", wml + "header+xml");
    if (!doc.headerOnFirstPage) xml += override("/word/header2.xml", wml + "header+xml");
    xml += override("/docProps/core.xml",
                    "application/vnd.openxmlformats-package.core-properties+xml");
    xml += override("/docProps/app.xml",
                    "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    return xml + "</Types>";
}

std::string coreProperties(const FlowProperties& p) {
    std::string xml = kXmlDeclaration;
    xml +=
        "<cp:coreProperties "
        "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
        "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
        "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
    if (!p.title.empty()) xml += "<dc:title>" + xmlText(p.title) + "</dc:title>";
    if (!p.subject.empty()) xml += "<dc:subject>" + xmlText(p.subject) + "</dc:subject>";
    if (!p.author.empty()) xml += "<dc:creator>" + xmlText(p.author) + "</dc:creator>";
    if (!p.created.empty())
        xml += "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" + xmlText(p.created) +
               "</dcterms:created>";
    return xml + "</cp:coreProperties>";
}

std::string appProperties() {
    return std::string(kXmlDeclaration) +
           "<Properties "
           "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
           "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
           "<Application>Tarnik</Application></Properties>";
}

} // namespace

OfficeParts docxParts(const FlowDocument& doc) {
    OfficeParts parts;
    parts.push_back({"[Content_Types].xml", contentTypes(doc)});
    parts.push_back({"_rels/.rels", packageRelationships()});
    parts.push_back({"word/document.xml", documentXml(doc)});
    parts.push_back({"word/_rels/document.xml.rels", documentRelationships(doc)});
    parts.push_back({"word/styles.xml", stylesXml(doc)});
    parts.push_back({"word/settings.xml", settingsXml()});
    parts.push_back({"word/fontTable.xml", fontTableXml(doc)});
    parts.push_back({"word/header1.xml", headerXml(doc)});
    if (!doc.headerOnFirstPage) parts.push_back({"word/header2.xml", emptyHeaderXml()});
    parts.push_back({"docProps/core.xml", coreProperties(doc.properties)});
    parts.push_back({"docProps/app.xml", appProperties()});
    return parts;
}

std::string docxPicturePath(int index) {
    return "word/media/" + pictureFileName(index);
}

} // namespace tarnik
