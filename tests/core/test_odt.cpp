// The OpenDocument text of a flowing document: the parts and their order, the manifest, the text
// as ODF writes it (escaped, blanks, line breaks), headings, tables, the shared automatic styles
// and the pages with their running header.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "core/export/odt.h"

using namespace tarnik;

namespace {

FlowStyle style(const std::string& name, int points, bool bold = false,
                FlowAlign align = FlowAlign::Left) {
    FlowStyle s;
    s.name = name;
    s.font.face = "Arial";
    s.font.points = points;
    s.font.bold = bold;
    s.align = align;
    return s;
}

FlowParagraph para(const std::string& text, const std::string& styleName = "Normal") {
    FlowParagraph p;
    p.style = styleName;
    p.text = text;
    return p;
}

FlowDocument document() {
    FlowDocument doc;
    doc.fontFace = "Arial";
    doc.marginsMm = {20, 25, 15, 20};
    doc.headerBefore = "Strona ";
    doc.headerAfter = " – ocena";
    doc.headerStyle = "Header";
    doc.styles = {style("Normal", 10), style("Header", 8), style("Title", 14, true),
                  style("Section", 12, true, FlowAlign::Centre)};
    return doc;
}

const std::string& part(const OfficeParts& parts, const std::string& path) {
    for (const OfficePart& p : parts)
        if (p.path == path) return p.bytes;
    static const std::string none;
    ADD_FAILURE() << "no part " << path;
    return none;
}

std::string content(const FlowDocument& doc) {
    return part(odtParts(doc), "content.xml");
}

std::string body(const FlowDocument& doc) {
    const std::string xml = content(doc);
    const auto from = xml.find("<office:text>");
    const auto to = xml.find("</office:text>");
    return from == std::string::npos || to == std::string::npos ? std::string()
                                                                : xml.substr(from, to - from);
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The XML's elements are balanced: every start tag has its end tag in the right order.
::testing::AssertionResult wellFormed(const std::string& xml) {
    std::vector<std::string> open;
    for (auto at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const auto end = xml.find('>', at);
        if (end == std::string::npos) return ::testing::AssertionFailure() << "unclosed tag";
        const std::string tag = xml.substr(at + 1, end - at - 1);
        if (tag.front() == '?') continue;
        if (tag.find('<') != std::string::npos)
            return ::testing::AssertionFailure() << "'<' inside " << tag;
        if (tag.front() == '/') {
            if (open.empty() || open.back() != tag.substr(1))
                return ::testing::AssertionFailure() << "unexpected " << tag;
            open.pop_back();
        } else if (tag.back() != '/') {
            open.push_back(tag.substr(0, tag.find_first_of(" \n")));
        }
    }
    if (!open.empty()) return ::testing::AssertionFailure() << open.back() << " is not closed";
    return ::testing::AssertionSuccess();
}

// The attributes of the automatic style `name` in the XML, up to the end of its element.
std::string styleDefinition(const std::string& xml, const std::string& name) {
    const auto at = xml.find("<style:style style:name=\"" + name + "\"");
    if (at == std::string::npos) return {};
    return xml.substr(at, xml.find("</style:style>", at) - at);
}

// The style:name of the element the body names for the text that follows `marker`.
std::string styleBefore(const std::string& xml, const std::string& marker) {
    const auto at = xml.find(marker);
    const auto attr = xml.rfind("text:style-name=\"", at);
    if (at == std::string::npos || attr == std::string::npos) return {};
    const auto from = attr + 17;
    return xml.substr(from, xml.find('"', from) - from);
}

} // namespace

TEST(Odt, PartsComeInOrderWithTheMimetypeStoredFirstAndTheManifestListsThemAndThePictures) {
    FlowDocument doc = document();
    FlowPicture pic;
    pic.widthMm = 120;
    pic.heightMm = 60.5;
    pic.index = 1;
    FlowPicture second = pic;
    second.index = 2;
    doc.blocks = {para("Tekst"), pic, second};

    const OfficeParts parts = odtParts(doc);
    std::vector<std::string> paths;
    for (const OfficePart& p : parts)
        paths.push_back(p.path);
    EXPECT_EQ(paths, (std::vector<std::string>{"mimetype", "content.xml", "styles.xml", "meta.xml",
                                               "settings.xml", "META-INF/manifest.xml"}));
    EXPECT_EQ(parts[0].bytes, "application/vnd.oasis.opendocument.text");
    EXPECT_TRUE(parts[0].stored);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        EXPECT_FALSE(parts[i].stored) << parts[i].path;
        EXPECT_TRUE(wellFormed(parts[i].bytes)) << parts[i].path;
        EXPECT_NE(parts[i].bytes.find("version=\"1.3\""), std::string::npos) << parts[i].path;
    }

