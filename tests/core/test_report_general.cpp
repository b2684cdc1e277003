// The report's first half on the test canvas: the title page, the legal basis, and the general
// part in the register form (A) and the standard form (B).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/layout/registerblock.h"
#include "core/report/reporttexts.h"
#include "tests/core/test_report_support.h"

using namespace tarnik;
using namespace tarnik::report_test;
using tarnik::test_support::ymd;

namespace {

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The style of the first text item holding exactly this text.
std::string styleOf(const TDoc& doc, const std::string& text) {
    for (const auto& page : doc.pages) {
        std::vector<const TTextItem*> items;
        for (const auto& item : page->items)
            collectTexts(*item, items);
        for (const TTextItem* t : items)
            if (t->text == text) return t->style ? t->style->name : "";
    }
    return "(none)";
}

} // namespace

TEST(ReportTitle, TheTitlePageHoldsTheEmployerStationSpacingAndDate) {
    ReportRun run;
    run.a.EdtZaklad = "  Huta Łódź  ";
    run.options.setSpacing(3, run.store);
    auto layout = run.layOut();
    const std::vector<std::string> page1 = pageTexts(*layout->doc->pages[0]);
    const std::vector<std::string> expected{
        " ",
        " ",
        " ",
        " ",
        "Tarnik",
        " ",
        " ",
        "\r\nHuta Łódź\r\n",
        "stanowisko:",
        "Spawacz",
        " ",
        " ",
        " ",
        "zatwierdził: .............................................. podpis "
        ".......................................",
        " ",
        " ",
        "data wykonania oceny: 15 marca 2004"};
    EXPECT_EQ(page1, expected);
    EXPECT_EQ(styleOf(*layout->doc, "Tarnik"), "BigBigHeader");
    EXPECT_EQ(styleOf(*layout->doc, "data wykonania oceny: 15 marca 2004"), "Center");

    // The smallest spacing puts one blank line between the station and the approval line; a
    // blank employer prints as one blank paragraph.
    run.a.EdtZaklad = " \r\n ";
    run.options.setSpacing(1, run.store);
    layout = run.layOut();
    const std::vector<std::string> again = pageTexts(*layout->doc->pages[0]);
    EXPECT_EQ(again[7], " ");
    EXPECT_EQ(again[9], "Spawacz");
    EXPECT_EQ(again[10], " ");
    EXPECT_TRUE(startsWith(again[11], "zatwierdził: "));
    // The title page has no running header; later pages have theirs.
    EXPECT_EQ(pageTexts(*layout->doc->pages[1])[0], "Spawacz,   strona 2");
}

TEST(ReportTitle, TheLegalBasisTakesPageTwoWhenItIsOn) {
    ReportRun run;
    run.options.setRegisterForm(false, run.store);
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    EXPECT_EQ(pageOf(doc, "Podstawa prawna analizy ryzyka zawodowego\r\n"), 2);
    EXPECT_EQ(pageOf(doc, "Dane Ogólne"), 3);
    const TTable* acts = tableWithCell(doc, "7.");
    ASSERT_NE(acts, nullptr);
    ASSERT_EQ(acts->rows.size(), 7u);
    EXPECT_EQ(rowTexts(*acts, 0)[1].substr(0, 30), "ustawa Kodeks pracy z dnia 26 ");
    EXPECT_NE(rowTexts(*acts, 0)[1].find("stwierdza:\r\n\"Pracodawca:\r\n1) ocenia"),
              std::string::npos);
    EXPECT_EQ(acts->columnWidths[0], acts->width / 26);
    EXPECT_FALSE(acts->border);
    // Heading, introduction and acts are one item.
    const TItem* placed = placedItemWith(doc, "7.");
    EXPECT_EQ(placed, placedItemWith(doc, "Podstawa prawna analizy ryzyka zawodowego\r\n"));
    EXPECT_EQ(placed,
              placedItemWith(doc, "Wymagania dotyczące oceny ryzyka zawodowego przez pracodawcę i "
                                  "działań z tego zakresu określają następujące akty prawne:"));

    run.options.setLegalBasis(false, run.store);
    layout = run.layOut();
    EXPECT_EQ(pageOf(*layout->doc, "Podstawa prawna analizy ryzyka zawodowego\r\n"), 0);
    EXPECT_EQ(pageOf(*layout->doc, "Dane Ogólne"), 2);
}

