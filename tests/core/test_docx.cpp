// The Word document's XML: texts made safe, headings Word and LibreOffice recognise, tables that
// repeat their heading rows and stay together, pictures and their relationships, the page setup.
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

#include "core/export/docx.h"

using namespace tarnik;

namespace {

std::string part(const OfficeParts& parts, const std::string& path) {
    for (const OfficePart& p : parts)
        if (p.path == path) return p.bytes;
    ADD_FAILURE() << "no part " << path;
    return {};
}

bool hasPart(const OfficeParts& parts, const std::string& path) {
    for (const OfficePart& p : parts)
        if (p.path == path) return true;
    return false;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The pieces of `xml` from each `open` to the next `close`, in order.
std::vector<std::string> elements(const std::string& xml, const std::string& open,
                                  const std::string& close) {
    std::vector<std::string> out;
    for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
        const std::size_t end = xml.find(close, at);
        out.push_back(xml.substr(at, end == std::string::npos ? end : end + close.size() - at));
    }
    return out;
}

// The numbers in the attribute `name` of every element in `xml` that has it.
std::vector<long> attributeValues(const std::string& xml, const std::string& name) {
    std::vector<long> out;
    const std::string key = name + "=\"";
    for (std::size_t at = xml.find(key); at != std::string::npos; at = xml.find(key, at + 1))
        out.push_back(std::stol(xml.substr(at + key.size())));
    return out;
}

FlowStyle style(const std::string& name, int points, bool bold = false) {
    FlowStyle s;
    s.name = name;
    s.font.face = "Arial";
    s.font.points = points;
    s.font.bold = bold;
    return s;
}

FlowDocument baseDocument() {
    FlowDocument doc;
    doc.fontFace = "Arial";
    doc.marginsMm = {20, 15, 10, 25};
    doc.headerStyle = "Z_Header";
    doc.styles = {style("Normal", 10), style("Header", 14, true), style("TableText", 9),
                  style("Z_Header", 8)};
    return doc;
}

FlowParagraph paragraph(const std::string& text, const std::string& styleName = "Normal",
                        int level = 0) {
    FlowParagraph p;
    p.style = styleName;
    p.text = text;
    p.outlineLevel = level;
    return p;
}

FlowTable table(int rows, int headerRows) {
    FlowTable t;
    t.columnsMm = {33.3, 33.3, 33.4};
    t.cellMarginsMm = {1, 0.5, 1, 0.5};
    t.headerRows = headerRows;
    for (int r = 0; r < rows; ++r) {
        FlowRow row;
        for (int c = 0; c < 3; ++c) {
            FlowCell cell;
            cell.paragraph =
                paragraph("r" + std::to_string(r) + "c" + std::to_string(c), "TableText");
            row.cells.push_back(cell);
        }
        t.rows.push_back(row);
    }
    return t;
}

} // namespace

TEST(Docx, TextsAreEscapedBrokenIntoLinesAndBlankOnesHaveNoRuns) {
    FlowDocument doc = baseDocument();
    doc.blocks.push_back(paragraph("a<&>\"b\x01"
                                   "c\x1f\r"));
    doc.blocks.push_back(paragraph("pierwsza\ndruga\n"));
    doc.blocks.push_back(paragraph("   "));
    doc.headerBefore = "Ocena <A&B> str. ";
    doc.properties.title = "Spawacz \"MIG\" & <TIG>";
    doc.properties.author = "Służba BHP\x02";
    doc.properties.created = "2024-01-31T12:34:56Z";
    const OfficeParts parts = docxParts(doc);

    const std::string body = part(parts, "word/document.xml");
    EXPECT_NE(body.find(">a&lt;&amp;&gt;&quot;bc</w:t>"), std::string::npos) << body;
    EXPECT_NE(body.find("<w:t xml:space=\"preserve\">pierwsza</w:t><w:br/>"
                        "<w:t xml:space=\"preserve\">druga</w:t><w:br/></w:r>"),
              std::string::npos);
    // The blank paragraph is there, in its style, without a run.
    const std::vector<std::string> paragraphs = elements(body, "<w:p>", "</w:p>");
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_NE(paragraphs[2].find("<w:pStyle w:val=\"Normal\"/>"), std::string::npos);
    EXPECT_EQ(paragraphs[2].find("<w:r>"), std::string::npos);
    EXPECT_NE(paragraphs[1].find("<w:r>"), std::string::npos);

    EXPECT_NE(part(parts, "word/header1.xml").find("Ocena &lt;A&amp;B&gt; str. "),
              std::string::npos);
    const std::string core = part(parts, "docProps/core.xml");
    EXPECT_NE(core.find("<dc:title>Spawacz &quot;MIG&quot; &amp; &lt;TIG&gt;</dc:title>"),
              std::string::npos);
    EXPECT_NE(core.find("<dc:creator>Służba BHP</dc:creator>"), std::string::npos);
    EXPECT_NE(core.find(">2024-01-31T12:34:56Z</dcterms:created>"), std::string::npos);
    EXPECT_EQ(core.find("lastModifiedBy"), std::string::npos);
    for (const OfficePart& p : parts)
        for (const char c : p.bytes)
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t')
                << p.path << " holds control character " << int(c);
    // Without a creation date there is no element for it.
    doc.properties.created.clear();
    EXPECT_EQ(part(docxParts(doc), "docProps/core.xml").find("dcterms:created"), std::string::npos);
}