    const std::string& manifest = part(parts, "META-INF/manifest.xml");
    EXPECT_NE(manifest.find("manifest:full-path=\"/\" manifest:version=\"1.3\" "
                            "manifest:media-type=\"application/vnd.oasis.opendocument.text\""),
              std::string::npos);
    for (const char* xml : {"content.xml", "styles.xml", "meta.xml", "settings.xml"})
        EXPECT_NE(manifest.find(std::string("full-path=\"") + xml +
                                "\" manifest:media-type=\"text/xml\""),
                  std::string::npos)
            << xml;
    EXPECT_EQ(odtPicturePath(2), "Pictures/wykres2.png");
    for (int i : {1, 2})
        EXPECT_NE(manifest.find("full-path=\"" + odtPicturePath(i) +
                                "\" manifest:media-type=\"image/png\""),
                  std::string::npos);
    EXPECT_EQ(manifest.find(odtPicturePath(3)), std::string::npos);

    // The pictures are framed where they stand, at their size, under the names in the manifest.
    const std::string text = body(doc);
    EXPECT_EQ(count(text, "text:anchor-type=\"as-char\" svg:width=\"120mm\" "
                          "svg:height=\"60.5mm\""),
              2);
    EXPECT_NE(text.find("draw:name=\"Wykres 2\""), std::string::npos);
    EXPECT_NE(text.find("<draw:image xlink:href=\"Pictures/wykres2.png\" xlink:type=\"simple\" "
                        "xlink:show=\"embed\" xlink:actuate=\"onLoad\"/>"),
              std::string::npos);
}

TEST(Odt, MetadataNamesTheDocumentAndLeavesOutAMissingDate) {
    FlowDocument doc = document();
    doc.properties = {"Ocena ryzyka <Spawacz>", "Jan Kowalski & syn", "Stanowisko", ""};
    std::string meta = part(odtParts(doc), "meta.xml");
    EXPECT_NE(meta.find("<dc:title>Ocena ryzyka &lt;Spawacz&gt;</dc:title>"), std::string::npos);
    EXPECT_NE(meta.find("<dc:subject>Stanowisko</dc:subject>"), std::string::npos);
    EXPECT_NE(meta.find("<meta:initial-creator>Jan Kowalski &amp; syn</meta:initial-creator>"),
              std::string::npos);
    EXPECT_NE(meta.find("<dc:creator>Jan Kowalski &amp; syn</dc:creator>"), std::string::npos);
    EXPECT_NE(meta.find("<meta:generator>Tarnik</meta:generator>"), std::string::npos);
    EXPECT_EQ(meta.find("creation-date"), std::string::npos);

    doc.properties.created = "2024-03-05T10:20:30Z";
    meta = part(odtParts(doc), "meta.xml");
    EXPECT_NE(meta.find("<meta:creation-date>2024-03-05T10:20:30Z</meta:creation-date>"),
              std::string::npos);
}

