#pragma once
// GridRecords: the aligned string grid's property records, read and set whole.
// One record each per cell, column, row, fixed column and fixed row (GridProperties); reading a
// record that was never set gives an empty one, and setting one tells the grid, which repaints.
#include <functional>
#include <utility>

#include "app/widgets/grid/cellproperties.h"

namespace tarnik {

class GridRecords {
public:
    GridRecords(GridProperties& properties, std::function<void()> changed)
        : properties_(properties), changed_(std::move(changed)) {}

    TCellProperties cell(int col, int row) const;
    void setCell(int col, int row, const TCellProperties& p);
    TCellProperties col(int col) const;
    void setCol(int col, const TCellProperties& p);
    TCellProperties row(int row) const;
    void setRow(int row, const TCellProperties& p);
    TCellProperties fixedCol(int col) const;
    void setFixedCol(int col, const TCellProperties& p);
    TCellProperties fixedRow(int row) const;
    void setFixedRow(int row, const TCellProperties& p);

private:
    // Stores a column's or row's record; a negative index stores nothing.
    void store(PropList& list, int index, const TCellProperties& p);

    GridProperties& properties_;
    std::function<void()> changed_;
};

} // namespace tarnik
