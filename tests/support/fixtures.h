#pragma once
// Sample assessments shared by the core tests, the program's tests and the benchmarks. Each
// builder always gives the same data, so that a test can rely on every value it names.
// Standard library and core only.
#include <cstddef>
#include <memory>
#include <string>

#include "core/model/assessment.h"

namespace tarnik::fixtures {

// ---------------------------------------------------------------------------------------------
// The complete assessment of the widget tests

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

// Every page has something to show, every factor group and card form, workers of all four
// groups with current and lapsed trainings, answered and unanswered questions. Everything
// derived (hazard rows, currency flags, worker counts) is computed by the core rules, as the
// program would store it. Dated kFullAssessmentDate; the plan requires the first periodic
// training within 6 months and further ones every 12 months.
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

// The assessment that opening a saved copy of `a` gives: the same, with the empty plan row that
// follows the stored rows of every opened file.
Assessment asReopened(Assessment a);

// ---------------------------------------------------------------------------------------------
// Smaller samples

// Every stored field differs from its New value (the file tests): dated 15 March 2004, four
// workers with every flag set by hand, two factors in each catalogue list (the first described
// and ticked), three questions (one unanswered), every risk figure, moved band limits, two plan
// rows.
Assessment filledAssessment();

// The assessment the evaluation pages walk through: ten workers in all four groups (counts
// 5/3/1/1), four described factors in five rows of the hazard card and one factor not ticked,
// forty questions (30 "TAK", 6 "NIE", 4 unanswered, two "NIE" among 34..38), accidents
// 2/3/1/45/1, probability 80, consequences 9, a third assessment with its plan figures and the
// expert index 100.
Assessment evaluationAssessment();

// The assessment of the evaluation summary: six men and four women in the register while the
// typed counts are 1/1/1/1, a ticked factor of row 1 and one of row 7, an unticked one of row 2,
// the accident figures 2/3/1/45/1, probability 80 and consequences 9, and answers giving the
// safety index 166 and a "NIE" at question 34. Dated 1 January 2004.
Assessment summaryAssessment();

// The assessment of the report tests before a test adds to it: dated 15 March 2004, no
// questions, the plant "Huta Łódź" and the station "Spawacz".
Assessment reportAssessment();

// A worker with every training done and current, of the given category, as the report tests
// add them: a welder employed 1 February 2001.
std::unique_ptr<WorkerRecord> currentWorker(const std::string& first, const std::string& last,
                                            int category = kMen);

// Adds a ticked factor (listed 1 February 2004, no card yet) to catalogue list 0..4.
FactorRecord& tickFactor(Assessment& a, int list, const std::string& name);

// ---------------------------------------------------------------------------------------------
// Large assessments for the benchmarks

// `workers` workers with surnames drawn from a fixed seed, `factors` factors spread over the five
// lists (every third one ticked, none described) and 60 unanswered questions.
Assessment largeAssessment(int workers, int factors);

struct LargeReportSize {
    int workers = 0;
    int factors = 0;
    int questions = 0;
    int planRows = 0;
};

// An assessment whose report has every part: every field filled, workers with mixed currency,
// every factor ticked and described, answered questions, the plan rows (one empty row when
// none), accidents and the supplementary figures.
Assessment largeReportAssessment(const LargeReportSize& size);

// The fields of worker `i` of `count` as the register benchmark adds them: "Jan Pracownik N"
// with the numbers spread over the register, the groups in turn.
WorkerRecord numberedWorker(DayNumber assessmentDate, int i, int count);

} // namespace tarnik::fixtures