TEST(Odt, TextIsEscapedAndKeepsItsBlanksLineBreaksAndTabs) {
    FlowDocument doc = document();
    doc.headerBefore = "A&B <\x02";
    doc.blocks = {para("a<&>\"\x01z"),
                  para("dwa  spacje, pięć     i jedna"),
                  para("   wcięty i na końcu  "),
                  para("wiersz\npo\x0b łamaniu\tz tabulatorem"),
                  para("    "),
                  para("")};
    const std::string text = body(doc);
    EXPECT_TRUE(wellFormed(content(doc)));
    EXPECT_NE(text.find(">a&lt;&amp;&gt;&quot;z</text:p>"), std::string::npos);
    EXPECT_EQ(text.find('\x01'), std::string::npos);
    EXPECT_NE(text.find(">dwa <text:s/>spacje, pięć <text:s text:c=\"4\"/>i jedna</text:p>"),
              std::string::npos);
    EXPECT_NE(text.find("><text:s text:c=\"3\"/>wcięty i na końcu<text:s text:c=\"2\"/></text:p>"),
              std::string::npos);
    EXPECT_NE(text.find(">wiersz<text:line-break/>po łamaniu<text:tab/>z tabulatorem</text:p>"),
              std::string::npos);
    // Blank texts are empty paragraphs.
    EXPECT_EQ(count(text, "<text:p text:style-name=\"Normal\"/>"), 2);

    const std::string styles = part(odtParts(doc), "styles.xml");
    EXPECT_NE(styles.find(">A&amp;B &lt;<text:page-number text:select-page=\"current\">1"
                          "</text:page-number><text:s/>– ocena</text:p>"),
              std::string::npos);
    EXPECT_EQ(styles.find('\x02'), std::string::npos);
}

TEST(Odt, HeadingsCarryTheirLevelsInHeadingStylesThatLookLikeTheReportsFirstHeading) {
    FlowDocument doc = document();
    FlowParagraph h1 = para("Ocena ryzyka", "Title");
    h1.outlineLevel = 1;
    FlowParagraph h2 = para("Czynniki", "Section");
    h2.outlineLevel = 2;
    FlowParagraph spaced = h2;
    spaced.text = "Wnioski";
    spaced.blankLinesBefore = 2;
    spaced.blankLinesAfter = 1;
    FlowParagraph other = h2;
    other.text = "Inny wygląd";
    other.style = "Normal";
    doc.blocks = {h1, para("treść"), h2, spaced, other};

    const OfficeParts parts = odtParts(doc);
    const std::string& xml = part(parts, "content.xml");
    EXPECT_NE(xml.find("<text:h text:style-name=\"Heading_20_1\" text:outline-level=\"1\">"
                       "Ocena ryzyka</text:h>"),
              std::string::npos);
    EXPECT_NE(xml.find("<text:h text:style-name=\"Heading_20_2\" text:outline-level=\"2\">"
                       "Czynniki</text:h>"),
              std::string::npos);
    EXPECT_EQ(count(xml, "<text:h "), 4);
    EXPECT_NE(xml.find("<text:p text:style-name=\"Normal\">treść</text:p>"), std::string::npos);

    // Two and one lines of a 12 pt font above and below.
    const std::string spacedStyle = styleDefinition(xml, styleBefore(xml, ">Wnioski<"));
    EXPECT_NE(spacedStyle.find("style:parent-style-name=\"Heading_20_2\""), std::string::npos);
    EXPECT_NE(spacedStyle.find("fo:margin-top=\"27.6pt\" fo:margin-bottom=\"13.8pt\""),
              std::string::npos);
    // A heading in another style keeps that style's look.
    const std::string otherStyle = styleDefinition(xml, styleBefore(xml, ">Inny wygląd<"));
    EXPECT_NE(otherStyle.find("fo:font-size=\"10pt\" fo:font-weight=\"normal\""),
              std::string::npos);

    const std::string& styles = part(parts, "styles.xml");
    const std::string heading1 = styleDefinition(styles, "Heading_20_1");
    EXPECT_NE(heading1.find("style:display-name=\"Heading 1\""), std::string::npos);
    EXPECT_NE(heading1.find("style:default-outline-level=\"1\""), std::string::npos);
    EXPECT_NE(heading1.find("fo:font-size=\"14pt\" fo:font-weight=\"bold\""), std::string::npos);
    const std::string heading2 = styleDefinition(styles, "Heading_20_2");
    EXPECT_NE(heading2.find("style:default-outline-level=\"2\""), std::string::npos);
    EXPECT_NE(heading2.find("fo:text-align=\"center\""), std::string::npos);
    EXPECT_NE(heading2.find("fo:font-size=\"12pt\""), std::string::npos);
}