TEST(ReportFormA, TheRegisterBlockShowsTheCodeAndTheRoomOnlyWhenGiven) {
    ReportRun run;
    run.plainForm(true);
    run.a.EdtRegon = "471234567";
    run.a.EdtKStan = "  ";
    run.a.Ed201 = "Spawalnia";
    run.a.Ed202 = " ";
    const auto block = [](const TDoc& doc) {
        const auto& group = dynamic_cast<const TGroup&>(*doc.pages[1]->items[3]);
        return dynamic_cast<const TRejestrNaglowek*>(group.items[0].get());
    };
    auto layout = run.layOut();
    const TRejestrNaglowek* b = block(*layout->doc);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->cells[2]->text, "471234567");
    EXPECT_EQ(b->cells[6]->text, "\r\nSpawacz");
    EXPECT_EQ(b->cells[11]->text, "Wydział: Spawalnia");
    EXPECT_EQ(b->totalWidth, layout->doc->usableWidth);
    EXPECT_EQ(b->cellInner, (Rect{20, 20, 20, 20}));

    run.a.EdtKStan = " SP-01 ";
    run.a.Ed202 = "Hala 3";
    layout = run.layOut();
    b = block(*layout->doc);
    EXPECT_EQ(b->cells[6]->text, "\r\nSpawacz\r\nKod stanowiska: SP-01");
    EXPECT_EQ(b->cells[11]->text, "Wydział: Spawalnia\r\nPomieszczenie: Hala 3");
    run.a.Ed201 = "";
    layout = run.layOut();
    EXPECT_EQ(block(*layout->doc)->cells[11]->text, "\r\nPomieszczenie: Hala 3");
}

TEST(ReportFormA, StationMemosWithTextGetATableEachAndBlankOnesNone) {
    for (bool registerForm : {true, false}) {
        ReportRun run;
        run.plainForm(registerForm);
        run.a.mm(204) = " \r\n  \r\n";
        run.a.mm(205) = "Spawanie\r\nMIG";
        run.a.mm(213) = "Wyciąg";
        auto layout = run.layOut();
        const TDoc& doc = *layout->doc;
        EXPECT_EQ(pageOf(doc, "Rodzaj produkcji:"), 0);
        const TTable* t = tableWithCell(doc, "Technologia:");
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(rowTexts(*t, 0), (std::vector<std::string>{"Technologia:", "Spawanie\r\nMIG"}));
        EXPECT_EQ(t->inner.left, registerForm ? 10 : 20);
        EXPECT_EQ(t->border, !registerForm);
        EXPECT_NE(tableWithCell(doc, "Środki ochrony zbiorowej:"), nullptr);
    }
}

TEST(ReportFormA, TheFactorSummaryKeepsEveryNameBeyondAHundredRows) {
    ReportRun run;
    run.plainForm(true);
    for (int i = 0; i < 130; ++i)
        tickFactor(run.a, 0, "Substancja " + std::to_string(1000 + i));
    tickFactor(run.a, 2, "Hałas");
    run.a.LB503.emplace_back("Drgania", false, newFactorRecord("Drgania", 2, 38000));
    run.refresh();
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;

    // Every part of the summary begins with the column captions and lists its names in order.
    std::vector<std::string> chemical;
    std::vector<std::string> physical;
    int parts = 0;
    for (const auto& page : doc.pages) {
        int used = 0;
        for (const auto& item : page->items)
            used += item->lastHeight();
        EXPECT_LE(used, doc.usableHeight);
        for (const auto& item : page->items) {
            const TTable* t = dynamic_cast<const TTable*>(item.get());
            if (auto* g = dynamic_cast<const TGroup*>(item.get()); g && g->items.size() == 1)
                t = dynamic_cast<const TTable*>(g->items[0].get());
            if (!t || t->rows.empty() || rowTexts(*t, 0)[0] != "Czynniki chemiczne") continue;
            ++parts;
            EXPECT_EQ(rowTexts(*t, 0)[4], "Czynniki uciążliwe");
            for (std::size_t r = 1; r < t->rows.size(); ++r) {
                chemical.push_back(rowTexts(*t, r)[0]);
                physical.push_back(rowTexts(*t, r)[2]);
            }
        }
    }
    EXPECT_GT(parts, 1);
    ASSERT_EQ(chemical.size(), 130u);
    for (int i = 0; i < 130; ++i)
        EXPECT_EQ(chemical[static_cast<std::size_t>(i)], "Substancja " + std::to_string(1000 + i));
    EXPECT_EQ(physical[0], "Hałas");
    EXPECT_EQ(physical[1], " ");

    // A short summary is one table in one group.
    ReportRun small;
    small.plainForm(true);
    tickFactor(small.a, 4, "Monotonia");
    auto short_ = small.layOut();
    const TTable* t = tableWithCell(*short_->doc, "Czynniki chemiczne");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->rows.size(), 2u);
    EXPECT_EQ(rowTexts(*t, 1), (std::vector<std::string>{" ", " ", " ", " ", "Monotonia"}));
    EXPECT_EQ(placedItemWith(*short_->doc, "Czynniki chemiczne"),
              placedItemWith(*short_->doc, "Monotonia"));
}

