#include "core/rules/workers/training.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::ymd;

namespace {

const DayNumber kAssessed = ymd(2004, 6, 15);
const TrainingPlan kSixMonthsThenYearly{1, 1};

} // namespace

TEST(Training, ModyfikujDate) {
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(2004, 3, 1)), ymd(2004, 9, 1));
    EXPECT_EQ(ModyfikujDate(0, 12, 0, ymd(2003, 3, 1)), ymd(2004, 3, 1));
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(2003, 11, 30)), ymd(2004, 5, 30));
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(2004, 1, 31)), ymd(2004, 7, 31));
    EXPECT_EQ(ModyfikujDate(2, 0, 0, ymd(2004, 2, 28)), ymd(2006, 2, 28));
    // A day that the target month lacks becomes its last day.
    EXPECT_EQ(ModyfikujDate(2, 0, 0, ymd(2004, 2, 29)), ymd(2006, 2, 28));
    EXPECT_EQ(ModyfikujDate(4, 0, 0, ymd(2004, 2, 29)), ymd(2008, 2, 29));
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(2004, 8, 31)), ymd(2005, 2, 28));
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(2003, 8, 31)), ymd(2004, 2, 29));
    EXPECT_EQ(ModyfikujDate(0, 1, 0, ymd(2004, 3, 31)), ymd(2004, 4, 30));
    // Days come after the months; amounts may go back; the time of day is dropped.
    EXPECT_EQ(ModyfikujDate(0, 1, 1, ymd(2004, 1, 31)), ymd(2004, 3, 1));
    EXPECT_EQ(ModyfikujDate(0, -2, 0, ymd(2004, 1, 31)), ymd(2003, 11, 30));
    EXPECT_EQ(ModyfikujDate(1, 0, 0, ymd(2004, 5, 5) + 0.6), ymd(2005, 5, 5));
    // The calendar's ends hold.
    EXPECT_EQ(ModyfikujDate(6, 0, 0, ymd(9998, 1, 1)), 2958465); // 31 December 9999
    EXPECT_EQ(ModyfikujDate(0, -6, 0, ymd(1, 3, 1)), -693593);   // 1 January 0001
}

TEST(Training, DeadlinesOfFirstAndFurtherTraining) {
    EXPECT_FALSE(WymaganePierwszeSzkolenie({0, 1}, ymd(2004, 3, 1)).has_value());
    EXPECT_EQ(WymaganePierwszeSzkolenie({1, 1}, ymd(2004, 3, 1)), ymd(2004, 9, 1));
    EXPECT_EQ(WymaganePierwszeSzkolenie({2, 1}, ymd(2004, 3, 1)), ymd(2005, 3, 1));
    EXPECT_EQ(WymaganePierwszeSzkolenie({1, 1}, ymd(2003, 8, 31)), ymd(2004, 2, 29));

    const DayNumber employed = ymd(2000, 1, 10);
    const DayNumber first = ymd(2000, 6, 1);
    // Base: employment, then the first training, then a later further training.
    EXPECT_EQ(WymaganeKolejneSzkolenie({1, 1}, false, false, first, ymd(2003, 2, 2), employed),
              ymd(2001, 1, 10));
    EXPECT_EQ(WymaganeKolejneSzkolenie({1, 1}, true, false, first, ymd(2003, 2, 2), employed),
              ymd(2001, 6, 1));
    EXPECT_EQ(WymaganeKolejneSzkolenie({1, 1}, true, true, first, ymd(2003, 2, 2), employed),
              ymd(2004, 2, 2));
    // A further training dated before the base does not move it back.
    EXPECT_EQ(WymaganeKolejneSzkolenie({1, 0}, true, true, first, ymd(1999, 5, 5), employed),
              ymd(2000, 12, 1));
    // Items 2..6 add whole years.
    EXPECT_EQ(WymaganeKolejneSzkolenie({0, 2}, false, true, first, ymd(2004, 2, 28), employed),
              ymd(2006, 2, 28));
    EXPECT_EQ(WymaganeKolejneSzkolenie({0, 2}, false, true, first, ymd(2004, 2, 29), employed),
              ymd(2006, 2, 28));
    EXPECT_EQ(WymaganeKolejneSzkolenie({0, 6}, false, false, first, first, employed),
              ymd(2006, 1, 10));
}

