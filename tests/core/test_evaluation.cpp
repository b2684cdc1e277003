// The hazard level card, the accident indices, the supplementary card and the integer arithmetic
// under them.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/evaluation/arith.h"
#include "core/evaluation/evaluation.h"
#include "tests/support/test_support.h"

using namespace tarnik;

namespace {

constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();

FactorRecord factorInRows(int men, int women, int pregnant, int juveniles) {
    FactorRecord f;
    f.hazardCategory = {men, women, pregnant, juveniles};
    return f;
}

std::vector<const FactorRecord*> listOf(std::initializer_list<const FactorRecord*> items) {
    return std::vector<const FactorRecord*>(items);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Arithmetic

TEST(EvaluationArith, MulDivIsExactAndHeldAtThe32BitBounds) {
    EXPECT_EQ(arith::mulDivToInt(5010, 6, 10), 3006);
    EXPECT_EQ(arith::mulDivToInt(-7, 1, 2), -3); // toward zero
    EXPECT_EQ(arith::mulDivToInt(7, -1, 2), -3);
    EXPECT_EQ(arith::mulDivToInt(7, 1, -2), -3);
    EXPECT_EQ(arith::mulDivToInt(-7, -1, -2), -3);
    EXPECT_EQ(arith::mulDivToInt(0, -5, 3), 0);
    EXPECT_EQ(arith::mulDivToInt(1, 1, 0), 0);
    // The product needs more than 64 bits, the quotient fits in 32.
    EXPECT_EQ(arith::mulDivToInt(3'000'000'000'000'000'000, 4, 6'000'000'000), 2'000'000'000);
    EXPECT_EQ(arith::mulDivToInt(-3'000'000'000'000'000'000, 4, 6'000'000'000), -2'000'000'000);
    EXPECT_EQ(arith::mulDivToInt(kI64Max, kI64Max, kI64Max), std::numeric_limits<int>::max());
    EXPECT_EQ(arith::mulDivToInt(kI64Min, 1, 1), std::numeric_limits<int>::min());
    EXPECT_EQ(arith::mulDivToInt(kI64Min, kI64Min, kI64Min), std::numeric_limits<int>::min());
    EXPECT_EQ(arith::mulDivToInt(2147483647, 1, 1), 2147483647);
    EXPECT_EQ(arith::mulDivToInt(2147483648LL, 1, 1), 2147483647);
    EXPECT_EQ(arith::mulDivToInt(-2147483648LL, 1, 1), -2147483647 - 1);
    EXPECT_EQ(arith::mulDivToInt(-2147483649LL, 1, 1), -2147483647 - 1);

    // Sums of squares beyond 64 bits.
    arith::Wide q;
    for (int i = 0; i < 5; ++i) // beyond 2^64: the low half carries
        q = arith::wideAdd(q, arith::wideSquare(2147483647));
    EXPECT_EQ(arith::wideDivToInt64(q, 5ULL * 2147483647ULL), 2147483647);
    EXPECT_EQ(arith::wideDivToInt64(q, 1), kI64Max);
    EXPECT_EQ(arith::wideDivToInt64(arith::wideSquare(kI64Min), 1ULL << 63), kI64Max);
}

TEST(EvaluationArith, SpinEditTexts) {
    EXPECT_EQ(arith::parseIntegerText("42"), 42);
    EXPECT_EQ(arith::parseIntegerText("  -17 "), -17);
    EXPECT_EQ(arith::parseIntegerText("+7"), 7);
    EXPECT_EQ(arith::parseIntegerText("99999999999999999999999"), kI64Max);
    EXPECT_EQ(arith::parseIntegerText("-99999999999999999999999"), kI64Min);
    EXPECT_EQ(arith::parseIntegerText("-9223372036854775808"), kI64Min);
    for (const char* bad : {"", "   ", "-", "+", "1.5", "1,5", "abc", "12a", "- 3", "0x10"})
        EXPECT_FALSE(arith::parseIntegerText(bad).has_value()) << bad;
}

// ---------------------------------------------------------------------------------------------
// Hazard level card

TEST(HazardCard, WorkedExampleCountsIndicesAndChart) {
    Assessment a(38061);
    a.setWorkerCounts({6, 4, 0, 0});
    const FactorRecord row1 = factorInRows(1, 1, 1, 1);
    const FactorRecord row7 = factorInRows(7, 7, 7, 7);
    Evaluation e;
    test_support::ModifiedCounter modified;
    modified.attach(e);
    e.recountHazardCard(a, listOf({&row1, &row7}));

    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(e.hazardCount(1, g), 1);
        EXPECT_EQ(e.hazardCount(7, g), 1);
        for (int r : {2, 3, 4, 5, 6, 8, 9})
            EXPECT_EQ(e.hazardCount(r, g), 0);
    }
    EXPECT_EQ(e.groupExposureIndex, (std::array<int, 4>{3006, 2004, 0, 0}));
    EXPECT_EQ(e.totalExposureIndex, 5010);
    EXPECT_EQ(e.ST701, "3006");
    EXPECT_EQ(e.ST702, "2004");
    EXPECT_EQ(e.ST703, "0");
    EXPECT_EQ(e.ST704, "0");
    EXPECT_EQ(e.ST705, "5010");
    // Row 1 moves every group's workers over the limits.
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{6, 4, 0, 0}));
    EXPECT_EQ(e.exposedWorkers, (std::array<int, 4>{0, 0, 0, 0}));

    // The total goes to the supplementary card and marks the document once.
    EXPECT_EQ(a.SE1004.get(), 5010);
    EXPECT_EQ(modified.calls, 1);

    const ChartData& c = e.Chart1.data();
    EXPECT_EQ(c.values, (std::vector<double>{3006, 2004, 0, 0}));
    EXPECT_EQ(c.axisMax, 4000);
    EXPECT_EQ(c.axisStep, 2000);
    EXPECT_FALSE(c.legend);

    // Showing the page again with the same result leaves the document unmarked.
    e.recountHazardCard(a, listOf({&row1, &row7}));
    EXPECT_EQ(modified.calls, 1);
}

TEST(HazardCard, TruncationEmptyCardAndUnclassifiedFactors) {
    Assessment a(38061);
    Evaluation e;
    // A new assessment: zeros everywhere, chart 2 with a step of 1.
    e.recountHazardCard(a, {});
    EXPECT_EQ(e.totalExposureIndex, 0);
    EXPECT_EQ(e.ST705, "0");
    EXPECT_EQ(e.Chart1.data().axisMax, 2);
    EXPECT_EQ(e.Chart1.data().axisStep, 1);

    // 1 man and 2 women, one row-1 factor: 1666 + 3333 = 4999.
    a.setWorkerCounts({1, 2, 0, 0});
    const FactorRecord row1 = factorInRows(1, 1, 1, 1);
    // Not classified yet, and values outside the card, count in no row.
    const FactorRecord none = factorInRows(0, 0, 10, -1);
    e.recountHazardCard(a, listOf({&row1, &none, nullptr}));
    EXPECT_EQ(e.groupExposureIndex, (std::array<int, 4>{1666, 3333, 0, 0}));
    EXPECT_EQ(e.totalExposureIndex, 4999);
    int counted = 0;
    for (int r = 1; r <= 9; ++r)
        for (int g = 0; g < 4; ++g)
            counted += e.hazardCount(r, g);
    EXPECT_EQ(counted, 4);

    // 1 man only: 5000 for him, nothing for the others.
    a.setWorkerCounts({1, 0, 0, 0});
    e.recountHazardCard(a, listOf({&row1}));
    EXPECT_EQ(e.groupExposureIndex, (std::array<int, 4>{5000, 0, 0, 0}));
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{1, 0, 0, 0}));

    // No workers at all: every index 0.
    a.setWorkerCounts({0, 0, 0, 0});
    e.recountHazardCard(a, listOf({&row1}));
    EXPECT_EQ(e.totalExposureIndex, 0);
}