TEST(ReportFormA, WorkerCountsComeFromTheRegisterAndTheHazardCard) {
    ReportRun run;
    run.plainForm(true);
    run.a.ListaPrac.insert(worker("Jan", "Nowak", kMen));
    run.a.ListaPrac.insert(worker("Ewa", "Lis", kWomen));
    run.a.ListaPrac.insert(worker("Ola", "Kot", kPregnantOrNursing));
    run.a.ListaPrac.insert(worker("Adam", "Mały", kJuveniles));
    run.a.ListaPrac.insert(worker("Piotr", "Wąs", kMen));
    FactorRecord& benzen = tickFactor(run.a, 0, "Benzen");
    benzen.hazardCategory = {1, 7, 0, 1}; // row 7 moves nobody over the limit
    benzen.described = true;
    run.refresh();
    auto layout = run.layOut();
    const TTable* t = tableWithCell(*layout->doc, "Pracujących ogółem na stanowisku pracy");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->rows.size(), 6u);
    EXPECT_EQ(rowTexts(*t, 0)[1], "5");
    EXPECT_EQ(rowTexts(*t, 1), (std::vector<std::string>{"w tym:", " "}));
    EXPECT_EQ(rowTexts(*t, 2)[1], "1");
    EXPECT_EQ(rowTexts(*t, 3)[1], "1");
    EXPECT_EQ(rowTexts(*t, 4)[1], "1");
    EXPECT_EQ(rowTexts(*t, 5)[0],
              "Liczba pracujących w warunkach przekroczenia wartości dopuszczalnych");
    EXPECT_EQ(rowTexts(*t, 5)[1], "3"); // two men and the juvenile
    EXPECT_EQ(t->columnWidths[0], t->width * 7 / 8);
}

