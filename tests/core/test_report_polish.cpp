// The printed report as an employer signs and files it: rows with room to sign, tables that
// carry their column headings on to every page, charts that fit their page with their headings
// and keys, headings that never end a page, words that never run off a cell.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/base/text.h"
#include "core/report/reporttexts.h"
#include "tests/core/test_report_support.h"

using namespace tarnik;
using namespace tarnik::report_test;

namespace {

// The report's canvas: 4 px a point, so a 10-point line is 40 px and a character 20 px; the
// cell margins are 2 mm = 20 px.
constexpr int kLine10 = 40;
constexpr int kCellMargins = 2 * 20;
constexpr int kBottomMargin = 2970 - 200; // the page's bottom margin is 20 mm

// The pages (1-based) holding a cell or paragraph with exactly this text, in order.
std::vector<int> pagesWith(const TDoc& doc, const std::string& text) {
    std::vector<int> pages;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const std::vector<std::string> texts = pageTexts(*doc.pages[p]);
        if (std::find(texts.begin(), texts.end(), text) != texts.end())
            pages.push_back(static_cast<int>(p) + 1);
    }
    return pages;
}

// Every page that holds a row starting with `rowPrefix` holds the column heading above it.
void expectHeadingsOnEveryPage(const TDoc& doc, const std::string& heading,
                               const std::string& rowPrefix) {
    int pagesWithRows = 0;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const std::vector<std::string> texts = pageTexts(*doc.pages[p]);
        const auto row = std::find_if(texts.begin(), texts.end(), [&](const std::string& t) {
            return startsWith(t, rowPrefix);
        });
        if (row == texts.end()) continue;
        ++pagesWithRows;
        const auto head = std::find(texts.begin(), texts.end(), heading);
        EXPECT_TRUE(head < row) << "page " << p + 1 << " has rows without \"" << heading << "\"";
    }
    EXPECT_GT(pagesWithRows, 1); // the table did go on to another page
}

} // namespace

TEST(ReportPolish, AcquaintanceRowsAreTwoLinesHighAndEveryPageRepeatsTheColumnHeadings) {
    ReportRun run;
    run.plainForm(false);
    std::string people;
    for (int i = 0; i < 60; ++i)
        people += "Pracownik " + std::to_string(100 + i) + "\r\n";
    run.a.Osoby = people;
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;

    const TTable* row = tableWithCell(doc, "Pracownik 100\r\n");
    ASSERT_NE(row, nullptr);
    EXPECT_GE(row->rows[0]->height, 2 * kLine10 + kCellMargins);
    expectHeadingsOnEveryPage(doc, "Imię i nazwisko pracownika", "Pracownik 1");
    // The heading of the list is printed once, the column headings on every page of it.
    EXPECT_EQ(countText(doc, "Lista osób zapoznanych z wynikami oceny ryzyka zawodowego\r\n"), 1);
    EXPECT_EQ(countText(doc, "Imię i nazwisko pracownika"),
              static_cast<int>(pagesWith(doc, "Data i podpis pracownika").size()));
    // Every name is there once.
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(countText(doc, "Pracownik " + std::to_string(100 + i) + "\r\n"), 1);
}

TEST(ReportPolish, PlanRowsGoOnToTheNextPageUnderTheirColumnHeadings) {
    ReportRun run;
    run.plainForm(false);
    run.a.Plan.clear();
    for (int i = 0; i < 70; ++i)
        run.a.Plan.push_back({"Zadanie " + std::to_string(100 + i), "Kowalski", "2027"});
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    expectHeadingsOnEveryPage(doc, "Opis przedsięwzięcia (zadania)", "Zadanie 1");
    EXPECT_EQ(countText(doc, "Plan poprawy warunków pracy\r\n"), 1);
    for (const auto& page : doc.pages) {
        int used = 0;
        for (const auto& item : page->items)
            used += item->lastHeight();
        EXPECT_LE(used, doc.usableHeight);
    }
}

TEST(ReportPolish, TheCommissionSignsInRowsOfTwoLines) {
    ReportRun run;
    run.plainForm(true); // the register form prints the commission with a signature column
    run.a.ListKomisja = {{"Komisarski", "Jan", "Kierownik"}};
    auto layout = run.layOut();
    const TTable* commission = tableWithCell(*layout->doc, "Komisarski");
    ASSERT_NE(commission, nullptr);
    ASSERT_EQ(commission->rows.size(), 2u);
    EXPECT_EQ(rowTexts(*commission, 0).back(), "Podpis");
    EXPECT_GE(commission->rows[1]->height, 2 * kLine10 + kCellMargins);
    // The standard form has no signature column and one-line rows.
    run.plainForm(false);
    layout = run.layOut();
    const TTable* plain = tableWithCell(*layout->doc, "Komisarski");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->rows[1]->height, kLine10 + kCellMargins);
}

