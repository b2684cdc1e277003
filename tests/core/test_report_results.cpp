// The report's second half on the test canvas: the hazard level card and its chart, the
// checklist, accidents and the supplementary card, the risk level, the indicator chart, the
// clean-ups of the plan and the acquaintance list, the progress lines and the print itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/report/reporttexts.h"
#include "tests/core/test_report_support.h"

using namespace tarnik;
using namespace tarnik::report_test;
using tarnik::test_support::ymd;

namespace {

// A canvas whose print job fails at its end, as a printer or file that cannot be written.
class FailingCanvas : public TestCanvas {
public:
    using TestCanvas::TestCanvas;
    bool endDoc() override {
        TestCanvas::endDoc();
        return false;
    }
};

// The road's assessment: one chemical factor over NDSP for every group, two men and a woman.
void roadAssessment(ReportRun& run) {
    run.a.setWorkerCounts({2, 1, 0, 0});
    FactorRecord& f = tickFactor(run.a, 0, "Benzen");
    f.Ed607 = f.Ed608 = f.Ed609 = f.Ed610 = "P";
    f.hazardCategory = {1, 1, 1, 1};
    f.described = true;
    run.refresh();
}

} // namespace

TEST(ReportResults, TheHazardCardPrintsTheCountsIndicesAndChart) {
    ReportRun run;
    run.plainForm(false);
    roadAssessment(run);
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;

    const TTable* counts = tableWithCell(doc, "których przekroczone jest NDSP");
    ASSERT_NE(counts, nullptr);
    ASSERT_EQ(counts->rows.size(), 10u);
    EXPECT_EQ(rowTexts(*counts, 0)[3], "kobiet\r\nw ciąży\r\nlub\r\nw okresie\r\nkarmienia");
    EXPECT_EQ(rowTexts(*counts, 1),
              (std::vector<std::string>{"których przekroczone jest NDSP", "1", "1", "1", "1"}));
    EXPECT_EQ(rowTexts(*counts, 3)[0], "których przekroczone są NDN lub NDS");
    EXPECT_EQ(rowTexts(*counts, 9)[1], "0");
    EXPECT_EQ(placedItemWith(doc, "Karta poziomu zagrożeń\r\n"),
              placedItemWith(doc, "w odniesieniu do:"));
    EXPECT_EQ(placedItemWith(doc, "Karta poziomu zagrożeń\r\n"),
              placedItemWith(doc, "których przekroczone jest NDSP"));

    const TTable* persons = tableWithCell(doc, "liczba zatrudnionych");
    ASSERT_NE(persons, nullptr);
    EXPECT_EQ(rowTexts(*persons, 1),
              (std::vector<std::string>{"liczba zatrudnionych", "2", "1", "0", "0"}));
    EXPECT_EQ(rowTexts(*persons, 2)[1], "0"); // everybody is over the limit
    EXPECT_EQ(rowTexts(*persons, 3)[1], "2");
    // Each group's index is 5000 × its workers ÷ all workers.
    EXPECT_EQ(rowTexts(*persons, 4),
              (std::vector<std::string>{"\r\nwskaźnik narażenia\r\n", "\r\n3333", "\r\n1666",
                                        "\r\n0", "\r\n0"}));
    const TTable* total = tableWithCell(doc, "\r\nŁączny wskaźnik narażenia\r\n");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(rowTexts(*total, 0)[1], "\r\n4999");

    // The picture: two thirds of the width, and the height of the whole width in the chart's
    // proportions; placed together with the key to its bars.
    const TChart* chart = nullptr;
    const TGroup* withKey = nullptr;
    for (const TItem* item : placedItems(doc))
        if (auto* g = dynamic_cast<const TGroup*>(item); g && !chart)
            for (const auto& inner : g->items)
                if (auto* c = dynamic_cast<const TChart*>(inner.get())) {
                    chart = c;
                    withKey = g;
                }
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(textsOf(*withKey).back(), "1 - mężczyźni\r\n2 - kobiety\r\n3 - kobiety w ciąży lub "
                                        "w okresie karmienia\r\n4 - młodociani\r\n");
    EXPECT_EQ(chart->chart, &run.e.Chart1);
    EXPECT_EQ(chart->width, doc.usableWidth * 2 / 3);
    EXPECT_EQ(chart->height, doc.usableWidth * 260 / 400);
    EXPECT_GE(pageOf(doc, "1 - mężczyźni\r\n2 - kobiety\r\n3 - kobiety w ciąży lub w okresie "
                          "karmienia\r\n4 - młodociani\r\n"),
              pageOf(doc, "\r\nŁączny wskaźnik narażenia\r\n"));
}

