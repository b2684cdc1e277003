#include <gtest/gtest.h>

#include <cstring>

#include "core/base/cp1250.h"
#include "core/model/trkfile.h"
#include "tests/core/test_trkfile_support.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;
using namespace tarnik::fixtures;
using namespace tarnik::test_support;
using namespace tarnik::trk_test;

namespace {

std::vector<std::int32_t> tags(const std::string& bytes) {
    std::vector<std::int32_t> t;
    for (const Record& r : records(bytes))
        t.push_back(r.tag);
    return t;
}

double doubleAt(const std::string& s, std::size_t at) {
    double d;
    std::memcpy(&d, s.data() + at, sizeof d);
    return d;
}

std::string counted255At(const std::string& s, std::size_t at) {
    return cp1250ToUtf8(s.substr(at + 1, static_cast<unsigned char>(s[at])));
}

// A file of the given signature in which tag 15 carries only eight memo texts.
std::string eightMemoFile(const Assessment& a, std::string_view sig) {
    std::string bytes = withSignature(serializeTrk(a), sig);
    const std::vector<Record> recs = records(serializeTrk(a));
    const Record& desc = recs[recs.size() - 2];
    EXPECT_EQ(desc.tag, 15);
    std::size_t at = desc.payload + 3 * 256;
    for (int i = 0; i < 8; ++i)
        at += 4 + static_cast<std::size_t>(int32At(bytes, at));
    bytes.erase(at);
    bytes += int32Bytes(9999);
    return bytes;
}

} // namespace

// --------------------------------------------------------------------------------------------
// Round trips, for every accepted signature

class TrkSignatureTest : public ::testing::TestWithParam<std::string_view> {};

TEST_P(TrkSignatureTest, FilledAssessmentComesBackWhole) {
    const Assessment a = filledAssessment();
    std::string bytes = withSignature(serializeTrk(a), GetParam());
    if (GetParam() != kTrkCurrentSignature) bytes = eightMemoFile(a, GetParam());
    Assessment back = cleared();
    const TrkReadResult r = readTrk(back, bytes);
    ASSERT_TRUE(r.ok()) << r.message;

    Assessment expected = a;
    if (GetParam() != kTrkCurrentSignature) {
        expected.mm(212).clear();
        expected.mm(213).clear();
    }
    // The second question was mended when it was added; an empty plan row follows the stored.
    expected.Plan.push_back(PlanRow{});
    EXPECT_EQ(back.EdtZaklad, expected.EdtZaklad);
    EXPECT_EQ(back.ListaPrac, expected.ListaPrac);
    EXPECT_EQ(back.LB501, expected.LB501);
    EXPECT_EQ(back.questions, expected.questions);
    EXPECT_EQ(back.Plan, expected.Plan);
    EXPECT_EQ(back.memos, expected.memos);
    EXPECT_TRUE(back == expected);
    EXPECT_EQ(r.signature, GetParam());
}

TEST_P(TrkSignatureTest, UnknownTagsAreSkipped) {
    const Assessment a = filledAssessment();
    std::string bytes = withSignature(serializeTrk(a), GetParam());
    if (GetParam() != kTrkCurrentSignature) bytes = eightMemoFile(a, GetParam());
    // Tags 0, 13, negative and large ones carry nothing.
    const std::string junk =
        int32Bytes(0) + int32Bytes(13) + int32Bytes(-7) + int32Bytes(16) + int32Bytes(123456);
    bytes.insert(8, junk);
    Assessment back = cleared();
    ASSERT_TRUE(readTrk(back, bytes).ok());
    EXPECT_EQ(back.EdtZaklad, a.EdtZaklad);
    EXPECT_EQ(back.ListOdpow, a.ListOdpow);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, TrkSignatureTest,
                         ::testing::Values("TRK1000", "TRK2090", "TRK2100", "TRK2180"));

TEST(TrkFile, NewAssessmentRoundTripsAndWritesTheFixedRecordOrder) {
    Assessment a(38000);
    a.questions.DodajPytaniebhp("Pytanie");
    a.LB502.emplace_back("Pył drewna", true, newFactorRecord("Pył drewna", 1, 38000));
    const std::string bytes = serializeTrk(a);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x07TRK2180\x01\0\0\0", 12));
    const std::vector<std::int32_t> expected{1, 4, 7, 8, 10, 11, 12, 14, 15, 9999};
    EXPECT_EQ(tags(bytes), expected);
    Assessment back = roundTrip(a);
    a.Plan.push_back(PlanRow{});
    EXPECT_TRUE(back == a);
}

