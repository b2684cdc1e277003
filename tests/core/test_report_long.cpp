// Texts longer than a page: a station description or a factor's characteristic that would not
// fit on one sheet continues on the next ones, every word kept and no page overfilled.
#include <gtest/gtest.h>

#include "tests/core/test_report_support.h"

using namespace tarnik;
using namespace tarnik::report_test;

namespace {

std::string numbered(const char* word, int count, const char* separator) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += separator;
        text += word + std::to_string(i);
    }
    return text;
}

void expectNoPageOverfilled(const TDoc& doc) {
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        int used = 0;
        for (const auto& item : doc.pages[p]->items)
            used += item->lastHeight();
        EXPECT_LE(used, doc.usableHeight) << "page " << p + 1;
    }
}

// The station-description parts under this label, in order: the texts of their second cells.
// Parts after the first have an empty label.
std::vector<std::string> memoParts(const TDoc& doc, const std::string& label) {
    std::vector<std::string> parts;
    bool inMemo = false;
    for (const TItem* item : placedItems(doc)) {
        std::vector<const TItem*> candidates{item};
        if (auto* g = dynamic_cast<const TGroup*>(item))
            for (const auto& child : g->items)
                candidates.push_back(child.get());
        for (const TItem* c : candidates) {
            auto* t = dynamic_cast<const TTable*>(c);
            if (!t || t->rows.size() != 1 || t->rows[0]->cells.size() != 2) {
                inMemo = inMemo && !t;
                continue;
            }
            const std::vector<std::string> cells = rowTexts(*t, 0);
            if (cells[0] == label)
                inMemo = true;
            else if (!cells[0].empty())
                inMemo = false;
            if (inMemo) parts.push_back(cells[1]);
        }
    }
    return parts;
}

std::string join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? separator : "") + parts[i];
    return text;
}

// Room of a page below its running header.
int freshRoom(const TDoc& doc) {
    const auto& items = doc.pages[1]->items;
    return doc.usableHeight - items[0]->lastHeight() - items[1]->lastHeight() -
           items[2]->lastHeight();
}

} // namespace

TEST(ReportLongTexts, AStationDescriptionOfManyLinesContinuesOnTheNextPages) {
    for (bool registerForm : {true, false}) {
        ReportRun run;
        run.plainForm(registerForm);
        const std::string memo = numbered("Wiersz ", 300, "\r\n");
        run.a.mm(205) = memo;
        run.a.mm(206) = "Po opisie";
        auto layout = run.layOut();
        const TDoc& doc = *layout->doc;
        expectNoPageOverfilled(doc);

        const std::vector<std::string> parts = memoParts(doc, "Technologia:");
        ASSERT_GE(parts.size(), 3u) << registerForm;
        EXPECT_EQ(join(parts, "\r\n"), memo);
        EXPECT_EQ(countText(doc, "Technologia:"), 1);
        // The parts fill consecutive pages and what follows comes after the last.
        const int first = pageOf(doc, parts.front());
        EXPECT_EQ(pageOf(doc, parts.back()), first + static_cast<int>(parts.size()) - 1);
        EXPECT_GE(pageOf(doc, "Po opisie"), pageOf(doc, parts.back()));
        // The borders of form B go with every part.
        EXPECT_EQ(tableWithCell(doc, parts.back())->border, !registerForm);
    }
}

TEST(ReportLongTexts, AParagraphLongerThanAPageIsCutBetweenItsWords) {
    ReportRun run;
    run.plainForm(false);
    // Double blanks survive the cut.
    const std::string memo = numbered("słowo", 4000, " ") + "  koniec";
    run.a.mm(204) = memo;
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    expectNoPageOverfilled(doc);
    const std::vector<std::string> parts = memoParts(doc, "Rodzaj produkcji:");
    ASSERT_GE(parts.size(), 2u);
    EXPECT_EQ(join(parts, " "), memo);
    for (const std::string& part : parts)
        EXPECT_NE(part.front(), ' ');
}

TEST(ReportLongTexts, OnlyADescriptionTallerThanAFreshPageIsCut) {
    // The longest description that fits below a running header stays whole; one line more is cut.
    ReportRun probe;
    probe.plainForm(true);
    int whole = 0;
    int wholeHeight = 0;
    int previousHeight = 0;
    for (int lines = 40; lines < 200; ++lines) {
        probe.a.mm(205) = numbered("Wiersz ", lines, "\r\n");
        auto layout = probe.layOut();
        const TDoc& doc = *layout->doc;
        const std::vector<std::string> parts = memoParts(doc, "Technologia:");
        ASSERT_FALSE(parts.empty());
        if (parts.size() > 1) {
            ASSERT_GT(whole, 0) << "cut already at " << lines << " lines";
            EXPECT_EQ(join(parts, "\r\n"), probe.a.mm(205));
            const int lineHeight = wholeHeight - previousHeight;
            EXPECT_GT(lineHeight, 0);
            EXPECT_LE(wholeHeight, freshRoom(doc));
            EXPECT_GT(wholeHeight + lineHeight, freshRoom(doc));
            return;
        }
        previousHeight = wholeHeight;
        whole = lines;
        wholeHeight = tableWithCell(doc, "Technologia:")->lastHeight();
    }
    FAIL() << "a description of 200 lines was never cut";
}

TEST(ReportLongTexts, AMeasurementCardWithALongCharacteristicIsTakenApart) {
    ReportRun run;
    run.plainForm(true);
    FactorRecord& stress = tickFactor(run.a, 4, "Stres");
    stress.descriptionForm = 1;
    stress.Mem611 = numbered("obciążenie", 3000, " ");
    tickFactor(run.a, 4, "Monotonia");
    run.refresh();
    auto layout = run.layOut();
    const TDoc& doc = *layout->doc;
    expectNoPageOverfilled(doc);

    // The card's rows in order, the long one in parts of three cells of which only the first
    // carries the number and the caption.
    std::vector<std::string> characteristic;
    std::vector<std::string> captions;
    for (const TItem* item : placedItems(doc)) {
        std::vector<const TItem*> candidates{item};
        if (auto* g = dynamic_cast<const TGroup*>(item))
            for (const auto& child : g->items)
                candidates.push_back(child.get());
        for (const TItem* c : candidates) {
            auto* t = dynamic_cast<const TTable*>(c);
            if (!t) continue;
            for (std::size_t r = 0; r < t->rows.size(); ++r) {
                const std::vector<std::string> cells = rowTexts(*t, r);
                if (cells.size() != 3) continue;
                if (!cells[1].empty()) captions.push_back(cells[1]);
                if (startsWith(cells[2], "obciążenie")) characteristic.push_back(cells[2]);
            }
        }
    }
    ASSERT_GE(characteristic.size(), 2u);
    EXPECT_EQ(join(characteristic, " "), stress.Mem611);
    // Both cards whole, every caption once.
    const std::vector<std::string> card{"Nazwa czynnika",      "Data pomiaru",
                                        "Miejsce pomiaru",     "Wykonujący pomiar",
                                        "Metoda pomiaru",      "Krótka charakterystyka czynnika",
                                        "Interpretacja wyniku"};
    std::vector<std::string> both = card;
    both.insert(both.end(), card.begin(), card.end());
    both[12] = "Wyniki pomiaru"; // Monotonia is measured
    ASSERT_GE(captions.size(), both.size());
    captions.resize(both.size()); // the tables of the second half follow
    EXPECT_EQ(captions, both);
    EXPECT_NE(cardOf(doc, "Monotonia"), nullptr);
}
