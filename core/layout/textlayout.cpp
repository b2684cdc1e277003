// Breaking text into lines and placing the lines in a rectangle.
#include "core/layout/textlayout.h"

#include <algorithm>

#include "core/base/text.h"

namespace tarnik {

namespace {

// The length of the longest start of `word` that fits maxWidth, never less than its first
// character (a UTF-8 sequence is never cut).
std::size_t fittingPrefix(std::string_view word, int maxWidth, const TextMeasure& measure) {
    const std::vector<std::size_t> ends = utf8CharacterEnds(word);
    std::size_t lo = 0;
    std::size_t hi = ends.size() - 1;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        if (measure.textWidth(word.substr(0, ends[mid])) <= maxWidth)
            lo = mid;
        else
            hi = mid - 1;
    }
    return ends[lo];
}

// Breaks one paragraph (no line breaks in it) into lines of at most maxWidth.
void wrapParagraph(std::string_view para, int maxWidth, const TextMeasure& measure,
                   std::vector<TextLine>& lines) {
    if (para.empty()) {
        lines.push_back({para, 0});
        return;
    }
    const std::size_t len = para.size();
    std::vector<std::size_t> ends; // the word ends taken into the current line
    std::size_t start = 0;
    while (start < len) {
        // Take pieces "blanks + word" while the line fits; the first piece is always taken.
        ends.clear();
        int width = 0;
        std::size_t i = start;
        while (i < len) {
            const std::size_t pieceStart = i;
            while (i < len && para[i] == ' ')
                ++i;
            while (i < len && para[i] != ' ')
                ++i;
            const int pieceW = measure.textWidth(para.substr(pieceStart, i - pieceStart));
            if (!ends.empty() && width + pieceW > maxWidth) break;
            if (ends.empty() && pieceW > maxWidth) {
                // A word wider than the whole line is cut where the line ends and goes on in
                // the next line, so that none of it falls off the edge.
                const std::size_t cut =
                    start + fittingPrefix(para.substr(start, i - start), maxWidth, measure);
                width = measure.textWidth(para.substr(start, cut - start));
                ends.push_back(cut);
                break;
            }
            width += pieceW;
            ends.push_back(i);
        }
        // The pieces' widths, each rounded, may add up to less than the measured line (or a
        // font may kern across a blank): the whole line decides, giving back words while it is
        // too wide.
        const auto lineAt = [&](std::size_t end) { return para.substr(start, end - start); };
        int lineWidth = ends.size() == 1 ? width : measure.textWidth(lineAt(ends.back()));
        while (lineWidth > maxWidth && ends.size() > 1) {
            ends.pop_back();
            lineWidth = measure.textWidth(lineAt(ends.back()));
        }
        const std::string_view line = para.substr(start, ends.back() - start);
        lines.push_back({line, lineWidth});
        start = ends.back();
        while (start < len && para[start] == ' ')
            ++start;
    }
}

} // namespace

std::vector<TextLine> breakLines(std::string_view text, int maxWidth, bool wordWrap,
                                 const TextMeasure& measure) {
    std::vector<TextLine> lines;
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t end = pos;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::string_view para = text.substr(pos, end - pos);
        if (wordWrap)
            wrapParagraph(para, maxWidth, measure, lines);
        else
            lines.push_back({para, measure.textWidth(para)});
        if (end < n) {
            end += (text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1;
            // A break at the very end still ends a line: an empty one follows it.
            if (end == n) lines.push_back({text.substr(n), 0});
        }
        pos = end;
    }
    return lines;
}

TextLayout layoutText(std::string_view text, const Rect& r, unsigned format,
                      const TextMeasure& measure) {
    TextLayout layout;
    const std::vector<TextLine> lines =
        breakLines(text, r.width(), (format & kTextWordBreak) != 0, measure);
    if (lines.empty()) return layout;
    const int lineHeight = measure.lineHeight();
    layout.height = lineHeight * static_cast<int>(lines.size());
    int y = r.top;
    if (format & kTextBottom) y = std::max(r.top, r.bottom - layout.height);
    layout.lines.reserve(lines.size());
    for (const TextLine& line : lines) {
        layout.width = std::max(layout.width, line.width);
        int x = r.left;
        if (line.width < r.width()) {
            if (format & kTextCenter)
                x = r.left + (r.width() - line.width) / 2;
            else if (format & kTextRight)
                x = r.right - line.width;
        }
        layout.lines.push_back({line.text, x, y, line.width});
        y += lineHeight;
    }
    return layout;
}

int runDrawText(std::string_view text, Rect& r, unsigned format, const TextMeasure& measure,
                const std::function<void(const PlacedLine&)>& paintLine) {
    const TextLayout layout = layoutText(text, r, format, measure);
    if (format & kTextCalcRect) {
        r.bottom = r.top + layout.height;
        r.right = r.left + layout.width;
        return layout.height;
    }
    for (const PlacedLine& line : layout.lines)
        paintLine(line);
    return layout.height;
}

} // namespace tarnik
