// The rules of the improvement plan and the acquaintance list: empty plan rows going when the
// page is shown or the plan printed, "Usuń wiersz" on a block of rows, "Dodaj z listy" and the
// clean-up of the list before printing.
#include "core/rules/plan/plan.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tarnik;

namespace {

using Plan = std::vector<PlanRow>;

PlanRow task(const std::string& text) {
    return PlanRow{text, "", ""};
}

WorkerList workers(std::initializer_list<std::pair<const char*, const char*>> names) {
    WorkerList list;
    for (const auto& [first, surname] : names) {
        auto w = std::make_unique<WorkerRecord>();
        w->Ed401 = first;
        w->Ed402 = surname;
        list.insert(std::move(w));
    }
    return list;
}

} // namespace

TEST(PlanRows, ARowIsEmptyOnlyWhenAllThreeCellsAre) {
    EXPECT_TRUE(planRowEmpty(PlanRow{}));
    EXPECT_FALSE(planRowEmpty(PlanRow{"", "", "2025"}));
    EXPECT_FALSE(planRowEmpty(PlanRow{"", " ", ""})); // a blank is text
}

TEST(PlanRows, ShowingThePageRemovesEmptyRowsButKeepsOne) {
    Plan plan{task("osłony"), PlanRow{}, task("wentylacja")};
    EXPECT_TRUE(removeEmptyPlanRows(plan));
    EXPECT_EQ(plan, (Plan{task("osłony"), task("wentylacja")}));
    EXPECT_FALSE(removeEmptyPlanRows(plan));

    Plan onlyEmpty{PlanRow{}};
    EXPECT_FALSE(removeEmptyPlanRows(onlyEmpty));
    EXPECT_EQ(onlyEmpty.size(), 1u);

    // Several empty rows: the first of them stays (the rows are examined from the last up).
    Plan allEmpty{PlanRow{}, PlanRow{}, PlanRow{}};
    EXPECT_TRUE(removeEmptyPlanRows(allEmpty));
    EXPECT_EQ(allEmpty, (Plan{PlanRow{}}));

    // A saved plan read back: its rows and the empty row below them.
    Plan read{task("a"), task("b"), PlanRow{}, PlanRow{}};
    removeEmptyPlanRows(read);
    EXPECT_EQ(read, (Plan{task("a"), task("b")}));

    Plan none;
    EXPECT_TRUE(removeEmptyPlanRows(none));
    EXPECT_EQ(none, (Plan{PlanRow{}}));
}

TEST(PlanRows, DeletingABlockTakesItsRowsFromTheLastUp) {
    Plan plan{task("1"), task("2"), task("3"), task("4"), task("5")};
    EXPECT_EQ(deletePlanRows(plan, 2, 4), 3);
    EXPECT_EQ(plan, (Plan{task("1"), task("5")}));
    // The selection given bottom first; the last row goes first, and the first one stays.
    EXPECT_EQ(deletePlanRows(plan, 2, 1), 1);
    EXPECT_EQ(plan, (Plan{task("1")}));
}

TEST(PlanRows, DeletingNeverTouchesTheHeaderOrTheLastRow) {
    Plan plan{task("1"), task("2"), task("3")};
    EXPECT_EQ(deletePlanRows(plan, 0, 2), 0); // the selection touches the header
    EXPECT_EQ(plan.size(), 3u);
    // Every row selected: the first stays with its text.
    EXPECT_EQ(deletePlanRows(plan, 1, 3), 2);
    EXPECT_EQ(plan, (Plan{task("1")}));
    EXPECT_EQ(deletePlanRows(plan, 1, 1), 0);
    EXPECT_EQ(plan, (Plan{task("1")}));
    // Rows beyond the plan are no rows.
    Plan two{task("a"), task("b")};
    EXPECT_EQ(deletePlanRows(two, 2, 9), 1);
    EXPECT_EQ(two, (Plan{task("a")}));
}

