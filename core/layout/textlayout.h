#pragma once
// Line breaking and placing of text, shared by every canvas.
//
// The text is broken and placed as the Windows text-drawing call does it, so that the test canvas
// and the printer wrap a text the same way; only the widths of the pieces come from the canvas's
// font.
#include <functional>
#include <string_view>
#include <vector>

#include "core/layout/canvas.h"

namespace tarnik {

// The font metrics a canvas gives the line breaker.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width in device pixels of a piece of one line (UTF-8, no line breaks).
    virtual int textWidth(std::string_view text) const = 0;
    // Height of one line.
    virtual int lineHeight() const = 0;
};

struct TextLine {
    std::string_view text; // a piece of the text given to breakLines
    int width = 0;
};

// Splits the text into the lines it is printed in. CR LF, a lone CR and a lone LF each end a
// line, also at the very end of the text (so "name\r\n" is a line and an empty line: two lines
// high); an empty text has no lines. With wordWrap a line ends at the last blank after which the
// line still fits maxWidth; the blanks at such a break are dropped, the leading blanks of a
// paragraph are kept, and a word wider than the line is cut at the line's end and goes on in the
// next line (between characters, never inside one).
std::vector<TextLine> breakLines(std::string_view text, int maxWidth, bool wordWrap,
                                 const TextMeasure& measure);

struct PlacedLine {
    std::string_view text;
    int x = 0; // left end of the line
    int y = 0; // top of the line
    int width = 0;
};

struct TextLayout {
    int height = 0; // all lines
    int width = 0;  // the widest line
    std::vector<PlacedLine> lines;
};

// Breaks the text for r's width and places every line in r by the format's flags: centred
// (kTextCenter) or right-aligned (kTextRight) lines, the block at the bottom of r
// (kTextBottom, never above r's top). A line wider than r starts at r's left edge.
TextLayout layoutText(std::string_view text, const Rect& r, unsigned format,
                      const TextMeasure& measure);

// The whole text call on top of layoutText, for canvases: with kTextCalcRect it sets r.bottom
// and r.right to the text's extent and paints nothing; otherwise it hands every line to
// paintLine. Returns the height of the text.
int runDrawText(std::string_view text, Rect& r, unsigned format, const TextMeasure& measure,
                const std::function<void(const PlacedLine&)>& paintLine);

} // namespace tarnik
