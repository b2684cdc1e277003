// Reading assessment files that are not what the writer gives: values out of range, mended band
// limits, worker counts as text, wrong signatures, damaged and mutated files; saving safely.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/base/errors.h"
#include "core/model/trkfile.h"
#include "tests/core/test_trkfile_support.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;
using namespace tarnik::fixtures;
using namespace tarnik::test_support;
using namespace tarnik::trk_test;

TEST(TrkFile, NumbersOutsideTheirRangeComeToTheNearestBound) {
    Assessment a(38000);
    std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    const std::size_t g = recs[0].payload;
    b.replace(g + 512, 4, int32Bytes(5000)); // EdtNr 1..999
    b.replace(g + 1028, 4, int32Bytes(-3));  // EdtLStan 1..999
    b.replace(g + 4624, 4, int32Bytes(9));   // RG301 0..2
    b.replace(g + 4628, 4, int32Bytes(-1));  // RG302 0..6
    std::size_t fig = 0;
    for (const Record& r : recs)
        if (r.tag == 8) fig = r.payload;
    b.replace(fig, 4, int32Bytes(12000));               // p1 0..9999
    b.replace(fig + 4 * 9, 4, int32Bytes(-4));          // SE901 kept at 0 or more
    b.replace(fig + 4 * 19, 4, int32Bytes(-4));         // SE1006 takes any value
    b.replace(fig + 4 * 21, 4, int32Bytes(1));          // SE1101 at least 3
    b.replace(fig + 4 * 24, 4, int32Bytes(2000000000)); // SE1104 at most 9999999
    Assessment back = cleared();
    ASSERT_TRUE(readTrk(back, b).ok());
    EXPECT_EQ(back.EdtNr, 999);
    EXPECT_EQ(back.EdtLStan, 1);
    EXPECT_EQ(back.RG301, 2);
    EXPECT_EQ(back.RG302, 0);
    EXPECT_EQ(back.p1, 9999);
    EXPECT_EQ(back.SE901, 0);
    EXPECT_EQ(back.SE1006, -4);
    EXPECT_EQ(back.SE1101, 3);
    EXPECT_EQ(back.SE1104, 9999999);
}

TEST(TrkFile, WorkerCategoryAndCardChoicesAreHeldInRange) {
    Assessment a(38000);
    auto w = std::make_unique<WorkerRecord>();
    w->Ed401 = "A";
    w->Ed402 = "B";
    a.ListaPrac.insert(std::move(w));
    a.LB501.emplace_back("X", true, newFactorRecord("X", 0, 38000));
    std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    b[recs[1].payload + 1884] = 12;                      // hazard row beyond 9
    b.replace(recs[1].payload + 1612, 4, int32Bytes(7)); // RG602 0..1
    b[recs[2].payload + 512] = static_cast<char>(200);   // category beyond juveniles
    Assessment back = cleared();
    ASSERT_TRUE(readTrk(back, b).ok());
    EXPECT_EQ(back.LB501[0].record->hazardCategory[0], 9);
    EXPECT_EQ(back.LB501[0].record->RG602, 1);
    EXPECT_EQ(back.ListaPrac[0].workerCategory, kJuveniles);
}

TEST(TrkFile, StoredBandLimitsComeBackExactly) {
    Assessment a(38000);
    a.restoreBandLimits(3500, 6000, 9000, 9500);
    Assessment back = roundTrip(a);
    EXPECT_EQ(back.SE1101, 3500);
    EXPECT_EQ(back.SE1102, 6000);
    EXPECT_EQ(back.SE1103, 9000);
    EXPECT_EQ(back.SE1104, 9500);
    // The bounds follow the neighbours with a gap of two.
    EXPECT_EQ(back.SE1101.min(), 3);
    EXPECT_EQ(back.SE1101.max(), 5998);
    EXPECT_EQ(back.SE1102.min(), 3502);
    EXPECT_EQ(back.SE1102.max(), 8998);
    EXPECT_EQ(back.SE1104.max(), 9999999);
}