TEST(ReportResults, TheChartsArePaintedFromTheEvaluationInTheirProportions) {
    ReportRun run;
    run.plainForm(false);
    run.chart1 = {500, 250};
    run.chart2 = {800, 200};
    roadAssessment(run);
    run.print();
    ASSERT_EQ(run.canvas.charts.size(), 2u);
    const int W = 2100 - 350;
    EXPECT_EQ(run.canvas.charts[0].chart, run.e.Chart1.data());
    EXPECT_EQ(run.canvas.charts[0].rect.width(), W * 2 / 3);
    EXPECT_EQ(run.canvas.charts[0].rect.height(), W / 2);
    EXPECT_EQ(run.canvas.charts[0].rect.left, 200);
    EXPECT_EQ(run.canvas.charts[1].chart, run.e.Chart2.data());
    EXPECT_EQ(run.canvas.charts[1].rect.width(), W);
    EXPECT_EQ(run.canvas.charts[1].rect.height(), W / 4);
    EXPECT_EQ(run.canvas.charts[0].chart.values, (std::vector<double>{3333, 1666, 0, 0}));

    // A chart that fails to paint leaves its room blank and the report goes on.
    run.canvas.failCharts = true;
    const ReportResult r = run.print();
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(run.canvas.charts.empty());
    EXPECT_EQ(run.log.back(), "--------------------------------------");
    EXPECT_EQ(run.log[run.log.size() - 2], "Dane przesłane do drukarki");
}

// The pictures take the font face of the print options, whatever face the charts on screen have.
TEST(ReportResults, TheChartsTakeTheFontFaceOfThePrintOptions) {
    ReportRun run;
    run.plainForm(false);
    roadAssessment(run);
    run.e.setChartFontFace("DejaVu Serif");
    run.options.setFontFace("Times New Roman");
    run.print();
    ASSERT_EQ(run.canvas.charts.size(), 2u);
    EXPECT_EQ(run.canvas.charts[0].chart.fontFace, "Times New Roman");
    EXPECT_EQ(run.canvas.charts[1].chart.fontFace, "Times New Roman");
    EXPECT_EQ(run.canvas.charts[0].chart.values, run.e.Chart1.data().values);
    EXPECT_EQ(run.e.Chart1.data().fontFace, "DejaVu Serif");
}

TEST(ReportResults, OnlyAnsweredQuestionsArePrintedUnderTheirHeading) {
    ReportRun run;
    run.plainForm(false);
    run.a.questions.DodajPytaniebhp("Czy maszyny mają osłony?");
    run.a.questions.DodajPytaniebhp("Czy są instrukcje?");
    run.a.questions.DodajPytaniebhp("Czy jest apteczka?");
    auto layout = run.layOut();
    EXPECT_EQ(pageOf(*layout->doc, "Ocena stanu BHP\r\n"), 0);
    EXPECT_EQ(tableWithCell(*layout->doc, "Czy maszyny mają osłony?"), nullptr);
    // Two blank paragraphs stand for the checklist, before the accidents' own two.
    const auto blanksBeforeAccidents = [](const TDoc& d) {
        const std::vector<const TItem*> items = placedItems(d);
        const auto accidents =
            std::find(items.begin(), items.end(), placedItemWith(d, "Wypadki przy pracy\r\n"));
        int n = 0;
        for (auto it = accidents; it != items.begin();) {
            --it;
            if (textsOf(**it) != std::vector<std::string>{" "}) break;
            ++n;
        }
        return n;
    };
    EXPECT_EQ(blanksBeforeAccidents(*layout->doc), 4);

    run.a.questions.setAnswer(1, "NIE");
    run.a.questions.setAnswer(2, "TAK");
    run.a.questions.setAnswer(0, "tak"); // not an answer the page gives
    layout = run.layOut();
    const TDoc& doc = *layout->doc;
    EXPECT_EQ(tableWithCell(doc, "Czy maszyny mają osłony?"), nullptr);
    const TTable* first = tableWithCell(doc, "Czy są instrukcje?");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(rowTexts(*first, 0), (std::vector<std::string>{"Czy są instrukcje?", "NIE"}));
    EXPECT_EQ(placedItemWith(doc, "Ocena stanu BHP\r\n"),
              placedItemWith(doc, "Czy są instrukcje?"));
    EXPECT_NE(placedItemWith(doc, "Czy jest apteczka?"), placedItemWith(doc, "Czy są instrukcje?"));

    // Without questions even the blank paragraphs are left out.
    ReportRun none;
    none.plainForm(false);
    const auto without = none.layOut();
    EXPECT_EQ(blanksBeforeAccidents(*without->doc), 2);
}

