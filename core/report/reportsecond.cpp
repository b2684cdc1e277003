// The second half of the report, the same in both forms.
//
// It holds the hazard level card with its chart, the safety checklist, accidents and the
// supplementary card, the risk level, the indicator chart, the improvement plan and the
// acquaintance list.
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/base/text.h"
#include "core/report/reportbuilder.h"
#include "core/report/reporttexts.h"
#include "core/rules/plan/plan.h"

namespace tarnik {

namespace {

const char* const kGroupColumns[] = {"ogólnych wymagań", "kobiet",
                                     "kobiet\r\nw ciąży\r\nlub\r\nw okresie\r\nkarmienia",
                                     "młodo-\r\ncianych"};

// The height of a picture `width` wide in the proportions of the chart on screen, at most
// `room` (what a page leaves beside the texts that stay with the chart).
int pictureHeight(int width, ChartProportions on, int room) {
    if (!on.valid()) on = kChartDesignSize;
    const std::int64_t h = static_cast<std::int64_t>(width) * on.height / on.width;
    return static_cast<int>(std::clamp<std::int64_t>(h, 1, std::max(1, room)));
}

std::string number(long long n) {
    return std::to_string(n);
}

} // namespace

void ReportBuilder::hazardCard() {
    log("- karta poziomu");
    blanks(2, "Header");
    {
        auto group = std::make_unique<TGroup>(doc());
        group->Add(textItem("Karta poziomu zagrożeń\r\n", "Header"));
        auto over = table({{16, 16}, 2, true});
        row(*over, {{" ", "TableGlowa"}, {"w odniesieniu do:", "TableGlowa"}});
        group->Add(std::move(over));
        auto counts = table({{16, 4, 4, 4, 4}, 2, true});
        counts->NewRow();
        counts->AddCell("Liczba czynników szkodliwych, uciążliwych i niebezpiecznych",
                        "TableGlowa");
        for (const char* caption : kGroupColumns)
            counts->AddCell(caption, "TableGlowa");
        for (int r = 1; r <= kHazardRowCount; ++r) {
            counts->NewRow();
            counts->AddCell(kHazardCardRows[static_cast<std::size_t>(r - 1)], "TableLeft");
            for (int g = 0; g < kWorkerGroupCount; ++g)
                counts->AddCell(number(e().hazardCount(r, g)), "TableText");
        }
        group->Add(std::move(counts));
        place(std::move(group));
    }
    blanks(3, "Normal");

    auto persons = table({{16, 4, 4, 4, 4}, 2, true});
    persons->NewRow();
    persons->AddCell(" ", "TableGlowa");
    for (const char* caption : kGroupColumns)
        persons->AddCell(caption, "TableGlowa");
    const auto countRow = [&persons](const char* label, const std::array<int, 4>& values,
                                     const char* before) {
        persons->NewRow();
        persons->AddCell(label, "TableLeft");
        for (int v : values)
            persons->AddCell(before + number(v), "TableText");
    };
    countRow("liczba zatrudnionych", a().workerCounts, "");
    countRow("liczba osób narażonych", e().exposedWorkers, "");
    countRow("liczba osób zatrudnionych w warunkach uciążliwych", e().overLimitWorkers, "");
    countRow("\r\nwskaźnik narażenia\r\n", e().groupExposureIndex, "\r\n");
    place(std::move(persons));

    auto total = table({{16, 16}, 2, true});
    row(*total, {{"\r\nŁączny wskaźnik narażenia\r\n", "NBold"},
                 {"\r\n" + number(e().totalExposureIndex), "CenterBold"}});
    place(std::move(total));

    // The chart and the key to its bars stay on one page.
    auto group = std::make_unique<TGroup>(doc());
    auto chart = std::make_unique<TChart>(doc(), &e().Chart1);
    chart->width = W_ * 2 / 3;
    chart->fontFace = in_.chartFontFace;
    TChart& picture = group->Add(std::move(chart));
    group->Add(textItem("1 - mężczyźni\r\n2 - kobiety\r\n3 - kobiety w ciąży lub w okresie "
                        "karmienia\r\n4 - młodociani\r\n",
                        "Normal"));
    picture.height = pictureHeight(W_, in_.chart1, freshPageRoom() - group->Height());
    place(std::move(group));
}

void ReportBuilder::checklist() {
    log("- pytania bhp");
    const Checklist& questions = a().questions;
    if (questions.questionCount() == 0) return;
    blanks(2, "Header");
    bool first = true;
    for (const Question& q : questions.questions()) {
        if (q.answer != kAnswerYes && q.answer != kAnswerNo) continue;
        if (first) beginHeading("Ocena stanu BHP\r\n", "Header");
        first = false;
        auto t = table({{10, 1}, 2, true});
        row(*t, {{q.text, "TableLeft"}, {q.answer, "TableText"}});
        place(std::move(t));
    }
}

void ReportBuilder::accidents() {
    log("- wypadki przy pracy");
    blanks(2, "Header");
    const Assessment& d = a();
    const auto figure = [](TTable& t, const char* label, long long value) {
        row(t, {{label, "TableLeft"}, {number(value), "TableText"}});
    };
    {
        auto group = std::make_unique<TGroup>(doc());
        group->Add(textItem("Wypadki przy pracy\r\n", "Header"));
        group->Add(textItem("Dane za ostatni rok\r\n", "NBold"));
        auto t = table({{10, 2}, 2, true});
        figure(*t, "Liczba wypadków przy pracy", d.SE901.get());
        figure(*t, "Liczba poszkodowanych", d.SE902.get());
        figure(*t, "   - w tym ofiar śmiertelnych", d.SE903.get());
        figure(*t, "Liczba dni niezdolności do pracy spowodowanych wypadkami przy pracy",
               d.SE904.get());
        figure(*t, "Wskaźnik częstotliwości", e().frequencyIndex);
        figure(*t, "Wskaźnik ciężkości", e().severityIndex);
        figure(*t, "   - skorygowany o liczbę wypadków śmiertelnych", e().correctedSeverityIndex);
        figure(*t, "Liczba chorób zawodowych stwierdzonych w związku z pracą na danym stanowisku",
               d.SE905.get());
        figure(*t, "Wskaźnik chorób zawodowych", e().diseaseIndex);
        group->Add(std::move(t));
        place(std::move(group));
    }

    auto supplementary = table({{10, 2}, 2, true});
    figure(*supplementary, "Prawdopodobieństwo zaistnienia wypadku", d.SE1001.get());
    figure(*supplementary, "Poziom ewentualnych skutków zagrożenia", d.SE1002.get());
    figure(*supplementary, "Wskaźnik prawdopodobieństwa", e().probabilityIndex);
    if (d.EdtNr.get() > 1) {
        figure(*supplementary, "Łączny wskaźnik narażenia z poprzedniej oceny", d.SE1003.get());
        figure(*supplementary, "Łączny wskaźnik narażenia z aktualnej oceny", d.SE1004.get());
        figure(*supplementary, "Liczba zadań wynikających z poprzedniej oceny", d.SE1005.get());
        figure(*supplementary, "Liczba niezrealizowanych zadań wynikających z poprzedniej oceny",
               d.SE1006);
        figure(*supplementary, "Wskaźnik planu", e().planIndex);
    }
    place(std::move(supplementary));

    if (d.SE1007 != 0) {
        auto group = std::make_unique<TGroup>(doc());
        auto expert = table({{10, 2}, 2, true});
        figure(*expert, "Wskaźnik eksperta", d.SE1007);
        group->Add(std::move(expert));
        auto reason = table({{1}, 2, true});
        row(*reason,
            {{"Uzasadnienie wprowadzenia wskaźnika eksperta:\r\n" + d.Memo1, "TableLeft"}});
        group->Add(std::move(reason));
        place(std::move(group));
    }
}

void ReportBuilder::riskLevel() {
    log("- poziom ryzyka");
    blanks(2, "Header");
    const Assessment& d = a();
    auto group = std::make_unique<TGroup>(doc());
    group
        ->Add(textItem("Poziom ryzyka: " + number(e().riskLevel) + " – RYZYKO " +
                           e().OcenRyzyko(d) + "\r\n",
                       "BigHeader"))
        .outlineLevel = 1;
    auto bands = table({{2, 1, 1}, 2, true, W_ / 2});
    row(*bands,
        {{"Interpretacja wyniku", "TableGlowa"}, {"od", "TableGlowa"}, {"do", "TableGlowa"}});
    const auto band = [&bands](const char* name, const std::string& from, const std::string& to) {
        row(*bands, {{name, "TableLeft"}, {from, "TableText"}, {to, "TableText"}});
    };
    band("bardzo małe", kLowestBandFrom, e().E1101);
    band("małe", number(d.SE1101.get()), e().E1102);
    band("średnie", number(d.SE1102.get()), e().E1103);
    band("duże", number(d.SE1103.get()), e().E1104);
    band("bardzo duże", number(d.SE1104.get()), kHighestBandTo);
    group->Add(std::move(bands));
    group->Add(textItem("\r\n" + e().recommendationsText() + "\r\n", "NBold"));
    place(std::move(group));
}

void ReportBuilder::indicatorChart() {
    blanks(2, "Header");
    auto group = std::make_unique<TGroup>(doc());
    group->Add(textItem("Wykres wskaźników\r\n", "Header"));
    auto chart = std::make_unique<TChart>(doc(), &e().Chart2);
    chart->width = W_;
    chart->fontFace = in_.chartFontFace;
    TChart& picture = group->Add(std::move(chart));
    group->Add(textItem(" ", "Header"));
    std::vector<std::string> legend(kRiskChartLegend.begin(), kRiskChartLegend.end());
    group->Add(textItem(joinCrLf(legend), "NormalMaly"));
    // The heading, the chart and its legend fit one page, whatever shape the chart had on screen.
    picture.height = pictureHeight(W_, in_.chart2, freshPageRoom() - group->Height());
    place(std::move(group));
}

void ReportBuilder::improvementPlan() {
    log("- plan poprawy warunków pracy");
    // Empty rows go, on the screen too; a plan of one empty row prints nothing.
    out_.cleanUps.planChanged = removeEmptyPlanRows(a().Plan);
    if (a().Plan.size() == 1 && planRowEmpty(a().Plan.front())) return;
    doc().NewPage();
    beginHeading("Plan poprawy warunków pracy\r\n", "Header");
    const auto header = [this] {
        auto t = table({{2, 1, 1}, 2, true});
        row(*t, {{"Opis przedsięwzięcia (zadania)", "TableGlowa"},
                 {"Osoby odpowiedzialne", "TableGlowa"},
                 {"Termin realizacji", "TableGlowa"}});
        return t;
    };
    addToHeading(headings(header()));
    continueTable(header);
    for (const PlanRow& task : a().Plan) {
        auto t = table({{2, 1, 1}, 2, true});
        row(*t, {{task[0], "TableLeft"}, {task[1], "TableLeft"}, {task[2], "TableLeft"}});
        place(std::move(t));
    }
    endContinuedTable();
    auto end = std::make_unique<TGroup>(doc());
    end->Add(textItem(" ", "Header"));
    place(std::move(end));
}

void ReportBuilder::acquaintanceList() {
    log("- zapoznanie pracowników z oceną ryzyka ");
    std::string cleaned = cleanAcquaintanceList(a().Osoby);
    out_.cleanUps.acquaintanceChanged = cleaned != a().Osoby;
    a().Osoby = std::move(cleaned);
    const std::vector<std::string> people = textLines(a().Osoby);
    if (people.empty()) return;
    beginHeading("Lista osób zapoznanych z wynikami oceny ryzyka zawodowego\r\n", "Header");
    const auto header = [this] {
        auto t = table({{1, 1, 1}, 2, true});
        row(*t, {{"Imię i nazwisko pracownika", "TableGlowa"},
                 {"Podpis osoby zapoznającej pracownika z ryzykiem zawodowym", "TableGlowa"},
                 {"Data i podpis pracownika", "TableGlowa"}});
        return t;
    };
    addToHeading(headings(header()));
    continueTable(header);
    for (const std::string& person : people) {
        // The break after the name makes every row two lines high: room to sign in.
        auto t = table({{1, 1, 1}, 2, true});
        row(*t, {{person + "\r\n", "TableLeft"}, {" ", "TableLeft"}, {" ", "TableLeft"}});
        place(std::move(t));
    }
    endContinuedTable();
}

} // namespace tarnik