TEST(HazardCard, RowsThatPutWorkersOverTheLimits) {
    Assessment a(38061);
    a.setWorkerCounts({5, 3, 2, 1});
    Evaluation e;
    // Rows 7 and 9 leave every worker exposed only.
    const FactorRecord low = factorInRows(7, 9, 7, 9);
    e.recountHazardCard(a, listOf({&low}));
    EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(e.exposedWorkers, (std::array<int, 4>{5, 3, 2, 1}));
    // Row 7 adds 10 × the group's workers ÷ all workers; row 9 the same with its weight 10.
    EXPECT_EQ(e.groupExposureIndex, (std::array<int, 4>{4, 2, 1, 0}));

    // Any of rows 1-6 and 8 moves the whole group; one factor per column.
    for (int row : {1, 2, 3, 4, 5, 6, 8}) {
        const FactorRecord f = factorInRows(row, 7, row, 0);
        e.recountHazardCard(a, listOf({&f}));
        EXPECT_EQ(e.overLimitWorkers, (std::array<int, 4>{5, 0, 2, 0})) << row;
        EXPECT_EQ(e.exposedWorkers, (std::array<int, 4>{0, 3, 0, 1})) << row;
    }
}

TEST(HazardCard, WeightChangesRecomputeWithoutRecounting) {
    Assessment a(38061);
    a.setWorkerCounts({6, 4, 0, 0});
    FactorRecord row1 = factorInRows(1, 1, 1, 1);
    const FactorRecord row7 = factorInRows(7, 7, 7, 7);
    Evaluation e;
    e.recountHazardCard(a, listOf({&row1, &row7}));
    test_support::ModifiedCounter modified;
    modified.attach(e);

    // The factor moves to another row, but only showing the page recounts.
    row1.hazardCategory = {9, 9, 9, 9};
    EXPECT_EQ(e.weightEntered(a, 1, "6000"), "6000");
    EXPECT_EQ(a.p1.get(), 6000);
    EXPECT_EQ(e.hazardCount(1, 0), 1);
    EXPECT_EQ(e.groupExposureIndex[0], (6010 * 6) / 10);
    EXPECT_EQ(e.totalExposureIndex, 6010);
    EXPECT_EQ(a.SE1004.get(), 6010);
    EXPECT_GE(modified.calls, 1);

    // Texts that are not integers count as 0; values beyond the range are held at 9999.
    EXPECT_EQ(e.weightEntered(a, 7, "abc"), "0");
    EXPECT_EQ(a.p7.get(), 0);
    EXPECT_EQ(e.totalExposureIndex, 6000);
    EXPECT_EQ(e.weightEntered(a, 7, "123456"), "9999");
    EXPECT_EQ(e.weightEntered(a, 7, "-3"), "0");

    // "Przywróć": the defaults, recomputed from the last counts.
    modified.calls = 0;
    EXPECT_TRUE(e.restoreDefaultWeights(a));
    const int defaults[9] = {5000, 3000, 1000, 3000, 3000, 100, 10, 1000, 10};
    for (int r = 1; r <= 9; ++r)
        EXPECT_EQ(a.weight(r).get(), defaults[r - 1]);
    EXPECT_EQ(e.totalExposureIndex, 5010);
    EXPECT_EQ(modified.calls, 2); // the total changed, and the weights did
    EXPECT_FALSE(e.restoreDefaultWeights(a));
    EXPECT_EQ(modified.calls, 2);
}