TEST(ReportResults, ARepeatedAssessmentPrintsThePlanRowsAndAnExpertHisReason) {
    ReportRun run;
    run.plainForm(false);
    run.a.SE901 = 2;
    run.a.SE902 = 3;
    run.a.SE1001 = 4;
    run.a.SE1002 = 5;
    run.refresh();
    auto layout = run.layOut();
    const TTable* accidents = tableWithCell(*layout->doc, "Liczba wypadków przy pracy");
    ASSERT_NE(accidents, nullptr);
    ASSERT_EQ(accidents->rows.size(), 9u);
    EXPECT_EQ(rowTexts(*accidents, 1)[1], "3");
    EXPECT_EQ(rowTexts(*accidents, 6)[0], "   - skorygowany o liczbę wypadków śmiertelnych");
    const TTable* supplementary =
        tableWithCell(*layout->doc, "Prawdopodobieństwo zaistnienia wypadku");
    ASSERT_NE(supplementary, nullptr);
    EXPECT_EQ(supplementary->rows.size(), 3u); // a first assessment
    EXPECT_EQ(rowTexts(*supplementary, 2),
              (std::vector<std::string>{"Wskaźnik prawdopodobieństwa",
                                        std::to_string(run.e.probabilityIndex)}));
    EXPECT_EQ(pageOf(*layout->doc, "Wskaźnik eksperta"), 0);
    EXPECT_EQ(placedItemWith(*layout->doc, "Wypadki przy pracy\r\n"),
              placedItemWith(*layout->doc, "Liczba wypadków przy pracy"));

    run.a.EdtNr = 2;
    run.a.SE1003 = 1200;
    run.a.SE1006 = -1;
    run.a.SE1007 = -40;
    run.a.Memo1 = "Nowa maszyna";
    run.refresh();
    layout = run.layOut();
    supplementary = tableWithCell(*layout->doc, "Prawdopodobieństwo zaistnienia wypadku");
    ASSERT_EQ(supplementary->rows.size(), 8u);
    EXPECT_EQ(rowTexts(*supplementary, 3)[1], "1200");
    EXPECT_EQ(rowTexts(*supplementary, 6)[1], "-1");
    EXPECT_EQ(rowTexts(*supplementary, 7)[0], "Wskaźnik planu");
    const TTable* expert = tableWithCell(*layout->doc, "Wskaźnik eksperta");
    ASSERT_NE(expert, nullptr);
    EXPECT_EQ(rowTexts(*expert, 0)[1], "-40");
    EXPECT_EQ(placedItemWith(*layout->doc, "Wskaźnik eksperta"),
              placedItemWith(*layout->doc,
                             "Uzasadnienie wprowadzenia wskaźnika eksperta:\r\nNowa maszyna"));
}