TEST(AcquaintanceList, TextLinesFollowTheMemo) {
    EXPECT_TRUE(textLines("").empty());
    EXPECT_EQ(textLines("Jan"), (std::vector<std::string>{"Jan"}));
    EXPECT_EQ(textLines("Jan\r\n"), (std::vector<std::string>{"Jan"}));
    EXPECT_EQ(textLines("Jan\r\n\r\nEwa"), (std::vector<std::string>{"Jan", "", "Ewa"}));
    EXPECT_EQ(textLines("a\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(textLines("\r\n"), (std::vector<std::string>{""}));
}

TEST(AcquaintanceList, AddingWorkersSkipsANameAlreadyThereInAnyCase) {
    const WorkerList staff = workers({{"Jan", "Kowalski"}, {"Anna", "Żak"}});
    const std::string result = addWorkersToAcquaintanceList("jan kowalski", staff);
    EXPECT_EQ(result, "Anna Żak\r\njan kowalski");
}

TEST(AcquaintanceList, TheResultIsInPolishOrderWithoutRegardToCase) {
    const WorkerList staff =
        workers({{"Łukasz", "Nowak"}, {"Lech", "Zych"}, {"Ewa", "Ćwik"}, {"ewa", "czajka"}});
    EXPECT_EQ(addWorkersToAcquaintanceList("Zofia Adamska\r\nbeata Lis", staff),
              "beata Lis\r\newa czajka\r\nEwa Ćwik\r\nLech Zych\r\nŁukasz Nowak\r\nZofia Adamska");
}

TEST(AcquaintanceList, DuplicatesAndEmptyLinesStayAndAWorkerComesOnce) {
    const WorkerList staff = workers({{"Jan", "Nowak"}, {"Jan", "Nowak"}, {"Adam", "Lis"}});
    EXPECT_EQ(addWorkersToAcquaintanceList("Piotr Kos\r\n\r\nPiotr Kos\r\n", staff),
              "\r\nAdam Lis\r\nJan Nowak\r\nPiotr Kos\r\nPiotr Kos");
    // Without workers the list is only sorted.
    EXPECT_EQ(addWorkersToAcquaintanceList("b\r\nA", WorkerList{}), "A\r\nb");
    EXPECT_EQ(addWorkersToAcquaintanceList("", WorkerList{}), "");
}

TEST(AcquaintanceList, ANameDifferingOnlyInAccentsOrBlanksIsAnother) {
    const WorkerList staff = workers({{"Łucja", "Kot"}});
    EXPECT_EQ(addWorkersToAcquaintanceList("Lucja Kot\r\nŁucja  Kot", staff),
              "Lucja Kot\r\nŁucja  Kot\r\nŁucja Kot");
}

TEST(AcquaintanceListLimit, ANameIsAddedWhenTheListThenHoldsExactlyTheLimit) {
    // 240 characters, a line break (two) and 13 characters: 255.
    const std::string osoby(240, 'a');
    const auto fits = addWorkersToAcquaintanceList(osoby, workers({{"Jan", "Kowalski1"}}), 255);
    EXPECT_EQ(fits.text, osoby + "\r\nJan Kowalski1");
    EXPECT_EQ(fits.leftOut, 0u);
    // One character more and the name stays out whole.
    const auto over = addWorkersToAcquaintanceList(osoby, workers({{"Jan", "Kowalski12"}}), 255);
    EXPECT_EQ(over.text, osoby);
    EXPECT_EQ(over.leftOut, 1u);
}

TEST(AcquaintanceListLimit, PolishLettersCountAsOneCharacterEach) {
    const std::string osoby(240, 'a');
    // 13 characters, 17 bytes.
    const auto r = addWorkersToAcquaintanceList(osoby, workers({{"Żółć", "Kowalski"}}), 255);
    EXPECT_EQ(r.text, osoby + "\r\nŻółć Kowalski");
    EXPECT_EQ(r.leftOut, 0u);
}

TEST(AcquaintanceListLimit, AShorterNameAfterOneLeftOutStillComesIn) {
    const WorkerList staff =
        workers({{"Anna", "Lis"}, {"Bartłomiej", "Wiśniewski"}, {"Ewa", "Kot"}});
    // "Anna Lis" (8), then 2 + 21 would pass 20, then 2 + 7 gives 17.
    const auto r = addWorkersToAcquaintanceList("", staff, 20);
    EXPECT_EQ(r.text, "Anna Lis\r\nEwa Kot");
    EXPECT_EQ(r.leftOut, 1u);
    // A name already on the list is no name left out.
    const auto again = addWorkersToAcquaintanceList(r.text, staff, 20);
    EXPECT_EQ(again.text, "Anna Lis\r\nEwa Kot");
    EXPECT_EQ(again.leftOut, 1u);
    // The first name of an empty list needs no line break: exactly 8 fits, 7 does not.
    EXPECT_EQ(addWorkersToAcquaintanceList("", workers({{"Anna", "Lis"}}), 8).text, "Anna Lis");
    EXPECT_EQ(addWorkersToAcquaintanceList("", workers({{"Anna", "Lis"}}), 7).leftOut, 1u);
}

TEST(AcquaintanceListLimit, PastedLinesAreCutOnlyBetweenWholeLines) {
    const std::vector<std::string> lines{"Anna Lis", "Łucja Kot"};
    // 8 + 2 + 9 = 19.
    EXPECT_EQ(wholeLinesThatFit(lines, 19), 2u);
    EXPECT_EQ(wholeLinesThatFit(lines, 18), 1u);
    EXPECT_EQ(wholeLinesThatFit(lines, 8), 1u);
    EXPECT_EQ(wholeLinesThatFit(lines, 7), 0u);
    EXPECT_EQ(wholeLinesThatFit({}, 0), 0u);
}

TEST(AcquaintanceList, PrintingTrimsLinesAndDropsEmptyOnes) {
    EXPECT_EQ(cleanAcquaintanceList("  Jan Nowak \r\n\r\n\tAnna Lis\r\n   "),
              "Jan Nowak\r\nAnna Lis");
    EXPECT_EQ(cleanAcquaintanceList(" \r\n "), "");
}

// The message counts in the forms Polish gives each number, the verb agreeing.
TEST(LeftOutMessages, VerbAndNounFollowTheNumber) {
    EXPECT_EQ(namesLeftOutMessage(1, 255),
              "Nie zmieściła się 1 osoba z listy: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(namesLeftOutMessage(4, 255),
              "Nie zmieściły się 4 osoby z listy: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(namesLeftOutMessage(5, 255),
              "Nie zmieściło się 5 osób z listy: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(namesLeftOutMessage(12, 255),
              "Nie zmieściło się 12 osób z listy: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(namesLeftOutMessage(22, 255),
              "Nie zmieściły się 22 osoby z listy: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(charactersLeftOutMessage(1, "wklejonego tekstu", 255),
              "Nie zmieścił się 1 znak wklejonego tekstu: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(
        charactersLeftOutMessage(14, "wklejonego tekstu", 255),
        "Nie zmieściło się 14 znaków wklejonego tekstu: tekst może mieć najwyżej 255 znaków.");
    EXPECT_EQ(
        charactersLeftOutMessage(104, "wklejonego tekstu", 255),
        "Nie zmieściły się 104 znaki wklejonego tekstu: tekst może mieć najwyżej 255 znaków.");
}