// "Przywróć" marks the document only when a weight really changes, even when the total stays.
TEST(HazardCard, RestoringTheWeightsMarksOnlyARealChange) {
    Assessment a(38061);
    a.setWorkerCounts({6, 4, 0, 0});
    const FactorRecord row1 = factorInRows(1, 1, 1, 1);
    Evaluation e;
    e.recountHazardCard(a, listOf({&row1}));
    test_support::ModifiedCounter modified;
    modified.attach(e);

    // Every weight already at its default: nothing to mark.
    EXPECT_FALSE(e.restoreDefaultWeights(a));
    EXPECT_EQ(modified.calls, 0);
    EXPECT_EQ(e.totalExposureIndex, 5000);

    // One weight of a row without factors differs: the total stays, the document is marked.
    a.p9 = 77;
    EXPECT_TRUE(e.restoreDefaultWeights(a));
    EXPECT_EQ(a.p9.get(), 10);
    EXPECT_EQ(e.totalExposureIndex, 5000);
    EXPECT_EQ(modified.calls, 1);
}

TEST(HazardCard, ChartScales) {
    EXPECT_EQ(hazardChartScale(0), (std::array<int, 2>{2, 1}));
    EXPECT_EQ(hazardChartScale(-5), (std::array<int, 2>{2, 1}));
    EXPECT_EQ(hazardChartScale(1), (std::array<int, 2>{1000, 500}));
    EXPECT_EQ(hazardChartScale(3000), (std::array<int, 2>{3000, 1500}));
    EXPECT_EQ(hazardChartScale(3001), (std::array<int, 2>{4000, 2000}));
    EXPECT_EQ(hazardChartScale(2147483647), (std::array<int, 2>{2147483647, 1073742000}));
}