TEST(ReportResults, TheRiskLevelPrintsItsGradeBandsAndRecommendations) {
    ReportRun run;
    run.plainForm(false);
    roadAssessment(run);
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    const std::string line = "Poziom ryzyka: " + std::to_string(run.e.riskLevel) + " – RYZYKO " +
                             run.e.OcenRyzyko(run.a) + "\r\n";
    EXPECT_EQ(line, "Poziom ryzyka: 4999 – RYZYKO ŚREDNIE\r\n");
    ASSERT_GT(pageOf(doc, line), 0);
    const TTable* bands = tableWithCell(doc, "Interpretacja wyniku");
    ASSERT_NE(bands, nullptr);
    EXPECT_EQ(bands->width, doc.usableWidth / 2);
    ASSERT_EQ(bands->rows.size(), 6u);
    EXPECT_EQ(rowTexts(*bands, 1), (std::vector<std::string>{"bardzo małe", "0", "899"}));
    EXPECT_EQ(rowTexts(*bands, 2), (std::vector<std::string>{"małe", "900", "2999"}));
    EXPECT_EQ(rowTexts(*bands, 5), (std::vector<std::string>{"bardzo duże", "8000", "i więcej"}));
    const std::string memo = "\r\n" + run.e.recommendationsText() + "\r\n";
    EXPECT_EQ(placedItemWith(doc, memo), placedItemWith(doc, line));
    EXPECT_NE(memo.find("Należy opracować plan poprawy warunków pracy"), std::string::npos);

    // The indicator chart's legend is the risk page's.
    const TItem* chartGroup = placedItemWith(doc, "Wykres wskaźników\r\n");
    ASSERT_NE(chartGroup, nullptr);
    EXPECT_EQ(chartGroup, placedItemWith(doc, "  1 - wskaźnik narażenia\r\n  2 - wskaźnik "
                                              "częstotliwości\r\n  3 - wskaźnik ciężkości\r\n  4 "
                                              "- wskaźnik chorób zawodowych\r\n  5 - wskaźnik "
                                              "bhp\r\n  6 - wskaźnik ochrony\r\n  7 - wskaźnik "
                                              "prawdopodobieństwa\r\n  8 - wskaźnik planu\r\n  9 "
                                              "- wskaźnik eksperta\r\n10 - poziom ryzyka"));
}

TEST(ReportResults, EmptyPlanRowsGoAndAnEmptyPlanPrintsNoSection) {
    ReportRun run;
    run.plainForm(false);
    run.a.Plan = {{"Wymiana osłon", "Kowalski", "2004"}, {"", "", ""}, {"Szkolenie", "", ""}};
    auto layout = run.layOut();
    EXPECT_TRUE(layout->cleanUps.planChanged);
    ASSERT_EQ(run.a.Plan.size(), 2u);
    EXPECT_EQ(run.a.Plan[1][0], "Szkolenie");
    const TDoc& doc = *layout->doc;
    const int page = pageOf(doc, "Plan poprawy warunków pracy\r\n");
    ASSERT_GT(page, 0);
    // The section begins a page; the heading and the header stay with the first task only.
    EXPECT_EQ(pageTexts(*doc.pages[static_cast<std::size_t>(page - 1)])[2],
              "Plan poprawy warunków pracy\r\n");
    EXPECT_EQ(placedItemWith(doc, "Plan poprawy warunków pracy\r\n"),
              placedItemWith(doc, "Wymiana osłon"));
    EXPECT_NE(placedItemWith(doc, "Szkolenie"), placedItemWith(doc, "Wymiana osłon"));
    EXPECT_EQ(countText(doc, "Opis przedsięwzięcia (zadania)"), 1);
    const TTable* task = tableWithCell(doc, "Szkolenie");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->rows.size(), 1u);

    // A second print finds nothing to tidy.
    layout = run.layOut();
    EXPECT_FALSE(layout->cleanUps.planChanged);

    // Only empty rows: the plan keeps one and prints no section.
    run.a.Plan = {{"", "", ""}, {"", "", ""}};
    layout = run.layOut();
    EXPECT_EQ(run.a.Plan, (std::vector<PlanRow>{PlanRow{}}));
    EXPECT_EQ(pageOf(*layout->doc, "Plan poprawy warunków pracy\r\n"), 0);
    EXPECT_TRUE(layout->cleanUps.planChanged);
    layout = run.layOut();
    EXPECT_FALSE(layout->cleanUps.planChanged);
    // A plan left without rows gets its empty row back.
    run.a.Plan.clear();
    layout = run.layOut();
    EXPECT_EQ(run.a.Plan.size(), 1u);
    EXPECT_TRUE(layout->cleanUps.planChanged);
    // A row holding only a blank is not empty.
    run.a.Plan = {{" ", "", ""}};
    layout = run.layOut();
    EXPECT_GT(pageOf(*layout->doc, "Plan poprawy warunków pracy\r\n"), 0);
}