TEST(Odt, NamedStylesFontsAndLanguage) {
    FlowDocument doc = document();
    doc.styles[1].spaceBeforePt = 3.5;
    doc.styles[1].font.colour = {0x12, 0xab, 0xff};
    doc.styles[2].align = FlowAlign::Right;
    const std::string styles = part(odtParts(doc), "styles.xml");
    EXPECT_NE(styles.find("fo:language=\"pl\" fo:country=\"PL\""), std::string::npos);
    EXPECT_NE(styles.find("<style:font-face style:name=\"Arial\" svg:font-family=\"Arial, "
                          "'Liberation Sans'\""),
              std::string::npos);
    EXPECT_NE(styles.find("<style:font-face style:name=\"Liberation Sans\" "
                          "svg:font-family=\"'Liberation Sans'\""),
              std::string::npos);
    const std::string header = styleDefinition(styles, "Header");
    EXPECT_NE(header.find("fo:margin-top=\"3.5pt\" fo:margin-bottom=\"0pt\" "
                          "fo:text-align=\"start\""),
              std::string::npos);
    EXPECT_NE(header.find("fo:font-size=\"8pt\" fo:font-weight=\"normal\" fo:color=\"#12abff\""),
              std::string::npos);
    EXPECT_NE(styleDefinition(styles, "Title").find("fo:text-align=\"end\""), std::string::npos);
}

TEST(Odt, TablesRepeatExactlyTheirHeadingRowsSpanColumnsAndNeverSplitRows) {
    FlowDocument doc = document();
    FlowTable t;
    t.columnsMm = {30, 50.25, 20};
    t.cellMarginsMm = {1, 0.5, 1.5, 0.5};
    t.headerRows = 2;
    t.keepTogether = true;
    auto cell = [](const std::string& text, int span = 1) {
        FlowCell c;
        c.paragraph = para(text);
        c.border = true;
        c.span = span;
        return c;
    };
    t.rows.push_back({{cell("Nagłówek", 3)}});
    t.rows.push_back({{cell("A"), cell("B"), cell("C")}});
    t.rows.push_back({{cell("1"), cell("2"), cell("3")}});
    t.rows.push_back({});
    FlowCell bottom = cell("dół", 2);
    bottom.alignBottom = true;
    bottom.border = false;
    t.rows.push_back({{bottom}});
    doc.blocks = {t, FlowTable{}, para("po")};

    const std::string xml = content(doc);
    EXPECT_TRUE(wellFormed(xml));
    EXPECT_EQ(count(xml, "<table:table "), 1); // the table without rows is left out
    const auto headFrom = xml.find("<table:table-header-rows>");
    const auto headTo = xml.find("</table:table-header-rows>");
    ASSERT_NE(headFrom, std::string::npos);
    ASSERT_NE(headTo, std::string::npos);
    const std::string head = xml.substr(headFrom, headTo - headFrom);
    EXPECT_EQ(count(head, "<table:table-row "), 2);
    EXPECT_NE(head.find(">B<"), std::string::npos);
    EXPECT_EQ(head.find(">1<"), std::string::npos);
    EXPECT_EQ(count(xml, "<table:table-row "), 5);

    EXPECT_EQ(count(xml, "<table:table-column "), 3);
    EXPECT_NE(xml.find("style:column-width=\"50.25mm\""), std::string::npos);
    const auto tableStyle = xml.find("style:family=\"table\"");
    ASSERT_NE(tableStyle, std::string::npos);
    const std::string tableProps = xml.substr(tableStyle, xml.find("/>", tableStyle) - tableStyle);
    EXPECT_NE(tableProps.find("style:width=\"100.25mm\""), std::string::npos);
    EXPECT_NE(tableProps.find("style:may-break-between-rows=\"false\""), std::string::npos);
    EXPECT_NE(xml.find("<style:table-row-properties fo:keep-together=\"always\"/>"),
              std::string::npos);

    // The spanned heading, the row without cells and the short row fill all three columns.
    EXPECT_NE(xml.find("table:number-columns-spanned=\"3\"><text:p text:style-name=\"Normal\">"
                       "Nagłówek</text:p></table:table-cell><table:covered-table-cell/>"
                       "<table:covered-table-cell/></table:table-row>"),
              std::string::npos);
    EXPECT_NE(xml.find("table:number-columns-spanned=\"3\"><text:p/></table:table-cell>"
                       "<table:covered-table-cell/><table:covered-table-cell/></table:table-row>"),
              std::string::npos);
    EXPECT_NE(xml.find("dół</text:p></table:table-cell><table:covered-table-cell/>"
                       "<table:table-cell "),
              std::string::npos);
    EXPECT_NE(xml.find("fo:padding-left=\"1mm\" fo:padding-right=\"1.5mm\" "
                       "fo:padding-top=\"0.5mm\" fo:padding-bottom=\"0.5mm\" "
                       "fo:border=\"0.5pt solid #000000\" style:vertical-align=\"top\""),
              std::string::npos);
    EXPECT_NE(xml.find("fo:border=\"none\" style:vertical-align=\"bottom\""), std::string::npos);
    // Neighbouring cells share one line between them, as on the printed page.
    EXPECT_NE(xml.find("table:border-model=\"collapsing\""), std::string::npos);

    // Without keepTogether the table may break between rows; keepWithNext and a page break go
    // on the table.
    t.keepTogether = false;
    t.keepWithNext = true;
    t.pageBreakBefore = true;
    doc.blocks = {para("przed"), t};
    const std::string loose = content(doc);
    EXPECT_EQ(loose.find("may-break-between-rows"), std::string::npos);
    EXPECT_NE(loose.find("table:align=\"left\" table:border-model=\"collapsing\" "
                         "fo:keep-with-next=\"always\" fo:break-before=\"page\""),
              std::string::npos);
}