TEST(HazardCard, LargeWeightsTimesManyWorkers) {
    Assessment a(38061);
    a.setWorkerCounts({9999, 9999, 9999, 9999});
    const FactorRecord row1 = factorInRows(1, 1, 1, 1);
    Evaluation e;
    // 5000 × 2000 factors × 9999 workers needs more than 32 bits; the index does not.
    std::vector<const FactorRecord*> many(2000, &row1);
    e.recountHazardCard(a, many);
    EXPECT_EQ(e.groupExposureIndex[0], 2'500'000);
    EXPECT_EQ(e.totalExposureIndex, 10'000'000);

    // Every weight at 9999 and 100 000 factors in each row: held at the 32-bit bound.
    for (int r = 1; r <= 9; ++r)
        a.weight(r) = 9999;
    std::vector<FactorRecord> rows;
    for (int r = 1; r <= 9; ++r)
        rows.push_back(factorInRows(r, r, r, r));
    std::vector<const FactorRecord*> huge;
    for (const FactorRecord& f : rows)
        huge.insert(huge.end(), 100'000, &f);
    e.recountHazardCard(a, huge);
    EXPECT_EQ(e.hazardCount(5, 2), 100'000);
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(e.groupExposureIndex[static_cast<std::size_t>(g)], 2147483647);
    EXPECT_EQ(e.totalExposureIndex, 2147483647);
    EXPECT_EQ(a.SE1004.get(), 2147483647);
    EXPECT_EQ(e.Chart1.data().axisMax, 2147483647);

    // Worker counts far beyond the fields' range (set behind their back) are still exact.
    a.workerCounts = {2147483647, 2147483647, 0, 0};
    const FactorRecord one = factorInRows(1, 0, 0, 0);
    for (int r = 1; r <= 9; ++r)
        a.weight(r) = 5000;
    e.recountHazardCard(a, listOf({&one}));
    EXPECT_EQ(e.groupExposureIndex[0], 2500);
}

// ---------------------------------------------------------------------------------------------
// Accidents and occupational diseases

TEST(Accidents, WorkedExampleAndTruncation) {
    Assessment a(38061);
    a.setWorkerCounts({12, 8, 0, 0});
    a.SE901 = 2;
    a.SE902 = 3;
    a.SE903 = 1;
    a.SE904 = 45;
    a.SE905 = 1;
    Evaluation e;
    e.recountAccidents(a);
    EXPECT_EQ(e.frequencyIndex, 150);
    EXPECT_EQ(e.severityIndex, 22);
    EXPECT_EQ(e.fatalityAddend, 1000);
    EXPECT_EQ(e.correctedSeverityIndex, 1022);
    EXPECT_EQ(e.diseaseIndex, 50);
    EXPECT_EQ(e.ST901, "150");
    EXPECT_EQ(e.ST902, "22");
    EXPECT_EQ(e.ST903, "1022");
    EXPECT_EQ(e.ST904, "50");

    // Severity is per accident, truncated.
    a.SE901 = 7;
    a.SE904 = 20;
    e.LiczWypadki(a);
    EXPECT_EQ(e.severityIndex, 2);

    // One fatal accident without days of incapacity.
    a.SE901 = 1;
    a.SE902 = 1;
    a.SE903 = 1;
    a.SE904 = 0;
    a.setWorkerCounts({3, 0, 0, 0});
    e.LiczWypadki(a);
    EXPECT_EQ(e.severityIndex, 0);
    EXPECT_EQ(e.correctedSeverityIndex, 1000);
    EXPECT_EQ(e.frequencyIndex, 333);

    // No workers: the per-1000 indices stay 0.
    a.setWorkerCounts({0, 0, 0, 0});
    e.LiczWypadki(a);
    EXPECT_EQ(e.frequencyIndex, 0);
    EXPECT_EQ(e.diseaseIndex, 0);
    EXPECT_EQ(e.correctedSeverityIndex, 1000);
}

TEST(Accidents, PeriodLineGoes365DaysBack) {
    Evaluation e;
    Assessment a(dayNumberFromCivil(2004, 3, 15));
    e.recountAccidents(a);
    EXPECT_EQ(e.Label81, "Wpisz dane za okres od  16 marca 2003  do  15 marca 2004");
    EXPECT_EQ(accidentPeriodLine(dayNumberFromCivil(2005, 3, 15)),
              "Wpisz dane za okres od  15 marca 2004  do  15 marca 2005");
}

TEST(Accidents, FieldsStayNonNegativeAndSE901GatesTheDetails) {
    Assessment a(38061);
    a.setWorkerCounts({10, 10, 0, 0});
    Evaluation e;
    test_support::ModifiedCounter modified;
    modified.attach(e);

    EXPECT_FALSE(Evaluation::accidentDetailsEnabled(a));
    EXPECT_EQ(e.accidentFieldChange(a, 901, "4"), std::nullopt);
    EXPECT_TRUE(Evaluation::accidentDetailsEnabled(a));
    EXPECT_EQ(e.accidentFieldChange(a, 902, "5"), std::nullopt);
    EXPECT_EQ(e.accidentFieldChange(a, 904, "30"), std::nullopt);
    EXPECT_EQ(e.accidentFieldChange(a, 905, "2"), std::nullopt);
    EXPECT_EQ(e.frequencyIndex, 250);
    EXPECT_EQ(e.severityIndex, 7);
    EXPECT_EQ(modified.calls, 4);

    // "-5" becomes "0" at once and the indices follow.
    EXPECT_EQ(e.accidentFieldChange(a, 903, "2"), std::nullopt);
    EXPECT_EQ(e.correctedSeverityIndex, 2007);
    EXPECT_EQ(e.accidentFieldChange(a, 903, "-5"), std::optional<std::string>("0"));
    EXPECT_EQ(a.SE903.get(), 0);
    EXPECT_EQ(e.correctedSeverityIndex, 7);
    EXPECT_EQ(e.accidentFieldChange(a, 902, "pięć"), std::optional<std::string>("0"));
    EXPECT_EQ(e.frequencyIndex, 0);
    EXPECT_EQ(e.accidentFieldChange(a, 902, "5"), std::nullopt);

    // SE901 back at 0 clears the details; the disease index stays.
    EXPECT_EQ(e.accidentFieldChange(a, 901, "0"), std::nullopt);
    EXPECT_FALSE(Evaluation::accidentDetailsEnabled(a));
    EXPECT_EQ(a.SE902.get(), 0);
    EXPECT_EQ(a.SE903.get(), 0);
    EXPECT_EQ(a.SE904.get(), 0);
    EXPECT_EQ(a.SE905.get(), 2);
    EXPECT_EQ(e.frequencyIndex, 0);
    EXPECT_EQ(e.severityIndex, 0);
    EXPECT_EQ(e.correctedSeverityIndex, 0);
    EXPECT_EQ(e.diseaseIndex, 100);

    // Not a field of the page.
    const int before = modified.calls;
    EXPECT_EQ(e.accidentFieldChange(a, 906, "3"), std::nullopt);
    EXPECT_EQ(modified.calls, before);
}

TEST(Accidents, VeryLargeInputsAreHeldNotWrapped) {
    Assessment a(38061);
    a.setWorkerCounts({1, 0, 0, 0});
    Evaluation e;
    // A number beyond 32 bits is held at the bound, and the field shows it.
    EXPECT_EQ(e.accidentFieldChange(a, 901, "1"), std::nullopt);
    EXPECT_EQ(e.accidentFieldChange(a, 902, "99999999999"),
              std::optional<std::string>("2147483647"));
    EXPECT_EQ(a.SE902.get(), 2147483647);
    e.accidentFieldChange(a, 903, "2147483647");
    e.accidentFieldChange(a, 904, "2147483647");
    e.accidentFieldChange(a, 905, "2147483647");
    EXPECT_EQ(e.frequencyIndex, 2147483647);
    EXPECT_EQ(e.diseaseIndex, 2147483647);
    EXPECT_EQ(e.fatalityAddend, 2147483647);
    EXPECT_EQ(e.severityIndex, 2147483647);
    EXPECT_EQ(e.correctedSeverityIndex, 2147483647);

    // With many workers the product needs 64 bits but the index fits.
    a.setWorkerCounts({9999, 9999, 9999, 9999});
    e.LiczWypadki(a);
    EXPECT_EQ(e.frequencyIndex, static_cast<int>(2147483647LL * 1000 / 39996));
}

// ---------------------------------------------------------------------------------------------
// Supplementary card

TEST(SupplementaryCard, ProbabilityAndPlanExamples) {
    Assessment a(38061);
    Evaluation e;
    EXPECT_EQ(e.LB1001, "Wskaźnik prawdopodobieństwa: ");
    EXPECT_EQ(e.ST1002, "wskaźnik realizacji planu poprawy:");

    a.SE1001 = 80;
    a.SE1002 = 9;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.probabilityIndex, 720);
    EXPECT_EQ(e.LB1001, "Wskaźnik prawdopodobieństwa: 720");
    a.EdtNr = 3;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.probabilityIndex, 240);
    a.SE1001 = 1;
    a.SE1002 = 5;
    a.EdtNr = 4;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.probabilityIndex, 1);

    a.EdtNr = 2;
    a.SE1003 = 3000;
    a.SE1004 = 6000;
    a.SE1005 = 2;
    a.SE1006 = 2;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 2);
    EXPECT_EQ(e.ST1002, "Wskaźnik planu: 2");

    a.SE1003 = 6000;
    a.SE1004 = 3000;
    a.SE1005 = 4;
    a.SE1006 = 1;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 0); // 3000 div 24000

    // More tasks left undone than set is accepted: 9000 div 2000.
    a.SE1003 = 1000;
    a.SE1004 = 3000;
    a.SE1005 = 2;
    a.SE1006 = 3;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 4);

    // A first assessment, or no previous exposure or tasks: 0.
    a.EdtNr = 1;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 0);
    EXPECT_FALSE(Evaluation::planGroupVisible(a));
    a.EdtNr = 2;
    EXPECT_TRUE(Evaluation::planGroupVisible(a));
    a.SE1003 = 0;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 0);
    a.SE1003 = 1000;
    a.SE1005 = 0;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 0);
}