TEST(ReportResults, TheAcquaintanceListIsTrimmedAndGivesEveryoneRoomToSign) {
    ReportRun run;
    run.plainForm(false);
    run.a.Osoby = "  Jan Kowalski \r\n\r\n   \r\nAnna Nowak";
    auto layout = run.layOut();
    EXPECT_TRUE(layout->cleanUps.acquaintanceChanged);
    EXPECT_EQ(run.a.Osoby, "Jan Kowalski\r\nAnna Nowak");
    const TDoc& doc = *layout->doc;
    const TTable* jan = tableWithCell(doc, "Jan Kowalski\r\n");
    ASSERT_NE(jan, nullptr);
    EXPECT_EQ(rowTexts(*jan, 0), (std::vector<std::string>{"Jan Kowalski\r\n", " ", " "}));
    EXPECT_EQ(placedItemWith(doc, "Jan Kowalski\r\n"),
              placedItemWith(doc, "Lista osób zapoznanych z wynikami oceny ryzyka zawodowego\r\n"));
    EXPECT_EQ(placedItemWith(doc, "Jan Kowalski\r\n"),
              placedItemWith(doc, "Podpis osoby zapoznającej pracownika z ryzykiem zawodowym"));
    EXPECT_NE(tableWithCell(doc, "Anna Nowak\r\n"), nullptr);
    layout = run.layOut();
    EXPECT_FALSE(layout->cleanUps.acquaintanceChanged);

    run.a.Osoby = "  \r\n \r\n";
    layout = run.layOut();
    EXPECT_EQ(run.a.Osoby, "");
    EXPECT_TRUE(layout->cleanUps.acquaintanceChanged);
    EXPECT_EQ(pageOf(*layout->doc, "Lista osób zapoznanych z wynikami oceny ryzyka zawodowego\r\n"),
              0);
}

TEST(ReportRun, TheProgressLinesFollowTheSectionsOfEachForm) {
    ReportRun run;
    run.options.setRegisterForm(true, run.store);
    int shown = 0;
    ReportInput in = run.input();
    in.showProgress = [&shown] { ++shown; };
    BuildReport(run.canvas, in);
    const std::vector<std::string> formA{"-----------------------------------",
                                         "Przygotowanie dokumentu do druku\r\n",
                                         "Tworzenie listy stylów tekstu\r\n",
                                         "Ustalenie rozmiaru strony i marginesów\r\n",
                                         "Przygotowanie kolejnych stron:",
                                         "- tytułowa",
                                         "- dane ogólne",
                                         "- opis stanowiska",
                                         "- czynniki szkodliwe",
                                         "- dane pracowników",
                                         "- zakres szkoleń bhp",
                                         "- karta poziomu",
                                         "- pytania bhp",
                                         "- wypadki przy pracy",
                                         "- poziom ryzyka",
                                         "- plan poprawy warunków pracy",
                                         "- zapoznanie pracowników z oceną ryzyka ",
                                         "\r\nPrzygotowanie dokumentu do druku zakończone\r\n",
                                         "--------------------------------------",
                                         "Początek drukowania (przesyłanie danych do drukarki)",
                                         "--------------------------------------",
                                         "Dane przesłane do drukarki",
                                         "--------------------------------------"};
    EXPECT_EQ(run.log, formA);
    EXPECT_EQ(shown, 1);

    run.options.setRegisterForm(false, run.store);
    run.options.setShowProgress(false, run.store);
    run.log.clear();
    ReportInput quiet = run.input();
    quiet.showProgress = [&shown] { ++shown; };
    BuildReport(run.canvas, quiet);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(run.log.size(), formA.size());
    EXPECT_EQ(
        std::vector<std::string>(run.log.begin() + 6, run.log.begin() + 11),
        (std::vector<std::string>{"- dane ogólne", "- opis stanowiska", "- zakres szkoleń bhp",
                                  "- dane pracowników", "- czynniki szkodliwe"}));
}

