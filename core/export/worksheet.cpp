#include "core/export/worksheet.h"

#include "core/export/xmltext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/base/text.h"

namespace tarnik::workbook {

namespace {

// 1 March 1900, the first day whose serial every spreadsheet reads alike.
constexpr DayNumber kFirstSerialDay = 61;

// The height of one line of the default font (Calibri 11), in points.
constexpr double kLineHeight = 15.0;
// The height of a line of the title's larger font.
constexpr double kTitleHeight = 18.75;

// Line breaks within a cell are line feeds (CR LF and a lone CR as the editors type them).
std::string withLineFeeds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::string number(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

// The lines a wrapped text takes in a column `width` characters wide, the words of each
// paragraph filling its lines in turn (a word too long for a line is broken). An estimate, one
// character short of the width for the cell's margins: a spreadsheet that measures the rows
// itself may do so on opening.
int wrappedLines(const std::string& text, double width) {
    const auto perLine = static_cast<std::size_t>(std::max(1.0, std::floor(width) - 1));
    int lines = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        int paragraph = 1;
        std::size_t used = 0; // characters on the paragraph's last line
        std::size_t pos = start;
        while (pos < end) {
            const std::size_t blank = std::min(text.find(' ', pos), end);
            const std::size_t word = utf8Length(std::string_view(text).substr(pos, blank - pos));
            if (word > 0) {
                const std::size_t needed = used == 0 ? word : used + 1 + word;
                if (needed <= perLine) {
                    used = needed;
                } else {
                    if (used > 0) ++paragraph;
                    paragraph += static_cast<int>((word - 1) / perLine);
                    used = (word - 1) % perLine + 1;
                }
            }
            pos = blank + 1;
        }
        lines += paragraph;
        if (end == text.size()) break;
        start = end + 1;
    }
    return lines;
}

bool wraps(int style) {
    return style == kStyleText || style == kStyleHeading;
}

std::string cellXml(const Cell& c, int column, int row) {
    std::string out = "<c r=\"" + cellReference(column, row) + "\"";
    if (c.style != kStyleDefault) out += " s=\"" + std::to_string(c.style) + "\"";
    switch (c.kind) {
    case Cell::Kind::Text:
        if (c.text.empty()) return out + "/>";
        return out + " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + xmlText(c.text) +
               "</t></is></c>";
    case Cell::Kind::Empty:
        return out + "/>";
    case Cell::Kind::Number:
        return out + "><v>" + number(c.number) + "</v></c>";
    }
    return out + "/>";
}

} // namespace

std::optional<double> dateSerial(DayNumber day) {
    const DayNumber whole = wholeDay(day);
    if (whole < kFirstSerialDay) return std::nullopt;
    return whole;
}

std::string formatDottedDate(DayNumber day) {
    const CivilDate d = civilFromDayNumber(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buf;
}

std::string columnName(int column) {
    std::string name;
    for (int n = std::max(column, 1); n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::string cellReference(int column, int row) {
    return columnName(column) + std::to_string(row);
}

std::string stylesXml() {
    const std::string frame = "<border><left style=\"thin\"><color auto=\"1\"/></left>"
                              "<right style=\"thin\"><color auto=\"1\"/></right>"
                              "<top style=\"thin\"><color auto=\"1\"/></top>"
                              "<bottom style=\"thin\"><color auto=\"1\"/></bottom><diagonal/>"
                              "</border>";
    const std::string font = "<sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/>"
                             "<charset val=\"238\"/>";
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                    "<styleSheet "
                    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    x += "<numFmts count=\"1\"><numFmt numFmtId=\"" + std::to_string(kDateFormatId) +
         "\" formatCode=\"" + kDateFormatCode + "\"/></numFmts>";
    x += "<fonts count=\"3\"><font>" + font + "</font><font><b/>" + font +
         "</font><font><b/><sz val=\"14\"/><name val=\"Calibri\"/><family val=\"2\"/>"
         "<charset val=\"238\"/></font></fonts>";
    x += "<fills count=\"3\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill>"
         "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FFD9D9D9\"/>"
         "<bgColor indexed=\"64\"/></patternFill></fill></fills>";
    x += "<borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border>" + frame +
         "</borders>";
    x += "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
         "borderId=\"0\"/></cellStyleXfs>";
    const std::string date = std::to_string(kDateFormatId);
    const char* top = "<alignment vertical=\"top\"";
    // In the order of Style.
    const std::string xfs[kStyleCount] = {
        "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>",
        "<xf numFmtId=\"0\" fontId=\"2\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
        "applyFont=\"1\"/>",
        "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
        "applyFont=\"1\" applyAlignment=\"1\"><alignment horizontal=\"right\"/></xf>",
        "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"2\" borderId=\"1\" xfId=\"0\" applyFont=\"1\" "
        "applyFill=\"1\" applyBorder=\"1\" applyAlignment=\"1\"><alignment horizontal=\"center\" "
        "vertical=\"center\" wrapText=\"1\"/></xf>",
        "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyBorder=\"1\" "
        "applyAlignment=\"1\">" +
            std::string(top) + " wrapText=\"1\"/></xf>",
        "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyBorder=\"1\" "
        "applyAlignment=\"1\"><alignment horizontal=\"center\" vertical=\"top\"/></xf>",
        "<xf numFmtId=\"" + date +
            "\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyNumberFormat=\"1\" "
            "applyBorder=\"1\" applyAlignment=\"1\">" +
            top + " horizontal=\"center\"/></xf>",
        "<xf numFmtId=\"" + date +
            "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\" "
            "applyAlignment=\"1\"><alignment horizontal=\"left\"/></xf>",
    };
    x += "<cellXfs count=\"" + std::to_string(kStyleCount) + "\">";
    for (const std::string& xf : xfs)
        x += xf;
    x += "</cellXfs>";
    x += "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
         "</cellStyles><dxfs count=\"0\"/><tableStyles count=\"0\"/></styleSheet>";
    return x;
}

Cell emptyCell(int style) {
    Cell c;
    c.style = style;
    return c;
}

Cell textCell(std::string text, int style) {
    Cell c;
    c.kind = Cell::Kind::Text;
    c.text = withLineFeeds(text);
    c.style = style;
    return c;
}

Cell numberCell(double value, int style) {
    Cell c;
    c.kind = Cell::Kind::Number;
    c.number = value;
    c.style = style;
    return c;
}

Cell dateCell(std::optional<DayNumber> day, int dateStyle, int textStyle) {
    if (!day) return emptyCell(textStyle);
    if (const std::optional<double> serial = dateSerial(*day))
        return numberCell(*serial, dateStyle);
    return textCell(formatDottedDate(*day), textStyle);
}

Worksheet::Worksheet(std::vector<double> columnWidths) : widths_(std::move(columnWidths)) {}

int Worksheet::addRow(std::vector<Cell> cells) {
    rows_.push_back(std::move(cells));
    return rowCount();
}

void Worksheet::markHeading() {
    heading_ = rowCount();
}

std::string Worksheet::tableRange() const {
    if (heading_ == 0) return {};
    const std::string last = columnName(static_cast<int>(std::max<std::size_t>(widths_.size(), 1)));
    return "$A$" + std::to_string(heading_) + ":$" + last + "$" + std::to_string(rowCount());
}

std::string Worksheet::xml(bool selected, bool landscape) const {
    const int columns = static_cast<int>(std::max<std::size_t>(widths_.size(), 1));
    std::string x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships\">";
    x += "<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>";
    x += "<dimension ref=\"A1:" + cellReference(columns, std::max(rowCount(), 1)) + "\"/>";
    x += "<sheetViews><sheetView workbookViewId=\"0\"";
    if (selected) x += " tabSelected=\"1\"";
    if (heading_ > 0) {
        const std::string below = cellReference(1, heading_ + 1);
        x += "><pane ySplit=\"" + std::to_string(heading_) + "\" topLeftCell=\"" + below +
             "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\" "
             "activeCell=\"" +
             below + "\" sqref=\"" + below + "\"/></sheetView>";
    } else {
        x += "/>";
    }
    x += "</sheetViews><sheetFormatPr defaultRowHeight=\"15\"/><cols>";
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        x += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" + number(widths_[i]) +
             "\" customWidth=\"1\"/>";
    }
    x += "</cols><sheetData>";
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        double height = kLineHeight;
        for (std::size_t c = 0; c < rows_[r].size() && c < widths_.size(); ++c) {
            const Cell& cell = rows_[r][c];
            if (cell.kind == Cell::Kind::Text && wraps(cell.style))
                height = std::max(height, wrappedLines(cell.text, widths_[c]) * kLineHeight);
            if (cell.style == kStyleTitle) height = std::max(height, kTitleHeight);
        }
        x += "<row r=\"" + std::to_string(row) + "\"";
        if (height > kLineHeight) x += " ht=\"" + number(height) + "\"";
        x += ">";
        for (std::size_t c = 0; c < rows_[r].size(); ++c)
            x += cellXml(rows_[r][c], static_cast<int>(c) + 1, row);
        x += "</row>";
    }
    x += "</sheetData>";
    if (heading_ > 0) {
        x += "<autoFilter ref=\"" + cellReference(1, heading_) + ":" +
             cellReference(columns, rowCount()) + "\"/>";
    }
    x += "<pageMargins left=\"0.5\" right=\"0.5\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
         "footer=\"0.3\"/><pageSetup paperSize=\"9\" orientation=\"";
    x += landscape ? "landscape" : "portrait";
    x += "\" fitToWidth=\"1\" fitToHeight=\"0\"/></worksheet>";
    return x;
}

} // namespace tarnik::workbook