TEST(SupplementaryCard, FieldChangesAndUnrealisedTasksNeverNegative) {
    Assessment a(38061);
    a.EdtNr = 2;
    Evaluation e;
    test_support::ModifiedCounter modified;
    modified.attach(e);
    e.supplementaryFieldChange(a, 1001, "80");
    e.supplementaryFieldChange(a, 1002, "9");
    EXPECT_EQ(e.probabilityIndex, 360);
    EXPECT_EQ(modified.calls, 2);
    EXPECT_EQ(e.supplementaryFieldChange(a, 1002, "-9"), std::optional<std::string>("0"));
    EXPECT_EQ(e.probabilityIndex, 0);
    EXPECT_EQ(e.supplementaryFieldChange(a, 1003, "x"), std::optional<std::string>("0"));

    a.SE1004 = 3000;
    e.supplementaryFieldChange(a, 1003, "1000");
    e.supplementaryFieldChange(a, 1005, "2");
    e.supplementaryFieldChange(a, 1006, "3");
    EXPECT_EQ(e.planIndex, 4);
    // Unrealised tasks cannot be fewer than none: typed, they become 0 ...
    EXPECT_EQ(e.supplementaryFieldChange(a, 1006, "-3"), std::optional<std::string>("0"));
    EXPECT_EQ(a.SE1006, 0);
    EXPECT_EQ(e.planIndex, 0);
    // ... and a negative count from an old file lowers nothing.
    a.SE1006 = -3;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 0);

    // The expert index takes any integer and computes nothing.
    const int probability = e.probabilityIndex;
    const int calls = modified.calls;
    e.expertIndexEntered(a, "-500");
    EXPECT_EQ(a.SE1007, -500);
    e.expertIndexEntered(a, "-");
    EXPECT_EQ(a.SE1007, 0);
    EXPECT_EQ(modified.calls, calls + 2);
    EXPECT_EQ(e.probabilityIndex, probability);
}

