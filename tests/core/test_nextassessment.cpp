// The next assessment of a station made from the previous one: what it keeps, what it starts
// anew, the previous figures the supplementary card computes with, the finished tasks and the
// name offered for the new file.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/evaluation/evaluation.h"
#include "core/evaluation/recompute.h"
#include "core/model/trkfile.h"
#include "core/reassessment/nextassessment.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;

namespace {

const DayNumber kToday = dayNumberFromCivil(2026, 12, 10);

Evaluation evaluated(Assessment a) {
    Evaluation e;
    recomputeEvaluation(a, e);
    return e;
}

void expectSameStation(const Assessment& next, const Assessment& previous) {
    EXPECT_EQ(next.EdtZaklad, previous.EdtZaklad);
    EXPECT_EQ(next.EdtRegon, previous.EdtRegon);
    EXPECT_EQ(next.EdtStanowisko, previous.EdtStanowisko);
    EXPECT_EQ(next.EdtKStan, previous.EdtKStan);
    EXPECT_EQ(next.EdtLStan, previous.EdtLStan);
    EXPECT_EQ(next.EdtJednostka, previous.EdtJednostka);
    EXPECT_EQ(next.ListOdpow, previous.ListOdpow);
    EXPECT_EQ(next.ListKomisja, previous.ListKomisja);
    EXPECT_EQ(next.Ed201, previous.Ed201);
    EXPECT_EQ(next.Ed202, previous.Ed202);
    EXPECT_EQ(next.Ed203, previous.Ed203);
    EXPECT_EQ(next.memos, previous.memos);
    EXPECT_EQ(next.RG301, previous.RG301);
    EXPECT_EQ(next.RG302, previous.RG302);
    EXPECT_TRUE(next.ListaPrac == previous.ListaPrac);
    EXPECT_EQ(next.workerCounts, previous.workerCounts);
    for (int list = 0; list < 5; ++list)
        EXPECT_TRUE(next.factorList(list) == previous.factorList(list)) << list;
    for (int row = 1; row <= 9; ++row)
        EXPECT_EQ(next.weight(row), previous.weight(row)) << row;
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(next.bandLimit(k), previous.bandLimit(k)) << k;
    EXPECT_EQ(next.SE1001, previous.SE1001);
    EXPECT_EQ(next.SE1002, previous.SE1002);
}

} // namespace

TEST(NextAssessment, KeepsTheStationAndStartsTheNewPeriod) {
    Assessment previous = fixtures::fullAssessment();
    previous.EdtNr = 2;
    const Assessment next = nextAssessmentFrom(previous, kToday, {true, false, true});

    EXPECT_EQ(next.EdtNr, 3);
    EXPECT_EQ(next.DTPOcena, kToday);
    expectSameStation(next, previous);

    // The previous figures: its total exposure index as computed, not as stored (40), and its
    // three tasks of which the second was not carried out.
    const int previousTotal = evaluated(previous).totalExposureIndex;
    ASSERT_GT(previousTotal, 0);
    ASSERT_NE(previousTotal, previous.SE1003);
    EXPECT_EQ(next.SE1003, previousTotal);
    EXPECT_EQ(computedTotalExposureIndex(previous), previousTotal);
    EXPECT_EQ(next.SE1005, 3);
    EXPECT_EQ(next.SE1006, 1);
    ASSERT_EQ(next.Plan.size(), 1u);
    EXPECT_EQ(next.Plan[0], previous.Plan[1]);

    // The period's own data starts empty; the questions stay without their answers.
    EXPECT_EQ(next.Osoby, "");
    ASSERT_EQ(next.questions.questionCount(), previous.questions.questionCount());
    for (std::size_t i = 0; i < next.questions.questionCount(); ++i) {
        EXPECT_EQ(next.questions[i].text, previous.questions[i].text);
        EXPECT_EQ(next.questions[i].answer, "") << i;
    }
    for (const RangedInt* f : {&next.SE901, &next.SE902, &next.SE903, &next.SE904, &next.SE905})
        EXPECT_EQ(*f, 0);
    EXPECT_EQ(next.SE1007, 0);
    EXPECT_EQ(next.Memo1, "");
    // Evaluated as its pages would show it: this assessment's total exposure in SE1004.
    EXPECT_EQ(next.SE1004, previousTotal);
}