TEST(ReportPolish, AHeadingEndingInALineBreakKeepsTheBlankLineUnderIt) {
    ReportRun run;
    run.plainForm(false);
    run.a.EdtZaklad = "Zakład";
    auto layout = run.layOut();
    // The employer on the title page: a blank line, the name, a blank line (16 pt: 64 px each).
    const TItem* employer = placedItemWith(*layout->doc, "\r\nZakład\r\n");
    ASSERT_NE(employer, nullptr);
    EXPECT_EQ(employer->lastHeight(), 3 * 64);
    // A heading (14 pt: 56 px a line) is followed by its blank line.
    std::vector<const TTextItem*> texts;
    for (const TItem* item : placedItems(*layout->doc))
        collectTexts(*item, texts);
    const auto heading = std::find_if(texts.begin(), texts.end(), [](const TTextItem* t) {
        return t->text == "Wykres wskaźników\r\n";
    });
    ASSERT_NE(heading, texts.end());
    EXPECT_EQ((*heading)->lastHeight(), 2 * 56);
}

TEST(ReportPolish, ChartsOfAnyOnScreenShapeFitTheirPageWithTheirHeadingsAndKeys) {
    for (const ChartProportions shape : {ChartProportions{200, 1000}, ChartProportions{760, 1000},
                                         ChartProportions{1280, 700}, ChartProportions{400, 260}}) {
        SCOPED_TRACE(std::to_string(shape.width) + " x " + std::to_string(shape.height));
        ReportRun run;
        run.plainForm(false);
        run.chart1 = shape;
        run.chart2 = shape;
        run.refresh();
        run.print();
        ASSERT_EQ(run.canvas.charts.size(), 2u);
        for (const auto& chart : run.canvas.charts) {
            EXPECT_GE(chart.rect.top, 150);
            EXPECT_LE(chart.rect.bottom, kBottomMargin);
        }
        const auto sheetOf = [&](const std::string& text) {
            for (const auto& t : run.canvas.texts)
                if (t.text == text) return t.sheet;
            return -1;
        };
        const std::string key = "1 - mężczyźni\r\n2 - kobiety\r\n3 - kobiety w ciąży lub w okresie "
                                "karmienia\r\n4 - młodociani\r\n";
        EXPECT_EQ(sheetOf(key), run.canvas.charts[0].sheet);
        EXPECT_EQ(sheetOf("Wykres wskaźników\r\n"), run.canvas.charts[1].sheet);
        const std::vector<std::string> legend(kRiskChartLegend.begin(), kRiskChartLegend.end());
        EXPECT_EQ(sheetOf(joinCrLf(legend)), run.canvas.charts[1].sheet);
    }
}

TEST(ReportPolish, AChartShorterThanThePageKeepsItsOnScreenProportions) {
    ReportRun run;
    run.plainForm(false);
    run.chart1 = {1000, 500};
    run.chart2 = {1000, 250};
    run.refresh();
    run.print();
    ASSERT_EQ(run.canvas.charts.size(), 2u);
    const int W = 2100 - 350;
    EXPECT_EQ(run.canvas.charts[0].rect.height(), W / 2);
    EXPECT_EQ(run.canvas.charts[1].rect.height(), W / 4);
}

// Recommendations of many pages split the risk level's group: wherever the page ends, its
// heading stays on the page of the band table under it.
TEST(ReportPolish, AGroupTakenApartKeepsItsHeadingWithWhatFollows) {
    for (int questions = 0; questions < 36; questions += 2) {
        SCOPED_TRACE(std::to_string(questions) + " answered questions");
        ReportRun run;
        run.plainForm(false);
        for (int i = 0; i < questions; ++i) {
            run.a.questions.DodajPytaniebhp("Pytanie " + std::to_string(i));
            run.a.questions.setAnswer(static_cast<std::size_t>(i), "TAK");
        }
        run.refresh();
        run.e.Memo6.assign(200, "Zalecenie, które zajmuje jeden wiersz.");
        auto layout = run.layOut();
        const TDoc& doc = *layout->doc;
        const std::string heading = "Poziom ryzyka: " + std::to_string(run.e.riskLevel) +
                                    " – RYZYKO " + run.e.OcenRyzyko(run.a) + "\r\n";
        ASSERT_EQ(pagesWith(doc, heading).size(), 1u);
        EXPECT_EQ(pagesWith(doc, heading), pagesWith(doc, "Interpretacja wyniku"));
        for (const auto& page : doc.pages) {
            const auto* last = dynamic_cast<const TTextItem*>(page->items.back().get());
            if (last) {
                EXPECT_NE(last->text, heading);
            }
        }
    }
}

TEST(ReportPolish, AWordLongerThanItsCellGoesOnInTheNextLineWhole) {
    ReportRun run;
    run.plainForm(false);
    const std::string word(60, 'w');
    run.a.Plan = {{word, "kontakt:" + std::string(40, 'k') + "@przyklad.pl", "2027"}};
    run.refresh();
    run.print();
    // The task column is half of 1750 px less its margins: 835 px, 41 characters of 20 px.
    for (const std::string& text : {word, "kontakt:" + std::string(40, 'k') + "@przyklad.pl"}) {
        const auto drawn = std::find_if(run.canvas.texts.begin(), run.canvas.texts.end(),
                                        [&](const auto& t) { return t.text == text; });
        ASSERT_NE(drawn, run.canvas.texts.end());
        std::string joined;
        for (const auto& line : drawn->lines) {
            joined += line.text;
            EXPECT_LE(static_cast<int>(line.text.size()) * 20, drawn->rect.width()) << line.text;
        }
        EXPECT_EQ(joined, text);
        EXPECT_GT(drawn->lines.size(), 1u);
    }
}