TEST(TrkFile, SameAssessmentGivesTheSameBytesWithZeroPadding) {
    const Assessment a = filledAssessment();
    const std::string first = serializeTrk(a);
    EXPECT_TRUE(first == serializeTrk(a));
    // Short texts leave zeros behind them, pads are zeros.
    const std::vector<Record> recs = records(first);
    const Record& factor = recs[4];
    ASSERT_EQ(factor.tag, 4);
    EXPECT_EQ(first.substr(factor.payload + 513, 3), std::string(3, '\0'));
    EXPECT_EQ(first.substr(factor.payload + 1883, 1), std::string(1, '\0'));
    EXPECT_EQ(first.substr(factor.payload + 1900, 4), std::string(4, '\0'));
    const std::size_t nameLen = static_cast<unsigned char>(first[factor.payload + 1]);
    EXPECT_EQ(first.substr(factor.payload + 2 + nameLen, 255 - nameLen),
              std::string(255 - nameLen, '\0'));
}

// --------------------------------------------------------------------------------------------
// Byte layout

TEST(TrkFile, RecordsSitAtTheirOffsets) {
    const Assessment a = filledAssessment();
    const std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    std::vector<std::int32_t> expectedTags{1, 2, 2, 3};
    for (int c = 0; c < 5; ++c) {
        expectedTags.push_back(4);
        expectedTags.push_back(5);
    }
    for (int i = 0; i < 4; ++i)
        expectedTags.push_back(6);
    for (int i = 0; i < 3; ++i)
        expectedTags.push_back(7);
    for (std::int32_t t : {8, 10, 11, 12, 12, 14, 15, 9999})
        expectedTags.push_back(t);
    ASSERT_EQ(tags(b), expectedTags);

    // General data.
    const std::size_t g = recs[0].payload;
    EXPECT_EQ(g, 12u);
    EXPECT_EQ(b[g], static_cast<char>(utf8ToCp1250(a.EdtZaklad).size()));
    EXPECT_EQ(counted255At(b, g), a.EdtZaklad);
    EXPECT_EQ(counted255At(b, g + 256), "471234567");
    EXPECT_EQ(int32At(b, g + 512), 3);
    EXPECT_EQ(counted255At(b, g + 516), "Spawacz");
    EXPECT_EQ(counted255At(b, g + 772), "SP-01");
    EXPECT_EQ(int32At(b, g + 1028), 4);
    EXPECT_EQ(doubleAt(b, g + 1032), 38061.0);
    EXPECT_EQ(counted255At(b, g + 1040), "Służba BHP");
    EXPECT_EQ(counted255At(b, g + 1296), "Wydział spawalni");
    EXPECT_EQ(counted255At(b, g + 1552), "Hala 3");
    EXPECT_EQ(counted255At(b, g + 1808), "Przy bramie");
    EXPECT_EQ(counted255At(b, g + 2064), a.mm(204));
    EXPECT_EQ(counted255At(b, g + 4368), a.mm(213));
    EXPECT_EQ(int32At(b, g + 4624), 2);
    EXPECT_EQ(int32At(b, g + 4628), 5);

    // Persons: surname, first name, position.
    EXPECT_EQ(counted255At(b, recs[1].payload), "Kowalski");
    EXPECT_EQ(counted255At(b, recs[1].payload + 256), "Jan");
    EXPECT_EQ(counted255At(b, recs[1].payload + 512), "Kierownik");
    EXPECT_EQ(counted255At(b, recs[3].payload), "Wiśniewska");

    // A factor.
    const std::size_t f = recs[4].payload;
    EXPECT_EQ(b[f], 1); // described
    EXPECT_EQ(counted255At(b, f + 1), "Czynnik 0.0");
    EXPECT_EQ(counted255At(b, f + 257), "K-0");
    EXPECT_EQ(int32At(b, f + 516), 1);
    EXPECT_EQ(doubleAt(b, f + 520), 38000.0);
    EXPECT_EQ(counted255At(b, f + 528), "Stanowisko");
    EXPECT_EQ(counted255At(b, f + 784), "Laboratorium");
    EXPECT_EQ(counted255At(b, f + 1040), "PN-Z-04008");
    EXPECT_EQ(counted255At(b, f + 1296), "0,5 mg/m3");
    EXPECT_EQ(b.substr(f + 1552, 2), std::string("\x01P"));
    EXPECT_EQ(b.substr(f + 1563, 4), std::string("\x03"
                                                 "0,7"));
    EXPECT_EQ(b.substr(f + 1574, 2), std::string("\x01"
                                                 "1"));
    EXPECT_EQ(b.substr(f + 1585, 4), std::string("\x03"
                                                 "0,3"));
    EXPECT_EQ(int32At(b, f + 1596), 1);
    EXPECT_EQ(int32At(b, f + 1600), 2);
    EXPECT_EQ(int32At(b, f + 1604), 1);
    EXPECT_EQ(int32At(b, f + 1608), 2);
    EXPECT_EQ(int32At(b, f + 1612), 1);
    EXPECT_EQ(int32At(b, f + 1616), 1);
    EXPECT_EQ(counted255At(b, f + 1620), "Charakterystyka");
    EXPECT_EQ(b.substr(f + 1876, 7), std::string("\0\1\1\1\1\0\1", 7));
    EXPECT_EQ(int32At(b, f + 1884), 1);
    EXPECT_EQ(int32At(b, f + 1888), 6);
    EXPECT_EQ(int32At(b, f + 1892), 6);
    EXPECT_EQ(int32At(b, f + 1896), 7);
    EXPECT_EQ(recs[5].payload - f, 1904u + 4);
    EXPECT_EQ(b[recs[5].payload], 0); // the unchecked second factor is not described

    // Workers, sorted by surname: Adamska, Lis, Łukasik, Żak.
    const std::size_t w = recs[14].payload;
    EXPECT_EQ(counted255At(b, w), "Iza");
    EXPECT_EQ(counted255At(b, w + 256), "Adamska");
    EXPECT_EQ(b[w + 512], 2);
    EXPECT_EQ(counted255At(b, w + 513), "Spawacz");
    EXPECT_EQ(b.substr(w + 769, 7), std::string(7, '\0'));
    EXPECT_EQ(doubleAt(b, w + 776), 37000.0);
    EXPECT_EQ(b.substr(w + 784, 2), std::string("\1\0", 2));
    EXPECT_EQ(doubleAt(b, w + 792), 38100.5);
    EXPECT_EQ(b.substr(w + 800, 3), std::string("\1\0\1", 3));
    EXPECT_EQ(doubleAt(b, w + 808), 37200.0);
    EXPECT_EQ(b[w + 816], 0);
    EXPECT_EQ(doubleAt(b, w + 824), 37300.0);
    EXPECT_EQ(b.substr(w + 832, 3), std::string("\1\1\1", 3));
    EXPECT_EQ(counted255At(b, recs[15].payload + 256), "Lis");
    EXPECT_EQ(counted255At(b, recs[16].payload + 256), "Łukasik");
    EXPECT_EQ(counted255At(b, recs[17].payload + 256), "Żak");

    // Questions: the text without its number, the answer.
    EXPECT_EQ(counted255At(b, recs[18].payload), "Czy maszyny mają osłony?");
    EXPECT_EQ(b.substr(recs[18].payload + 256, 4), std::string("\3TAK"));
    EXPECT_EQ(counted255At(b, recs[19].payload),
              "Czy substancje niebezpieczne posiadają opakowania zgodne z normą?");
    EXPECT_EQ(b.substr(recs[19].payload + 256, 4), std::string("\3NIE"));
    EXPECT_EQ(b.substr(recs[20].payload, 1), std::string(1, '\0'));

    // The 25 risk figures.
    const std::size_t r = recs[21].payload;
    const std::vector<int> figures{101, 102, 103,  104,  105,  106,  107, 108,  109,
                                   2,   3,   1,    45,   1,    80,   9,   3000, 6000,
                                   2,   -1,  -500, 3500, 6000, 9000, 9500};
    for (std::size_t i = 0; i < figures.size(); ++i)
        EXPECT_EQ(int32At(b, r + 4 * i), figures[i]) << "figure " << i;

    EXPECT_EQ(int32At(b, recs[22].payload), -500);
    EXPECT_EQ(counted255At(b, recs[22].payload + 4), "Uzasadnienie\r\neksperta");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(counted255At(b, recs[23].payload + 256 * i), "1");
    EXPECT_EQ(counted255At(b, recs[23].payload + 1024), "4");
    EXPECT_EQ(counted255At(b, recs[24].payload), "Wymiana osłon");
    EXPECT_EQ(counted255At(b, recs[24].payload + 256), "Kowalski");
    EXPECT_EQ(counted255At(b, recs[24].payload + 512), "30 czerwca 2004");
    EXPECT_EQ(counted255At(b, recs[26].payload), "Jan Kowalski\r\nAnna Nowak");

    const std::size_t d = recs[27].payload;
    EXPECT_EQ(counted255At(b, d), "Wydział spawalni");
    EXPECT_EQ(counted255At(b, d + 512), "Przy bramie");
    const std::string mm204 = utf8ToCp1250(a.mm(204));
    EXPECT_EQ(int32At(b, d + 768), static_cast<int>(mm204.size()));
    EXPECT_EQ(b.substr(d + 772, mm204.size()), mm204);
    EXPECT_EQ(b.substr(b.size() - 4), int32Bytes(9999));
}