TEST(Training, ExamplesAtFifteenthOfJune2004) {
    // Employed 1 March 2004, no training yet: within the first-training window.
    EXPECT_TRUE(
        PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed, false, false, 0, 0, ymd(2004, 3, 1)));
    // Employed 1 March 2003, no training: both deadlines passed.
    EXPECT_FALSE(
        PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed, false, false, 0, 0, ymd(2003, 3, 1)));
    // Employed 1 March 2003, first training 10 August 2003: next deadline 10 August 2004.
    EXPECT_TRUE(PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed, true, false, ymd(2003, 8, 10),
                                    0, ymd(2003, 3, 1)));
    // The same first training with "nie": its date plays no part.
    EXPECT_FALSE(PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed, false, false,
                                     ymd(2003, 8, 10), 0, ymd(2003, 3, 1)));
    // No first training required: every worker counts as trained.
    EXPECT_TRUE(PrAktualneSzkolenie({0, 0}, kAssessed, false, false, 0, 0, ymd(1990, 1, 1)));
}

TEST(Training, DeadlineOnTheAssessmentDayStillCounts) {
    // Next deadline exactly 15 June 2004, assessed that day at noon.
    EXPECT_TRUE(PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed + 0.5, true, false,
                                    ymd(2003, 6, 15) + 0.9, 0, ymd(2002, 1, 1)));
    EXPECT_FALSE(PrAktualneSzkolenie(kSixMonthsThenYearly, kAssessed + 1, true, false,
                                     ymd(2003, 6, 15), 0, ymd(2002, 1, 1)));
}

TEST(Examination, DueOnTheAssessmentDayIsNotCurrent) {
    EXPECT_FALSE(PrAktualneBadanie(ymd(2004, 6, 15), kAssessed));
    EXPECT_FALSE(PrAktualneBadanie(ymd(2004, 6, 15) + 0.9, kAssessed + 0.1));
    EXPECT_TRUE(PrAktualneBadanie(ymd(2004, 6, 16), kAssessed + 0.9));
    EXPECT_FALSE(PrAktualneBadanie(ymd(2004, 1, 1), kAssessed));
}

TEST(Training, PlanTextsInBothForms) {
    EXPECT_EQ(planTextInMonths(2), "Plan szkoleń bhp przewiduje szkolenia co 24 miesięcy");
    EXPECT_EQ(planTextInMonths(0), "Plan szkoleń bhp przewiduje szkolenia co 6 miesięcy");
    const char* clicked[] = {"Plan szkoleń bhp przewiduje szkolenia co 6 miesięcy",
                             "Plan szkoleń bhp przewiduje szkolenia co 12 miesięcy",
                             "Plan szkoleń bhp przewiduje szkolenia co 2 lata",
                             "Plan szkoleń bhp przewiduje szkolenia co 3 lata",
                             "Plan szkoleń bhp przewiduje szkolenia co 4 lata",
                             "Plan szkoleń bhp przewiduje szkolenia co 5 lat",
                             "Plan szkoleń bhp przewiduje szkolenia co 6 lat"};
    for (int item = 0; item < 7; ++item)
        EXPECT_EQ(planTextInMonthsOrYears(item), clicked[item]);
}

TEST(Training, WarningsOfAStoredWorker) {
    WorkerRecord w;
    w.examinationCurrent = true;
    w.trainingCurrent = true;
    w.trainingCurrent2 = false; // one copy false: not current
    EXPECT_EQ(storedExaminationWarning(w), "");
    EXPECT_EQ(storedTrainingWarning(w), "Uwaga: Szkolenie niektualne.");
    w.trainingCurrent2 = true;
    EXPECT_EQ(storedTrainingWarning(w), "");
    w.examinationCurrent = false;
    EXPECT_EQ(storedExaminationWarning(w), "Uwaga: Badanie nieaktualne.");
}
