#pragma once
// The pieces of an Office Open XML spreadsheet (XLSX) that any of its sheets needs: the text of an
// XML element made safe, the date serial of the 1900 date system, column letters, and one
// worksheet with its table (a heading row frozen above the rows, an autoFilter over them).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/dates.h"

namespace tarnik::workbook {

// The serial a spreadsheet gives a day in its 1900 date system: the days since 30 December
// 1899, which is the program's own day number (whole day). That system counts a 29 February
// 1900 that never was, so its serials agree with the calendar only from 1 March 1900 (61) on:
// an earlier day has no serial that every spreadsheet reads alike, and none is given.
std::optional<double> dateSerial(DayNumber day);

// "dd.mm.yyyy", the dates' format in the workbook, for a day that has no serial.
std::string formatDottedDate(DayNumber day);

// "A" for column 1, "Z" for 26, "AA" for 27, ...
std::string columnName(int column);
// "B7" for column 2, row 7.
std::string cellReference(int column, int row);

// The cell formats of styles.xml (cellXfs), in their order there.
enum Style : int {
    kStyleDefault = 0,
    kStyleTitle = 1,     // bold, larger
    kStyleLabel = 2,     // bold, right-aligned: it reaches left over empty cells
    kStyleHeading = 3,   // the table's heading: bold, shaded, framed, wrapped, centred
    kStyleText = 4,      // a table cell: framed, wrapped, at the top
    kStyleNumber = 5,    // a table's number, centred
    kStyleTableDate = 6, // a table's date: "dd.mm.yyyy"
    kStyleDate = 7,      // a date outside the table: "dd.mm.yyyy", left
    kStyleCount = 8
};

// The number format of the dates.
inline constexpr int kDateFormatId = 164;
inline constexpr const char* kDateFormatCode = "dd.mm.yyyy";

// The whole styles part (xl/styles.xml) with the formats above.
std::string stylesXml();

struct Cell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0;
    int style = kStyleDefault;
};

Cell emptyCell(int style);
Cell textCell(std::string text, int style);
Cell numberCell(double value, int style);
// A date: a number in the date style; a day before 1 March 1900 as its "dd.mm.yyyy" text in
// `textStyle` (nothing the user gave is lost); no day at all an empty cell in `textStyle`.
Cell dateCell(std::optional<DayNumber> day, int dateStyle, int textStyle);

// One worksheet: rows of cells from column A, numbered from 1 in the order they are added.
class Worksheet {
public:
    // Widths in characters of the digit zero, one for each column.
    explicit Worksheet(std::vector<double> columnWidths);

    // Adds a row and returns its number.
    int addRow(std::vector<Cell> cells);
    // The row just added is the table's heading: it stays in view above the rows that follow
    // (a frozen pane), and an autoFilter covers it and every row added after it.
    void markHeading();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int headingRow() const { return heading_; }
    // "$A$5:$D$9": the heading and the table's rows, for the workbook's filter name; empty
    // without a heading.
    std::string tableRange() const;

    // xl/worksheets/sheetN.xml. `selected` marks the sheet the workbook opens on; `landscape`
    // turns the printed page.
    std::string xml(bool selected, bool landscape) const;

private:
    std::vector<double> widths_;
    std::vector<std::vector<Cell>> rows_;
    int heading_ = 0; // 0: none
};

} // namespace tarnik::workbook