TEST(TrkFile, EmptyAssessmentWritesOnePlanRowOfEmptyStrings) {
    Assessment a(38000);
    a.questions.DodajPytaniebhp("Pytanie");
    const std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    const std::vector<std::int32_t> expected{1, 7, 8, 10, 11, 12, 14, 15, 9999};
    EXPECT_EQ(tags(b), expected);
    EXPECT_EQ(b.substr(recs[5].payload, 768), std::string(768, '\0'));
}

// --------------------------------------------------------------------------------------------
// Edge cases of the fields

TEST(TrkFile, LongMemosComeBackWholeWhileEditsAreCutTo255) {
    Assessment a(38000);
    a.mm(207) = std::string(1000, 'x');
    a.EdtStanowisko = std::string(300, 's');
    a.Osoby = std::string(200, 'a') + "\r\n" + std::string(200, 'b');
    a.ListOdpow.push_back({std::string(256, 'n'), "Ą", ""});
    const std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    EXPECT_EQ(counted255At(b, recs[0].payload + 2832), std::string(255, 'x'));
    Assessment back = roundTrip(a);
    EXPECT_EQ(back.mm(207), a.mm(207));
    EXPECT_EQ(back.EdtStanowisko, std::string(255, 's'));
    EXPECT_EQ(back.Osoby, a.Osoby.substr(0, 255));
    EXPECT_EQ(back.ListOdpow[0].surname, std::string(255, 'n'));
    EXPECT_EQ(back.ListOdpow[0].firstName, "Ą");
}