TEST(NextAssessment, TheSupplementaryCardComputesThePlanIndexFromThePreviousFigures) {
    Assessment previous = fixtures::fullAssessment();
    // None carried out: the current exposure equals the previous one, so the plan index is
    // 3 of 3 tasks, 1.
    Evaluation none = evaluated(nextAssessmentFrom(previous, kToday, {}));
    EXPECT_EQ(none.planIndex, 1);
    // One of three not carried out: 1/3, truncated to 0.
    Evaluation most = evaluated(nextAssessmentFrom(previous, kToday, {true, true}));
    EXPECT_EQ(most.planIndex, 0);

    // The station got worse: the exposure doubled makes 2 of 3 unfinished tasks count 1.
    Assessment next = nextAssessmentFrom(previous, kToday, {true});
    EXPECT_EQ(next.SE1006, 2);
    next.SE1003 = next.SE1004 / 2;
    ASSERT_GT(next.SE1003, 0);
    EXPECT_EQ(evaluated(next).planIndex, (next.SE1004 * 2) / (next.SE1003 * 3));
    EXPECT_GE(evaluated(next).planIndex, 1);
}

TEST(NextAssessment, TasksAreTheNonEmptyRowsInTheirOrder) {
    Assessment previous = fixtures::reportAssessment();
    previous.Plan = {{"A", "", ""}, {}, {"", "Nowak", ""}, {}, {"C", "Kowalski", "maj"}};
    const std::vector<PlanRow> tasks = previousPlanTasks(previous);
    ASSERT_EQ(tasks.size(), 3u);
    EXPECT_EQ(tasks[1][1], "Nowak");

    // Task 2 is the row with only a person: finishing it leaves A and C.
    Assessment next = nextAssessmentFrom(previous, kToday, {false, true});
    EXPECT_EQ(next.SE1005, 3);
    EXPECT_EQ(next.SE1006, 2);
    EXPECT_EQ(next.Plan, (std::vector<PlanRow>{{"A", "", ""}, {"C", "Kowalski", "maj"}}));

    // All finished: the plan keeps its one empty row; more ticks than tasks change nothing.
    next = nextAssessmentFrom(previous, kToday, {true, true, true, true});
    EXPECT_EQ(next.SE1006, 0);
    EXPECT_EQ(next.Plan, std::vector<PlanRow>(1));

    // A previous plan without tasks.
    previous.Plan = {{}};
    next = nextAssessmentFrom(previous, kToday, {});
    EXPECT_EQ(next.SE1005, 0);
    EXPECT_EQ(next.SE1006, 0);
    EXPECT_EQ(next.Plan, std::vector<PlanRow>(1));
}

TEST(NextAssessment, TheLastNumberStaysAtItsBound) {
    Assessment previous = fixtures::reportAssessment();
    previous.EdtNr = 998;
    EXPECT_EQ(nextAssessmentFrom(previous, kToday, {}).EdtNr, 999);
    previous.EdtNr = 999;
    EXPECT_EQ(nextAssessmentFrom(previous, kToday, {}).EdtNr, 999);
}

