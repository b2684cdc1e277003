// The page-layout model on the fixed-metric test canvas: a font of p points has lines p px
// high and characters p / 2 px wide (pxPerPoint 1).
#include "core/layout/items.h"
#include "core/layout/pagination.h"
#include "core/layout/polishletters.h"
#include "core/layout/printrange.h"
#include "core/layout/registerblock.h"
#include "core/layout/styles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/testcanvas.h"

using namespace tarnik;

namespace {

class Layout : public ::testing::Test {
protected:
    Layout() {
        AddReportStyles(styles, "Arial");
        doc = std::make_unique<TDoc>(canvas);
        doc->styles = &styles;
        doc->SetMargins(100, 100, 100, 100); // usable 1800 × 2600
        doc->headerText = "Spawacz,   strona &p";
    }

    std::unique_ptr<TRct> rule(int height, int width = 1800) {
        auto r = std::make_unique<TRct>(*doc);
        r->height = height;
        r->width = width;
        return r;
    }

    // Z_Header is 8 pt: a header line is 8 px of text and 25 + 25 px of inner margin.
    static constexpr int kHeaderLine = 58;
    static constexpr int kHeader = kHeaderLine + 1 + kHeaderLine;

    TestCanvas canvas{2000, 2800, 1};
    TStyles styles;
    std::unique_ptr<TDoc> doc;
};

} // namespace

TEST(LayoutStyles, StylesAreFoundByTheirExactName) {
    TStyles styles;
    AddReportStyles(styles, "Liberation Sans");
    ASSERT_EQ(styles.size(), 18u);
    EXPECT_EQ(styles[0].name, "Normal");
    EXPECT_EQ(styles[17].name, "TableMalyBottom");
    EXPECT_EQ(styles.Find("NormalRed")->font, (FontSpec{"Liberation Sans", 9, kRed, false}));
    EXPECT_EQ(styles.Find("normal"), nullptr);
    EXPECT_EQ(styles.Find("Normal "), nullptr);
    // The first of two styles of one name is the one found.
    styles.Add(TStyle{"Normal", FontSpec{}, 99, 0});
    EXPECT_EQ(styles.Find("Normal")->spacing, 10);
}

TEST_F(Layout, AnItemThatFillsThePageExactlyStaysOneMorePixelBreaks) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    doc->AddItem(rule(2000));
    doc->AddItem(rule(600));
    EXPECT_EQ(doc->pageCount, 1);
    EXPECT_EQ(doc->usedHeight, 2600);
    doc->AddItem(rule(1));
    EXPECT_EQ(doc->pageCount, 2);
    EXPECT_EQ(doc->usedHeight, kHeader + 1);

    doc->AddItem(rule(2600 - kHeader - 1)); // fills page 2 exactly
    EXPECT_EQ(doc->pageCount, 2);
    EXPECT_EQ(doc->usedHeight, 2600);
    doc->AddItem(rule(1));
    EXPECT_EQ(doc->pageCount, 3);
}

TEST_F(Layout, EveryPageButAMarkedFirstOneBeginsWithTheRunningHeader) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    EXPECT_EQ(doc->usedHeight, 0);
    EXPECT_TRUE(doc->pages[0]->items.empty());

    doc->headerText = "Spawacz &p/&p,   strona &p";
    doc->NewPage();
    // The header line, the rule under it and a blank line all take room on the page.
    EXPECT_EQ(doc->usedHeight, kHeader);
    const TPage& page = *doc->pages[1];
    ASSERT_EQ(page.items.size(), 3u);
    auto* header = dynamic_cast<TTextItem*>(page.items[0].get());
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text, "Spawacz 2/2,   strona 2");
    EXPECT_EQ(header->style->name, "Z_Header");
    EXPECT_EQ(header->inner, (Rect{5, 25, 5, 25}));
    auto* line = dynamic_cast<TRct*>(page.items[1].get());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->width, 1800);
    EXPECT_EQ(line->height, 1);
    EXPECT_EQ(dynamic_cast<TTextItem*>(page.items[2].get())->text, " ");

    doc->AddText("treść", "Normal");
    doc->Print();
    // Page 2 drawn: the header centred in its line, the rule, the blank line, then the text.
    const std::vector<TestCanvas::DrawnText>& t = canvas.texts;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].sheet, 1);
    EXPECT_EQ(t[0].text, "Spawacz 2/2,   strona 2");
    EXPECT_EQ(t[0].lines[0].y, 125);
    EXPECT_EQ(t[0].lines[0].x, 105 + (1790 - 23 * 4) / 2);
    ASSERT_EQ(canvas.rects.size(), 1u);
    EXPECT_EQ(canvas.rects[0].rect, (Rect{100, 158, 1900, 159}));
    EXPECT_EQ(t[1].rect.top, 159 + 25);
    EXPECT_EQ(t[2].text, "treść");
    EXPECT_EQ(t[2].rect.top, 100 + kHeader + 10); // below the header and the style's spacing

    // Without the mark the first page has its header too.
    TestCanvas other;
    TDoc plain(other);
    plain.styles = &styles;
    plain.SetMargins(10, 10, 10, 10);
    plain.headerText = "X,   strona &p";
    plain.NewPage();
    EXPECT_EQ(dynamic_cast<TTextItem*>(plain.pages[0]->items[0].get())->text, "X,   strona 1");
}

