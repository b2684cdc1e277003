#include "core/base/dates.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace tarnik {

namespace {

// Day 0 (30 December 1899) counted from 1 January 1970.
constexpr long long kEpochShift = 25569;

// Days from 1 January 1970 in the proleptic Gregorian calendar (eras of 400 years).
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return CivilDate{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// NaN becomes day 0; anything beyond the supported range the nearest end of it. A value just past
// 31 December 9999 that still lies within that day keeps its time of day.
DayNumber sanitise(DayNumber dn) {
    if (std::isnan(dn)) return 0.0;
    if (dn < kMinDayNumber) return kMinDayNumber;
    if (dn >= kMaxDayNumber + 1.0) return kMaxDayNumber;
    return dn;
}

const char* const kMonthsGenitive[12] = {
    "stycznia", "lutego",   "marca",    "kwietnia",     "maja",      "czerwca",
    "lipca",    "sierpnia", "września", "października", "listopada", "grudnia",
};

} // namespace

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool isValidCivil(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

DayNumber dayNumberFromCivil(int year, int month, int day) {
    return static_cast<DayNumber>(daysFromCivil(year, month, day) + kEpochShift);
}

DayNumber dayNumberFromCivil(const CivilDate& d) {
    return dayNumberFromCivil(d.year, d.month, d.day);
}

DayNumber wholeDay(DayNumber dn) {
    return std::trunc(sanitise(dn));
}

CivilDate civilFromDayNumber(DayNumber dn) {
    return civilFromDays(static_cast<long long>(wholeDay(dn)) - kEpochShift);
}

namespace {

// The day fixed by a test, NaN while the clock is used.
std::atomic<double> fixedToday{std::numeric_limits<double>::quiet_NaN()};

} // namespace

void setTodayForTesting(std::optional<DayNumber> day) {
    fixedToday.store(day ? wholeDay(*day) : std::numeric_limits<double>::quiet_NaN());
}

std::optional<DayNumber> todayForTesting() {
    const double day = fixedToday.load();
    if (std::isnan(day)) return std::nullopt;
    return day;
}

DayNumber todayDayNumber() {
    if (const std::optional<DayNumber> fixed = todayForTesting()) return *fixed;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    if (localtime_s(&local, &now) != 0) return 0.0;
#else
    if (localtime_r(&now, &local) == nullptr) return 0.0;
#endif
    return dayNumberFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// A negative day number keeps its time of day as a positive fraction (-1.25 is 29 December 1899,
// 6:00), so the day and the time are moved apart rather than by plain addition, which would turn
// 0.5 - 1 into -0.5, i.e. back to day 0.
DayNumber addDays(DayNumber dn, int days) {
    const DayNumber value = sanitise(dn);
    const DayNumber day = std::trunc(value);
    const DayNumber time = std::fabs(value - day);
    const DayNumber target = day + days;
    if (target < kMinDayNumber) return kMinDayNumber;
    if (target > kMaxDayNumber) return kMaxDayNumber;
    return target < 0 ? target - time : target + time;
}

const char* polishMonthGenitive(int month) {
    if (month < 1 || month > 12) return "";
    return kMonthsGenitive[month - 1];
}

std::string formatPolishDate(DayNumber dn) {
    const CivilDate d = civilFromDayNumber(dn);
    char year[8];
    std::snprintf(year, sizeof year, "%04d", d.year);
    std::string text = std::to_string(d.day);
    text += ' ';
    text += polishMonthGenitive(d.month);
    text += ' ';
    text += year;
    return text;
}

} // namespace tarnik