TEST(TrkFile, LimitsCountCharactersAndUnknownCharactersBecomeQuestionMarks) {
    Assessment a(38000);
    a.EdtRegon = std::string(254, 'a') + "ŁŻ"; // 256 characters, more bytes in UTF-8
    a.EdtKStan = "π≈3";
    Assessment back = roundTrip(a);
    EXPECT_EQ(back.EdtRegon, std::string(254, 'a') + "Ł");
    EXPECT_EQ(back.EdtKStan, "??3");
}

TEST(TrkFile, ElectricCurrentFromTheChemicalListMovesToThePhysicalOne) {
    Assessment a(38000);
    a.LB501.emplace_back("Prąd elektryczny", true, newFactorRecord("Prąd elektryczny", 0, 38000));
    a.LB503.emplace_back("prąd elektryczny", false, newFactorRecord("prąd elektryczny", 2, 38000));
    a.LB505.emplace_back("Oświetlenie - natężenie", false,
                         newFactorRecord("Oświetlenie - natężenie", 4, 38000));
    ASSERT_EQ(a.LB501[0].record->factorGroup, kElectricCurrent);
    ASSERT_EQ(a.LB505[0].record->factorGroup, kLighting);
    const std::string b = serializeTrk(a);
    EXPECT_EQ(records(b)[1].tag, 4);
    Assessment back = roundTrip(a);
    EXPECT_TRUE(back.LB501.empty());
    EXPECT_TRUE(back.LB505.empty());
    ASSERT_EQ(back.LB503.size(), 3u);
    EXPECT_EQ(back.LB503[0].text, "Prąd elektryczny");
    EXPECT_TRUE(back.LB503[0].checked);
    EXPECT_FALSE(back.LB503[1].checked);
    EXPECT_EQ(back.LB503[2].record->factorGroup, kLighting);
}

