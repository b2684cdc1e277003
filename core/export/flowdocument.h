#pragma once
// The report as a flowing document for word processors: the laid-out report (the same pages the
// printer gets) read back into paragraphs, tables, pictures and rules in reading order, with the
// page breaks the report asks for, the groups it keeps together, its headings and its styles, in
// millimetres and points instead of printer pixels.
//
// The page parts of a table that the report repeats its column headings over are joined back into
// one table whose heading rows repeat on every page; breaks that only came from a full page are
// dropped, so the word processor lays the pages out itself. The DOCX and ODT writers
// (core/export/docx.h, core/export/odt.h) turn the result into the documents' XML.
#include <string>
#include <variant>
#include <vector>

#include "core/layout/canvas.h"

namespace tarnik {

class TDoc;
class ChartModel;

enum class FlowAlign { Left, Centre, Right };

// A named paragraph style: one per style of the report that the document uses, in the report's
// order. spaceBeforePt is the empty room a paragraph leaves above its text.
struct FlowStyle {
    std::string name; // the report's name ("Normal", "Header", "TableLeft", ...)
    FontSpec font;    // face, size in points, colour, bold
    FlowAlign align = FlowAlign::Left;
    bool wrap = true; // false: one line that the word processor must not break
    double spaceBeforePt = 0;
};

// A paragraph. Lines of the text are separated by "\n" (each a line break inside the paragraph);
// a text that is only blanks prints as an empty paragraph of its style's height.
struct FlowParagraph {
    std::string style;
    std::string text;
    // 0 for body text; 1 for a section heading, 2 for a heading within a section.
    int outlineLevel = 0;
    // Leading and trailing line breaks of a heading, kept as empty lines above and below it.
    int blankLinesBefore = 0;
    int blankLinesAfter = 0;
    bool keepWithNext = false;
    bool pageBreakBefore = false;
    // A horizontal rule under the paragraph's last line.
    bool ruleBelow = false;
};

struct FlowMargins {
    double left = 0, top = 0, right = 0, bottom = 0; // millimetres
};

struct FlowCell {
    FlowParagraph paragraph; // its style, text, no heading level, no page break
    bool border = false;     // a thin black frame round the cell
    bool alignBottom = false;
    // Columns the cell spans (1 for an ordinary cell).
    int span = 1;
    // Further paragraphs of the cell, under the first (the register's title block stacks four
    // texts in each of its columns).
    std::vector<FlowParagraph> more;
};

struct FlowRow {
    std::vector<FlowCell> cells;
};

// A table: its column widths, the inner margins of its cells, the rows, how many of the first
// rows are the heading that repeats on every page the table goes on to, and whether the whole
// table stays on one page. No row is ever split across pages.
struct FlowTable {
    std::vector<double> columnsMm;
    FlowMargins cellMarginsMm;
    std::vector<FlowRow> rows;
    int headerRows = 0;
    bool keepTogether = false;
    bool keepWithNext = false; // stays on the page of what follows it
    bool pageBreakBefore = false;
};

// A chart picture of the given size; `index` numbers the pictures of the document from 1 in
// reading order (the writers name the picture files after it: pictureFileName).
struct FlowPicture {
    const ChartModel* chart = nullptr;
    std::string fontFace; // the face of the chart's texts
    double widthMm = 0;
    double heightMm = 0;
    int index = 0;
    bool keepWithNext = false;
    bool pageBreakBefore = false;
};

using FlowBlock = std::variant<FlowParagraph, FlowTable, FlowPicture>;

// The document's properties, written into the file's metadata.
struct FlowProperties {
    std::string title;
    std::string author;
    std::string subject;
    std::string created; // "YYYY-MM-DDThh:mm:ssZ", empty: left out
};

struct FlowDocument {
    double pageWidthMm = 210;
    double pageHeightMm = 297;
    FlowMargins marginsMm; // of the body text
    // The running header: headerBefore, the page number as a field, headerAfter, in headerStyle,
    // with a rule under it; not on the first page when headerOnFirstPage is false.
    std::string headerBefore;
    std::string headerAfter;
    std::string headerStyle;
    bool headerOnFirstPage = true;
    // The face every style names, and the face a word processor takes when it lacks it.
    std::string fontFace;
    std::string fallbackFontFace = "Liberation Sans";
    std::vector<FlowStyle> styles;
    std::vector<FlowBlock> blocks;
    FlowProperties properties;

    const FlowStyle* findStyle(const std::string& name) const;
    // The pictures in reading order (FlowPicture::index is their place plus one).
    std::vector<const FlowPicture*> pictures() const;
};

// The file name of picture `index` inside the document's container, without its folder
// ("wykres1.png").
std::string pictureFileName(int index);

// Reads a laid-out report back into a flowing document.
FlowDocument flowDocument(const TDoc& doc);

} // namespace tarnik