TEST(Odt, AutomaticStylesAreWrittenOncePerDistinctLook) {
    FlowDocument doc = document();
    FlowParagraph kept = para("pierwszy");
    kept.keepWithNext = true;
    FlowParagraph keptToo = kept;
    keptToo.text = "drugi";
    FlowParagraph broken = para("trzeci");
    broken.pageBreakBefore = true;
    FlowParagraph ruled = para("czwarty");
    ruled.ruleBelow = true;
    doc.blocks = {kept, keptToo, broken, ruled, para("zwykły")};

    const std::string xml = content(doc);
    EXPECT_EQ(count(xml, "style:family=\"paragraph\""), 3);
    EXPECT_EQ(styleBefore(xml, ">pierwszy<"), styleBefore(xml, ">drugi<"));
    EXPECT_NE(styleBefore(xml, ">pierwszy<"), styleBefore(xml, ">trzeci<"));
    EXPECT_NE(
        styleDefinition(xml, styleBefore(xml, ">pierwszy<")).find("fo:keep-with-next=\"always\""),
        std::string::npos);
    EXPECT_NE(styleDefinition(xml, styleBefore(xml, ">trzeci<")).find("fo:break-before=\"page\""),
              std::string::npos);
    const std::string rule = styleDefinition(xml, styleBefore(xml, ">czwarty<"));
    EXPECT_NE(rule.find("fo:border-bottom=\"0.5pt solid #000000\""), std::string::npos);
    EXPECT_NE(rule.find("style:parent-style-name=\"Normal\""), std::string::npos);
    EXPECT_EQ(styleBefore(xml, ">zwykły<"), "Normal");
}

