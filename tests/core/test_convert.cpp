#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/model/convert.h"
#include "core/model/trkfile.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;

TEST(Convert, WritesTheCurrentFormatAndReportsEachFailureOnOneLine) {
    test_support::ScratchFolder dir;
    const auto in = dir.path() / "in.trk";
    const auto out = dir.path() / "out.trk";
    // TRK2090 carries eight memo texts in tag 15: rebuild the end of the file accordingly.
    Assessment a = fixtures::filledAssessment();
    a.mm(212).clear();
    a.mm(213).clear();
    std::string current = serializeTrk(a);
    std::string old = current.substr(0, current.size() - 12) + test_support::int32Bytes(9999);
    old.replace(1, 7, "TRK2090");
    dir.putBytes("in.trk", old);
    ConvertResult r = convertTrkFile(in, out);
    ASSERT_EQ(r.exitCode, 0) << r.message;
    // The same as the current format gives (with the empty plan row every opening adds).
    Assessment expected(0);
    expected.questions.clear();
    ASSERT_TRUE(readTrk(expected, current).ok());
    std::ifstream written(out, std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(written), {}) == serializeTrk(expected));

    dir.putBytes("in.trk", "not an assessment");
    r = convertTrkFile(in, dir.path() / "x.trk");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.message, "Nieprawidłowy format pliku.");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.trk"));

    dir.putBytes("in.trk", current.substr(0, 3000));
    r = convertTrkFile(in, dir.path() / "x.trk");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.message.find('\n'), std::string::npos);
    EXPECT_EQ(r.message.find('\r'), std::string::npos);
    EXPECT_NE(r.message.find("uszkodzony"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.trk"));

    r = convertTrkFile(dir.path() / "brak.trk", dir.path() / "x.trk");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.message.find("brak.trk"), std::string::npos);
}