TEST(Docx, BytesThatAreNotUtf8AreReplacedAndLettersKept) {
    FlowDocument doc = baseDocument();
    doc.blocks.push_back(paragraph("Łódź \xC3 x \xEF\xBF\xBF y"));
    const std::string body = part(docxParts(doc), "word/document.xml");
    EXPECT_NE(body.find(">Łódź \xEF\xBF\xBD x  y</w:t>"), std::string::npos) << body;
}

TEST(Docx, HeadingsUseTheBuiltInHeadingStylesWithOutlineLevels) {
    FlowDocument doc = baseDocument();
    FlowParagraph first = paragraph("Dane ogólne", "Header", 1);
    first.blankLinesBefore = 2;
    first.blankLinesAfter = 1;
    doc.blocks.push_back(first);
    doc.blocks.push_back(paragraph("Tekst", "Normal"));
    doc.blocks.push_back(paragraph("Zagrożenia", "Normal", 2));
    const OfficeParts parts = docxParts(doc);

    const std::vector<std::string> paragraphs =
        elements(part(parts, "word/document.xml"), "<w:p>", "</w:p>");
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_NE(paragraphs[0].find("<w:pStyle w:val=\"Heading1\"/>"), std::string::npos);
    EXPECT_NE(paragraphs[0].find("<w:outlineLvl w:val=\"0\"/>"), std::string::npos);
    // Two lines of 14 points above, one below.
    EXPECT_NE(paragraphs[0].find("w:before=\"644\" w:after=\"322\""), std::string::npos)
        << paragraphs[0];
    EXPECT_NE(paragraphs[1].find("<w:pStyle w:val=\"Normal\"/>"), std::string::npos);
    EXPECT_EQ(paragraphs[1].find("outlineLvl"), std::string::npos);
    EXPECT_NE(paragraphs[2].find("<w:pStyle w:val=\"Heading2\"/>"), std::string::npos);
    EXPECT_NE(paragraphs[2].find("<w:outlineLvl w:val=\"1\"/>"), std::string::npos);

    const std::string styles = part(parts, "word/styles.xml");
    const std::vector<std::string> h1 =
        elements(styles, "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\">", "</w:style>");
    ASSERT_EQ(h1.size(), 1u) << styles;
    EXPECT_NE(h1[0].find("<w:name w:val=\"heading 1\"/><w:basedOn w:val=\"Header\"/>"),
              std::string::npos);
    EXPECT_NE(h1[0].find("<w:outlineLvl w:val=\"0\"/>"), std::string::npos);
    EXPECT_NE(h1[0].find("<w:b/>"), std::string::npos);
    EXPECT_NE(h1[0].find("<w:sz w:val=\"28\"/>"), std::string::npos);
    const std::vector<std::string> h2 =
        elements(styles, "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\">", "</w:style>");
    ASSERT_EQ(h2.size(), 1u);
    EXPECT_NE(h2[0].find("<w:name w:val=\"heading 2\"/><w:basedOn w:val=\"Normal\"/>"),
              std::string::npos);
    EXPECT_NE(h2[0].find("<w:outlineLvl w:val=\"1\"/>"), std::string::npos);
    EXPECT_NE(styles.find("<w:lang w:val=\"pl-PL\""), std::string::npos);
    // Every report style is there under its own name, the Normal one as the default.
    for (const char* id : {"Header", "TableText", "Z_Header"})
        EXPECT_NE(styles.find("w:customStyle=\"1\" w:styleId=\"" + std::string(id) + "\""),
                  std::string::npos)
            << id;
    EXPECT_EQ(count(styles, "w:styleId=\"Normal\""), 1);
    EXPECT_NE(styles.find("w:default=\"1\" w:styleId=\"Normal\""), std::string::npos);

    // A heading in a style the document lacks keeps its text, as an ordinary paragraph.
    doc.blocks = {paragraph("Bez stylu", "Nieznany", 1)};
    const std::string unstyled = part(docxParts(doc), "word/document.xml");
    EXPECT_NE(unstyled.find(">Bez stylu</w:t>"), std::string::npos);
    EXPECT_EQ(unstyled.find("Heading"), std::string::npos);

    // A document without headings has no heading styles.
    doc.blocks = {paragraph("Tekst")};
    EXPECT_EQ(part(docxParts(doc), "word/styles.xml").find("Heading"), std::string::npos);
}