TEST_F(Layout, AHeaderTooWideForItsLineShortensTheStationAndKeepsThePageNumber) {
    // Z_Header is 8 pt: 4 px a character; the line leaves 1800 - 5 - 5 = 1790 px, 447 characters.
    const std::string tail = ",   strona 7";
    doc->headerText = std::string(435, 's') + ",   strona &p";
    EXPECT_EQ(doc->HeaderLine(7), std::string(435, 's') + tail); // 447 characters: fits exactly
    doc->headerText = std::string(436, 's') + ",   strona &p";
    // One character more: the station loses two and gains "…", the page number stays whole.
    EXPECT_EQ(doc->HeaderLine(7), std::string(434, 's') + "…" + tail);

    // Blanks before the cut go; a comma inside the station is not the page number's comma.
    doc->headerText =
        "Spawalnia, hala " + std::string(420, 'h') + " " + std::string(20, 'x') + ",   strona &p";
    const std::string line = doc->HeaderLine(12);
    EXPECT_EQ(line.substr(0, 16), "Spawalnia, hala ");
    EXPECT_TRUE(line.ends_with("h…,   strona 12")) << line;
    EXPECT_EQ(line.find(" …"), std::string::npos);

    // Every page begun gets its shortened line, with its own number; letters stripped when the
    // option says so.
    doc->printPolishLetters = false;
    doc->headerText = "Łódź " + std::string(500, 'z') + ",   strona &p";
    doc->NewPage();
    doc->NewPage();
    const auto* second = dynamic_cast<const TTextItem*>(doc->pages[1]->items[0].get());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text.substr(0, 5), "Lodz ");
    EXPECT_TRUE(second->text.ends_with("z…,   strona 2")) << second->text;
    Rect r{0, 0, 1790, 0};
    canvas.setFont(second->style->font);
    canvas.drawText(second->text, r, kTextCalcRect);
    EXPECT_LE(r.width(), 1790);
}

TEST_F(Layout, ColumnsGetTruncatedSharesAndTheLastTakesTheRest) {
    TTable t(*doc);
    t.width = 2600;
    t.SetColumns({1, 25});
    EXPECT_EQ(t.columnWidths, (std::vector<int>{100, 2500}));
    t.SetColumns({7});
    EXPECT_EQ(t.columnWidths, (std::vector<int>{2600}));
    t.width = 100;
    t.SetColumns({1, 1, 1});
    EXPECT_EQ(t.columnWidths, (std::vector<int>{33, 33, 34}));
    t.width = 1001;
    t.SetColumns({2, 1, 1});
    EXPECT_EQ(t.columnWidths, (std::vector<int>{500, 250, 251}));
    // Large proportions do not overflow the product.
    t.width = 4000;
    t.SetColumns({1000000, 1000000});
    EXPECT_EQ(t.columnWidths, (std::vector<int>{2000, 2000}));
    EXPECT_THROW(t.SetColumns({}), std::invalid_argument);
    EXPECT_THROW(t.SetColumns({0, 0}), std::invalid_argument);
    EXPECT_THROW(t.SetColumns({3, -1}), std::invalid_argument);
}

