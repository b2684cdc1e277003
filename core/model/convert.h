#pragma once
// Conversion of an assessment file to the current format, for the command line.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/assessment.h"
#include "core/model/trkfile.h"

namespace tarnik {

// Fills `into` (cleared to New without questions and factors) from `in`, as the program opens
// a file named on its command line (any accepted signature). Gives the failure as one line for
// standard error (not an assessment, damaged, missing or unreadable), or nothing when the file
// was read whole.
std::optional<std::string> openForCommandLine(const std::filesystem::path& in, Assessment& into,
                                              const TrkReadOptions& options = {});

// A message on one line: every line break becomes a blank.
std::string oneLine(std::string_view message);

struct ConvertResult {
    int exitCode = 0;    // 0 on success, 1 on any failure
    std::string message; // one line for standard error, empty on success
};

// Opens `in` as the program opens a file named on its command line (any accepted signature) and
// saves it as `out` in the current format. Nothing is written when `in` is not a whole, valid
// assessment file.
ConvertResult convertTrkFile(const std::filesystem::path& in, const std::filesystem::path& out);

} // namespace tarnik
