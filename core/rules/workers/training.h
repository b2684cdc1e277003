#pragma once
// The training plan of the station ("Zakres szkoleń bhp") and the rules that judge whether a
// worker's periodic health-and-safety training and preventive medical examination are current.
// All comparisons are on calendar days (the time of day of a date plays no part); the reference
// day is the assessment date, passed in so that the rules do not depend on the clock.
#include <array>
#include <optional>
#include <string>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// The items of RG301 "Pierwsze szkolenie okresowe" and RG302 "Kolejne szkolenia okresowe".
inline constexpr std::array<const char*, 3> kFirstTrainingItems{
    "nie jest wymagane", "wymagane w okresie 6 miesięcy od dnia rozpoczęcia pracy",
    "wymagane w okresie 12 miesięcy od dnia rozpoczęcia pracy"};
inline constexpr std::array<const char*, 7> kFurtherTrainingItems{
    "należy przeprowadzać co 6 miesięcy", "należy przeprowadzać co 12 miesięcy",
    "należy przeprowadzać co 2 lata",     "należy przeprowadzać co 3 lata",
    "należy przeprowadzać co 4 lata",     "należy przeprowadzać co 5 lat",
    "należy przeprowadzać co 6 lat"};

// Warnings beside the examination (STBad) and training (STSzkol) groups of the worker page.
inline constexpr const char* kExaminationWarning = "Uwaga: Badanie nieaktualne.";
inline constexpr const char* kTrainingWarning = "Uwaga: Szkolenie nieaktualne.";
// The training warning shown when a stored worker is loaded into the editor (spelled so).
inline constexpr const char* kStoredTrainingWarning = "Uwaga: Szkolenie niektualne.";

// The plan: item indices of RG301 (0..2) and RG302 (0..6); values outside are brought to the
// nearest item.
struct TrainingPlan {
    int RG301 = 0;
    int RG302 = 0;
};
TrainingPlan trainingPlanOf(const Assessment& a);

// CoIleSzkolenie: the interval of further trainings in months, 6, 12, 24, 36, 48, 60 or 72 for
// RG302 items 0..6.
int CoIleSzkolenie(int RG302);

// ModyfikujDate: the date moved forward by whole years and months, then by days. A day that
// does not exist in the target month (31 August + 6 months, 29 February + 2 years) becomes the
// last day of that month. Negative amounts move back. The result is a whole day, kept within
// 1 January 0001 .. 31 December 9999.
DayNumber ModyfikujDate(int years, int months, int days, DayNumber date);

// WymaganePierwszeSzkolenie: the deadline of the first periodic training, employment date plus
// 6 or 12 months; none when the plan requires no first training (RG301 item 0).
std::optional<DayNumber> WymaganePierwszeSzkolenie(const TrainingPlan& plan, DayNumber DTP401);

// WymaganeKolejneSzkolenie: the deadline of the next further training. The base is the
// employment date, or the first training's date when it was done (RB406), or the last further
// training's date when that was done (RB407) and is a later day than the base; the interval is
// added to it (items 2..6 add whole years).
DayNumber WymaganeKolejneSzkolenie(const TrainingPlan& plan, bool RB406, bool RB407,
                                   DayNumber DTP403, DayNumber DTP404, DayNumber DTP401);

// PrAktualneSzkolenie: the training is current when the assessment date is on or before the
// first-training deadline (or there is none), or on or before the next further-training deadline.
// RB406 and RB407 are the states of the "tak" buttons of the page (or of a stored record).
bool PrAktualneSzkolenie(const TrainingPlan& plan, DayNumber assessmentDate, bool RB406, bool RB407,
                         DayNumber DTP403, DayNumber DTP404, DayNumber DTP401);

// PrAktualneBadanie: the examination is current when the next examination is due on a later day
// than the assessment date; one due on the assessment date itself is not current.
bool PrAktualneBadanie(DayNumber DTP402, DayNumber assessmentDate);

// The two verdicts for the worker fields `w`, against the assessment's plan and date.
bool trainingCurrentFor(const Assessment& a, const WorkerRecord& w);
bool examinationCurrentFor(const Assessment& a, const WorkerRecord& w);

// The plan's sentence (ST301) with the interval always in months: "Plan szkoleń bhp przewiduje
// szkolenia co " + the interval in months + " miesięcy" (24 for the 2-year plan). The page shows
// it when it opens.
std::string planTextInMonths(int RG302);
// The plan's sentence with the interval in months up to 12 ("... co 6 miesięcy", "... co 12
// miesięcy") and in years from 2 ("... co 2 lata", ... "... co 5 lat", "... co 6 lat"). The page
// shows it once an item of RG301 or RG302 has been chosen.
std::string planTextInMonthsOrYears(int RG302);

// The live warnings while the worker is edited (a date or a "tak" of the worker changed): empty
// when current, else kExaminationWarning / kTrainingWarning.
std::string examinationWarning(bool current);
std::string trainingWarning(bool current);
// The warnings of a stored worker loaded into the editor, from its stored flags: the training
// counts as current only when both copies of trainingCurrent are set; the text is then
// kStoredTrainingWarning.
std::string storedExaminationWarning(const WorkerRecord& w);
std::string storedTrainingWarning(const WorkerRecord& w);

} // namespace tarnik
