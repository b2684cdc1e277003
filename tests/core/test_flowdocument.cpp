// The laid-out report read back as a flowing document for word processors.
#include <gtest/gtest.h>

#include <sstream>

#include "core/export/flowdocument.h"
#include "core/layout/registerblock.h"
#include "tests/core/test_report_support.h"

namespace tarnik {
namespace {

using report_test::ReportRun;

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::string w;
    for (char c : text) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
            if (!w.empty()) out.push_back(std::move(w));
            w.clear();
        } else {
            w += c;
        }
    }
    if (!w.empty()) out.push_back(std::move(w));
    return out;
}

void append(std::vector<std::string>& to, const std::string& text) {
    for (std::string& w : words(text))
        to.push_back(std::move(w));
}

// The words of the printed pages in order, without the running headers and without the
// headings a continued table repeats at the top of a page.
void printedWords(const TItem& item, std::vector<std::string>& out) {
    if (const auto* g = dynamic_cast<const TGroup*>(&item)) {
        for (const auto& child : g->items)
            printedWords(*child, out);
    } else if (const auto* b = dynamic_cast<const TRejestrNaglowek*>(&item)) {
        for (const auto& cell : b->cells)
            append(out, cell->text);
    } else if (const auto* t = dynamic_cast<const TTable*>(&item)) {
        const std::size_t first = t->repeatedHeadings ? std::size_t(t->headerRows) : 0;
        for (std::size_t r = first; r < t->rows.size(); ++r)
            for (const auto& cell : t->rows[r]->cells)
                append(out, cell->text);
    } else if (const auto* row = dynamic_cast<const TRow*>(&item)) {
        for (const auto& cell : row->cells)
            append(out, cell->text);
    } else if (const auto* p = dynamic_cast<const TTextItem*>(&item)) {
        append(out, p->text);
    }
}

std::vector<std::string> flowWords(const FlowDocument& d) {
    std::vector<std::string> out;
    for (const FlowBlock& block : d.blocks) {
        if (const auto* p = std::get_if<FlowParagraph>(&block)) append(out, p->text);
        if (const auto* t = std::get_if<FlowTable>(&block))
            for (const FlowRow& row : t->rows)
                for (const FlowCell& cell : row.cells) {
                    append(out, cell.paragraph.text);
                    for (const FlowParagraph& more : cell.more)
                        append(out, more.text);
                }
    }
    return out;
}

const FlowParagraph* paragraphWith(const FlowDocument& d, const std::string& text) {
    for (const FlowBlock& block : d.blocks)
        if (const auto* p = std::get_if<FlowParagraph>(&block))
            if (p->text == text) return p;
    return nullptr;
}

// The tables holding a cell of exactly this text.
std::vector<const FlowTable*> tablesWithCell(const FlowDocument& d, const std::string& text) {
    std::vector<const FlowTable*> out;
    for (const FlowBlock& block : d.blocks)
        if (const auto* t = std::get_if<FlowTable>(&block)) {
            bool found = false;
            for (const FlowRow& row : t->rows)
                for (const FlowCell& cell : row.cells)
                    found = found || cell.paragraph.text == text;
            if (found) out.push_back(t);
        }
    return out;
}

int countCells(const FlowTable& t, const std::string& text) {
    int n = 0;
    for (const FlowRow& row : t.rows)
        for (const FlowCell& cell : row.cells)
            n += cell.paragraph.text == text;
    return n;
}

struct FlowRun : ReportRun {
    FlowDocument flow() {
        refresh();
        layout = layOut();
        return flowDocument(*layout->doc);
    }
    std::vector<std::string> printed() const {
        std::vector<std::string> out;
        for (const auto& page : layout->doc->pages)
            for (std::size_t i = page->headerItems; i < page->items.size(); ++i)
                printedWords(*page->items[i], out);
        return out;
    }
    std::unique_ptr<ReportLayout> layout;
};

TEST(FlowDocument, HoldsEveryPrintedWordInOrderWithoutTheRunningHeaders) {
    for (bool registerForm : {true, false}) {
        FlowRun run;
        run.options.setRegisterForm(registerForm, run.store);
        const FlowDocument d = run.flow();
        ASSERT_GT(run.layout->doc->pageCount, 3);
        EXPECT_EQ(flowWords(d), run.printed()) << "register form " << registerForm;
        const std::vector<std::string> all = flowWords(d);
        EXPECT_EQ(std::count(all.begin(), all.end(), "strona"), 0);
        EXPECT_EQ(d.headerBefore, run.a.EdtStanowisko + ",   strona ");
        EXPECT_EQ(d.headerAfter, "");
        EXPECT_EQ(d.headerStyle, "Z_Header");
        EXPECT_FALSE(d.headerOnFirstPage);
    }
}

