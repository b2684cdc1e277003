// The data files shipped beside the program: each reads without error and holds what the
// program relies on.
#include "core/base/collation.h"
#include "core/base/cp1250.h"
#include "core/base/text.h"
#include "core/base/textfile.h"
#include "core/rules/checklist/checklist.h"
#include "core/rules/factors/catalogues.h"
#include "core/rules/reflists/reflists.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>

using namespace tarnik;
namespace fs = std::filesystem;

namespace {

// The five bytes that Windows-1250 leaves undefined.
constexpr unsigned char kUndefinedBytes[] = {0x81, 0x83, 0x88, 0x90, 0x98};

// The folder of the shipped data (ctest sets TARNIK_DATA_DIR); empty when it is not set.
fs::path dataDir() {
    const char* dir = std::getenv("TARNIK_DATA_DIR");
    return dir && *dir ? fs::path(dir) : fs::path();
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(dataDir().empty())
            << "TARNIK_DATA_DIR is not set: the test runner gives the shipped data folder";
    }
};

// Windows-1250 text with CR LF after every line, no stray CR or LF, no byte the code page leaves
// undefined, no control character, no 0x1A.
void expectCleanTextFile(const fs::path& path) {
    SCOPED_TRACE(path.string());
    const std::string bytes = test_support::readBytes(path);
    ASSERT_FALSE(bytes.empty());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
        } else if (b == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        } else {
            EXPECT_GE(b, 0x20) << "control byte at " << i;
            for (unsigned char undefined : kUndefinedBytes)
                EXPECT_NE(b, undefined) << "undefined byte at " << i;
        }
    }
}

// The order of a catalogue: Polish alphabetical order without regard to case, with a leading
// locant of a chemical name ("1,2-", "4,4'-", "N,N-", "n-", "o-") left aside, as the list of
// exposure limits orders its substances ("1,2-dichloroetan" among the "d").
bool listedBefore(const std::string& a, const std::string& b) {
    static const std::regex locant(R"(^(?:(?:\d+'?(?:,\d+'?)*|[nNop](?:,[nN])*)-)+)");
    auto key = [](const std::string& s) { return std::regex_replace(s, locant, ""); };
    int c = comparePolish(key(a), key(b), CaseMode::Insensitive);
    if (c == 0) c = comparePolish(a, b, CaseMode::Insensitive);
    return c < 0;
}

} // namespace

TEST_F(ShippedData, AllFilesAreCleanWindows1250) {
    for (const char* name : {"chemiczne.txt", "pyly.txt", "fizyczne.txt", "biologiczne.txt",
                             "uciazliwe.txt", "pytania.txt", "podpowiedzi.txt", "edytor.txt"})
        expectCleanTextFile(dataDir() / name);
}

TEST_F(ShippedData, CataloguesLoadWithDistinctNamesInPolishOrder) {
    Assessment a(38153);
    loadQuestionsAndCatalogues(dataDir(), a, QuestionLines::CutTo255, 38153);
    // Enough to work with: the chemical substances of the exposure-limit list, the dusts and
    // the usual physical, biological and onerous factors.
    const std::size_t atLeast[kCatalogueCount] = {150, 30, 30, 30, 30};
    for (int group = 0; group < kCatalogueCount; ++group) {
        SCOPED_TRACE(kCatalogueFileNames[static_cast<std::size_t>(group)]);
        const FactorList& list = a.factorList(group);
        EXPECT_GE(list.size(), atLeast[group]);
        std::set<std::string> names;
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_TRUE(listedBefore(list[i - 1].text, list[i].text))
                << list[i - 1].text << " before " << list[i].text;
        for (const FactorEntry& e : list) {
            EXPECT_TRUE(names.insert(e.text).second) << "twice: " << e.text;
            EXPECT_EQ(e.text, trim(e.text)) << "blanks around: " << e.text;
            EXPECT_LE(utf8Length(e.text), 255u);
            if (group != 2) {
                EXPECT_EQ(e.record->factorGroup, group + 1) << e.text;
            }
        }
    }
    // The lighting and electric-current factors of the physical catalogue.
    std::set<std::string> special;
    for (const FactorEntry& e : a.LB503)
        if (e.record->factorGroup != kPhysical) special.insert(e.text);
    EXPECT_EQ(special, (std::set<std::string>{"oświetlenie - natężenie",
                                              "oświetlenie - równomierność", "prąd elektryczny"}));
}

TEST_F(ShippedData, QuestionsWithProtectiveEquipmentAt34To38) {
    Checklist c;
    const std::size_t count =
        loadQuestions(c, dataDir() / kQuestionsFileName, QuestionLines::CutTo255);
    EXPECT_GE(count, 40u);
    EXPECT_LE(count, 60u);
    for (std::size_t n = 1; n <= count; ++n) {
        const std::string& text = c[n - 1].text;
        SCOPED_TRACE(c.label(n - 1));
        EXPECT_FALSE(trim(text).empty());
        EXPECT_EQ(text.rfind("Czy ", 0), 0u);
        EXPECT_EQ(text.back(), '?');
        EXPECT_LE(utf8Length(c.label(n - 1)), 255u); // stored whole in an assessment file
        const bool aboutUse = text.find("stosują środki ochrony") != std::string::npos;
        EXPECT_EQ(aboutUse, n >= 34 && n <= 38);
    }
}

TEST_F(ShippedData, ReferenceListsReadAndWriteBackUnchanged) {
    ReferenceLists lists;
    ASSERT_TRUE(readReferenceLists(dataDir() / kReferenceListsFileName, lists));
    for (int i = 0; i < kRefListCount; ++i) {
        EXPECT_GE(lists[i].rowCount(), 1u) << refListInfo(i).header;
        for (std::size_t r = 0; r < lists[i].rowCount(); ++r)
            for (int c = 0; c < lists[i].columnCount(); ++c)
                EXPECT_NE(trim(lists[i].cell(c, r)), "") << refListInfo(i).header;
    }
    EXPECT_EQ(referenceListLines(lists),
              readTextLines(dataDir() / kReferenceListsFileName, LineBreaks::CrOrLf));
}

TEST_F(ShippedData, EditorHelpText) {
    const auto lines = readTextLines(dataDir() / kEditorHelpFileName, LineBreaks::CrThenLf);
    EXPECT_GE(lines.size(), 10u);
    std::string all;
    for (const auto& line : lines)
        all += line + "\n";
    EXPECT_NE(all.find("Zapisz"), std::string::npos);
    EXPECT_NE(all.find("34"), std::string::npos);
}
