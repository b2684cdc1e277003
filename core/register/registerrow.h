#pragma once
// One row of the register of assessments: what a folder of assessment files shows at a glance
// for each file, and the dates that fall due.
//
// A row keeps dates, not verdicts: whether an examination, a training or the next assessment is
// overdue depends on the day the register is looked at, so the counts are taken for a given
// today (examsOverdue, trainingsOverdue) and a row read once stays right on later days.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// When the next assessment is due, from the grade (the recommendations say it).
struct NextAssessment {
    enum class Kind {
        None,        // "bardzo małe": no further assessment while the conditions stay
        Immediately, // "bardzo duże": "niezwłocznie"
        On,          // on `date`: 730, 365 or 180 days after the assessment
    };
    Kind kind = Kind::None;
    DayNumber date = 0;
    friend bool operator==(const NextAssessment&, const NextAssessment&) = default;
};

// When the assessment of the given grade and date wants the next one.
NextAssessment nextAssessmentOf(const std::string& grade, DayNumber assessmentDate);

// The dates of one worker that fall due.
struct WorkerDueDates {
    std::string name;          // "Ed401 Ed402"
    DayNumber examination = 0; // next medical examination (DTP402); overdue on that day
    // The last day the periodic training is current; none when the station's plan requires no
    // first periodic training, so that the training never lapses.
    std::optional<DayNumber> trainingCurrentUntil;
    friend bool operator==(const WorkerDueDates&, const WorkerDueDates&) = default;
};

struct RegisterRow {
    std::string file;  // the path relative to the register's folder, with "/" separators
    std::string error; // the message of a file that could not be read; every value below empty
    std::string EdtZaklad;
    std::string EdtStanowisko;
    std::string EdtKStan;
    int EdtNr = 0;
    DayNumber DTPOcena = 0;
    int riskLevel = 0;
    std::string riskGrade;
    NextAssessment nextAssessment;
    int planTasks = 0; // plan rows that are not empty
    std::vector<WorkerDueDates> workers;
    friend bool operator==(const RegisterRow&, const RegisterRow&) = default;

    bool readable() const { return error.empty(); }
    // Workers whose examination / training is not current on `today`, by the rules of the
    // worker page (an examination due on today itself is no longer current).
    int examsOverdue(DayNumber today) const;
    int trainingsOverdue(DayNumber today) const;
};

// The row of an assessment whose values are brought up to date as printing does.
RegisterRow registerRowOf(const Assessment& a);

// Reads one file as the command line does and gives its row; a file that cannot be read gives
// a row with its message in `error`. `relative` becomes the row's `file`.
RegisterRow readRegisterRow(const std::filesystem::path& path, const std::string& relative);

// Rows of one station over the years: the same establishment, station and code (compared with
// case and Polish letters ignored, blanks at the ends dropped).
std::string stationKey(const RegisterRow& row);

// Where a date stands against today, for the colours of the register: past due (red), due
// within `soonDays` days (amber, today included), or later.
enum class DueState { None, Overdue, Soon, Later };
DueState dueState(const NextAssessment& next, DayNumber today, int soonDays = 30);
DueState dueState(DayNumber date, DayNumber today, int soonDays = 30);
// Whole days from today to the date (negative when past).
int daysUntil(DayNumber date, DayNumber today);

// A date as "YYYY-MM-DD", as the exports write it; and back (nothing for any other text or a day
// that does not exist).
std::string isoDate(DayNumber date);
std::optional<DayNumber> parseIsoDate(std::string_view text);

} // namespace tarnik
