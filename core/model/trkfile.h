#pragma once
// The assessment file (.trk): an 8-byte signature, then tagged records until the end tag 9999.
// Little-endian integers, Windows-1250 text, day-number dates as IEEE doubles.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/base/textfile.h"
#include "core/model/assessment.h"

namespace tarnik {

// The signatures a file may carry; the writer always writes the last one.
inline constexpr std::array<std::string_view, 4> kTrkSignatures{"TRK1000", "TRK2090", "TRK2100",
                                                                "TRK2180"};
inline constexpr std::string_view kTrkCurrentSignature = "TRK2180";

// Record tags.
enum TrkTag : int {
    kTagGeneralData = 1,
    kTagResponsiblePerson = 2,
    kTagCommissionMember = 3,
    kTagFactorChecked = 4,
    kTagFactorUnchecked = 5,
    kTagWorker = 6,
    kTagQuestion = 7,
    kTagRiskFigures = 8,
    kTagLegacyPlanRow = 9,
    kTagExpertIndex = 10,
    kTagWorkerCounts = 11,
    kTagPlanRow = 12,
    kTagAcquaintance = 14,
    kTagStationDescription = 15,
    kTagEnd = 9999,
};

// Payload sizes of the fixed records.
inline constexpr std::size_t kGeneralDataSize = 4632;
inline constexpr std::size_t kPersonEntrySize = 768;
inline constexpr std::size_t kFactorRecordSize = 1904;
inline constexpr std::size_t kWorkerRecordSize = 840;
inline constexpr std::size_t kQuestionEntrySize = 260;
inline constexpr std::size_t kRiskFiguresSize = 100;
inline constexpr std::size_t kLegacyPlanRowSize = 1024;
inline constexpr std::size_t kExpertIndexSize = 260;
inline constexpr std::size_t kWorkerCountsSize = 1280;
inline constexpr std::size_t kPlanRowSize = 768;
inline constexpr std::size_t kAcquaintanceSize = 256;

// Writes the whole assessment (Zapisz) in the fixed order. Pad bytes and the unused bytes of
// counted strings are zeros, so an assessment always gives the same bytes.
void writeTrk(const Assessment& a, ByteSink& sink);
std::string serializeTrk(const Assessment& a);

// Saves to a file through a temporary file that replaces the target only when everything was
// written. Throws FileError; the old file is then untouched.
void saveTrkFile(const Assessment& a, const std::filesystem::path& path);

struct TrkReadResult {
    enum class Status {
        Read,         // the whole stream up to the end tag
        BadSignature, // not an assessment file; nothing was read
        Damaged,      // the data ends before the end tag or a record is cut short
        BadNumber,    // a worker count is not a decimal integer
    };
    Status status = Status::Read;
    std::string signature;     // the 7 characters after the length byte, when present
    std::string message;       // what to tell the user, empty when read whole
    std::size_t records = 0;   // records taken into the assessment
    std::size_t bytesUsed = 0; // bytes of the file that those records came from
    std::size_t fileSize = 0;
    bool ok() const { return status == Status::Read; }
};

inline constexpr const char* kBadSignatureMessage = "Nieprawidłowy format pliku.";

// What a reader that needs less than the whole assessment may leave out.
struct TrkReadOptions {
    // Factors that are not ticked (most of a file that carries the whole catalogues) are checked
    // and counted as records, so the result and its message stay the same, but are not taken
    // into the assessment. Nothing that is computed from the assessment depends on them.
    bool skipUntickedFactors = false;
    // Where readTrkFile puts the file's bytes: a reader of many files keeps one buffer for all.
    ReadBuffer* buffer = nullptr;
};

// Fills an assessment already cleared to New (without questions and factors) from the bytes of
// a file. Every value goes through its field, so numbers outside a field's range come to the
// nearest bound. Reading stops at the first record that the data cannot hold whole; what was
// read before stays in the assessment.
TrkReadResult readTrk(Assessment& into, std::string_view bytes, const TrkReadOptions& options = {});

// The same from a file. Throws FileError when it cannot be opened or read.
TrkReadResult readTrkFile(Assessment& into, const std::filesystem::path& path,
                          const TrkReadOptions& options = {});

} // namespace tarnik
