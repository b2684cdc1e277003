#include "core/base/dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "core/model/assessment.h"

using namespace tarnik;

TEST(Dates, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(isLeapYear(2004));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(1600));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_FALSE(isLeapYear(2003));

    EXPECT_EQ(daysInMonth(2004, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2003, 4), 30);
    EXPECT_EQ(daysInMonth(2003, 12), 31);
    EXPECT_EQ(daysInMonth(2003, 0), 0);
    EXPECT_EQ(daysInMonth(2003, 13), 0);

    EXPECT_TRUE(isValidCivil(2000, 2, 29));
    EXPECT_FALSE(isValidCivil(1900, 2, 29));
    EXPECT_FALSE(isValidCivil(2003, 4, 31));
    EXPECT_FALSE(isValidCivil(2003, 1, 0));
    EXPECT_FALSE(isValidCivil(0, 1, 1));
    EXPECT_FALSE(isValidCivil(10000, 1, 1));
    EXPECT_TRUE(isValidCivil(1, 1, 1));
    EXPECT_TRUE(isValidCivil(9999, 12, 31));
}

TEST(Dates, KnownDayNumbers) {
    EXPECT_EQ(dayNumberFromCivil(1899, 12, 30), 0.0);
    EXPECT_EQ(dayNumberFromCivil(1899, 12, 31), 1.0);
    EXPECT_EQ(dayNumberFromCivil(1900, 1, 1), 2.0);
    EXPECT_EQ(dayNumberFromCivil(1900, 2, 28), 60.0);
    EXPECT_EQ(dayNumberFromCivil(1900, 3, 1), 61.0); // no 29 February 1900
    EXPECT_EQ(dayNumberFromCivil(1999, 12, 31), 36525.0);
    EXPECT_EQ(dayNumberFromCivil(2000, 1, 1), 36526.0);
    EXPECT_EQ(dayNumberFromCivil(2004, 2, 29), 38046.0);
    EXPECT_EQ(dayNumberFromCivil(CivilDate{2004, 3, 1}), 38047.0);
    EXPECT_EQ(dayNumberFromCivil(1, 1, 1), -693593.0);
    EXPECT_EQ(dayNumberFromCivil(9999, 12, 31), 2958465.0);
    EXPECT_EQ(dayNumberFromCivil(1898, 12, 30), -365.0);
}

TEST(Dates, PolishDateText) {
    EXPECT_EQ(formatPolishDate(dayNumberFromCivil(2004, 3, 15)), "15 marca 2004");
    EXPECT_EQ(formatPolishDate(38046), "29 lutego 2004");
    EXPECT_EQ(formatPolishDate(38047), "1 marca 2004");
    EXPECT_EQ(formatPolishDate(60), "28 lutego 1900");
    EXPECT_EQ(formatPolishDate(61), "1 marca 1900");
    EXPECT_EQ(formatPolishDate(36525), "31 grudnia 1999");
    EXPECT_EQ(formatPolishDate(36526), "1 stycznia 2000");
    EXPECT_EQ(formatPolishDate(0), "30 grudnia 1899");
    EXPECT_EQ(formatPolishDate(dayNumberFromCivil(987, 1, 1)), "1 stycznia 0987");
    EXPECT_EQ(formatPolishDate(dayNumberFromCivil(5, 9, 5)), "5 września 0005");
    EXPECT_EQ(formatPolishDate(dayNumberFromCivil(2023, 10, 2)), "2 października 2023");
}

TEST(Dates, NegativeAndFractionalDayNumbers) {
    // The integer part counts; it is truncated toward zero, and the time of day does not move
    // the date.
    EXPECT_EQ(formatPolishDate(-1), "29 grudnia 1899");
    EXPECT_EQ(formatPolishDate(-1.25), "29 grudnia 1899");
    EXPECT_EQ(formatPolishDate(-0.5), "30 grudnia 1899");
    EXPECT_EQ(formatPolishDate(-365), "30 grudnia 1898");
    EXPECT_EQ(formatPolishDate(36526.99), "1 stycznia 2000");
    EXPECT_EQ(formatPolishDate(1.75), "31 grudnia 1899");
    EXPECT_EQ(wholeDay(38046.6), 38046.0);
    EXPECT_EQ(wholeDay(-2.9), -2.0);
}

