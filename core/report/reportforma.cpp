// Form A of the general part, the register form.
//
// It holds the title block of the measurement register, the station's characteristics, the factor
// summary, the worker counts, the measurement cards, the workers, the persons, the commission and
// the training scope.
#include <algorithm>
#include <array>

#include "core/base/text.h"
#include "core/layout/registerblock.h"
#include "core/report/reportbuilder.h"

namespace tarnik {

namespace {

// The measurement cards' headings of the chemical, dust, physical and biological lists; the
// strenuous list has none.
constexpr std::array<const char*, 4> kCardListHeadings{
    "\r\nKarta pomiarów czynników chemicznych\r\n", "\r\nKarta pomiarów pyłów\r\n",
    "\r\nKarta pomiarów czynników fizycznych\r\n",
    "\r\nKarta pomiarów czynników biologicznych\r\n"};

constexpr std::array<const char*, kCatalogueCount> kSummaryColumns{
    "Czynniki chemiczne", "Pyły", "Czynniki fizyczne", "Czynniki biologiczne",
    "Czynniki uciążliwe"};

} // namespace

void ReportBuilder::formA() {
    doc().NewPage();
    log("- dane ogólne");
    {
        auto block = std::make_unique<TRejestrNaglowek>(doc());
        block->totalWidth = W_;
        block->cellInner = innerMm(2);
        block->regon = a().EdtRegon;
        block->station = a().EdtStanowisko;
        const std::string code = trim(a().EdtKStan);
        if (!code.empty()) block->station += "\r\nKod stanowiska: " + code;
        std::string location;
        if (!trim(a().Ed201).empty()) location = "Wydział: " + a().Ed201;
        if (!trim(a().Ed202).empty()) location += "\r\nPomieszczenie: " + a().Ed202;
        block->location = location;
        block->Build();
        auto group = std::make_unique<TGroup>(doc());
        group->Add(std::move(block));
        place(std::move(group));
    }

    log("- opis stanowiska");
    beginHeading("\r\nCharakterystyka stanowiska\r\n", "Header");
    auto position = table({{1, 3}, 1, false});
    pair(*position, "Ustawienie / lokalizacja w hali:", a().Ed203, "TableLeft");
    place(std::move(position));
    memoTables(1, false);
    factorSummary();
    workerCounts();

    log("- czynniki szkodliwe");
    if (!lb601_.empty()) {
        for (int list = 0; list < kCatalogueCount; ++list) {
            bool firstOfList = true;
            for (const FactorEntry& entry : a().factorList(list)) {
                if (!entry.checked || !entry.record) continue;
                const bool strenuous = list == kCatalogueCount - 1;
                if (firstOfList && !strenuous)
                    beginHeading(kCardListHeadings[static_cast<std::size_t>(list)], "Header");
                firstOfList = false;
                place(measurementCard(*entry.record, list == 0, strenuous));
            }
        }
        doc().NewPage();
    }

    log("- dane pracowników");
    workerBlocks(true);
    if (!a().ListOdpow.empty())
        personTable("\r\nOsoby odpowiedzialne za stan bezpieczeństwa na stanowisku:\r\n",
                    a().ListOdpow, false);
    if (!a().ListKomisja.empty()) personTable("\r\nSkład komisji:\r\n", a().ListKomisja, true);
    log("- zakres szkoleń bhp");
    trainingScope();
}

void ReportBuilder::factorSummary() {
    // Every ticked name of the five lists, a column each; as many rows as the longest list needs.
    std::array<std::vector<const std::string*>, kCatalogueCount> names;
    std::size_t rows = 0;
    for (int list = 0; list < kCatalogueCount; ++list) {
        auto& column = names[static_cast<std::size_t>(list)];
        for (const FactorEntry& entry : a().factorList(list))
            if (entry.checked) column.push_back(&entry.text);
        rows = std::max(rows, column.size());
    }
    static const std::string kBlank = " ";
    placeLongTable(
        {{1, 1, 1, 1, 1}, 1, true},
        [](TTable& t) {
            t.NewRow();
            for (const char* caption : kSummaryColumns)
                t.AddCell(caption, "TableGlowa");
        },
        rows,
        [&names](TTable& t, std::size_t i) {
            t.NewRow();
            for (const auto& column : names)
                t.AddCell(i < column.size() ? *column[i] : kBlank, "TableLeft8");
        });
}

void ReportBuilder::workerCounts() {
    const auto& counts = a().workerCounts;
    int employed = 0;
    for (int c : counts)
        employed += c;
    int overLimit = 0;
    for (int c : e().overLimitWorkers)
        overLimit += c;
    auto group = std::make_unique<TGroup>(doc());
    group->Add(textItem("\r\n ", "Header"));
    auto t = table({{7, 1}, 2, true});
    const auto line = [&t](const char* label, const std::string& value) {
        row(*t, {{label, "TableLeft"}, {value, "TableText"}});
    };
    line("Pracujących ogółem na stanowisku pracy", std::to_string(employed));
    line("w tym:", " ");
    line("     kobiet", std::to_string(counts[kWomen]));
    line("     kobiet w ciąży lub w okresie karmienia", std::to_string(counts[kPregnantOrNursing]));
    line("     młodocianych", std::to_string(counts[kJuveniles]));
    line("Liczba pracujących w warunkach przekroczenia wartości dopuszczalnych",
         std::to_string(overLimit));
    group->Add(std::move(t));
    place(std::move(group));
}

} // namespace tarnik