TEST(Odt, FirstPageHasItsOwnMasterPageOnlyWithoutAHeaderThere) {
    FlowDocument doc = document();
    doc.headerOnFirstPage = false;
    doc.blocks = {FlowTable{}, para("pierwsza strona"), para("dalej")};
    OfficeParts parts = odtParts(doc);
    const std::string& styles = part(parts, "styles.xml");
    EXPECT_NE(styles.find("<style:master-page style:name=\"Pierwsza\" style:page-layout-name="
                          "\"pm2\" style:next-style-name=\"Standard\"/>"),
              std::string::npos);
    EXPECT_NE(styles.find("<style:master-page style:name=\"Standard\" "
                          "style:page-layout-name=\"pm1\"><style:header>"),
              std::string::npos);
    const std::string& xml = part(parts, "content.xml");
    EXPECT_EQ(count(xml, "style:master-page-name=\"Pierwsza\""), 1);
    EXPECT_NE(styleDefinition(xml, styleBefore(xml, ">pierwsza strona<"))
                  .find("style:master-page-name=\"Pierwsza\""),
              std::string::npos);
    EXPECT_EQ(styleBefore(xml, ">dalej<"), "Normal");

    doc.headerOnFirstPage = true;
    parts = odtParts(doc);
    EXPECT_EQ(part(parts, "styles.xml").find("Pierwsza"), std::string::npos);
    EXPECT_EQ(part(parts, "content.xml").find("master-page-name"), std::string::npos);
}

TEST(Odt, PagesHaveTheirSizeAndMarginsWithTheHeaderAboveTheBody) {
    FlowDocument doc = document();
    doc.pageWidthMm = 297;
    doc.pageHeightMm = 210;
    doc.headerOnFirstPage = false;
    const std::string styles = part(odtParts(doc), "styles.xml");
    const std::regex layout("<style:page-layout style:name=\"(pm[12])\">"
                            "<style:page-layout-properties fo:page-width=\"297mm\" "
                            "fo:page-height=\"210mm\" style:print-orientation=\"landscape\" "
                            "fo:margin-top=\"([0-9.]+)mm\" fo:margin-bottom=\"20mm\" "
                            "fo:margin-left=\"20mm\" fo:margin-right=\"15mm\"");
    std::vector<std::pair<std::string, double>> tops;
    for (auto it = std::sregex_iterator(styles.begin(), styles.end(), layout);
         it != std::sregex_iterator(); ++it)
        tops.emplace_back((*it)[1], std::stod((*it)[2]));
    ASSERT_EQ(tops.size(), 2u);
    // The page without a header has the body's margin; with one, the header line, its rule and
    // the room under it fill the top margin down to where the body starts.
    EXPECT_EQ(tops[1], (std::pair<std::string, double>{"pm2", 25}));
    EXPECT_EQ(tops[0].first, "pm1");
    EXPECT_GT(tops[0].second, 15);
    EXPECT_LT(tops[0].second, 21);
    EXPECT_NE(styles.find("<style:header-style><style:header-footer-properties fo:min-height="),
              std::string::npos);
    const std::string headerLine = styleDefinition(styles, "MP1");
    EXPECT_NE(headerLine.find("style:parent-style-name=\"Header\""), std::string::npos);
    EXPECT_NE(headerLine.find("fo:border-bottom=\"0.5pt solid #000000\""), std::string::npos);
}

namespace tarnik {
namespace {

TEST(Odt, ACellStacksItsParagraphsInOrderEachInItsStyle) {
    FlowDocument doc = document();
    FlowTable t;
    t.columnsMm = {40, 40};
    FlowCell stacked;
    stacked.paragraph = para("REJESTR");
    stacked.more = {para("wyników badań", "TableText"), para("Spawacz")};
    FlowCell other;
    other.paragraph = para("Nr karty");
    t.rows.push_back({{stacked, other}});
    doc.blocks.push_back(t);
    const std::string xml = body(doc);
    const std::size_t cellEnd = xml.find("</table:table-cell>");
    const std::size_t first = xml.find("REJESTR");
    const std::size_t second = xml.find("wyników badań");
    const std::size_t third = xml.find("Spawacz");
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_LT(third, cellEnd);
    EXPECT_GT(xml.find("Nr karty"), cellEnd);
}

} // namespace
} // namespace tarnik
