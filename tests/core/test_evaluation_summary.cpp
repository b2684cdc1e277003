// Bringing every value up to date as printing does, and the JSON summary of a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/evaluation/recompute.h"
#include "core/evaluation/summary.h"
#include "core/model/trkfile.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;

namespace {

const char* const kExampleJson = R"({
  "hazardCounts": [
    [1, 1, 1, 1],
    [0, 0, 0, 0],
    [0, 0, 0, 0],
    [0, 0, 0, 0],
    [0, 0, 0, 0],
    [0, 0, 0, 0],
    [1, 1, 1, 1],
    [0, 0, 0, 0],
    [0, 0, 0, 0]
  ],
  "groupExposureIndex": [3006, 2004, 0, 0],
  "totalExposureIndex": 5010,
  "overLimitWorkers": [6, 4, 0, 0],
  "exposedWorkers": [0, 0, 0, 0],
  "workerCounts": [6, 4, 0, 0],
  "frequencyIndex": 300,
  "severityIndex": 22,
  "fatalityAddend": 1000,
  "correctedSeverityIndex": 1022,
  "diseaseIndex": 100,
  "probabilityIndex": 720,
  "planIndex": 0,
  "expertIndex": 0,
  "safetyIndex": 166,
  "protectionIndex": 2505,
  "riskLevel": 6594,
  "bandLimits": [900, 3000, 5000, 8000],
  "riskGrade": "DUŻE",
  "recommendations": [
    "UWAGA: Pracownicy nie stosują środków ochrony indywidualnej",
    "Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później niż 29 czerwca 2004",
    " ",
    "Należy opracowav plan poprawy warunków pracy",
    " ",
    "Należy dokonać tego niezwłocznie"
  ]
}
)";

} // namespace

TEST(EvaluationRefresh, WalksThePagesLikePrinting) {
    Assessment a = fixtures::summaryAssessment();
    Evaluation e;
    recomputeEvaluation(a, e);
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{6, 4, 0, 0}));
    EXPECT_EQ(a.SE_razem, "10");
    EXPECT_EQ(a.SE1004.get(), 5010);
    EXPECT_EQ(e.riskLevel, 6594);
    EXPECT_EQ(e.riskGrade, "DUŻE");
    EXPECT_EQ(e.Label81, "Wpisz dane za okres od  1 stycznia 2003  do  1 stycznia 2004");
    EXPECT_EQ(summaryJson(e, a), kExampleJson);

    // Unticking the row-1 factor and walking again leaves every worker merely exposed.
    a.LB501[0].checked = false;
    recomputeEvaluation(a, e);
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(e.exposedWorkers, (std::array<int, 4>{6, 4, 0, 0}));
    EXPECT_EQ(e.totalExposureIndex, 10);

    // The worker page voids the split when it recounts a register.
    e.recountHazardCard(a, {});
    e.overLimitWorkers = {1, 2, 3, 4};
    e.workersRecounted(a);
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{0, 0, 0, 0}));
    a.ListaPrac.clear();
    e.overLimitWorkers = {1, 2, 3, 4};
    e.workersRecounted(a);
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{1, 2, 3, 4}));
}

// The sequence runs exactly the steps the pages run when they are shown in page order after the
// document was filled: the worker page, the hazard card, the accident page, the supplementary
// indices (which its page recomputes as its fields change) and the risk level page.
// Both charts have their legend beside them (the page's texts), so neither draws its own: not
// on the pages, and not in a report printed without any page ever shown.
TEST(EvaluationRefresh, LeavesTheChartsWithoutLegend) {
    Assessment a = fixtures::summaryAssessment();
    Evaluation e;
    ASSERT_TRUE(e.Chart1.data().legend);
    ASSERT_TRUE(e.Chart2.data().legend);
    recomputeEvaluation(a, e);
    EXPECT_FALSE(e.Chart1.data().legend);
    EXPECT_FALSE(e.Chart2.data().legend);
}

TEST(EvaluationRefresh, EqualsTheStepsOfThePages) {
    Assessment viaPages = fixtures::summaryAssessment();
    Evaluation pages;
    pages.afterDocumentLoaded(viaPages);
    recountWorkers(viaPages, pages);
    pages.recountHazardCard(viaPages);
    pages.recountAccidents(viaPages);
    pages.LiczUzupeln(viaPages);
    pages.recountRiskLevel(viaPages);

    Assessment viaSequence = fixtures::summaryAssessment();
    Evaluation sequence;
    sequence.afterDocumentLoaded(viaSequence);
    recomputeEvaluation(viaSequence, sequence);

    EXPECT_EQ(summaryJson(sequence, viaSequence), summaryJson(pages, viaPages));
    EXPECT_EQ(sequence.ST705, pages.ST705);
    EXPECT_EQ(sequence.Label81, pages.Label81);
    EXPECT_EQ(sequence.LB1001, pages.LB1001);
    EXPECT_EQ(sequence.Memo7, pages.Memo7);
    EXPECT_EQ(sequence.Chart1.data(), pages.Chart1.data());
    EXPECT_EQ(sequence.Chart2.data(), pages.Chart2.data());
    EXPECT_EQ(summaryJson(sequence, viaSequence), kExampleJson);

    // The hazard card's own step counts the factors the ticks list: unticked, a factor is not
    // counted.
    viaPages.LB501[0].checked = false;
    pages.recountHazardCard(viaPages);
    EXPECT_EQ(pages.totalExposureIndex, 10);
}

TEST(EvaluationSummary, JsonStrings) {
    EXPECT_EQ(jsonString("DUŻE"), "\"DUŻE\"");
    EXPECT_EQ(jsonString("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
    EXPECT_EQ(jsonString("x\r\ny\tz"), "\"x\\r\\ny\\tz\"");
    EXPECT_EQ(jsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\x7f\"");
    EXPECT_EQ(jsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
    // A byte that is no UTF-8 becomes U+FFFD.
    EXPECT_EQ(jsonString("\xb3\xf3"), "\"\xef\xbf\xbd\xef\xbf\xbd\"");
    EXPECT_EQ(jsonString(""), "\"\"");
}

TEST(EvaluationSummary, FromAFileAndItsFailures) {
    test_support::ScratchFolder dir;
    const std::filesystem::path good = dir / "ocena.trk";
    saveTrkFile(fixtures::summaryAssessment(), good);
    const SummaryResult ok = summarizeTrkFile(good);
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.message, "");
    EXPECT_EQ(ok.json, kExampleJson);

    // Not an assessment.
    const std::filesystem::path junk = dir / "obce.trk";
    std::ofstream(junk, std::ios::binary) << "hello world, not an assessment";
    SummaryResult r = summarizeTrkFile(junk);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.message, "Nieprawidłowy format pliku.");
    EXPECT_EQ(r.json, "");

    // Damaged: cut short before the end tag.
    std::string bytes = serializeTrk(fixtures::summaryAssessment());
    bytes.resize(bytes.size() - 100);
    const std::filesystem::path cut = dir / "ucięta.trk";
    std::ofstream(cut, std::ios::binary) << bytes;
    r = summarizeTrkFile(cut);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(r.message.find('\n'), std::string::npos);
    EXPECT_EQ(r.json, "");

    // Missing.
    r = summarizeTrkFile(dir / "brak.trk");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.message.find("brak.trk"), std::string::npos) << r.message;
}
