#pragma once
// Day-number dates: a double whose integer part counts days from 30 December 1899 (day 0),
// the fraction being the time of day. Day numbers outside 1 January 0001 .. 31 December 9999,
// NaN and infinities are treated as the nearest valid day (NaN as day 0) by every function here.
#include <optional>
#include <string>

namespace tarnik {

using DayNumber = double;

struct CivilDate {
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

constexpr DayNumber kMinDayNumber = -693593.0; // 1 January 0001
constexpr DayNumber kMaxDayNumber = 2958465.0; // 31 December 9999

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidCivil(int year, int month, int day);

// Day number of a valid civil date (the caller checks validity).
DayNumber dayNumberFromCivil(int year, int month, int day);
DayNumber dayNumberFromCivil(const CivilDate& d);
// The calendar date of a day number (integer part, truncated toward zero as the old toolkit did).
CivilDate civilFromDayNumber(DayNumber dn);
// The whole day (integer part) of a day number, sanitised as above.
DayNumber wholeDay(DayNumber dn);

// Today's date (local time), whole day; the fixed day instead while tests have set one.
DayNumber todayDayNumber();

// Test seam: while a day is set, todayDayNumber() gives that whole day instead of reading the
// clock; nullopt goes back to the clock. The program itself never calls this.
void setTodayForTesting(std::optional<DayNumber> day);
// The day set by setTodayForTesting, if any.
std::optional<DayNumber> todayForTesting();

DayNumber addDays(DayNumber dn, int days);

// Full Polish month name in the genitive: 1 -> "stycznia" ... 12 -> "grudnia".
const char* polishMonthGenitive(int month);

// "d mmmm yyyy": day without a leading zero, Polish month name in the genitive, four-digit year,
// e.g. "15 marca 2004", "1 stycznia 0987".
std::string formatPolishDate(DayNumber dn);

} // namespace tarnik