TEST_F(Layout, TableCellsShareTheRowBottomAndFollowTheColumns) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    auto table = std::make_unique<TTable>(*doc);
    table->width = 1800;
    table->inner = Rect{4, 4, 4, 4};
    table->border = true;
    table->SetColumns({1, 2});
    table->NewRow();
    // TableLeft is 10 pt: 5 px a character; column 1 is 600 px, 592 for text: 118 characters.
    TCell& longCell =
        table->AddCell(std::string(100, 'x') + " " + std::string(100, 'y'), "TableLeft");
    TCell& shortCell = table->AddCell("krótki", "TableText");
    EXPECT_THROW(table->AddCell("za dużo", "TableText"), std::logic_error);
    EXPECT_EQ(shortCell.outer.right, 1200);
    EXPECT_TRUE(shortCell.border);
    EXPECT_EQ(shortCell.inner, (Rect{4, 4, 4, 4}));
    EXPECT_EQ(shortCell.format, 17u);
    TTable& placed = doc->AddItem(std::move(table));
    EXPECT_EQ(placed.Height(), 28); // two lines and the margins
    EXPECT_EQ(longCell.outer.bottom, 28);
    EXPECT_EQ(shortCell.outer.bottom, 28);
    EXPECT_EQ(shortCell.textRect.bottom, 24);
    EXPECT_EQ(shortCell.textRect.right, 1196); // the text box keeps its full width

    doc->Print();
    ASSERT_EQ(canvas.rects.size(), 2u);
    EXPECT_EQ(canvas.rects[0].rect, (Rect{100, 100, 700, 128}));
    EXPECT_EQ(canvas.rects[1].rect, (Rect{700, 100, 1900, 128}));
    ASSERT_EQ(canvas.texts.size(), 2u);
    ASSERT_EQ(canvas.texts[0].lines.size(), 2u);
    EXPECT_EQ(canvas.texts[0].lines[1].text, std::string(100, 'y'));
    // The short text is centred in its column.
    EXPECT_EQ(canvas.texts[1].lines[0].x, 704 + (1192 - 30) / 2);
}

TEST_F(Layout, BottomAlignedCellsSitOnTheRowBottom) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    auto table = std::make_unique<TTable>(*doc);
    table->width = 1000;
    table->SetColumns({1, 1});
    table->NewRow();
    table->AddCell("a\r\nb\r\nc", "TableLeft");  // 30 px
    table->AddCell("podpis", "TableMalyBottom"); // 6 px, centred at the bottom
    doc->AddItem(std::move(table));
    doc->Print();
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[1].rect, (Rect{600, 100, 1100, 130}));
    EXPECT_EQ(canvas.texts[1].lines[0].y, 124);
    EXPECT_EQ(canvas.texts[1].lines[0].x, 600 + (500 - 18) / 2);
}

TEST_F(Layout, TheStyleSpacingIsEmptyRoomAboveTheBorderAndTheText) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    auto item = std::make_unique<TTextItem>(*doc);
    item->Setup("ala ma kota", "NBold", 200);
    item->inner = Rect{5, 6, 7, 8};
    item->border = true;
    TTextItem& placed = doc->AddItem(std::move(item));
    EXPECT_EQ(placed.lastHeight(), 10 + 6 + 8 + 10);
    EXPECT_EQ(placed.outer, (Rect{0, 0, 200, 24}));
    doc->AddText("dalej", "TableLeft");
    doc->Print();
    ASSERT_EQ(canvas.rects.size(), 1u);
    EXPECT_EQ(canvas.rects[0].rect, (Rect{100, 110, 300, 134}));
    EXPECT_EQ(canvas.texts[0].rect, (Rect{105, 116, 293, 126}));
    EXPECT_TRUE(canvas.texts[0].font.bold);
    EXPECT_EQ(canvas.texts[1].rect.top, 134); // the next item right under the border
}