TEST(FlowDocument, TakesThePagesGeometryAndTheStylesInMillimetresAndPoints) {
    FlowRun run;
    const FlowDocument d = run.flow();
    // 10 px to the millimetre on the test canvas.
    EXPECT_DOUBLE_EQ(d.marginsMm.left, 20);
    EXPECT_DOUBLE_EQ(d.marginsMm.right, 15);
    EXPECT_DOUBLE_EQ(d.marginsMm.top, 15);
    EXPECT_DOUBLE_EQ(d.marginsMm.bottom, 20);
    ASSERT_EQ(d.styles.size(), 18u);
    const FlowStyle* header = d.findStyle("Header");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->font.points, 14);
    EXPECT_TRUE(header->font.bold);
    const FlowStyle* normal = d.findStyle("Normal");
    ASSERT_NE(normal, nullptr);
    EXPECT_NEAR(normal->spaceBeforePt, 72.0 / 25.4, 1e-9); // 10 px = 1 mm
    EXPECT_EQ(d.findStyle("NormalRed")->font.colour, kRed);
    EXPECT_EQ(d.findStyle("CenterBold")->align, FlowAlign::Centre);
    EXPECT_EQ(d.findStyle("TableRight")->align, FlowAlign::Right);
    EXPECT_FALSE(d.findStyle("Z_Header")->wrap);
    EXPECT_EQ(d.fontFace, run.options.fontFace());

    const std::vector<const FlowPicture*> pictures = d.pictures();
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->index, 1);
    EXPECT_EQ(pictures[1]->index, 2);
    EXPECT_EQ(pictures[0]->chart, &run.e.Chart1);
    EXPECT_EQ(pictures[1]->chart, &run.e.Chart2);
    for (const FlowPicture* p : pictures) {
        EXPECT_GT(p->heightMm, 10);
        EXPECT_LE(p->widthMm, 210 - 35);
    }
}

TEST(FlowDocument, HeadingsCarryTheirOutlineLevelAndKeepWithWhatFollows) {
    FlowRun run;
    run.options.setRegisterForm(false, run.store);
    run.a.Plan = {{"Wymiana osłon", "Kierownik", "2027"}};
    const FlowDocument d = run.flow();
    const FlowParagraph* plan = paragraphWith(d, "Plan poprawy warunków pracy");
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->outlineLevel, 1);
    EXPECT_EQ(plan->blankLinesAfter, 1);
    EXPECT_TRUE(plan->keepWithNext);
    EXPECT_TRUE(plan->pageBreakBefore);
    const FlowParagraph* describe = paragraphWith(d, "Opis stanowiska");
    ASSERT_NE(describe, nullptr);
    EXPECT_EQ(describe->outlineLevel, 1);
    EXPECT_EQ(describe->blankLinesBefore, 2);
    // Blank lines in the heading style are room, not headings; the title is no heading.
    for (const FlowBlock& block : d.blocks)
        if (const auto* p = std::get_if<FlowParagraph>(&block))
            if (p->outlineLevel > 0) {
                EXPECT_FALSE(p->text.empty()) << p->style;
            }
    EXPECT_EQ(paragraphWith(d, "Tarnik")->outlineLevel, 0);
    int risk = 0;
    for (const FlowBlock& block : d.blocks)
        if (const auto* p = std::get_if<FlowParagraph>(&block))
            if (p->text.rfind("Poziom ryzyka:", 0) == 0) risk = p->outlineLevel;
    EXPECT_EQ(risk, 1);
}

