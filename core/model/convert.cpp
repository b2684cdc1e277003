#include "core/model/convert.h"

#include "core/base/errors.h"
#include "core/model/trkfile.h"

namespace tarnik {

std::string oneLine(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out.push_back(' ');
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::optional<std::string> openForCommandLine(const std::filesystem::path& in, Assessment& into,
                                              const TrkReadOptions& options) {
    try {
        const TrkReadResult r = readTrkFile(into, in, options);
        if (!r.ok()) return oneLine(r.message);
        return std::nullopt;
    } catch (const FileError& e) {
        return oneLine(e.what());
    }
}

ConvertResult convertTrkFile(const std::filesystem::path& in, const std::filesystem::path& out) {
    Assessment a;
    a.questions.clear();
    if (auto failure = openForCommandLine(in, a)) return {1, std::move(*failure)};
    try {
        saveTrkFile(a, out);
        return {0, {}};
    } catch (const FileError& e) {
        return {1, oneLine(e.what())};
    }
}

} // namespace tarnik