TEST(ReportRun, TheRangePrintsItsPagesWithTheWholeDocumentsNumbers) {
    ReportRun run;
    run.plainForm(false);
    for (int i = 0; i < 40; ++i)
        run.a.ListaPrac.insert(worker("Jan", "Nowak " + std::to_string(i)));
    run.refresh();
    ReportResult all = run.print();
    ASSERT_TRUE(all.ok);
    ASSERT_GE(all.pageCount, 5);
    EXPECT_EQ(all.pagesPrinted, all.pageCount);
    EXPECT_EQ(run.canvas.sheetsFed(), all.pageCount);

    const ReportResult part = run.print(PrintRange::pages(2, 3));
    EXPECT_TRUE(part.ok);
    EXPECT_EQ(part.pagesPrinted, 2);
    EXPECT_EQ(run.canvas.sheetsFed(), 2);
    EXPECT_EQ(run.canvas.textsOnSheet(0)[0], "Spawacz,   strona 2");
    EXPECT_EQ(run.canvas.textsOnSheet(1)[0], "Spawacz,   strona 3");

    // A range after the last page prints nothing; the report says how many pages it has.
    const ReportResult none = run.print(PrintRange::pages(all.pageCount + 1, all.pageCount + 5));
    EXPECT_EQ(none.pagesPrinted, 0);
    EXPECT_EQ(none.pageCount, all.pageCount);
    EXPECT_EQ(run.canvas.sheetsFed(), 0);
    EXPECT_EQ(run.canvas.jobLog.back(), "end");
    const ReportResult backwards = run.print(PrintRange::pages(3, 2));
    EXPECT_EQ(backwards.pagesPrinted, 0);
}

TEST(ReportRun, AFailedPrintIsNotReportedAsSentToThePrinter) {
    ReportRun run;
    FailingCanvas canvas(2100, 2970, 4);
    ReportInput in = run.input();
    const ReportResult r = BuildReport(canvas, in);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(std::count(run.log.begin(), run.log.end(), "Dane przesłane do drukarki"), 0);
    EXPECT_EQ(run.log[run.log.size() - 2], "Drukowanie nie powiodło się");
}

TEST(ReportRun, WithoutPolishLettersEveryTextPrintsItsBaseLetters) {
    ReportRun run;
    run.plainForm(false);
    run.options.setPolishLetters(false, run.store);
    run.a.EdtZaklad = "Łódź";
    run.print();
    const std::vector<std::string> title = run.canvas.textsOnSheet(0);
    EXPECT_NE(std::find(title.begin(), title.end(), "\r\nLodz\r\n"), title.end());
    for (const auto& t : run.canvas.texts)
        EXPECT_EQ(t.text.find("ł"), std::string::npos) << t.text;
}

TEST(ReportRun, NoPageHoldsMoreThanItsRoomAndHeadingsStayWithTheirBlocks) {
    ReportRun run;
    run.options.setRegisterForm(true, run.store);
    for (int i = 0; i < 60; ++i) {
        run.a.ListaPrac.insert(worker("Jan", "Nowak " + std::to_string(100 + i)));
        FactorRecord& f = tickFactor(run.a, i % 5, "Czynnik " + std::to_string(100 + i));
        f.Ed606 = "wynik";
        run.a.questions.DodajPytaniebhp("Pytanie " + std::to_string(i));
        run.a.questions.setAnswer(static_cast<std::size_t>(i), i % 2 ? "TAK" : "NIE");
        run.a.Plan.push_back({"Zadanie " + std::to_string(i), "Kowalski", "2004"});
        run.a.ListOdpow.push_back({"Kowalski " + std::to_string(i), "Jan", "Mistrz"});
    }
    run.a.Osoby = "Jan Nowak\r\nEwa Lis";
    run.refresh();
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    ASSERT_GT(doc.pageCount, 20);
    for (const auto& page : doc.pages) {
        int used = 0;
        for (const auto& item : page->items)
            used += item->lastHeight();
        EXPECT_LE(used, doc.usableHeight);
        // A heading is never the last thing on a page.
        const auto* last = dynamic_cast<const TTextItem*>(page->items.back().get());
        if (last) {
            EXPECT_FALSE(last->style->name == "Header" && last->text.size() > 4) << last->text;
        }
    }
    // The long list of responsible persons is split, every part under its column captions.
    int parts = 0;
    for (const std::string& t : allTexts(doc))
        parts += t == "Lp." ? 1 : 0;
    EXPECT_GT(parts, 1);
}
