#pragma once
// Conversion of an assessment file to the current format, for the command line.
#include <filesystem>
#include <string>

namespace tarnik {

struct ConvertResult {
    int exitCode = 0;    // 0 on success, 1 on any failure
    std::string message; // one line for standard error, empty on success
};

// Opens `in` as the program opens a file named on its command line (any accepted signature) and
// saves it as `out` in the current format. Nothing is written when `in` is not a whole, valid
// assessment file.
ConvertResult convertTrkFile(const std::filesystem::path& in, const std::filesystem::path& out);

} // namespace tarnik