TEST(Docx, TableRepeatsItsHeadingRowsAndKeepsTogether) {
    FlowDocument doc = baseDocument();
    FlowTable together = table(5, 2);
    together.keepTogether = true;
    FlowTable loose = table(3, 0);
    doc.blocks.push_back(together);
    doc.blocks.push_back(loose);
    const std::string body = part(docxParts(doc), "word/document.xml");

    const std::vector<std::string> rows = elements(body, "<w:tr>", "</w:tr>");
    ASSERT_EQ(rows.size(), 8u);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_NE(rows[r].find("<w:trPr><w:cantSplit/>"), std::string::npos);
        EXPECT_EQ(count(rows[r], "<w:tblHeader/>"), r < 2 ? 1 : 0);
        // keepTogether: every cell paragraph of all rows but the last keeps with the next.
        EXPECT_EQ(count(rows[r], "<w:keepNext/>"), r < 4 ? 3 : 0);
    }
    // Two tables one after the other stay two tables.
    EXPECT_EQ(count(body, "<w:tbl>"), 2);
    EXPECT_NE(body.find("</w:tbl><w:p>"), std::string::npos);

    // keepWithNext: the last row too.
    together.keepWithNext = true;
    doc.blocks = {together, paragraph("Dalej")};
    const std::vector<std::string> kept =
        elements(part(docxParts(doc), "word/document.xml"), "<w:tr>", "</w:tr>");
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(count(kept[4], "<w:keepNext/>"), 3);
}

TEST(Docx, TableGridAddsUpAndCellsKeepTheirShape) {
    FlowDocument doc = baseDocument();
    FlowTable t = table(2, 1);
    t.pageBreakBefore = true;
    t.rows[1].cells[0].border = true;
    t.rows[1].cells[1].alignBottom = true;
    t.rows[1].cells[1].span = 2;
    t.rows[1].cells.pop_back();
    t.rows.push_back(FlowRow{}); // a row without cells
    doc.blocks.push_back(t);
    doc.blocks.push_back(FlowTable{}); // no rows: left out
    const std::string body = part(docxParts(doc), "word/document.xml");

    EXPECT_EQ(count(body, "<w:tbl>"), 1);
    const std::string grid = elements(body, "<w:tblGrid>", "</w:tblGrid>").at(0);
    const std::vector<long> columns = attributeValues(grid, "w:w");
    ASSERT_EQ(columns.size(), 3u);
    // 100 mm in twips, the rounding rest in the last column.
    EXPECT_EQ(std::accumulate(columns.begin(), columns.end(), 0L), 5669);
    EXPECT_EQ(columns[0], 1888);
    EXPECT_EQ(columns[2], 5669 - 2 * 1888);
    EXPECT_NE(body.find("<w:tblW w:w=\"5669\" w:type=\"dxa\"/>"), std::string::npos);
    EXPECT_NE(body.find("<w:tblLayout w:type=\"fixed\"/>"), std::string::npos);
    EXPECT_NE(body.find("<w:tblCellMar><w:top w:w=\"28\" w:type=\"dxa\"/><w:left w:w=\"57\" "
                        "w:type=\"dxa\"/><w:bottom w:w=\"28\" w:type=\"dxa\"/><w:right "
                        "w:w=\"57\" w:type=\"dxa\"/></w:tblCellMar>"),
              std::string::npos);

    const std::vector<std::string> rows = elements(body, "<w:tr>", "</w:tr>");
    ASSERT_EQ(rows.size(), 3u);
    // The page break goes to the first cell's paragraph only.
    EXPECT_EQ(count(body, "<w:pageBreakBefore/>"), 1);
    EXPECT_NE(elements(rows[0], "<w:tc>", "</w:tc>").at(0).find("<w:pageBreakBefore/>"),
              std::string::npos);
    const std::vector<std::string> cells = elements(rows[1], "<w:tc>", "</w:tc>");
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_NE(cells[0].find("<w:top w:val=\"single\" w:sz=\"4\""), std::string::npos);
    EXPECT_EQ(cells[1].find("<w:tcBorders>"), std::string::npos);
    EXPECT_NE(cells[1].find("<w:tcW w:w=\"" + std::to_string(5669 - 1888) +
                            "\" w:type=\"dxa\"/><w:gridSpan w:val=\"2\"/>"),
              std::string::npos);
    EXPECT_NE(cells[1].find("<w:vAlign w:val=\"bottom\"/>"), std::string::npos);
    EXPECT_EQ(cells[0].find("vAlign"), std::string::npos);
    // The empty row has one empty cell across the table.
    const std::vector<std::string> empty = elements(rows[2], "<w:tc>", "</w:tc>");
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_NE(empty[0].find("<w:gridSpan w:val=\"3\"/>"), std::string::npos);
    EXPECT_NE(empty[0].find("<w:p>"), std::string::npos);
    // The body does not end with the table.
    EXPECT_NE(body.find("</w:tbl><w:p>"), std::string::npos);
}

