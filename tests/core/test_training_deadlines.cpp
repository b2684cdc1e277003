// The deadlines of the periodic training at their boundaries: the last day a worker without a
// training still counts as trained, and month arithmetic at the end of the calendar.
#include <gtest/gtest.h>

#include "core/rules/workers/training.h"
#include "tests/support/test_support.h"

using namespace tarnik;
using tarnik::test_support::ymd;

namespace {

// "wymagane w okresie 12 miesięcy od dnia rozpoczęcia pracy", then "co 6 miesięcy".
Assessment yearThenHalfYearly(DayNumber assessed) {
    Assessment a(assessed);
    a.RG301 = 2;
    a.RG302 = 0;
    return a;
}

WorkerRecord untrainedWorker(DayNumber employed) {
    WorkerRecord w;
    w.Ed401 = "Jan";
    w.Ed402 = "Nowak";
    w.DTP401 = employed;
    w.RB406 = false;
    w.RB407 = false;
    w.DTP403 = employed;
    w.DTP404 = employed;
    return w;
}

} // namespace

TEST(TrainingDeadlines, UntrainedWorkerIsCurrentUpToTheFirstTrainingDeadline) {
    // Employed 10 March 2003: the first training is due by 10 March 2004; the half-yearly
    // deadline counted from the employment (10 September 2003) has passed by then.
    const WorkerRecord w = untrainedWorker(ymd(2003, 3, 10));
    EXPECT_EQ(WymaganePierwszeSzkolenie({2, 0}, w.DTP401), ymd(2004, 3, 10));
    EXPECT_TRUE(trainingCurrentFor(yearThenHalfYearly(ymd(2004, 3, 10)), w));
    EXPECT_FALSE(trainingCurrentFor(yearThenHalfYearly(ymd(2004, 3, 11)), w));
}

TEST(TrainingDeadlines, MonthsAddedInTheLastYearOfTheCalendar) {
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(9999, 1, 1)), ymd(9999, 7, 1));
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(9999, 6, 30)), ymd(9999, 12, 30));
    // Past the last year the date stays on the calendar's last day.
    EXPECT_EQ(ModyfikujDate(0, 6, 0, ymd(9999, 7, 1)), ymd(9999, 12, 31));
    // The first-training deadline of a worker employed on 1 January 9999.
    EXPECT_EQ(WymaganePierwszeSzkolenie({1, 0}, ymd(9999, 1, 1)), ymd(9999, 7, 1));
}
