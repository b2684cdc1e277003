#pragma once
// The six reference lists kept beside the program in "podpowiedzi.txt" (establishments, persons
// responsible, commission members, factors with their codes, measuring bodies, methods), as a
// plain model of rows of text cells, and the file's reading and writing.
//
// The file, Windows-1250 with CR LF line ends (CR, LF and CR LF all end a line on reading):
//   a section header "[ZAKLADY]", "[OSOBYODP]", "[KOMISJA]", "[CZYNNIKI]", "[WYKONAWCY]" or
//   "[METODY]" selects the list that the following lines fill; any other line beginning with
//   "[" selects none, and the lines after it are ignored up to the next header;
//   an entry is, for each column, a marker line ("*Nazwa", "*Regon" ...: any line beginning with
//   "*" other than "**" moves to the next column; the word is for the reader's eye) followed by
//   the cell's text, and a closing line "**";
//   any other line is a value line, the text of the current cell.
// Cells whose text holds line breaks (CR LF) are written as several value lines, and consecutive
// value lines of one cell are joined with CR LF on reading, so such a cell comes back whole. A
// cell that is one empty value line reads back as a single blank. A value line that would begin
// with "[" or "*" (after any blanks) is written with one more blank in front, which the reader
// takes off again, so such a text cannot be mistaken for a header or a marker.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnik {

inline constexpr const char* kReferenceListsFileName = "podpowiedzi.txt";

enum RefListId {
    kRefEstablishments = 0, // "Zakłady"
    kRefResponsible = 1,    // "Osoby odpowiedzialne"
    kRefCommission = 2,     // "Skład komisji bhp"
    kRefFactors = 3,        // "Czynniki"
    kRefPerformers = 4,     // "Podmioty wykonujące pomiar"
    kRefMethods = 5,        // "Metody pomiarów"
};
constexpr int kRefListCount = 6;

struct RefColumn {
    const char* caption; // the grid's header cell
    int width;           // in pixels; the last column fills the rest of the grid
    const char* marker;  // the marker line written before the cell
};

struct RefListInfo {
    const char* tabCaption;
    const char* header; // section header in the file
    int columnCount;
    std::array<RefColumn, 3> columns; // the first columnCount are used
    bool multiline;                   // cells may be edited over several lines
};

// The six lists in file and tab order (an id outside 0..5 gives the last).
const RefListInfo& refListInfo(int list);

// One list: rows of cells, each row exactly columnCount cells. Row 0 here is the first entry
// (the grid shows its header row above it). A row whose first cell is empty is no entry: the
// file does not keep it.
class RefList {
public:
    explicit RefList(int columnCount = 1);

    int columnCount() const { return columnCount_; }
    std::size_t rowCount() const { return rows_.size(); }
    const std::vector<std::string>& row(std::size_t r) const { return rows_.at(r); }

    // The cell's text; empty for a cell outside the list.
    const std::string& cell(int column, std::size_t row) const;
    // Sets a cell, adding empty rows up to `row` when needed; a column outside the list is
    // ignored.
    void setCell(int column, std::size_t row, std::string text);
    // Makes the list hold at least n rows (new rows empty).
    void ensureRows(std::size_t n);
    // "Wstaw wiersz": one empty row at the end.
    void appendRow() { ensureRows(rows_.size() + 1); }

    friend bool operator==(const RefList&, const RefList&) = default;

private:
    int columnCount_;
    std::vector<std::vector<std::string>> rows_;
};

struct ReferenceLists {
    ReferenceLists(); // six lists with their columns and no rows
    std::array<RefList, kRefListCount> lists;
    RefList& operator[](int list) { return lists.at(static_cast<std::size_t>(list)); }
    const RefList& operator[](int list) const { return lists.at(static_cast<std::size_t>(list)); }
    friend bool operator==(const ReferenceLists&, const ReferenceLists&) = default;
};

// Fills the lists from the lines of the file. Each section starts at its list's first row; rows
// are only added and set, never removed, so rows beyond those read stay as they were. A value
// line adds the rows needed to hold the current entry even when it sets no cell (no marker
// before it, or more markers than the list has columns).
void readReferenceLines(const std::vector<std::string>& lines, ReferenceLists& lists);

// Reads the file into the lists. A missing or unreadable file changes nothing and gives false.
bool readReferenceLists(const std::filesystem::path& file, ReferenceLists& lists);

// The lines of the file: all six headers in order, each followed by its entries (rows with an
// empty first cell skipped), each entry as its marker and value lines and "**".
std::vector<std::string> referenceListLines(const ReferenceLists& lists);

// Writes the file ("Zakończ edycję") through a temporary file that replaces it whole. Throws
// FileError; the old file is then untouched.
void writeReferenceLists(const std::filesystem::path& file, const ReferenceLists& lists);

} // namespace tarnik