TEST(TrkFile, FactorsOfUnknownGroupsAreDropped) {
    Assessment a(38000);
    a.LB501.emplace_back("A", true, newFactorRecord("A", 0, 38000));
    a.LB501.emplace_back("B", true, newFactorRecord("B", 0, 38000));
    a.LB501.emplace_back("C", true, newFactorRecord("C", 0, 38000));
    a.LB501[1].record->factorGroup = 8;
    a.LB501[2].record->factorGroup = 0;
    Assessment back = roundTrip(a);
    ASSERT_EQ(back.LB501.size(), 1u);
    EXPECT_EQ(back.LB501[0].text, "A");
}

TEST(TrkFile, LegacyPlanRowsJoinTheirTwoDescriptionStrings) {
    Assessment a(38000);
    std::string b = serializeTrk(a);
    const std::vector<Record> recs = records(b);
    std::size_t planTag = 0;
    for (const Record& r : recs)
        if (r.tag == 12) planTag = r.payload - 4;
    ASSERT_NE(planTag, 0u);
    const std::string legacy1 = int32Bytes(9) + counted("Naprawa", 255) + counted("dachu", 255) +
                                counted("Kowalski", 255) + counted("2004", 255);
    const std::string legacy2 = int32Bytes(9) + counted("Malowanie", 255) + counted("", 255) +
                                counted("Nowak", 255) + counted("2005", 255);
    b.insert(planTag, legacy1 + legacy2);
    Assessment back = cleared();
    ASSERT_TRUE(readTrk(back, b).ok());
    ASSERT_EQ(back.Plan.size(), 4u); // two legacy rows, the stored empty row, the grid's last
    EXPECT_EQ(back.Plan[0], (PlanRow{"Naprawa\r\ndachu", "Kowalski", "2004"}));
    EXPECT_EQ(back.Plan[1], (PlanRow{"Malowanie", "Nowak", "2005"}));
    EXPECT_EQ(back.Plan[2], PlanRow{});
    EXPECT_EQ(back.Plan[3], PlanRow{});
}

TEST(TrkFile, EachSaveAndOpenCycleAddsOneEmptyPlanRow) {
    Assessment a(38000);
    a.Plan = {PlanRow{"A", "B", "C"}, PlanRow{"D", "E", "F"}};
    Assessment once = roundTrip(a);
    Assessment twice = roundTrip(once);
    ASSERT_EQ(twice.Plan.size(), 4u);
    EXPECT_EQ(twice.Plan[0], (PlanRow{"A", "B", "C"}));
    EXPECT_EQ(twice.Plan[1], (PlanRow{"D", "E", "F"}));
    EXPECT_EQ(twice.Plan[2], PlanRow{});
    EXPECT_EQ(twice.Plan[3], PlanRow{});
}

TEST(TrkFile, MoreThanTwoHundredQuestionsAreAllKept) {
    Assessment a(38000);
    for (int i = 1; i <= 250; ++i) {
        a.questions.DodajPytaniebhp("Pytanie " + std::to_string(i));
        a.questions.setAnswer(static_cast<std::size_t>(i - 1), i % 2 ? "TAK" : "NIE");
    }
    Assessment back = roundTrip(a);
    ASSERT_EQ(back.questions.questionCount(), 250u);
    EXPECT_EQ(back.questions[249].text, "Pytanie 250");
    EXPECT_EQ(back.questions.label(249), "250. Pytanie 250");
    EXPECT_EQ(back.questions.answerAt(250), "NIE");
}

TEST(TrkFile, StoredQuestionTextLosesTheNumberPrefixWithinTheLabelLimit) {
    Assessment a(38000);
    a.questions.DodajPytaniebhp(std::string(300, 'q'));
    a.questions.setAnswer(0, "TAKTAK");
    Assessment back = roundTrip(a);
    EXPECT_EQ(back.questions[0].text, std::string(255 - 3, 'q')); // "1. " takes three
    EXPECT_EQ(back.questions[0].answer, "TAK");
}
