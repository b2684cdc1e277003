#pragma once
// nextCell(): where the aligned string grid goes after an edit or on Tab.
// Where the aligned grid goes after an accepted edit (AutoEditNextCell) and on the Tab key: a
// walk in one of eight directions over the non-fixed cells to the next cell that qualifies (an
// editable cell, or a cell in a tab-stop column), with one of four actions when the walk runs
// past the last cell.
#include <functional>

#include "app/widgets/grid/gridcells.h"

namespace tarnik {

// The step of the walk first, then the wrap: nc_rightdown goes right and, past the last
// column, to the first column of the next row.
enum NextCellDirection {
    nc_rightdown = 0,
    nc_downright = 1,
    nc_leftdown = 2,
    nc_downleft = 3,
    nc_leftup = 4,
    nc_upleft = 5,
    nc_rightup = 6,
    nc_upright = 7,
};

// Past the last cell of the direction: add a row or column and go there, stay, start again at
// the first cell of the direction, or leave the grid for the next control of the window.
enum AfterLastCell { lc_newcolrow = 0, lc_stop = 1, lc_first = 2, lc_exit = 3 };

// The way back (Shift+Tab): each direction's partner four places further in the order above.
NextCellDirection oppositeDirection(NextCellDirection d);

struct CellMove {
    enum Kind {
        Move, // go to (col, row)
        Stay, // no other cell qualifies: stay at (col, row), the start
        Exit, // move the focus to the next control of the window
    };
    Kind kind = Stay;
    int col = 0;
    int row = 0;
    // The row or column the walk added (lc_newcolrow), -1 for none.
    int insertedRow = -1;
    int insertedCol = -1;
};

// The walk from (col, row). The steps repeat until the cell reached qualifies (`accept`), is
// the start again, or no cell is left; lc_newcolrow inserts into `grid` (at most once per walk:
// past the end a second time, the walk ends in the cell it added).
CellMove nextCell(GridCells& grid, int col, int row, NextCellDirection d, AfterLastCell after,
                  const std::function<bool(int col, int row)>& accept);

} // namespace tarnik
