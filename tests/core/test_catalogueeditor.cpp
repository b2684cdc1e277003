// The catalogue editor's session: its three states, the question before a modified text is given
// up, the refusal of an empty file, the characters that Windows-1250 cannot hold, and files that
// cannot be read or written.
#include "core/base/errors.h"
#include "core/rules/factors/editorsession.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <deque>

using namespace tarnik;
using tarnik::test_support::readBytes;
using tarnik::test_support::ScratchFolder;

namespace {

// The window as the session sees it: the text, its modified flag, and scripted answers.
class FakeView : public EditorView {
public:
    std::string shown;
    bool modified = false;
    std::deque<bool> answers;        // askSaveChanges
    std::deque<bool> lackingAnswers; // acceptLackingCharacters
    std::vector<std::string> asked;  // what was asked or told, in order

    std::string text() const override { return shown; }
    void showText(const std::string& t) override {
        shown = t;
        modified = false;
    }
    bool isModified() const override { return modified; }
    void setModified(bool m) override { modified = m; }
    bool askSaveChanges() override {
        asked.push_back("save?");
        return take(answers);
    }
    void tellEmptyFile() override { asked.push_back("empty"); }
    bool acceptLackingCharacters(const std::string& chars) override {
        asked.push_back("lacking " + chars);
        return take(lackingAnswers);
    }
    void type(const std::string& t) {
        shown = t;
        modified = true;
    }

private:
    static bool take(std::deque<bool>& q) {
        if (q.empty()) return false;
        const bool b = q.front();
        q.pop_front();
        return b;
    }
};

constexpr int kChemicalItem = 0;
constexpr int kDustItem = 1;
constexpr int kQuestionsItem = 5;

struct EditorFixture : ::testing::Test {
    ScratchFolder dir;
    FakeView view;
    CatalogueEditorSession session{dir.path(), view};

    void SetUp() override {
        dir.putText("edytor.txt", "Pomoc edytora\r\nWybierz plik z listy.\r\n");
        dir.putText("chemiczne.txt", "aceton\r\nbenzen\r\n");
        dir.putText("pyly.txt", "pył mąki\r\n");
        dir.putText("pytania.txt", "Czy przejścia są wolne?\r\n\r\nCzy maszyny mają osłony?\r\n");
    }
};

} // namespace

TEST(EditorText, LinesRoundTripThroughTheEditor) {
    ScratchFolder dir;
    // Every kind of line end reads as one line break; a trailing empty line stays a line.
    dir.putBytes("a.txt", "jeden\r\ndwa\rtrzy\ncztery\r\n\r\n");
    const std::string text = readEditorText(dir / "a.txt");
    EXPECT_EQ(text, "jeden\ndwa\ntrzy\ncztery\n");
    EXPECT_EQ(editorTextLines(text),
              (std::vector<std::string>{"jeden", "dwa", "trzy", "cztery", ""}));
    EXPECT_TRUE(editorTextLines("").empty());
    EXPECT_EQ(editorTextLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_THROW(readEditorText(dir / "brak.txt"), FileError);
}

TEST(EditorText, CharactersThatWindows1250Lacks) {
    EXPECT_EQ(charactersLackingInCp1250("Zażółć gęślą jaźń – „cytat” €"), "");
    // Each lacking character once, in the order of first appearance.
    EXPECT_EQ(charactersLackingInCp1250("α-amylaza, β-karoten, α-pinen ✓"), "αβ✓");
    const std::string q = lackingCharactersQuestion("αβ");
    EXPECT_NE(q.find("α β"), std::string::npos);
    EXPECT_NE(q.find("„?”"), std::string::npos);
}

TEST_F(EditorFixture, StartsWithTheHelpTextAndEditingDisabled) {
    session.start();
    EXPECT_EQ(session.state(), EditorState::Initial);
    EXPECT_FALSE(session.editingEnabled());
    EXPECT_EQ(view.shown, "Pomoc edytora\nWybierz plik z listy.");
    EXPECT_EQ(session.currentItem(), -1);
    // "Zapisz" does nothing while no file is open.
    EXPECT_FALSE(session.save());
    EXPECT_TRUE(session.close());
    EXPECT_TRUE(view.asked.empty());
}

TEST_F(EditorFixture, AMissingHelpTextLeavesTheTextEmpty) {
    std::filesystem::remove(dir / "edytor.txt");
    view.shown = "stary tekst";
    EXPECT_THROW(session.start(), FileError);
    EXPECT_EQ(view.shown, "");
    EXPECT_EQ(session.state(), EditorState::Initial);
}

TEST_F(EditorFixture, ChoosingOpensTheFileAndTypingModifiesIt) {
    session.start();
    ASSERT_TRUE(session.choose(kQuestionsItem));
    EXPECT_EQ(session.state(), EditorState::FileOpen);
    EXPECT_EQ(session.currentPath(), dir / "pytania.txt");
    EXPECT_EQ(view.shown, "Czy przejścia są wolne?\n\nCzy maszyny mają osłony?");
    view.type(view.shown + "\nCzy jest apteczka?");
    EXPECT_EQ(session.state(), EditorState::Modified);
    ASSERT_TRUE(session.save());
    EXPECT_EQ(session.state(), EditorState::FileOpen);
    // Windows-1250, CR LF after every line; the empty question stays a line.
    EXPECT_EQ(readBytes(dir / "pytania.txt"),
              utf8ToCp1250("Czy przejścia są wolne?\r\n\r\nCzy maszyny mają osłony?\r\n"
                           "Czy jest apteczka?\r\n"));
    // Choosing an item that is not in the list changes nothing.
    EXPECT_FALSE(session.choose(6));
    EXPECT_EQ(session.currentItem(), kQuestionsItem);
}

TEST_F(EditorFixture, ModifiedTextAsksBeforeAnotherFileIsChosen) {
    session.start();
    session.choose(kChemicalItem);
    // No: the changes are dropped, the file stays as it was.
    view.type("aceton\nbenzen\ntoluen");
    view.answers = {false};
    ASSERT_TRUE(session.choose(kDustItem));
    EXPECT_EQ(view.asked, (std::vector<std::string>{"save?"}));
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "aceton\r\nbenzen\r\n");
    EXPECT_EQ(view.shown, "pył mąki");
    // Yes: saved first, then the other file.
    view.type("pył mąki\npył zbóż");
    view.answers = {true};
    ASSERT_TRUE(session.choose(kChemicalItem));
    EXPECT_EQ(readBytes(dir / "pyly.txt"), utf8ToCp1250("pył mąki\r\npył zbóż\r\n"));
    EXPECT_EQ(session.currentItem(), kChemicalItem);
    // An unmodified text asks nothing.
    view.asked.clear();
    ASSERT_TRUE(session.choose(kDustItem));
    EXPECT_TRUE(view.asked.empty());
}