TEST(Docx, PicturesAreRelatedTypedAndNumbered) {
    FlowDocument doc = baseDocument();
    for (int i = 1; i <= 2; ++i) {
        FlowPicture picture;
        picture.widthMm = 150;
        picture.heightMm = 80.5;
        picture.index = i;
        picture.keepWithNext = i == 1;
        doc.blocks.push_back(picture);
        doc.blocks.push_back(paragraph("Opis"));
    }
    const OfficeParts parts = docxParts(doc);
    EXPECT_EQ(docxPicturePath(2), "word/media/wykres2.png");
    EXPECT_FALSE(hasPart(parts, docxPicturePath(1)));

    const std::string rels = part(parts, "word/_rels/document.xml.rels");
    const std::string body = part(parts, "word/document.xml");
    for (int i = 1; i <= 2; ++i) {
        const std::string target = "Target=\"media/wykres" + std::to_string(i) + ".png\"";
        const std::vector<std::string> rel = elements(rels, "<Relationship ", "/>");
        std::string id;
        for (const std::string& r : rel)
            if (r.find(target) != std::string::npos) {
                EXPECT_NE(r.find("relationships/image\""), std::string::npos);
                id = r.substr(r.find("Id=\"") + 4);
                id = id.substr(0, id.find('"'));
            }
        ASSERT_FALSE(id.empty()) << rels;
        EXPECT_EQ(count(body, "<a:blip r:embed=\"" + id + "\"/>"), 1);
        EXPECT_NE(body.find("name=\"Wykres " + std::to_string(i) + "\""), std::string::npos);
    }
    EXPECT_EQ(count(body, "<wp:extent cx=\"5400000\" cy=\"2898000\"/>"), 2);
    const std::vector<long> ids = attributeValues(
        [&] {
            std::string docPrs;
            for (const std::string& e : elements(body, "<wp:docPr ", "/>"))
                docPrs += e;
            return docPrs;
        }(),
        " id");
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_NE(ids[0], ids[1]);
    // The first picture keeps with its caption, the second does not.
    const std::vector<std::string> drawings = elements(body, "<w:p>", "</w:p>");
    ASSERT_EQ(drawings.size(), 4u);
    EXPECT_NE(drawings[0].find("<w:keepNext/>"), std::string::npos);
    EXPECT_EQ(drawings[2].find("<w:keepNext/>"), std::string::npos);
    for (const char* ns : {"xmlns:wp=", "xmlns:a=", "xmlns:pic=", "xmlns:r="})
        EXPECT_NE(body.find(ns), std::string::npos) << ns;

    const std::string types = part(parts, "[Content_Types].xml");
    EXPECT_NE(types.find("<Default Extension=\"png\" ContentType=\"image/png\"/>"),
              std::string::npos);
    EXPECT_NE(types.find("PartName=\"/word/document.xml\" ContentType=\"application/"
                         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\""),
              std::string::npos);
    // Every part but the content types and relationships has its own type.
    for (const OfficePart& p : parts) {
        if (p.path.find(".rels") == std::string::npos && p.path != "[Content_Types].xml") {
            EXPECT_NE(types.find("PartName=\"/" + p.path + "\""), std::string::npos) << p.path;
        }
    }
}