TEST_F(Layout, WholeTablesAndGroupsMoveToTheNextPage) {
    doc->NewPage();
    doc->AddItem(rule(2600 - kHeader - 100)); // 100 px left on page 1
    auto table = std::make_unique<TTable>(*doc);
    table->width = 1800;
    table->inner = Rect{20, 20, 20, 20};
    table->SetColumns({1});
    for (int i = 0; i < 3; ++i) {
        table->NewRow();
        table->AddCell("wiersz " + std::to_string(i), "TableText"); // 10 + 40 = 50 px a row
    }
    TTable& placed = doc->AddItem(std::move(table));
    EXPECT_EQ(doc->pageCount, 2);
    EXPECT_EQ(doc->pages[0]->items.size(), 4u); // header, rule, blank line, the filler
    EXPECT_EQ(doc->pages[1]->items.back().get(), &placed);
    EXPECT_EQ(doc->usedHeight, kHeader + 150);

    // A group of a heading and a paragraph that together do not fit moves as one.
    doc->AddItem(rule(2600 - kHeader - 150 - 30)); // 30 px left, the group needs 34
    auto group = std::make_unique<TGroup>(*doc);
    auto heading = std::make_unique<TTextItem>(*doc);
    heading->Setup("Nagłówek", "Header", 1800); // 14 px
    group->Add(std::move(heading));
    auto body = std::make_unique<TTextItem>(*doc);
    body->Setup("Treść", "Normal", 1800); // 10 px + 10 spacing
    group->Add(std::move(body));
    TGroup& g = doc->AddItem(std::move(group));
    EXPECT_EQ(g.lastHeight(), 34);
    EXPECT_EQ(doc->pageCount, 3);
    EXPECT_EQ(doc->pages[2]->items.size(), 4u);

    doc->Print();
    // The group's items are drawn one under the other on the third sheet.
    std::vector<const TestCanvas::DrawnText*> onThird;
    for (const auto& t : canvas.texts)
        if (t.sheet == 2 && t.font.points != 8) onThird.push_back(&t);
    ASSERT_EQ(onThird.size(), 2u);
    EXPECT_EQ(onThird[0]->rect.top, 100 + kHeader);
    EXPECT_EQ(onThird[1]->rect.top, 100 + kHeader + 14 + 10);
}

TEST_F(Layout, AnItemTallerThanAPageTakesAFreshPageAndLeavesNoBlankOne) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    doc->AddItem(rule(5000));
    EXPECT_EQ(doc->pageCount, 1); // the page held nothing: no empty page is left behind
    doc->AddItem(rule(10));
    EXPECT_EQ(doc->pageCount, 2);
    doc->AddItem(rule(5000));
    EXPECT_EQ(doc->pageCount, 3);
    EXPECT_EQ(doc->usedHeight, kHeader + 5000);

    // Placing an item before any page begins the first page.
    TestCanvas other;
    TDoc fresh(other);
    fresh.styles = &styles;
    fresh.SetMargins(0, 0, 0, 0);
    fresh.noHeaderOnFirstPage = true;
    fresh.AddText("pierwszy", "Normal");
    EXPECT_EQ(fresh.pageCount, 1);
}