TEST(ReportFormA, MeasurementCardsFollowTheListsUnderTheirHeadings) {
    ReportRun run;
    run.plainForm(true);
    FactorRecord& benzen = tickFactor(run.a, 0, "Benzen");
    benzen.Ed602 = "71-43-2";
    benzen.ED603 = "Hala";
    benzen.Ed606 = "3 mg/m3";
    benzen.Ed607 = "P";
    tickFactor(run.a, 1, "Pył drewna");
    run.a.LB502.emplace_back("Pył węgla", false, newFactorRecord("Pył węgla", 1, 38000));
    FactorRecord& monotony = tickFactor(run.a, 4, "Monotonia");
    monotony.descriptionForm = 1;
    monotony.Mem611 = "Praca powtarzalna";
    tickFactor(run.a, 4, "Stres");
    run.refresh();
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;

    const TTable* card = cardOf(doc, "Benzen  kod: 71-43-2");
    ASSERT_NE(card, nullptr);
    ASSERT_EQ(card->rows.size(), 7u);
    EXPECT_EQ(rowTexts(*card, 0),
              (std::vector<std::string>{"1.", "Nazwa czynnika/kod", "Benzen  kod: 71-43-2"}));
    EXPECT_EQ(rowTexts(*card, 1),
              (std::vector<std::string>{"2.", "Data pomiaru", "1 lutego 2004"}));
    EXPECT_EQ(rowTexts(*card, 2)[2], "Hala");
    EXPECT_EQ(rowTexts(*card, 5), (std::vector<std::string>{"6.", "Wyniki pomiaru", "3 mg/m3"}));
    EXPECT_TRUE(
        startsWith(rowTexts(*card, 6)[2], "Przekroczone NDSP w stosunku do wymagań ogólnych\r\n"));
    EXPECT_EQ(card->columnWidths[0], card->width * 1 / 25);
    EXPECT_EQ(placedItemWith(doc, "\r\nKarta pomiarów czynników chemicznych\r\n"),
              placedItemWith(doc, "Benzen  kod: 71-43-2"));

    const TTable* dust = cardOf(doc, "Pył drewna");
    ASSERT_NE(dust, nullptr);
    EXPECT_EQ(rowTexts(*dust, 0)[1], "Nazwa czynnika");
    EXPECT_EQ(pageOf(doc, "Pył węgla"), 0);
    EXPECT_EQ(countText(doc, "\r\nKarta pomiarów pyłów\r\n"), 1);

    // The strenuous cards have no list heading; each begins with a blank line of its own.
    const TTable* strenuous = cardOf(doc, "Monotonia");
    ASSERT_NE(strenuous, nullptr);
    EXPECT_EQ(rowTexts(*strenuous, 1)[2], "");
    EXPECT_EQ(rowTexts(*strenuous, 5)[1], "Krótka charakterystyka czynnika");
    EXPECT_EQ(rowTexts(*strenuous, 6)[2], "Narażenie akceptowalne (czynnik uciążliwy)");
    const auto* group = dynamic_cast<const TGroup*>(placedItemWith(doc, "Praca powtarzalna"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(dynamic_cast<const TTextItem&>(*group->items[0]).text, "\r\n ");
    EXPECT_EQ(countText(doc, "\r\n "), 3); // worker counts, and the two strenuous cards

    // The lists keep their order, and the workers begin on a page of their own after the cards.
    const std::vector<const TItem*> items = placedItems(doc);
    const auto indexOf = [&items, &doc](const std::string& text) {
        return std::find(items.begin(), items.end(), placedItemWith(doc, text)) - items.begin();
    };
    EXPECT_LT(indexOf("Benzen  kod: 71-43-2"), indexOf("\r\nKarta pomiarów pyłów\r\n"));
    EXPECT_LT(indexOf("\r\nKarta pomiarów pyłów\r\n"), indexOf("Praca powtarzalna"));
    const TItem* lastCard = items[static_cast<std::size_t>(indexOf("Praca powtarzalna") + 1)];
    EXPECT_NE(cardOf(doc, "Stres"), nullptr);
    const auto pageHolding = [&doc](const TItem* item) {
        for (std::size_t i = 0; i < doc.pages.size(); ++i)
            for (const auto& it : doc.pages[i]->items)
                if (it.get() == item) return static_cast<int>(i) + 1;
        return 0;
    };
    EXPECT_EQ(pageOf(doc, "\r\n\r\nZakres szkoleń BHP\r\n"), pageHolding(lastCard) + 1);
}

TEST(ReportFormB, AddPairLeavesBlankValuesOutButTheNumbersAlwaysPrint) {
    ReportRun run;
    run.plainForm(false);
    run.a.EdtKStan = "  ";
    run.a.EdtRegon = "471234567";
    run.a.EdtLStan = 4;
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    const TTable* t = tableWithCell(doc, "Nazwa zakładu:");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->rows.size(), 5u);
    EXPECT_EQ(rowTexts(*t, 1), (std::vector<std::string>{"Regon:", "471234567"}));
    EXPECT_EQ(rowTexts(*t, 2),
              (std::vector<std::string>{"Numer kolejny oceny stanowiska:", "\r\n1"}));
    EXPECT_EQ(rowTexts(*t, 3)[0], "Nazwa stanowiska:");
    EXPECT_EQ(rowTexts(*t, 4), (std::vector<std::string>{"Liczba stanowisk:", "4"}));
    EXPECT_FALSE(t->border);
    EXPECT_EQ(pageOf(doc, "\r\nData oceny: 15 marca 2004"), 2);
    EXPECT_EQ(pageOf(doc, "Nazwa jednostki dokonującej oceny ryzyka: "), 2);
    // The station description's empty pairs leave an empty table under its heading.
    const TItem* heading = placedItemWith(doc, "\r\n\r\nOpis stanowiska\r\n");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(pageOf(doc, "Wydział:"), 0);
}

TEST(ReportFormB, PersonTablesAreNumberedAndOnlyFormAAsksTheCommissionToSign) {
    for (bool registerForm : {true, false}) {
        ReportRun run;
        run.plainForm(registerForm);
        run.a.ListOdpow = {{"Kowalski", "Jan", "Kierownik"}, {"Nowak", "Anna", "Mistrz"}};
        run.a.ListKomisja = {{"Wiśniewska", "Ewa", "Specjalista BHP"}};
        auto layout = run.layOut();
        const TDoc& doc = *layout->doc;
        const TTable* persons = tableWithCell(doc, "Kowalski");
        ASSERT_NE(persons, nullptr);
        EXPECT_EQ(rowTexts(*persons, 0),
                  (std::vector<std::string>{"Lp.", "Nazwisko", "Imię", "Stanowisko"}));
        EXPECT_EQ(rowTexts(*persons, 2),
                  (std::vector<std::string>{"2", "Nowak", "Anna", "Mistrz"}));
        EXPECT_EQ(placedItemWith(doc, "Kowalski"),
                  placedItemWith(
                      doc, "\r\nOsoby odpowiedzialne za stan bezpieczeństwa na stanowisku:\r\n"));
        const TTable* commission = tableWithCell(doc, "Wiśniewska");
        ASSERT_NE(commission, nullptr);
        EXPECT_EQ(rowTexts(*commission, 0).size(), registerForm ? 5u : 4u);
        if (registerForm) {
            EXPECT_EQ(rowTexts(*commission, 1)[4], " \r\n"); // two lines to sign in
        }
        EXPECT_EQ(styleOf(doc, "\r\nSkład komisji:\r\n"), "NBold");
    }
    // Without persons there is no heading.
    ReportRun none;
    none.plainForm(false);
    auto layout = none.layOut();
    EXPECT_EQ(pageOf(*layout->doc, "\r\nSkład komisji:\r\n"), 0);
}

TEST(ReportFormB, FactorBlocksFollowTheListToDescribe) {
    ReportRun run;
    run.plainForm(false);
    FactorRecord& noise = tickFactor(run.a, 2, "Hałas");
    noise.Ed606 = "87 dB";
    noise.Ed607 = "1,2";
    FactorRecord& benzen = tickFactor(run.a, 0, "Benzen");
    benzen.Ed602 = "71-43-2";
    FactorRecord& stress = tickFactor(run.a, 4, "Stres");
    stress.descriptionForm = 1;
    stress.Mem611 = "Praca pod presją";
    stress.CB601 = false;
    stress.CB605 = true;
    FactorRecord& light = tickFactor(run.a, 2, "oświetlenie - natężenie");
    light.RG602 = 1;
    run.refresh();
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    const std::vector<std::string> texts = allTexts(doc);
    const auto at = [&texts](const std::string& t) {
        return std::find(texts.begin(), texts.end(), t) - texts.begin();
    };
    // Alphabetical, as the measurement card page lists them.
    EXPECT_LT(at("Benzen"), at("Hałas"));
    EXPECT_LT(at("Hałas"), at("oświetlenie - natężenie"));
    EXPECT_LT(at("oświetlenie - natężenie"), at("Stres"));
    EXPECT_EQ(placedItemWith(doc, "Benzen"),
              placedItemWith(doc, "Czynniki szkodliwe, niebezpieczne i uciążliwe\r\n"));
    EXPECT_TRUE(contains(texts, "Kod: "));
    EXPECT_EQ(countText(doc, "Kod: "), 1); // only Benzen has a code
    EXPECT_NE(tableWithCell(doc, "87 dB"), nullptr);
    EXPECT_TRUE(contains(texts, "Krotnośc NDS w stosunku do wymagań ogólnych: 1,2\r\n"
                                "Krotnośc NDS w stosunku do kobiet: \r\n"
                                "Krotnośc NDS w stosunku do kobiet w ciąży lub w okresie "
                                "karmienia: \r\n"
                                "Krotnośc NDS w stosunku do młodocianych: "));
    EXPECT_EQ(rowTexts(*tableWithCell(doc, "Praca pod presją"), 0)[0], "Krótka charakterystyka;");
    EXPECT_TRUE(contains(texts, "Narażenie nie do zaakceptowania (czynnik niebezpieczny) w "
                                "stosunku do:\r\n- młodocianych"));
    EXPECT_EQ(pageOf(doc, "Data pomiaru:") > 0, true);
    // Lighting prints its verdict even without a result; the described factor has no date.
    const TTable* lightResult = tableWithCell(doc, "Nie spełnia wymagań");
    ASSERT_NE(lightResult, nullptr);
    EXPECT_EQ(rowTexts(*lightResult, 0)[0], "Wynik pomiaru:");
    EXPECT_EQ(countText(doc, "Data pomiaru:"), 3);
    EXPECT_EQ(countText(doc, "\r\n"), 4); // a blank paragraph after every block
}

TEST(ReportWorkers, WorkerBlocksStateQualificationsExaminationsAndTrainings) {
    for (bool registerForm : {true, false}) {
        ReportRun run;
        run.plainForm(registerForm);
        run.a.RG302 = 1;
        auto ola = worker("Ola", "Kot", kPregnantOrNursing);
        ola->Ed403 = "Pakowaczka";
        ola->RB402 = false;
        ola->examinationCurrent = false;
        ola->RB406 = false;
        ola->RB407 = false;
        ola->trainingCurrent = ola->trainingCurrent2 = false;
        run.a.ListaPrac.insert(std::move(ola));
        auto adam = worker("Adam", "Mały", kJuveniles);
        adam->trainingCurrent2 = false; // trainings done, but no longer current
        run.a.ListaPrac.insert(std::move(adam));
        run.refresh();
        auto layout = run.layOut();
        const TDoc& doc = *layout->doc;
        // The heading stays with the first worker of the register, sorted by surname.
        const auto* ola_ = dynamic_cast<const TGroup*>(placedItemWith(doc, "Ola Kot"));
        ASSERT_NE(ola_, nullptr);
        std::vector<const TTextItem*> items;
        collectTexts(*ola_, items);
        ASSERT_EQ(items.front()->text, "\r\n\r\nDane o pracownikach\r\n");
        items.erase(items.begin());
        std::vector<std::string> lines;
        for (const TTextItem* t : items)
            lines.push_back(t->text);
        const std::vector<std::string> expected{
            "Ola Kot",
            "     - kobieta w ciąży lub w okresie karmienia",
            std::string("     Stanowisko: ") + (registerForm ? "Pakowaczka" : "Spawacz"),
            "     Data zatrudnienia: 1 lutego 2001",
            "     Uwaga: Pracownik nie posiada odpowiednich kwalifikacji",
            "     Przeszedł odpowiednie profilaktyczne badania lekarskie",
            "     Data następnego badania: 10 stycznia 2005",
            "     Uwaga: Badanie nieaktualne",
            "     Pracownik ukończył z wynikiem pozytywnym szkolenia:",
            "     ogólne, stanowiskowe ",
            "     Następujące szkolenia nie zostały ukończone:",
            "      pierwsze okresowe,  kolejne okresowe ",
            " "};
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(items[10]->style->name, "NormalRed");
        EXPECT_EQ(items[11]->style->name, "NormalRed");
        EXPECT_EQ(items[9]->style->name, "NormalMaly");

        const auto* adam_ = placedItemWith(doc, "Adam Mały");
        ASSERT_NE(adam_, nullptr);
        items.clear();
        collectTexts(*adam_, items);
        lines.clear();
        for (const TTextItem* t : items)
            lines.push_back(t->text);
        EXPECT_TRUE(contains(lines, "     - młodociany"));
        EXPECT_TRUE(contains(lines, std::string("     Data ") +
                                        (registerForm ? "piewszego" : "pierwszego") +
                                        " szkolenia okresowego: 1 czerwca 2001    Data kolejnego "
                                        "szkolenia okresowego: 1 czerwca 2003"));
        EXPECT_TRUE(contains(lines, "     Uwaga: Szkolenie nieaktualne"));
        EXPECT_FALSE(contains(lines, "     Uwaga: Badanie nieaktualne"));
    }
}

TEST(ReportWorkers, TheTrainingScopeStatesThePlan) {
    ReportRun run;
    run.plainForm(false);
    run.a.RG301 = 1;
    run.a.RG302 = 2;
    auto layout = run.layOut();
    const TItem* group = placedItemWith(*layout->doc, "\r\n\r\nZakres szkoleń BHP\r\n");
    ASSERT_NE(group, nullptr);
    std::vector<const TTextItem*> items;
    collectTexts(*group, items);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1]->text, "Na stanowisku ukończenie pierwszego szkolenia okresowego jest "
                              "wymagane w ciągu 6 miesięcy od dnia rozpoczęcia pracy");
    EXPECT_EQ(items[2]->text,
              "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 2 lata\r\n");
}
