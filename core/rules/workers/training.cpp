#include "core/rules/workers/training.h"

#include <algorithm>

namespace tarnik {

namespace {

int firstItem(int RG301) {
    return std::clamp(RG301, 0, 2);
}

int furtherItem(int RG302) {
    return std::clamp(RG302, 0, 6);
}

DayNumber day(DayNumber d) {
    return wholeDay(d);
}

} // namespace

TrainingPlan trainingPlanOf(const Assessment& a) {
    return {a.RG301.get(), a.RG302.get()};
}

int CoIleSzkolenie(int RG302) {
    static constexpr std::array<int, 7> months{6, 12, 24, 36, 48, 60, 72};
    return months[static_cast<std::size_t>(furtherItem(RG302))];
}

DayNumber ModyfikujDate(int years, int months, int days, DayNumber date) {
    const CivilDate d = civilFromDayNumber(date);
    // Count in months from year 0 so that carries go either way.
    long long total = static_cast<long long>(d.year) * 12 + (d.month - 1) + months +
                      static_cast<long long>(years) * 12;
    const long long y = total >= 0 ? total / 12 : (total - 11) / 12;
    const int m = static_cast<int>(total - y * 12) + 1;
    if (y < 1) return kMinDayNumber;
    if (y > 9999) return kMaxDayNumber;
    const int year = static_cast<int>(y);
    const int dayOfMonth = std::min(d.day, daysInMonth(year, m));
    return wholeDay(addDays(dayNumberFromCivil(year, m, dayOfMonth), days));
}

std::optional<DayNumber> WymaganePierwszeSzkolenie(const TrainingPlan& plan, DayNumber DTP401) {
    const int item = firstItem(plan.RG301);
    if (item == 0) return std::nullopt;
    return ModyfikujDate(0, 6 * item, 0, DTP401);
}

DayNumber WymaganeKolejneSzkolenie(const TrainingPlan& plan, bool RB406, bool RB407,
                                   DayNumber DTP403, DayNumber DTP404, DayNumber DTP401) {
    DayNumber base = day(DTP401);
    if (RB406) base = day(DTP403);
    if (RB407 && day(DTP404) > base) base = day(DTP404);
    const int item = furtherItem(plan.RG302);
    if (item == 0) return ModyfikujDate(0, 6, 0, base);
    if (item == 1) return ModyfikujDate(0, 12, 0, base);
    return ModyfikujDate(item, 0, 0, base);
}

bool PrAktualneSzkolenie(const TrainingPlan& plan, DayNumber assessmentDate, bool RB406, bool RB407,
                         DayNumber DTP403, DayNumber DTP404, DayNumber DTP401) {
    const DayNumber today = day(assessmentDate);
    const std::optional<DayNumber> first = WymaganePierwszeSzkolenie(plan, DTP401);
    const bool grace = !first || today <= *first;
    const bool inTime =
        today <= WymaganeKolejneSzkolenie(plan, RB406, RB407, DTP403, DTP404, DTP401);
    return grace || inTime;
}

bool PrAktualneBadanie(DayNumber DTP402, DayNumber assessmentDate) {
    return day(DTP402) > day(assessmentDate);
}

bool trainingCurrentFor(const Assessment& a, const WorkerRecord& w) {
    return PrAktualneSzkolenie(trainingPlanOf(a), a.DTPOcena, w.RB406, w.RB407, w.DTP403, w.DTP404,
                               w.DTP401);
}

bool examinationCurrentFor(const Assessment& a, const WorkerRecord& w) {
    return PrAktualneBadanie(w.DTP402, a.DTPOcena);
}

std::string planTextInMonths(int RG302) {
    return "Plan szkoleń bhp przewiduje szkolenia co " + std::to_string(CoIleSzkolenie(RG302)) +
           " miesięcy";
}

std::string planTextInMonthsOrYears(int RG302) {
    static constexpr std::array<const char*, 7> intervals{
        "6 miesięcy", "12 miesięcy", "2 lata", "3 lata", "4 lata", "5 lat", "6 lat"};
    return std::string("Plan szkoleń bhp przewiduje szkolenia co ") +
           intervals[static_cast<std::size_t>(furtherItem(RG302))];
}

std::string examinationWarning(bool current) {
    return current ? std::string() : kExaminationWarning;
}

std::string trainingWarning(bool current) {
    return current ? std::string() : kTrainingWarning;
}

std::string storedExaminationWarning(const WorkerRecord& w) {
    return w.examinationCurrent ? std::string() : kExaminationWarning;
}

std::string storedTrainingWarning(const WorkerRecord& w) {
    return w.trainingCurrent && w.trainingCurrent2 ? std::string() : kStoredTrainingWarning;
}

} // namespace tarnik