TEST(SupplementaryCard, NewTotalExposureRecomputesThePlanIndex) {
    Assessment a(38061);
    a.EdtNr = 2;
    a.SE1003 = 1000;
    a.SE1005 = 1;
    a.SE1006 = 1;
    a.setWorkerCounts({1, 0, 0, 0});
    const FactorRecord row3 = factorInRows(3, 3, 3, 3);
    Evaluation e;
    e.recountHazardCard(a, listOf({&row3}));
    EXPECT_EQ(a.SE1004.get(), 1000);
    EXPECT_EQ(e.planIndex, 1);
    e.weightEntered(a, 3, "2500");
    EXPECT_EQ(e.planIndex, 2);
    EXPECT_EQ(e.ST1002, "Wskaźnik planu: 2");
}

TEST(SupplementaryCard, LargeProductsAreHeld) {
    Assessment a(38061);
    a.SE1001 = 2147483647;
    a.SE1002 = 2147483647;
    a.EdtNr = 999;
    a.SE1003 = 1;
    a.SE1004 = 2147483647;
    a.SE1005 = 1;
    a.SE1006 = 2147483647;
    Evaluation e;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.probabilityIndex, 2147483647);
    EXPECT_EQ(e.planIndex, 2147483647);
    // A product beyond 32 bits whose quotient fits.
    a.SE1001 = 100000;
    a.SE1002 = 100000;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.probabilityIndex, static_cast<int>(10'000'000'000LL / 999));
    a.SE1003 = 2147483647;
    a.SE1005 = 2147483647;
    e.LiczUzupeln(a);
    EXPECT_EQ(e.planIndex, 1);
}
