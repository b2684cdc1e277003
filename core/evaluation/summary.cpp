#include "core/evaluation/summary.h"

#include <cstdio>

#include "core/base/text.h"
#include "core/evaluation/recompute.h"
#include "core/model/convert.h"

namespace tarnik {

namespace {

template <std::size_t N> std::string jsonArray(const std::array<int, N>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) out += ", ";
        out += std::to_string(values[i]);
    }
    return out + "]";
}

class ObjectWriter {
public:
    void field(const char* key, const std::string& rendered) {
        out_ += first_ ? "{\n" : ",\n";
        first_ = false;
        out_ += "  ";
        out_ += jsonString(key);
        out_ += ": ";
        out_ += rendered;
    }
    void field(const char* key, int value) { field(key, std::to_string(value)); }
    std::string finish() { return (first_ ? std::string("{") : out_ + "\n") + "}\n"; }

private:
    std::string out_;
    bool first_ = true;
};

} // namespace

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t c = decodeUtf8(s, pos);
        if (c == kBadUtf8) c = 0xFFFD;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                appendUtf8(out, c);
            }
        }
    }
    return out + "\"";
}

std::string summaryJson(const Evaluation& e, const Assessment& a) {
    ObjectWriter w;
    std::string rows = "[";
    for (std::size_t r = 0; r < e.hazardCounts.size(); ++r) {
        rows += r == 0 ? "\n    " : ",\n    ";
        rows += jsonArray(e.hazardCounts[r]);
    }
    rows += "\n  ]";
    w.field("hazardCounts", rows);
    w.field("groupExposureIndex", jsonArray(e.groupExposureIndex));
    w.field("totalExposureIndex", e.totalExposureIndex);
    w.field("overLimitWorkers", jsonArray(e.overLimitWorkers));
    w.field("exposedWorkers", jsonArray(e.exposedWorkers));
    w.field("workerCounts", jsonArray(a.workerCounts));
    w.field("frequencyIndex", e.frequencyIndex);
    w.field("severityIndex", e.severityIndex);
    w.field("fatalityAddend", e.fatalityAddend);
    w.field("correctedSeverityIndex", e.correctedSeverityIndex);
    w.field("diseaseIndex", e.diseaseIndex);
    w.field("probabilityIndex", e.probabilityIndex);
    w.field("planIndex", e.planIndex);
    w.field("expertIndex", e.expertIndex);
    w.field("safetyIndex", e.safetyIndex);
    w.field("protectionIndex", e.protectionIndex);
    w.field("riskLevel", e.riskLevel);
    w.field("bandLimits", jsonArray(std::array<int, 4>{a.SE1101.get(), a.SE1102.get(),
                                                       a.SE1103.get(), a.SE1104.get()}));
    w.field("riskGrade", jsonString(e.riskGrade));
    std::string lines = "[";
    for (std::size_t i = 0; i < e.Memo6.size(); ++i) {
        lines += i == 0 ? "\n    " : ",\n    ";
        lines += jsonString(e.Memo6[i]);
    }
    lines += e.Memo6.empty() ? "]" : "\n  ]";
    w.field("recommendations", lines);
    return w.finish();
}

SummaryResult summarizeTrkFile(const std::filesystem::path& in) {
    Assessment a;
    Evaluation e;
    if (auto failure = openEvaluated(in, a, e)) return {1, std::move(*failure), {}};
    return {0, {}, summaryJson(e, a)};
}

} // namespace tarnik