TEST(TrkFile, DisorderedBandLimitsAreMendedIntoOrder) {
    Assessment a(38000);
    a.restoreBandLimits(5000, 100, 5000, 2);
    EXPECT_EQ(a.SE1101, 5000);
    EXPECT_EQ(a.SE1102, 5002);
    EXPECT_EQ(a.SE1103, 5004);
    EXPECT_EQ(a.SE1104, 5006);
    a.restoreBandLimits(9999999, 9999999, 9999999, 9999999);
    EXPECT_EQ(a.SE1101, 9999993);
    EXPECT_EQ(a.SE1104, 9999999);
}

TEST(TrkFile, WorkerCountsAreTakenFromTheirTexts) {
    Assessment a(38000);
    a.setWorkerCounts({3, 2, 0, 1});
    Assessment back = roundTrip(a);
    EXPECT_EQ(back.workerCounts, (std::array<int, 4>{3, 2, 0, 1}));
    EXPECT_EQ(back.SE_m, 3);
    EXPECT_EQ(back.SE_razem, "6");
}

TEST(TrkFile, ACountThatIsNotANumberIsAConversionError) {
    Assessment a(38000);
    a.EdtZaklad = "Zakład";
    std::string b = serializeTrk(a);
    std::size_t counts = 0;
    for (const Record& r : records(b))
        if (r.tag == 11) counts = r.payload;
    b.replace(counts + 256, 256, counted("dwa", 255));
    Assessment back = cleared();
    const TrkReadResult r = readTrk(back, b);
    EXPECT_EQ(r.status, TrkReadResult::Status::BadNumber);
    EXPECT_NE(r.message.find("dwa"), std::string::npos);
    EXPECT_EQ(back.EdtZaklad, "Zakład"); // what was read before stays
    EXPECT_EQ(back.workerCounts, (std::array<int, 4>{0, 0, 0, 0}));
}

// --------------------------------------------------------------------------------------------
// Damaged files

TEST(TrkFile, WrongSignaturesAreRejected) {
    const std::string good = serializeTrk(filledAssessment());
    for (std::string bad : {withSignature(good, "TRK2181"), withSignature(good, "trk2180"),
                            std::string("\x07TRK21", 6), std::string(), good.substr(1)}) {
        Assessment back = cleared();
        const TrkReadResult r = readTrk(back, bad);
        EXPECT_EQ(r.status, TrkReadResult::Status::BadSignature);
        EXPECT_EQ(r.message, "Nieprawidłowy format pliku.");
        EXPECT_TRUE(back.EdtZaklad.empty());
    }
    std::string lengthByte = good;
    lengthByte[0] = 6;
    Assessment back = cleared();
    EXPECT_EQ(readTrk(back, lengthByte).status, TrkReadResult::Status::BadSignature);
}

TEST(TrkFile, AFileCutAtAnyByteIsReportedAsDamagedAndKeepsWholeRecords) {
    const Assessment a = filledAssessment();
    const std::string good = serializeTrk(a);
    const std::vector<Record> recs = records(good);
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        Assessment back = cleared();
        const TrkReadResult r = readTrk(back, std::string_view(good).substr(0, cut));
        if (cut < 8) {
            ASSERT_EQ(r.status, TrkReadResult::Status::BadSignature) << cut;
            continue;
        }
        ASSERT_EQ(r.status, TrkReadResult::Status::Damaged) << cut;
        ASSERT_FALSE(r.message.empty());
        ASSERT_LE(r.bytesUsed, cut);
        // Exactly the records that end within the cut were taken.
        std::size_t whole = 0;
        for (std::size_t i = 0; i + 1 < recs.size(); ++i)
            if (recs[i + 1].payload - 4 <= cut) ++whole;
        ASSERT_EQ(r.records, whole) << cut;
    }
}

TEST(TrkFile, DamagedMessageSaysHowMuchWasRecovered) {
    const std::string good = serializeTrk(filledAssessment());
    Assessment back = cleared();
    const TrkReadResult r =
        readTrk(back, std::string_view(good).substr(0, 12 + kGeneralDataSize + 4 + 100));
    EXPECT_EQ(r.status, TrkReadResult::Status::Damaged);
    EXPECT_EQ(r.records, 1u);
    EXPECT_NE(r.message.find("uszkodzony"), std::string::npos);
    EXPECT_NE(r.message.find("1 rekord "), std::string::npos);
    EXPECT_EQ(back.EdtZaklad, filledAssessment().EdtZaklad);
    EXPECT_TRUE(back.ListOdpow.empty());
}