TEST(Dates, InvalidDayNumbersAreSanitised) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatPolishDate(nan), "30 grudnia 1899");
    EXPECT_EQ(wholeDay(nan), 0.0);
    EXPECT_EQ(formatPolishDate(inf), "31 grudnia 9999");
    EXPECT_EQ(formatPolishDate(-inf), "1 stycznia 0001");
    EXPECT_EQ(formatPolishDate(1e300), "31 grudnia 9999");
    EXPECT_EQ(formatPolishDate(-1e18), "1 stycznia 0001");
    EXPECT_EQ(civilFromDayNumber(kMaxDayNumber + 0.5), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(civilFromDayNumber(kMaxDayNumber + 40), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(civilFromDayNumber(kMinDayNumber - 40), (CivilDate{1, 1, 1}));
    EXPECT_EQ(addDays(nan, 1), 1.0);
    EXPECT_EQ(addDays(kMaxDayNumber, 10), 2958465.0);
    EXPECT_EQ(addDays(kMinDayNumber, -10), -693593.0);
}

TEST(Dates, EveryDayRoundTripsAndFollowsThePreviousOne) {
    CivilDate previous = civilFromDayNumber(kMinDayNumber);
    ASSERT_EQ(previous, (CivilDate{1, 1, 1}));
    for (double dn = kMinDayNumber + 1; dn <= kMaxDayNumber; ++dn) {
        const CivilDate d = civilFromDayNumber(dn);
        CivilDate expected = previous;
        if (++expected.day > daysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
        ASSERT_EQ(d, expected) << "day " << dn;
        ASSERT_EQ(dayNumberFromCivil(d), dn);
        previous = d;
    }
    EXPECT_EQ(previous, (CivilDate{9999, 12, 31}));
}

TEST(Dates, AddDaysKeepsTheTimeOfDay) {
    EXPECT_EQ(addDays(36526, -1), 36525.0);
    EXPECT_EQ(addDays(38046, 1), 38047.0);
    EXPECT_EQ(addDays(36526.25, 3), 36529.25);

    // Crossing day 0 in either direction keeps the date and the time apart.
    const DayNumber back = addDays(0.5, -1);
    EXPECT_EQ(civilFromDayNumber(back), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(std::fabs(back - wholeDay(back)), 0.5);

    const DayNumber forward = addDays(-1.25, 2);
    EXPECT_EQ(civilFromDayNumber(forward), (CivilDate{1899, 12, 31}));
    EXPECT_EQ(std::fabs(forward - wholeDay(forward)), 0.25);
}

TEST(Dates, MonthNames) {
    const char* expected[] = {"stycznia", "lutego",       "marca",     "kwietnia",
                              "maja",     "czerwca",      "lipca",     "sierpnia",
                              "września", "października", "listopada", "grudnia"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_STREQ(polishMonthGenitive(m), expected[m - 1]);
    EXPECT_STREQ(polishMonthGenitive(0), "");
    EXPECT_STREQ(polishMonthGenitive(13), "");
}

TEST(Dates, TodayIsAWholeRecentDay) {
    const DayNumber today = todayDayNumber();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_GT(today, dayNumberFromCivil(2020, 1, 1));
    EXPECT_LT(today, dayNumberFromCivil(2200, 1, 1));
}

TEST(Dates, TodayCanBeFixedForTestsAndGoesBackToTheClock) {
    ASSERT_FALSE(todayForTesting().has_value());
    const DayNumber clock = todayDayNumber();

    setTodayForTesting(38061.75); // 15 March 2004, 18:00
    EXPECT_EQ(todayForTesting(), std::optional<DayNumber>(38061.0));
    EXPECT_EQ(todayDayNumber(), 38061.0);
    EXPECT_EQ(Assessment().DTPOcena, 38061.0);
    Assessment renewed(40000);
    renewed.resetToNew();
    EXPECT_EQ(renewed.DTPOcena, 38061.0);

    setTodayForTesting(std::nullopt);
    EXPECT_FALSE(todayForTesting().has_value());
    const DayNumber after = todayDayNumber();
    // The clock again: the same day as before, or the next one when midnight came in between.
    EXPECT_TRUE(after == clock || after == clock + 1) << after << " " << clock;
    EXPECT_NE(after, 38061.0);
}
