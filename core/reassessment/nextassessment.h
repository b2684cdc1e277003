#pragma once
// The next assessment of a station made from the previous one: the same station, workers,
// factors and cards, the next number and today's date, the previous figures the supplementary
// card asks for (its total exposure index, how many tasks its plan set and how many of them were
// not carried out), a plan that starts with the unfinished tasks, and what belongs to one period
// only (the checklist's answers, the accident figures, the expert index, who was acquainted with
// the result) left to be filled in anew.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/dates.h"
#include "core/model/assessment.h"
#include "core/model/convert.h"

namespace tarnik {

// The tasks of the previous plan, as the next assessment counts them: its non-empty rows in
// their order, numbered 1, 2, … by their position in this list.
std::vector<PlanRow> previousPlanTasks(const Assessment& previous);

// The next assessment. `done[i]` says whether task i + 1 of previousPlanTasks was carried out; a
// task without an entry counts as not carried out. The result is evaluated by the program's
// recompute sequence, as its pages would show it.
Assessment nextAssessmentFrom(const Assessment& previous, DayNumber today,
                              const std::vector<bool>& done);

// The total exposure index of an assessment as the program computes it (on a copy).
int computedTotalExposureIndex(const Assessment& a);

// The finished tasks given as "1,3" (numbers separated by commas, blanks allowed, each at most
// once) for a plan of `taskCount` tasks: done[i] for task i + 1. An empty text: none finished.
// A number outside 1..taskCount or a text that is not a number gives the message in `error`.
std::optional<std::vector<bool>> parseFinishedTasks(std::string_view text, std::size_t taskCount,
                                                    std::string& error);

// The name (without folder and extension) offered when the next assessment is first saved: the
// previous file's name with the new number in place of the previous number at its end ("spawacz
// 2" → "spawacz 3"), or with " nr N" added when it does not end with that number.
std::string nextAssessmentFileStem(std::string_view previousStem, int previousNr, int nextNr);

// The command line's next assessment: opens `previous` as the program opens a file named on its
// command line, takes the finished tasks from `finished` (as parseFinishedTasks) and saves the
// next assessment as `out`. Nothing is written when the previous file cannot be read whole, the
// list of tasks is wrong, or `out` is the previous file itself (which it would replace).
ConvertResult writeNextAssessmentFile(const std::filesystem::path& previous,
                                      const std::filesystem::path& out, DayNumber today,
                                      std::string_view finished);

} // namespace tarnik