TEST(TrkFile, ADescriptionLongerThanTheFileStopsReading) {
    Assessment a(38000);
    std::string b = serializeTrk(a);
    std::size_t desc = 0;
    for (const Record& r : records(b))
        if (r.tag == 15) desc = r.payload;
    b.replace(desc + 768, 4, int32Bytes(2000000000));
    Assessment back = cleared();
    EXPECT_EQ(readTrk(back, b).status, TrkReadResult::Status::Damaged);
    b.replace(desc + 768, 4, int32Bytes(-5));
    EXPECT_EQ(readTrk(back, b).status, TrkReadResult::Status::Damaged);
}

TEST(TrkFile, RandomMutationsNeverCrashOrHang) {
    const std::string good = serializeTrk(filledAssessment());
    std::mt19937 rng(20041215);
    std::uniform_int_distribution<std::size_t> pos(0, good.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255), count(1, 16);
    for (int round = 0; round < 300; ++round) {
        std::string bad = good;
        const int n = count(rng);
        for (int i = 0; i < n; ++i)
            bad[pos(rng)] = static_cast<char>(byte(rng));
        if (round % 3 == 0) bad.resize(pos(rng)); // and cut some
        Assessment back = cleared();
        const TrkReadResult r = readTrk(back, bad);
        ASSERT_LE(r.bytesUsed, bad.size());
        if (!r.ok()) {
            ASSERT_FALSE(r.message.empty());
        }
        // Whatever was read can be written again and read back the same.
        Assessment again = cleared();
        const TrkReadResult r2 = readTrk(again, serializeTrk(back));
        ASSERT_TRUE(r2.ok()) << r2.message;
    }
}

// --------------------------------------------------------------------------------------------
// Files on disk

TEST(TrkFile, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    test_support::ScratchFolder dir;
    const auto path = dir.path() / "ocena.trk";
    saveTrkFile(filledAssessment(), path);
    Assessment a(38000);
    a.EdtZaklad = "Drugi";
    saveTrkFile(a, path);
    EXPECT_TRUE(test_support::readBytes(path) == serializeTrk(a));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    Assessment back = cleared();
    EXPECT_TRUE(readTrkFile(back, path).ok());
    EXPECT_EQ(back.EdtZaklad, "Drugi");
}

TEST(TrkFile, AFailedSaveLeavesTheOldFileUntouched) {
    test_support::ScratchFolder dir;
    const auto path = dir.path() / "ocena.trk";
    saveTrkFile(filledAssessment(), path);
    const std::string before = test_support::readBytes(path);
    // A producer that fails after some bytes, as a full disk would.
    EXPECT_THROW(writeFileAtomically(path,
                                     [](ByteSink& sink) {
                                         sink.write("\x07TRK2180");
                                         throw FileError("Nie można zapisać pliku: brak miejsca");
                                     }),
                 FileError);
    EXPECT_TRUE(test_support::readBytes(path) == before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // A folder that cannot hold the file.
    EXPECT_THROW(saveTrkFile(filledAssessment(), dir.path() / "ocena.trk" / "x.trk"), FileError);
    EXPECT_TRUE(test_support::readBytes(path) == before);
}

namespace {
// A sink that takes a number of bytes and then fails, as a device that runs out of room.
class FailingSink : public ByteSink {
public:
    explicit FailingSink(std::size_t capacity) : capacity_(capacity) {}
    void write(std::string_view bytes) override {
        if (written_ + bytes.size() > capacity_) throw FileError("Brak miejsca na urządzeniu.");
        written_ += bytes.size();
    }

private:
    std::size_t capacity_;
    std::size_t written_ = 0;
};
} // namespace

TEST(TrkFile, WriterReportsADeviceThatFails) {
    const Assessment a = filledAssessment();
    const std::size_t size = serializeTrk(a).size();
    for (std::size_t n : {std::size_t{0}, std::size_t{8}, size - 1}) {
        FailingSink sink(n);
        EXPECT_THROW(writeTrk(a, sink), FileError) << n;
    }
    FailingSink enough(size);
    EXPECT_NO_THROW(writeTrk(a, enough));
}

TEST(TrkFile, OpeningAMissingFileIsAFileError) {
    test_support::ScratchFolder dir;
    Assessment back = cleared();
    try {
        readTrkFile(back, dir.path() / "brak.trk");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("brak.trk"), std::string::npos);
    }
}