TEST(FlowDocument, ATableSpreadOverPagesIsOneTableWithItsHeadingsOnce) {
    FlowRun run;
    run.a.Plan.clear();
    for (int i = 1; i <= 90; ++i)
        run.a.Plan.push_back({"Zadanie " + std::to_string(i), "Kierownik", "2027"});
    for (int i = 1; i <= 120; ++i)
        run.a.ListOdpow.push_back({"Nowak" + std::to_string(i), "Jan", "mistrz"});
    const FlowDocument d = run.flow();

    const auto plans = tablesWithCell(d, "Opis przedsięwzięcia (zadania)");
    ASSERT_EQ(plans.size(), 1u);
    const FlowTable& plan = *plans.front();
    EXPECT_EQ(plan.headerRows, 1);
    EXPECT_EQ(plan.rows.size(), 91u);
    EXPECT_EQ(countCells(plan, "Opis przedsięwzięcia (zadania)"), 1);
    EXPECT_EQ(plan.rows[1].cells[0].paragraph.text, "Zadanie 1");
    EXPECT_EQ(plan.rows[90].cells[0].paragraph.text, "Zadanie 90");
    EXPECT_FALSE(plan.keepTogether);

    // A long person table, split into page parts by the printed report.
    const auto people = tablesWithCell(d, "Nowak1");
    ASSERT_EQ(people.size(), 1u);
    EXPECT_EQ(people.front()->headerRows, 1);
    EXPECT_EQ(countCells(*people.front(), "Nazwisko"), 1);
    EXPECT_EQ(countCells(*people.front(), "Nowak120"), 1);
    ASSERT_EQ(tablesWithCell(d, "Nowak120").size(), 1u);
    bool personHeading = false;
    for (const FlowBlock& block : d.blocks)
        if (const auto* p = std::get_if<FlowParagraph>(&block))
            if (p->text == "Osoby odpowiedzialne za stan bezpieczeństwa na stanowisku:")
                personHeading = p->outlineLevel == 2;
    EXPECT_TRUE(personHeading);

    // The tables the printed report placed whole stay on one page.
    for (const FlowBlock& block : d.blocks)
        if (const auto* t = std::get_if<FlowTable>(&block))
            if (t != &plan && t != people.front()) {
                EXPECT_TRUE(t->keepTogether);
            }
}

TEST(FlowDocument, BreaksPagesOnlyWhereTheReportAsksForANewPage) {
    FlowRun run;
    run.a.Plan.clear();
    for (int i = 1; i <= 90; ++i)
        run.a.Plan.push_back({"Zadanie " + std::to_string(i), "Kierownik", "2027"});
    const FlowDocument d = run.flow();
    int asked = 0;
    int full = 0;
    for (std::size_t p = 1; p < run.layout->doc->pages.size(); ++p)
        (run.layout->doc->pages[p]->start == PageStart::Break ? asked : full) += 1;
    ASSERT_GT(full, 0); // the plan alone runs over pages
    int breaks = 0;
    for (const FlowBlock& block : d.blocks)
        breaks += std::visit([](const auto& b) { return b.pageBreakBefore ? 1 : 0; }, block);
    EXPECT_EQ(breaks, asked);
    // Without the legal basis: title page, general part, plan.
    std::visit([](const auto& b) { EXPECT_FALSE(b.pageBreakBefore); }, d.blocks.front());
}

TEST(FlowDocument, ReadsTheRegisterBlockAsThreeFramedColumnsOfFourTexts) {
    FlowRun run;
    run.options.setRegisterForm(true, run.store);
    const FlowDocument d = run.flow();
    const auto blocks = tablesWithCell(d, "REJESTR");
    ASSERT_EQ(blocks.size(), 1u);
    const FlowTable& t = *blocks.front();
    ASSERT_EQ(t.columnsMm.size(), 3u);
    EXPECT_NEAR(t.columnsMm[1], 2 * t.columnsMm[0], 0.2);
    ASSERT_EQ(t.rows.size(), 1u);
    ASSERT_EQ(t.rows[0].cells.size(), 3u);
    // Each column reads top to bottom, as printed.
    const FlowCell& stamp = t.rows[0].cells[0];
    ASSERT_EQ(stamp.more.size(), 3u);
    EXPECT_EQ(stamp.more[0].text, "pieczęć zakładu pracy");
    EXPECT_EQ(stamp.more[0].style, "TableMalyBottom");
    EXPECT_EQ(stamp.more[2].text, "nr statystyczny REGON");
    EXPECT_EQ(t.rows[0].cells[1].paragraph.text, "REJESTR");
    EXPECT_EQ(t.rows[0].cells[2].more.at(1).text, "Lokalizacja stanowiska pracy");
    for (const FlowCell& c : t.rows[0].cells)
        EXPECT_TRUE(c.border);
}

TEST(FlowDocument, LeavesPolishLettersOutOfTheHeaderWhenTheReportDoes) {
    FlowRun run;
    run.a.EdtStanowisko = "Spawacz ręczny";
    run.options.setPolishLetters(false, run.store);
    const FlowDocument d = run.flow();
    EXPECT_EQ(d.headerBefore, "Spawacz reczny,   strona ");
    EXPECT_EQ(paragraphWith(d, "Spawacz ręczny"), nullptr);
    EXPECT_NE(paragraphWith(d, "Spawacz reczny"), nullptr);
}

} // namespace
} // namespace tarnik
