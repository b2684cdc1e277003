#pragma once
// The evaluation of an assessment file as JSON, for the command line (tarnik --summary).
#include <filesystem>
#include <string>
#include <string_view>

#include "core/evaluation/evaluation.h"
#include "core/model/assessment.h"

namespace tarnik {

// A JSON string literal (with its quotes) holding the UTF-8 text s; malformed bytes become
// U+FFFD, control characters are escaped.
std::string jsonString(std::string_view s);

// The values of the evaluation and the worker counts of the assessment as one JSON object
// (UTF-8, two-space indentation, ending with a line break). Keys: hazardCounts (9 rows of the
// four groups), groupExposureIndex, totalExposureIndex, overLimitWorkers, exposedWorkers,
// workerCounts, frequencyIndex, severityIndex, fatalityAddend, correctedSeverityIndex,
// diseaseIndex, probabilityIndex, planIndex, expertIndex, safetyIndex, protectionIndex,
// riskLevel, bandLimits, riskGrade, recommendations (the lines of the recommendations).
std::string summaryJson(const Evaluation& e, const Assessment& a);

struct SummaryResult {
    int exitCode = 0;    // 0 on success, 1 on any failure
    std::string message; // one line for standard error, empty on success
    std::string json;    // the summary, on success
};

// Opens `in` as the program opens a file named on its command line, brings every value up to
// date as printing does, and renders the summary. A file that cannot be read, is not an
// assessment or is damaged gives exit code 1 and its message, and no summary.
SummaryResult summarizeTrkFile(const std::filesystem::path& in);

} // namespace tarnik
