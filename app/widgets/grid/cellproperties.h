#pragma once
// Cell properties of the aligned string grid: the records and their lookup.
// The look and behaviour of the cells of the aligned text grid: alignment, word wrap,
// editability, background, font and the colours of a selected cell. A record may be set for a
// cell, a column, a row, a fixed column and a fixed row; a cell's value is looked up in that
// order (cell, column, row) down to the grid's own.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnik {

// Horizontal alignment of a cell's text; alDefault leaves it to the next record.
enum GridAlignment { alRight = 0, alLeft = 1, alCenter = 2, alDefault = 3 };

// How a text longer than its cell is drawn: cut off, broken into lines at word boundaries, or
// ended with an ellipsis; ww_default leaves it to the next record.
enum GridWordWrap { ww_none = 0, ww_wordwrap = 1, ww_ellipsis = 2, ww_default = 3 };

// Editability in a record: not set here, not editable, editable.
enum GridEditable { ge_notSet = 0, ge_no = 1, ge_yes = 2 };

struct GridColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const GridColour&, const GridColour&) = default;
};

// A font as a record keeps it: face, height (negative: the character height in pixels, as the
// platform's font descriptions give it), colour (none: the window's text colour) and style.
struct GridFont {
    std::string face;
    int height = -11;
    std::optional<GridColour> colour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const GridFont&, const GridFont&) = default;
};

// The properties a cell, column or row sets; what it leaves unset comes from the next record.
struct TCellProperties {
    GridAlignment alignment = alDefault;
    GridWordWrap wordwrap = ww_default;
    GridEditable editable = ge_notSet;
    std::optional<GridColour> brush;         // background
    std::optional<GridColour> selectedBrush; // background of a selected cell
    std::optional<GridFont> font;
    std::optional<GridFont> selectedFont;

    bool setsNothing() const { return *this == TCellProperties{}; }
    friend bool operator==(const TCellProperties&, const TCellProperties&) = default;
};

// The grid's own values, below every record.
struct GridDefaults {
    GridAlignment alignment = alLeft; // alDefault counts as alLeft
    GridWordWrap wordwrap = ww_none;  // ww_default counts as ww_none
    bool editable = true;
};

// What a cell looks like and whether it may be edited, after the lookup. Brushes and fonts that
// no record sets stay empty: the grid's normal or fixed brush and font, or for a selected cell
// the grid's selected-cell colour and its font in the selected-text colour.
struct ResolvedCell {
    GridAlignment alignment = alLeft;
    GridWordWrap wordwrap = ww_none;
    bool editable = true;
    bool fixed = false;
    std::optional<GridColour> brush;
    std::optional<GridColour> selectedBrush;
    std::optional<GridFont> font;
    std::optional<GridFont> selectedFont;
};

// A sparse list of records, indexed by column or row: entries exist only up to the highest
// index that has been given a record; an index beyond the list has none.
using PropList = std::vector<std::optional<TCellProperties>>;

// The five lists of a grid: per cell (by column, then row), per column, per row, per fixed
// column and per fixed row.
struct GridProperties {
    std::vector<PropList> PropCell;
    PropList PropCol;
    PropList PropRow;
    PropList PropFixedCol;
    PropList PropFixedRow;

    // The record at an index, or null when there is none (an index out of range included).
    static const TCellProperties* find(const PropList& list, int index);
    const TCellProperties* findCell(int col, int row) const;
    // The record at an index, created (empty) when there is none; the list grows to reach it.
    static TCellProperties& record(PropList& list, int index);
    TCellProperties& cellRecord(int col, int row);

    // The lookup for cell (col, row) of a grid with the given fixed column and row counts.
    ResolvedCell resolve(int col, int row, int fixedCols, int fixedRows,
                         const GridDefaults& defaults) const;

    // A row or column is inserted before index `at`: every list that reaches `at` gets an
    // empty entry there, so that the records below (or to the right) move with their cells.
    void insertRow(int at);
    void insertCol(int at);
    // Row `at` goes: its records are dropped and the records below move up.
    void removeRow(int at);
    // The grid shrank: records beyond the new counts are dropped, so that a grid that grows
    // again gets empty rows and columns.
    void truncate(int colCount, int rowCount);

    friend bool operator==(const GridProperties&, const GridProperties&) = default;
};

} // namespace tarnik