TEST(Docx, PageSetupAndTheHeaderOnTheFirstPageOrNot) {
    FlowDocument doc = baseDocument();
    doc.headerBefore = "Strona ";
    doc.headerAfter = " z raportu";
    doc.blocks.push_back(paragraph("Tekst"));
    OfficeParts parts = docxParts(doc);
    std::string body = part(parts, "word/document.xml");
    EXPECT_NE(body.find("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"), std::string::npos);
    // left 20, top 15, right 10, bottom 25 mm.
    EXPECT_NE(body.find("<w:pgMar w:top=\"850\" w:right=\"567\" w:bottom=\"1417\" "
                        "w:left=\"1134\" w:header=\"425\""),
              std::string::npos)
        << body;
    EXPECT_EQ(body.find("<w:titlePg/>"), std::string::npos);
    EXPECT_EQ(body.find("w:type=\"first\""), std::string::npos);
    EXPECT_FALSE(hasPart(parts, "word/header2.xml"));

    const std::string header = part(parts, "word/header1.xml");
    const std::vector<std::string> lines = elements(header, "<w:p>", "</w:p>");
    ASSERT_EQ(lines.size(), 2u);
    const std::size_t before = lines[0].find(">Strona </w:t>");
    const std::size_t field = lines[0].find("> PAGE </w:instrText>");
    const std::size_t after = lines[0].find("> z raportu</w:t>");
    ASSERT_NE(field, std::string::npos);
    EXPECT_LT(before, field);
    EXPECT_LT(field, after);
    EXPECT_NE(after, std::string::npos);
    EXPECT_NE(lines[0].find("<w:pStyle w:val=\"Z_Header\"/><w:pBdr><w:bottom"), std::string::npos);
    EXPECT_EQ(lines[1].find("<w:r>"), std::string::npos);

    doc.headerOnFirstPage = false;
    doc.pageWidthMm = 297;
    doc.pageHeightMm = 210;
    parts = docxParts(doc);
    body = part(parts, "word/document.xml");
    EXPECT_NE(body.find("<w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"),
              std::string::npos);
    EXPECT_EQ(count(body, "<w:titlePg/>"), 1);
    const std::string rels = part(parts, "word/_rels/document.xml.rels");
    const std::string firstReference = "<w:headerReference w:type=\"first\" r:id=\"";
    const std::size_t first = body.find(firstReference);
    ASSERT_NE(first, std::string::npos);
    std::string id = body.substr(first + firstReference.size());
    id = id.substr(0, id.find('"'));
    EXPECT_NE(rels.find("Id=\"" + id + "\""), std::string::npos);
    EXPECT_NE(rels.find("Target=\"header2.xml\""), std::string::npos);
    EXPECT_EQ(part(parts, "word/header2.xml").find("PAGE"), std::string::npos);
}

TEST(Docx, FontsNameTheFallbackFace) {
    FlowDocument doc = baseDocument();
    doc.styles[1].font.face = "Times New Roman";
    doc.blocks.push_back(paragraph("Tekst", "Header"));
    const OfficeParts parts = docxParts(doc);
    const std::string fonts = part(parts, "word/fontTable.xml");
    EXPECT_NE(fonts.find("<w:font w:name=\"Arial\"><w:altName w:val=\"Liberation Sans\"/>"),
              std::string::npos);
    EXPECT_NE(fonts.find("<w:font w:name=\"Times New Roman\">"), std::string::npos);
    EXPECT_NE(fonts.find("<w:font w:name=\"Liberation Sans\">"), std::string::npos);
    EXPECT_NE(part(parts, "word/document.xml")
                  .find("<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
                        "w:eastAsia=\"Times New Roman\" w:cs=\"Times New Roman\"/>"),
              std::string::npos);
}

namespace tarnik {
namespace {

TEST(Docx, ACellStacksItsParagraphsInOrderEachInItsStyle) {
    FlowDocument doc = baseDocument();
    FlowTable t = table(1, 0);
    t.rows[0].cells[0].more = {paragraph("pieczęć", "TableText"), paragraph("REGON", "Normal")};
    doc.blocks.push_back(t);
    const std::string body = part(docxParts(doc), "word/document.xml");
    const std::string cell = elements(body, "<w:tc>", "</w:tc>").at(0);
    const std::size_t first = cell.find(">r0c0<");
    const std::size_t second = cell.find(">pieczęć<");
    const std::size_t third = cell.find(">REGON<");
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_EQ(count(cell, "<w:p>"), 3);
    EXPECT_EQ(count(cell, "<w:pStyle w:val=\"Normal\"/>"), 1);
    EXPECT_EQ(elements(body, "<w:tc>", "</w:tc>").at(1).find("pieczęć"), std::string::npos);
}

} // namespace
} // namespace tarnik
