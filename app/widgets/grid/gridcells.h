#pragma once
// GridCells: the aligned string grid's content without its widget.
// The content of the aligned text grid without its widget: the column and row counts with the
// fixed (caption) columns and rows, the texts of the cells, the property records and the grid's
// own alignment, word wrap and editability. Inserting and removing rows and columns keeps the
// records in step with the texts.
//
// Cells are addressed as (column, row) with the fixed rows and columns included: with one
// fixed row, row 0 holds the captions and row 1 is the first data row.
#include <string>
#include <vector>

#include "app/widgets/grid/cellproperties.h"

namespace tarnik {

// Told about changes of the grid's shape, so that a view can follow them.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    virtual void rowAboutToBeInserted(int /*row*/) {}
    virtual void rowInserted(int /*row*/) {}
    virtual void rowAboutToBeRemoved(int /*row*/) {}
    virtual void rowRemoved(int /*row*/) {}
    virtual void colAboutToBeInserted(int /*col*/) {}
    virtual void colInserted(int /*col*/) {}
    // Anything else: the counts, the fixed counts or all texts at once.
    virtual void aboutToReset() {}
    virtual void reset() {}
};

class GridCells {
public:
    // A grid of one caption row above one data row in one column.
    GridCells();

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    // There is always at least one non-fixed column and row: a count is raised to its fixed
    // count plus one, and a larger fixed count grows the count with it. Texts and records
    // beyond a shrunk count are dropped.
    void setColCount(int n);
    void setRowCount(int n);
    void setFixedCols(int n);
    void setFixedRows(int n);
    // Every text emptied and the rows set to `rows`, in one change.
    void clear(int rows);

    bool contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
    }
    bool isFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
    // The text of a cell; empty outside the grid.
    const std::string& cell(int col, int row) const;
    // Sets a cell's text; a cell outside the grid is ignored.
    void setCell(int col, int row, std::string text);
    // The texts of a row (colCount entries; empty outside the grid).
    std::vector<std::string> rowTexts(int row) const;
    void setRowTexts(int row, const std::vector<std::string>& texts);

    GridProperties& properties() { return props_; }
    const GridProperties& properties() const { return props_; }
    GridDefaults& defaults() { return defaults_; }
    const GridDefaults& defaults() const { return defaults_; }
    ResolvedCell resolve(int col, int row) const {
        return props_.resolve(col, row, fixedCols_, fixedRows_, defaults_);
    }

    // InsertRow(r): a row below the fixed rows is raised to the first data row, one beyond the
    // last appends; the rows from r on move down with their records, and row r is empty.
    // Returns the row inserted.
    int InsertRow(int row);
    // RemoveRow(r): nothing for a fixed row, a row outside the grid, or the last data row of
    // the grid; otherwise the row's texts and records go and the rows below move up. Returns
    // whether the row was removed.
    bool RemoveRow(int row);
    // InsertCol(c): as InsertRow, for a column.
    int InsertCol(int col);

    void setObserver(GridObserver* observer) { observer_ = observer; }

private:
    void reshape(int cols, int rows);

    int colCount_ = 1;
    int rowCount_ = 2;
    int fixedCols_ = 0;
    int fixedRows_ = 1;
    std::vector<std::vector<std::string>> texts_; // by row, then column
    GridProperties props_;
    GridDefaults defaults_;
    GridObserver* observer_ = nullptr;
};

} // namespace tarnik