TEST_F(Layout, RegisterBlockBalancesItsColumnsAndLosesAPixelOnAnOddDifference) {
    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    auto block = std::make_unique<TRejestrNaglowek>(*doc);
    block->totalWidth = 1800;
    block->cellInner = Rect{2, 3, 2, 4};
    block->regon = "123456785";
    block->station = "A\r\nB\r\nC\r\nD";
    block->location = "Wydział: W1";
    block->Build();
    ASSERT_EQ(block->cells.size(), 12u);
    EXPECT_EQ(block->cells[8]->text, "Nr karty\r\n[  ] [  ] [  ] [  ] [  ] [  ] ");
    EXPECT_EQ(block->cells[6]->text, "\r\nA\r\nB\r\nC\r\nD");
    EXPECT_EQ(block->cells[0]->outer.right, 450);
    EXPECT_EQ(block->cells[4]->outer.right, 900);
    auto group = std::make_unique<TGroup>(*doc);
    TRejestrNaglowek& b = group->Add(std::move(block));
    doc->AddItem(std::move(group));

    // Columns measure 100, 109 and 84 px (7 px of margins a cell). Column 2 is the tallest:
    // cells 0 and 2 each grow by 9 / 2 = 4, a pixel lost; cell 11 takes all 25.
    EXPECT_EQ(b.cellHeights, (std::array<int, 12>{61, 13, 21, 13, 16, 17, 57, 19, 27, 27, 13, 42}));
    EXPECT_EQ(b.lastHeight(), 109 + 10);
    EXPECT_EQ(b.cells[0]->outer.bottom, 61);
    EXPECT_EQ(b.cells[0]->textRect.bottom, 57);
    EXPECT_EQ(b.cells[11]->outer.bottom, 42);
    EXPECT_EQ(b.cells[6]->outer.bottom, 57); // the tallest column is left as it is

    doc->Print();
    ASSERT_EQ(canvas.rects.size(), 6u);
    EXPECT_EQ(canvas.rects[0].rect, (Rect{100, 100, 1900, 208})); // column 1's 108 px
    EXPECT_EQ(canvas.rects[1].rect, (Rect{100, 100, 550, 208}));
    EXPECT_EQ(canvas.rects[2].rect, (Rect{100, 100, 550, 174})); // stamp
    EXPECT_EQ(canvas.rects[3].rect, (Rect{550, 100, 1450, 208}));
    EXPECT_EQ(canvas.rects[4].rect, (Rect{1450, 100, 1900, 208}));
    EXPECT_EQ(canvas.rects[5].rect, (Rect{1450, 127, 1900, 154})); // register date
    ASSERT_EQ(canvas.texts.size(), 12u);
    EXPECT_EQ(canvas.texts[4].text, "REJESTR");
    EXPECT_EQ(canvas.texts[4].rect.left, 552);
    EXPECT_EQ(canvas.texts[11].text, "Wydział: W1");
    EXPECT_EQ(canvas.texts[11].rect.top, 100 + 27 + 27 + 13 + 3);
}

TEST_F(Layout, BoxedCharacters) {
    EXPECT_EQ(TRejestrNaglowek::Boxed("      "), "[  ] [  ] [  ] [  ] [  ] [  ] ");
    EXPECT_EQ(TRejestrNaglowek::Boxed("12"), "[1] [2] [  ] [  ] [  ] [  ] ");
    EXPECT_EQ(TRejestrNaglowek::Boxed("ą b"), "[ą] [  ] [b] [  ] [  ] [  ] ");
    EXPECT_EQ(TRejestrNaglowek::Boxed("12345678"), "[1] [2] [3] [4] [5] [6] ");
}

TEST_F(Layout, ARangeOfPagesFeedsOneSheetEachWithTheWholeDocumentsNumbers) {
    doc->NewPage();
    for (int i = 1; i <= 5; ++i) {
        if (i > 1) doc->NewPage();
        doc->AddText("treść " + std::to_string(i), "Normal");
    }
    ASSERT_EQ(doc->pageCount, 5);
    canvas.clearRecords();
    doc->Print(PrintRange::pages(2, 3));
    EXPECT_EQ(canvas.jobLog, (std::vector<std::string>{"sheet", "end"})); // job opened before
    EXPECT_EQ(canvas.sheetsFed(), 2);
    EXPECT_EQ(canvas.textsOnSheet(0),
              (std::vector<std::string>{"Spawacz,   strona 2", " ", "treść 2"}));
    EXPECT_EQ(canvas.textsOnSheet(1),
              (std::vector<std::string>{"Spawacz,   strona 3", " ", "treść 3"}));

    // A second print is a job of its own; a range that selects nothing is an empty job.
    canvas.clearRecords();
    doc->Print(PrintRange::pages(4, 2));
    EXPECT_EQ(canvas.jobLog, (std::vector<std::string>{"begin Tarnik", "end"}));
    EXPECT_EQ(canvas.sheetsFed(), 0);
    canvas.clearRecords();
    doc->Print(PrintRange::pages(5, 9));
    EXPECT_EQ(canvas.sheetsFed(), 1);
    EXPECT_EQ(canvas.textsOnSheet(0)[0], "Spawacz,   strona 5");
    canvas.clearRecords();
    doc->Print(PrintRange::all());
    EXPECT_EQ(canvas.sheetsFed(), 5);
}

