// Counted strings of the assessment file whose length byte claims more than their field holds:
// the text is cut to the field and the field after it is read from its own place.
#include <gtest/gtest.h>

#include <string>

#include "core/model/trkfile.h"
#include "tests/core/test_trkfile_support.h"
#include "tests/support/fixtures.h"

using namespace tarnik;
using tarnik::trk_test::cleared;

namespace {

// Sets the length byte of the counted string that holds exactly `text` (its only occurrence in
// the file) to `length`.
void patchLength(std::string& bytes, const std::string& text, unsigned char length) {
    const std::string stored = static_cast<char>(text.size()) + text;
    const std::size_t at = bytes.find(stored);
    ASSERT_NE(at, std::string::npos) << text;
    ASSERT_EQ(bytes.find(stored, at + 1), std::string::npos) << text;
    bytes[at] = static_cast<char>(length);
}

} // namespace

TEST(TrkCountedStrings, AnAnswerClaimingTheLongestLengthIsCutToItsThreeCharacters) {
    Assessment a(38061);
    a.questions.clear();
    a.questions.DodajPytaniebhp("Czy maszyny maja oslony?");
    a.questions.DodajPytaniebhp("Czy przejscia sa wolne?");
    a.questions.setAnswer(0, "TAK");
    a.questions.setAnswer(1, "NIE");
    std::string bytes = serializeTrk(a);
    // The answer of the first question is its only "TAK" in the file.
    patchLength(bytes, "TAK", 0xFF);

    Assessment back = cleared();
    const TrkReadResult r = readTrk(back, bytes);
    ASSERT_TRUE(r.ok()) << r.message;
    ASSERT_EQ(back.questions.questionCount(), 2u);
    EXPECT_EQ(back.questions[0].answer, "TAK");
    EXPECT_EQ(back.questions[1].text, "Czy przejscia sa wolne?");
    EXPECT_EQ(back.questions[1].answer, "NIE");
}

TEST(TrkCountedStrings, AMultipleClaimingElevenCharactersIsCutToTen) {
    Assessment a(38061);
    a.questions.clear();
    FactorRecord& f = fixtures::tickFactor(a, 0, "Benzen");
    f.Ed607 = "0,12345678";
    f.Ed608 = "1,5";
    f.Ed609 = "P";
    f.Ed610 = "0,25";
    std::string bytes = serializeTrk(a);
    patchLength(bytes, "0,12345678", 11);

    Assessment back = cleared();
    const TrkReadResult r = readTrk(back, bytes);
    ASSERT_TRUE(r.ok()) << r.message;
    ASSERT_EQ(back.factorList(0).size(), 1u);
    const FactorRecord& read = *back.factorList(0)[0].record;
    EXPECT_EQ(read.Ed607, "0,12345678");
    EXPECT_EQ(read.Ed608, "1,5");
    EXPECT_EQ(read.Ed609, "P");
    EXPECT_EQ(read.Ed610, "0,25");
    EXPECT_EQ(read.name, "Benzen");
}
