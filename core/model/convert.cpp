#include "model/convert.h"

#include "model/errors.h"
#include "model/trkfile.h"

namespace tarnik {

namespace {

std::string oneLine(std::string s) {
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

} // namespace

ConvertResult convertTrkFile(const std::filesystem::path& in, const std::filesystem::path& out) {
    try {
        Assessment a;
        a.questions.clear();
        const TrkReadResult r = readTrkFile(a, in);
        if (!r.ok()) return {1, oneLine(r.message)};
        saveTrkFile(a, out);
        return {0, {}};
    } catch (const FileError& e) {
        return {1, oneLine(e.what())};
    }
}

} // namespace tarnik
