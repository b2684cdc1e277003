#pragma once
// A complete assessment for the widget tests: every page has something to show, every factor
// group and card form, workers of all four groups with current and lapsed trainings, answered
// and unanswered questions. Everything derived (hazard rows, currency flags, worker counts) is
// computed by the core rules, as the program would store it.
#include <QString>

#include "core/model/assessment.h"

namespace tarnik::testing {

// The assessment date of fullAssessment(): 15 March 2004.
inline constexpr DayNumber kFullAssessmentDate = 38061;

// Number of questions of fullAssessment().
inline constexpr std::size_t kFullQuestionCount = 42;

// The ticked chemical factor that `withUndescribedFactor` adds without a card.
inline constexpr const char* kUndescribedFactorName = "toluen";

struct FullAssessmentOptions {
    // Adds kUndescribedFactorName, ticked, never described, to the chemical list; without it
    // every ticked factor is described and the measurement card page lets the wizard go on.
    bool withUndescribedFactor = false;
};

// Dated kFullAssessmentDate; the plan requires the first periodic training within 6 months and
// further ones every 12 months.
//  - 42 questions: "TAK" mostly, "NIE" at 5, 13, 23, 35 and 37, unanswered at 9, 20, 38, 41, 42;
//  - eight workers, two of each group, made through PrDodajPrac: in every group one whose
//    periodic training is current and one whose training is not; examinations current and
//    lapsed; trainings and examinations falling due on the assessment date and the day before;
//    the counts from the register (UpdateWorkers);
//  - factors of groups 1..7, lighting and electric current in the physical list, ticked and
//    unticked; groups 1..3 on both card forms, 4 and 5 on the supplementary card, 6 and 7 on the
//    measurement card; every card stored through KrtAktualizujCzynnik; one unticked factor
//    keeps a card, the other unticked ones have none;
//  - two responsible persons, three commission members, three plan rows, three acquainted
//    persons; Polish letters throughout.
Assessment fullAssessment(const FullAssessmentOptions& options = {});

// Writes the assessment to `path` as the program saves it. False, with the reason in `error`
// (when given), when the file cannot be written.
[[nodiscard]] bool writeAssessmentFile(const Assessment& a, const QString& path,
                                       QString* error = nullptr);

// Writes fullAssessment(options) to `path`; as writeAssessmentFile.
[[nodiscard]] bool writeFullAssessmentFile(const QString& path,
                                           const FullAssessmentOptions& options = {},
                                           QString* error = nullptr);

// Opens a .trk file as the program does: `into` cleared to New without questions, the file
// read, the worker counts brought in line with the register. False, with the message in `error`,
// when the file could not be read whole.
[[nodiscard]] bool readAssessmentFile(const QString& path, Assessment& into,
                                      QString* error = nullptr);

// The assessment that opening a saved copy of `a` gives: the same, with the empty plan row that
// follows the stored rows of every opened file.
Assessment asReopened(Assessment a);

} // namespace tarnik::testing