TEST(NextAssessment, FinishedTasksFromTheCommandLine) {
    std::string error;
    EXPECT_EQ(parseFinishedTasks("1,3", 3, error), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(parseFinishedTasks(" 3 , 1 ", 3, error), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(parseFinishedTasks("", 3, error), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(parseFinishedTasks("", 0, error), std::vector<bool>{});

    // The bounds of the numbers: 1 and the count are tasks, 0 and one more are not.
    EXPECT_TRUE(parseFinishedTasks("1", 3, error));
    EXPECT_TRUE(parseFinishedTasks("3", 3, error));
    EXPECT_FALSE(parseFinishedTasks("0", 3, error));
    EXPECT_EQ(error, "Zadanie 0 nie istnieje: plan poprzedniej oceny ma zadania od 1 do 3.");
    EXPECT_FALSE(parseFinishedTasks("4", 3, error));
    EXPECT_EQ(error, "Zadanie 4 nie istnieje: plan poprzedniej oceny ma zadania od 1 do 3.");
    EXPECT_FALSE(parseFinishedTasks("1", 0, error));
    EXPECT_EQ(error, "Plan poprzedniej oceny nie ma zadań, a podano zadanie 1.");

    EXPECT_FALSE(parseFinishedTasks("1,x", 3, error));
    EXPECT_EQ(error, "„x” nie jest numerem zadania.");
    EXPECT_FALSE(parseFinishedTasks("1,,2", 3, error));
    EXPECT_FALSE(parseFinishedTasks("-1", 3, error));
    EXPECT_FALSE(parseFinishedTasks("2,2", 3, error));
    EXPECT_EQ(error, "Zadanie 2 podano dwa razy.");
}

TEST(NextAssessment, TheNameOfferedCarriesTheNewNumber) {
    EXPECT_EQ(nextAssessmentFileStem("spawacz 2", 2, 3), "spawacz 3");
    EXPECT_EQ(nextAssessmentFileStem("spawacz-ocena9", 9, 10), "spawacz-ocena10");
    EXPECT_EQ(nextAssessmentFileStem("ocena 01", 1, 2), "ocena 02");
    EXPECT_EQ(nextAssessmentFileStem("7", 7, 8), "8");
    // A number at the end that is not the assessment's number stays.
    EXPECT_EQ(nextAssessmentFileStem("hala 2025", 2, 3), "hala 2025 nr 3");
    EXPECT_EQ(nextAssessmentFileStem("spawacz", 1, 2), "spawacz nr 2");
    EXPECT_EQ(nextAssessmentFileStem("Łódź tokarz", 1, 2), "Łódź tokarz nr 2");
}

TEST(NextAssessment, WrittenFromAFileOfEveryVersion) {
    test_support::ScratchFolder dir;
    Assessment previous = fixtures::filledAssessment();
    previous.mm(212).clear();
    previous.mm(213).clear();
    const std::string current = serializeTrk(previous);
    // TRK2090 carries eight memo texts in its last record.
    std::string old = current.substr(0, current.size() - 12) + test_support::int32Bytes(9999);
    old.replace(1, 7, "TRK2090");
    dir.putBytes("biezaca.trk", current);
    dir.putBytes("stara.trk", old);

    const auto read = [](const std::filesystem::path& p) {
        Assessment a(0);
        a.questions.clear();
        EXPECT_TRUE(readTrkFile(a, p).ok());
        return a;
    };
    ConvertResult r =
        writeNextAssessmentFile(dir.path() / "stara.trk", dir.path() / "z-starej.trk", kToday, "2");
    ASSERT_EQ(r.exitCode, 0) << r.message;
    r = writeNextAssessmentFile(dir.path() / "biezaca.trk", dir.path() / "z-biezacej.trk", kToday,
                                "2");
    ASSERT_EQ(r.exitCode, 0) << r.message;
    const Assessment fromOld = read(dir.path() / "z-starej.trk");
    EXPECT_TRUE(fromOld == read(dir.path() / "z-biezacej.trk"));
    EXPECT_EQ(fromOld.EdtNr, previous.EdtNr + 1);
    EXPECT_EQ(fromOld.DTPOcena, kToday);
    EXPECT_EQ(fromOld.SE1005, static_cast<int>(previousPlanTasks(previous).size()));
    EXPECT_EQ(fromOld.SE1006, fromOld.SE1005 - 1);

    // Nothing is written on a failure, and the previous file is never replaced.
    r = writeNextAssessmentFile(dir.path() / "biezaca.trk", dir.path() / "x.trk", kToday, "9");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.message.find("Zadanie 9"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.trk"));
    r = writeNextAssessmentFile(dir.path() / "brak.trk", dir.path() / "x.trk", kToday, "");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.message.find("brak.trk"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.trk"));
    r = writeNextAssessmentFile(dir.path() / "biezaca.trk", dir.path() / "biezaca.trk", kToday, "");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test_support::readBytes(dir.path() / "biezaca.trk"), current);
}
