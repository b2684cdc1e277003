#pragma once
// Helpers of the assessment file tests: the cleared assessment the reader fills, the records of
// a written file, a round trip through the bytes, another signature.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/trkfile.h"
#include "tests/support/test_support.h"

namespace tarnik::trk_test {

using test_support::int32At;

// A cleared assessment as the open operation hands it to the reader: New values, no questions,
// no factors.
inline Assessment cleared() {
    Assessment a(40000);
    a.questions.clear();
    return a;
}

struct Record {
    std::int32_t tag;
    std::size_t payload; // offset of the payload in the file
};

// Walks a file written by the writer and lists its records.
inline std::vector<Record> records(const std::string& bytes) {
    std::vector<Record> out;
    std::size_t at = 8;
    for (;;) {
        const std::int32_t tag = int32At(bytes, at);
        at += 4;
        out.push_back({tag, at});
        std::size_t size = 0;
        switch (tag) {
        case 1:
            size = kGeneralDataSize;
            break;
        case 2:
        case 3:
            size = kPersonEntrySize;
            break;
        case 4:
        case 5:
            size = kFactorRecordSize;
            break;
        case 6:
            size = kWorkerRecordSize;
            break;
        case 7:
            size = kQuestionEntrySize;
            break;
        case 8:
            size = kRiskFiguresSize;
            break;
        case 10:
            size = kExpertIndexSize;
            break;
        case 11:
            size = kWorkerCountsSize;
            break;
        case 12:
            size = kPlanRowSize;
            break;
        case 14:
            size = kAcquaintanceSize;
            break;
        case 15: {
            size = 3 * 256;
            for (int i = 0; i < 10; ++i)
                size += 4 + static_cast<std::size_t>(int32At(bytes, at + size));
            break;
        }
        case 9999:
            return out;
        default:
            ADD_FAILURE() << "unexpected tag " << tag;
            return out;
        }
        at += size;
    }
}

inline Assessment roundTrip(const Assessment& a) {
    Assessment back = cleared();
    const TrkReadResult r = readTrk(back, serializeTrk(a));
    EXPECT_TRUE(r.ok()) << r.message;
    return back;
}

// Replaces the signature of a written file.
inline std::string withSignature(std::string bytes, std::string_view sig) {
    bytes.replace(1, 7, sig);
    return bytes;
}

} // namespace tarnik::trk_test
