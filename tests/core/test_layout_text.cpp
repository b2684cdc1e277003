// Line breaking and placing of text, shared by the test canvas and the printer canvas.
#include "core/layout/textlayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/text.h"

using namespace tarnik;

namespace {

// Every character 10 px wide, lines 20 px high.
class FixedMeasure : public TextMeasure {
public:
    int textWidth(std::string_view text) const override {
        ++calls;
        return 10 * static_cast<int>(utf8Length(text));
    }
    int lineHeight() const override { return 20; }
    mutable int calls = 0;
};

std::vector<std::string> texts(const std::vector<TextLine>& lines) {
    std::vector<std::string> out;
    for (const TextLine& l : lines)
        out.emplace_back(l.text);
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextBreaking, WrapsAtTheLastBlankThatFitsAndDropsTheBlanksThere) {
    const FixedMeasure m;
    // "ala ma kota" is 110 px: at 100 px "kota" goes down, at 110 it fits.
    EXPECT_EQ(texts(breakLines("ala ma kota", 100, true, m)), (Lines{"ala ma", "kota"}));
    EXPECT_EQ(texts(breakLines("ala ma kota", 110, true, m)), (Lines{"ala ma kota"}));
    // Several blanks at a break all disappear; the leading blanks of a paragraph stay.
    EXPECT_EQ(texts(breakLines("  ala    ma", 60, true, m)), (Lines{"  ala", "ma"}));
    // Blanks that end a paragraph do not make a line of their own.
    EXPECT_EQ(texts(breakLines("ala   ", 30, true, m)), (Lines{"ala"}));
    // A text of blanks alone is one line.
    EXPECT_EQ(texts(breakLines(" ", 100, true, m)), (Lines{" "}));
    // Widths are those of the printed pieces.
    const std::vector<TextLine> lines = breakLines("ala ma kota", 100, true, m);
    EXPECT_EQ(lines[0].width, 60);
    EXPECT_EQ(lines[1].width, 40);
}

TEST(TextBreaking, AWordLongerThanTheLineIsCutAtTheLinesEnd) {
    const FixedMeasure m;
    // 32 characters at 10 px over lines of 100 px: ten characters a line, the rest goes on and
    // the next word joins the last piece when it fits.
    const std::vector<TextLine> lines =
        breakLines("a konstantynopolitańczykowianeczka b", 100, true, m);
    EXPECT_EQ(texts(lines), (Lines{"a", "konstantyn", "opolitańcz", "ykowianecz", "ka b"}));
    for (const TextLine& line : lines)
        EXPECT_LE(line.width, 100) << line.text;
    // A word exactly as wide as the line stays whole; one character more is cut.
    EXPECT_EQ(texts(breakLines("abcdefghij", 100, true, m)), (Lines{"abcdefghij"}));
    EXPECT_EQ(texts(breakLines("abcdefghijk", 100, true, m)), (Lines{"abcdefghij", "k"}));
    // A cut never falls inside a letter of two bytes.
    EXPECT_EQ(texts(breakLines("żółćżółć", 30, true, m)), (Lines{"żół", "ćżó", "łć"}));
    // Even a zero width gives one character per line and never loops.
    EXPECT_EQ(texts(breakLines("x yz", 0, true, m)), (Lines{"x", "y", "z"}));
    // Without word wrap nothing is cut.
    EXPECT_EQ(texts(breakLines("abcdefghijk", 100, false, m)), (Lines{"abcdefghijk"}));
}

TEST(TextBreaking, ExplicitLineBreaksAlwaysBreak) {
    const FixedMeasure m;
    // Without word wrap only the breaks in the text split it, whatever the width.
    EXPECT_EQ(texts(breakLines("jeden dwa\r\ntrzy", 10, false, m)), (Lines{"jeden dwa", "trzy"}));
    // CR LF, a lone LF and a lone CR each break once; empty lines between breaks count.
    EXPECT_EQ(texts(breakLines("a\r\n\r\nb\nc\rd", 100, true, m)), (Lines{"a", "", "b", "c", "d"}));
    // A break at the very end ends a line too: an empty line follows it (a heading keeps the
    // blank line under it, a name followed by a break is two lines high); nothing is nothing.
    EXPECT_EQ(texts(breakLines("Nagłówek\r\n", 200, true, m)), (Lines{"Nagłówek", ""}));
    EXPECT_EQ(texts(breakLines("Nagłówek", 200, true, m)), (Lines{"Nagłówek"}));
    EXPECT_EQ(texts(breakLines("\r\n", 200, true, m)), (Lines{"", ""}));
    EXPECT_EQ(texts(breakLines("\r\nx\r\n", 200, true, m)), (Lines{"", "x", ""}));
    EXPECT_EQ(texts(breakLines("x\n", 200, false, m)), (Lines{"x", ""}));
    EXPECT_TRUE(breakLines("", 200, true, m).empty());
}

TEST(TextBreaking, TheWholeLineDecidesWhereTheFontKernsAcrossBlanks) {
    // A font whose line with two blanks is 15 px wider than its pieces add up to: the pieces of
    // "aa bb cc" make 80 px, the line measures 95, so at 85 px the line gives back a word.
    class LooseMeasure : public FixedMeasure {
    public:
        int textWidth(std::string_view text) const override {
            const int w = FixedMeasure::textWidth(text);
            int blanks = 0;
            for (char c : text)
                blanks += c == ' ';
            return w + (blanks > 1 ? 15 : 0);
        }
    } loose;
    const std::vector<TextLine> given = breakLines("aa bb cc", 85, true, loose);
    EXPECT_EQ(texts(given), (Lines{"aa bb", "cc"}));
    EXPECT_EQ(given[0].width, 50);
    EXPECT_EQ(texts(breakLines("aa bb cc", 95, true, loose)), (Lines{"aa bb cc"}));
}

TEST(TextLayoutPlacing, AlignsEveryLineAndTheBlock) {
    const FixedMeasure m;
    const Rect r{100, 50, 300, 250}; // 200 wide, 200 high
    TextLayout l = layoutText("abcd\r\nab", r, kTextWordBreak, m);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.height, 40);
    EXPECT_EQ(l.width, 40);
    EXPECT_EQ(l.lines[0].x, 100);
    EXPECT_EQ(l.lines[0].y, 50);
    EXPECT_EQ(l.lines[1].y, 70);

