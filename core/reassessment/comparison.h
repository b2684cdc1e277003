#pragma once
// What changed between two assessments of a station: the general data, the workers, the factors
// and their hazard rows, every figure of the evaluation, and the improvement plan. Both
// assessments are evaluated on copies by the program's own recompute sequence, so that the
// figures compared are those the program prints, whatever the files stored.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// One difference: what it is about (a field's name such as "EdtZaklad", a worker's "Jan
// Kowalski", a factor's name, a figure's key, a task's text), the caption the user reads
// ("Zakład pracy", ...), and the value before and after; an empty optional where there is none
// (a worker added has no old value, one removed no new one).
struct Difference {
    std::string key;
    std::string caption;
    std::optional<std::string> oldValue;
    std::optional<std::string> newValue;
    friend bool operator==(const Difference&, const Difference&) = default;
};

struct AssessmentComparison {
    // The two assessments, as the user reads them at the head of the comparison.
    std::string oldTitle;
    std::string newTitle;
    // The station of the newer assessment, for the running header of the printed comparison.
    std::string station;
    std::vector<Difference> general;
    std::vector<Difference> workers;
    std::vector<Difference> factors;
    std::vector<Difference> figures;
    std::vector<Difference> plan;

    bool empty() const {
        return general.empty() && workers.empty() && factors.empty() && figures.empty() &&
               plan.empty();
    }
};

// Compares `older` with `newer` (neither is changed: both are evaluated on copies).
AssessmentComparison compareAssessments(const Assessment& older, const Assessment& newer);

// Which of two assessments of a station is the earlier one: the lower number (EdtNr), then the
// earlier date; true when `a` comes before `b` or both are equal in both.
bool assessedBefore(const Assessment& a, const Assessment& b);

// The comparison as JSON: an object with the arrays "general", "workers", "factors", "figures",
// "plan", each of objects {"field"|"name", "old", "new"} ("field" for general data and figures,
// "name" for workers, factors and tasks; a missing value is null).
std::string comparisonJson(const AssessmentComparison& c);

struct ComparisonFilesResult {
    int exitCode = 0;    // 0 on success, 1 when a file cannot be read
    std::string message; // one line for standard error, empty on success
    std::string json;    // comparisonJson, on success
};

// tarnik --compare: opens both files as the program opens a file named on its command line
// (any accepted format version) and compares them in the order given. A file that cannot be
// read, is not an assessment or is damaged gives exit code 1 and its message, led by the file's
// name when the message does not name it.
ComparisonFilesResult compareTrkFiles(const std::filesystem::path& older,
                                      const std::filesystem::path& newer);

} // namespace tarnik
