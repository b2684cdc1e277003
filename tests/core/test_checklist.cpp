#include "core/base/errors.h"
#include "core/base/text.h"
#include "core/rules/checklist/checklist.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::ScratchFolder;

TEST(ChecklistFile, EveryLineIsAQuestionTheEmptyOneToo) {
    ScratchFolder dir;
    dir.putText("pytania.txt", "Czy jest instrukcja?\r\n\r\nCzy są osłony?\r\n");
    Checklist c;
    c.DodajPytaniebhp("stare");
    EXPECT_EQ(loadQuestions(c, dir / "pytania.txt", QuestionLines::Whole), 3u);
    EXPECT_EQ(c.label(0), "1. Czy jest instrukcja?");
    EXPECT_EQ(c.label(1), "2. ");
    EXPECT_EQ(c.label(2), "3. Czy są osłony?");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(c[i].answer, "");
}

// A questions file saved by another editor: LF or lone CR end a line as CR LF does, the last
// line may lack its ending, and a byte 0x1A still ends the file.
TEST(ChecklistFile, AnyLineEndsGiveTheSameQuestions) {
    for (const char* text :
         {"Czy jest instrukcja?\n\nCzy są osłony?\n", "Czy jest instrukcja?\r\rCzy są osłony?",
          "Czy jest instrukcja?\r\n\nCzy są osłony?\r\n\x1A"
          "Czy to?\r\n"}) {
        ScratchFolder dir;
        dir.putText("pytania.txt", text);
        Checklist c;
        EXPECT_EQ(loadQuestions(c, dir / "pytania.txt", QuestionLines::Whole), 3u) << text;
        EXPECT_EQ(c.label(0), "1. Czy jest instrukcja?");
        EXPECT_EQ(c.label(1), "2. ");
        EXPECT_EQ(c.label(2), "3. Czy są osłony?");
    }
}

TEST(ChecklistFile, LongLinesCutOnlyAtStartUp) {
    ScratchFolder dir;
    std::string line;
    for (int i = 0; i < 300; ++i)
        line += "ś";
    dir.putText("pytania.txt", line + "\r\n");
    Checklist c;
    loadQuestions(c, dir / "pytania.txt", QuestionLines::CutTo255);
    EXPECT_EQ(c[0].text, utf8Left(line, 255));
    loadQuestions(c, dir / "pytania.txt", QuestionLines::Whole);
    ASSERT_EQ(c.questionCount(), 1u);
    EXPECT_EQ(c[0].text, line);
    // Stored: the label cut to 255, without its number.
    EXPECT_EQ(c.storedText(0), utf8Left(line, 252));
}

TEST(ChecklistFile, MisprintMendedAndEveryQuestionBeyond200Kept) {
    ScratchFolder dir;
    std::string text = "Czy substancje niebezpieczne posiadają pakowania oznakowane?\r\n";
    for (int i = 2; i <= 205; ++i)
        text += "Pytanie " + std::to_string(i) + "\r\n";
    dir.putText("pytania.txt", text);
    Checklist c;
    EXPECT_EQ(loadQuestions(c, dir / "pytania.txt", QuestionLines::CutTo255), 205u);
    EXPECT_EQ(c[0].text, "Czy substancje niebezpieczne posiadają opakowania oznakowane?");
    EXPECT_EQ(c.label(204), "205. Pytanie 205");
}

TEST(ChecklistFile, MissingFileThrowsAndLeavesTheChecklistEmpty) {
    ScratchFolder dir;
    Checklist c;
    c.DodajPytaniebhp("stare");
    EXPECT_THROW(loadQuestions(c, dir / "pytania.txt", QuestionLines::Whole), FileError);
    EXPECT_TRUE(c.empty());
}

TEST(ChecklistAnswers, ClickCyclesAndReverseCycle) {
    Checklist c;
    c.DodajPytaniebhp("Pytanie?");
    EXPECT_EQ(c.stepAnswer(0), "TAK");
    EXPECT_EQ(c.stepAnswer(0), "NIE");
    EXPECT_EQ(c.stepAnswer(0), "");
    EXPECT_EQ(c.stepAnswer(0), "TAK");

    c.setAnswer(0, "");
    EXPECT_EQ(c.stepAnswerBack(0), "NIE");
    EXPECT_EQ(c.stepAnswerBack(0), "TAK");
    EXPECT_EQ(c.stepAnswerBack(0), "");

    // An answer from a damaged file ("tak", "X") starts the cycle again.
    EXPECT_EQ(nextAnswer("tak"), "TAK");
    EXPECT_EQ(nextAnswer("X"), "TAK");
    EXPECT_EQ(previousAnswer("X"), "NIE");
    EXPECT_THROW(c.stepAnswer(1), std::out_of_range);
}

TEST(ChecklistAnswers, TypedQuestionTrimmedEmptyIgnored) {
    Checklist c;
    c.DodajPytaniebhp("Pierwsze?");
    EXPECT_EQ(addTypedQuestion(c, "   "), std::nullopt);
    EXPECT_EQ(addTypedQuestion(c, ""), std::nullopt);
    EXPECT_EQ(c.questionCount(), 1u);
    EXPECT_EQ(addTypedQuestion(c, "  Czy drabiny są sprawne? \t"), std::optional<std::size_t>(1));
    EXPECT_EQ(c.label(1), "2. Czy drabiny są sprawne?");
    EXPECT_EQ(c[1].answer, "");
    addTypedQuestion(c, "Czy substancje niebezpieczne posiadają pakowania?");
    EXPECT_EQ(c[2].text, "Czy substancje niebezpieczne posiadają opakowania?");
}