    l = layoutText("abcd\r\nab", r, kTextWordBreak | kTextCenter, m);
    EXPECT_EQ(l.lines[0].x, 180); // (200 - 40) / 2
    EXPECT_EQ(l.lines[1].x, 190);

    l = layoutText("abcd\r\nab", r, kTextWordBreak | kTextRight, m);
    EXPECT_EQ(l.lines[0].x, 260);
    EXPECT_EQ(l.lines[1].x, 280);

    l = layoutText("abcd\r\nab", r, kTextWordBreak | kTextCenter | kTextBottom, m);
    EXPECT_EQ(l.lines[0].y, 210);
    EXPECT_EQ(l.lines[1].y, 230);
    // A block taller than the box starts at its top, never above it.
    l = layoutText("a\r\nb\r\nc", Rect{0, 10, 50, 30}, kTextBottom, m);
    EXPECT_EQ(l.lines[0].y, 10);

    // A line wider than the box (only without word wrap) starts at its left edge whatever the
    // alignment.
    l = layoutText("abcdefghijklmnopqrstuvwxyz", r, kTextCenter, m);
    EXPECT_EQ(l.lines[0].x, 100);
    EXPECT_EQ(l.width, 260);
}

TEST(TextLayoutPlacing, MeasuringSetsTheExtentAndPaintsNothing) {
    const FixedMeasure m;
    Rect r{10, 20, 110, 21};
    int painted = 0;
    const auto paint = [&](const PlacedLine&) { ++painted; };
    EXPECT_EQ(runDrawText("ala ma kota", r, kTextWordBreak | kTextCalcRect, m, paint), 40);
    EXPECT_EQ(r, (Rect{10, 20, 70, 60})); // bottom under the last line, right at the widest
    EXPECT_EQ(painted, 0);

    Rect empty{10, 20, 110, 500};
    EXPECT_EQ(runDrawText("", empty, kTextWordBreak | kTextCalcRect, m, paint), 0);
    EXPECT_EQ(empty, (Rect{10, 20, 10, 20}));

    Rect box{10, 20, 110, 60};
    EXPECT_EQ(runDrawText("ala ma kota", box, kTextWordBreak, m, paint), 40);
    EXPECT_EQ(painted, 2);
    EXPECT_EQ(box, (Rect{10, 20, 110, 60})); // drawing leaves the box alone
}