TEST_F(EditorFixture, AnEmptyTextIsSavedNeitherByZapiszNorByZamknij) {
    session.start();
    session.choose(kDustItem);
    view.type("");
    EXPECT_FALSE(session.save());
    EXPECT_EQ(view.asked, (std::vector<std::string>{"empty"}));
    EXPECT_EQ(readBytes(dir / "pyly.txt"), utf8ToCp1250("pył mąki\r\n"));
    EXPECT_EQ(session.state(), EditorState::Modified);

    // Choosing another item with Yes: the save is refused, so the old file stays open.
    view.asked.clear();
    view.answers = {true};
    EXPECT_FALSE(session.choose(kChemicalItem));
    EXPECT_EQ(view.asked, (std::vector<std::string>{"save?", "empty"}));
    EXPECT_EQ(session.currentItem(), kDustItem);
    EXPECT_EQ(session.state(), EditorState::Modified);

    // "Zamknij" with Yes refuses it as "Zapisz" does: the window stays open with the text.
    view.asked.clear();
    view.answers = {true};
    EXPECT_FALSE(session.close());
    EXPECT_EQ(view.asked, (std::vector<std::string>{"save?", "empty"}));
    EXPECT_EQ(readBytes(dir / "pyly.txt"), utf8ToCp1250("pył mąki\r\n"));
    EXPECT_EQ(view.shown, "");
    EXPECT_EQ(session.state(), EditorState::Modified);
    // A text of line breaks only is no empty text: it is written as it stands.
    view.type("\n");
    view.answers = {true};
    EXPECT_TRUE(session.close());
    EXPECT_EQ(readBytes(dir / "pyly.txt"), "\r\n\r\n");
    EXPECT_EQ(session.state(), EditorState::FileOpen);
}

TEST_F(EditorFixture, ZamknijAsksOnlyForAModifiedText) {
    session.start();
    session.choose(kChemicalItem);
    EXPECT_TRUE(session.close());
    EXPECT_TRUE(view.asked.empty());
    // No: closes, nothing written, the text keeps its changes for the next showing.
    view.type("aceton");
    view.answers = {false};
    EXPECT_TRUE(session.close());
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "aceton\r\nbenzen\r\n");
    EXPECT_EQ(session.state(), EditorState::Modified);
}

TEST_F(EditorFixture, LackingCharactersAreAnnouncedBeforeTheWrite) {
    session.start();
    session.choose(kChemicalItem);
    view.type("aceton\nα-pinen");
    // No: nothing written, the text stays modified, the window does not close.
    view.lackingAnswers = {false};
    EXPECT_FALSE(session.save());
    EXPECT_EQ(view.asked, (std::vector<std::string>{"lacking α"}));
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "aceton\r\nbenzen\r\n");
    EXPECT_EQ(session.state(), EditorState::Modified);
    view.answers = {true};
    view.lackingAnswers = {false};
    EXPECT_FALSE(session.close());
    // Yes: written with "?".
    view.lackingAnswers = {true};
    EXPECT_TRUE(session.save());
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "aceton\r\n?-pinen\r\n");
}

TEST_F(EditorFixture, AFileThatCannotBeReadLeavesTheOldOneOpen) {
    session.start();
    session.choose(kChemicalItem);
    view.type("aceton\nbenzen\nfenol");
    std::filesystem::remove(dir / "pyly.txt");
    view.answers = {false};
    EXPECT_THROW(session.choose(kDustItem), FileError);
    EXPECT_EQ(session.currentItem(), kChemicalItem);
    EXPECT_EQ(session.currentPath(), dir / "chemiczne.txt");
    EXPECT_EQ(view.shown, "aceton\nbenzen\nfenol");
    // Saving now writes the text where it came from, never into the other file.
    EXPECT_TRUE(session.save());
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "aceton\r\nbenzen\r\nfenol\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "pyly.txt"));
}

TEST_F(EditorFixture, AFailedWriteKeepsTheOldFileAndTheTextModified) {
    session.start();
    session.choose(kChemicalItem);
    // The file's place is taken by a folder that cannot be replaced by a file.
    std::filesystem::remove(dir / "chemiczne.txt");
    std::filesystem::create_directory(dir / "chemiczne.txt");
    std::filesystem::create_directory(dir / "chemiczne.txt" / "zajęte");
    view.type("aceton\ntoluen");
    EXPECT_THROW(session.save(), FileError);
    EXPECT_EQ(session.state(), EditorState::Modified);
    view.answers = {true};
    EXPECT_THROW(session.close(), FileError);
    EXPECT_EQ(session.state(), EditorState::Modified);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "chemiczne.txt"));
}