TEST_F(Layout, PolishLettersPrintAsTheirBaseLettersWhenSwitchedOff) {
    EXPECT_EQ(StripPolishLetters("Łódź"), "Lodz");
    EXPECT_EQ(StripPolishLetters("ŻÓŁĆ"), "ZOLC");
    EXPECT_EQ(StripPolishLetters("ąćęłńóśżź ĄĆĘŁŃÓŚŻŹ"), "acelnoszz ACELNOSZZ");
    EXPECT_EQ(StripPolishLetters("Größe € \r\n"), "Größe € \r\n"); // nothing else changes

    doc->printPolishLetters = false;
    doc->headerText = "Łódź,   strona &p";
    doc->NewPage();
    TTextItem& item = doc->AddText("ŻÓŁĆ", "Normal");
    EXPECT_EQ(item.text, "ZOLC");
    doc->Print();
    EXPECT_EQ(canvas.textsOnSheet(0), (std::vector<std::string>{"Lodz,   strona 1", " ", "ZOLC"}));

    TestCanvas other;
    TDoc keeps(other);
    keeps.styles = &styles;
    keeps.SetMargins(0, 0, 0, 0);
    keeps.noHeaderOnFirstPage = true;
    keeps.NewPage();
    EXPECT_EQ(keeps.AddText("Łódź", "Normal").text, "Łódź");
}

TEST_F(Layout, ChartPicturesAndChartsThatFailLeaveTheirSpaceBlank) {
    ChartModel model;
    model.openData(1, 1, 2);
    model.setThisSerie(0);
    model.putValue(0, 3006);
    model.putValue(1, 2004);
    model.closeData(1);
    model.setAxis(ChartModel::kAxisMax, 4000);
    model.setAxis(ChartModel::kAxisStep, 2000);

    doc->noHeaderOnFirstPage = true;
    doc->NewPage();
    auto chart = std::make_unique<TChart>(*doc, &model);
    chart->width = 800;
    chart->height = 400;
    doc->AddItem(std::move(chart));
    EXPECT_EQ(doc->usedHeight, 400);
    auto missing = std::make_unique<TChart>(*doc, nullptr);
    missing->width = 800;
    missing->height = 300;
    doc->AddItem(std::move(missing));
    doc->AddText("po wykresie", "TableLeft");
    doc->Print();
    ASSERT_EQ(canvas.charts.size(), 1u);
    EXPECT_EQ(canvas.charts[0].rect, (Rect{100, 100, 900, 500}));
    EXPECT_EQ(canvas.charts[0].chart, model.data());
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].rect.top, 800);

    // A chart that throws while painting: nothing drawn for it, the page goes on.
    canvas.clearRecords();
    canvas.failCharts = true;
    doc->Print();
    EXPECT_TRUE(canvas.charts.empty());
    EXPECT_EQ(canvas.textsOnSheet(0), (std::vector<std::string>{"po wykresie"}));
    EXPECT_EQ(canvas.jobLog.back(), "end");
}

TEST_F(Layout, TheDocumentRestoresTheCanvasAndNeverLeavesAJobOpen) {
    TestCanvas c;
    const PenState pen{kRed, PenMode::Xor, PenStyle::Dash, 3};
    const BrushState brush{kBlack, BrushStyle::Solid};
    c.setPen(pen);
    c.setBrush(brush);
    {
        TDoc d(c, "Ocena");
        EXPECT_TRUE(c.printing());
        c.setPen(PenState{});
        c.setBrush(BrushState{});
    }
    EXPECT_EQ(c.pen(), pen);
    EXPECT_EQ(c.brush(), brush);
    // Never printed (a report that failed half-way): the job is dropped, not left open.
    EXPECT_EQ(c.jobLog, (std::vector<std::string>{"begin Ocena", "abort"}));
    EXPECT_FALSE(c.printing());

    c.clearRecords();
    {
        TDoc d(c);
        EXPECT_TRUE(d.Print());
    }
    EXPECT_EQ(c.jobLog, (std::vector<std::string>{"begin Tarnik", "end"}));

    // A job somebody else opened is theirs to end.
    c.clearRecords();
    c.beginDoc("zewnętrzne");
    { TDoc d(c); }
    EXPECT_TRUE(c.printing());
    EXPECT_EQ(c.jobLog, (std::vector<std::string>{"begin zewnętrzne"}));
    c.endDoc();

    // A style the sheet lacks is the caller's fault, reported before anything is laid out.
    EXPECT_THROW(doc->AddText("x", "Brak"), std::invalid_argument);
    TTextItem bare(*doc);
    EXPECT_THROW(bare.Height(), std::logic_error);
}
