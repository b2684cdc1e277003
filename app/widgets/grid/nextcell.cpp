// nextCell(): where the aligned string grid goes after an edit or on Tab.
#include "app/widgets/grid/nextcell.h"

#include <algorithm>
#include <optional>

namespace tarnik {

namespace {

struct Bounds {
    int firstCol, lastCol, firstRow, lastRow;
    explicit Bounds(const GridCells& g)
        : firstCol(g.fixedCols()), lastCol(g.colCount() - 1), firstRow(g.fixedRows()),
          lastRow(g.rowCount() - 1) {}
    bool empty() const { return firstCol > lastCol || firstRow > lastRow; }
};

struct Cell {
    int col, row;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// One step; false when it runs past the last cell of the direction.
bool step(Cell& c, NextCellDirection d, const Bounds& b) {
    switch (d) {
    case nc_rightdown:
        if (++c.col > b.lastCol) c = {b.firstCol, c.row + 1};
        return c.row <= b.lastRow;
    case nc_downright:
        if (++c.row > b.lastRow) c = {c.col + 1, b.firstRow};
        return c.col <= b.lastCol;
    case nc_leftdown:
        if (--c.col < b.firstCol) c = {b.lastCol, c.row + 1};
        return c.row <= b.lastRow;
    case nc_downleft:
        if (++c.row > b.lastRow) c = {c.col - 1, b.firstRow};
        return c.col >= b.firstCol;
    case nc_leftup:
        if (--c.col < b.firstCol) c = {b.lastCol, c.row - 1};
        return c.row >= b.firstRow;
    case nc_upleft:
        if (--c.row < b.firstRow) c = {c.col - 1, b.lastRow};
        return c.col >= b.firstCol;
    case nc_rightup:
        if (++c.col > b.lastCol) c = {b.firstCol, c.row - 1};
        return c.row >= b.firstRow;
    case nc_upright:
        if (--c.row < b.firstRow) c = {c.col + 1, b.lastRow};
        return c.col <= b.lastCol;
    }
    return false;
}

// Where lc_first starts the direction again.
Cell firstCell(NextCellDirection d, const Bounds& b) {
    switch (d) {
    case nc_rightdown:
    case nc_downright:
        return {b.firstCol, b.firstRow};
    case nc_leftdown:
    case nc_downleft:
        return {b.lastCol, b.firstRow};
    case nc_leftup:
    case nc_upleft:
        return {b.lastCol, b.lastRow};
    case nc_rightup:
    case nc_upright:
        return {b.firstCol, b.lastRow};
    }
    return {b.firstCol, b.firstRow};
}

// lc_newcolrow: adds the row or column the direction runs into and gives the cell to go to;
// `start` follows a row or column inserted before it.
Cell insertAndGo(GridCells& g, NextCellDirection d, Cell& start, CellMove& move) {
    switch (d) {
    case nc_rightdown:
    case nc_leftdown: {
        const int r = g.InsertRow(g.rowCount());
        move.insertedRow = r;
        return {d == nc_rightdown ? g.fixedCols() : g.colCount() - 1, r};
    }
    case nc_downright:
    case nc_upright: {
        const int c = g.InsertCol(g.colCount());
        move.insertedCol = c;
        return {c, d == nc_downright ? g.fixedRows() : g.rowCount() - 1};
    }
    case nc_downleft:
    case nc_upleft: {
        const int c = g.InsertCol(g.fixedCols());
        move.insertedCol = c;
        if (start.col >= c) ++start.col;
        return {c, d == nc_downleft ? g.fixedRows() : g.rowCount() - 1};
    }
    case nc_leftup:
    case nc_rightup: {
        const int r = g.InsertRow(g.fixedRows());
        move.insertedRow = r;
        if (start.row >= r) ++start.row;
        return {d == nc_leftup ? g.colCount() - 1 : g.fixedCols(), r};
    }
    }
    return start;
}

} // namespace

NextCellDirection oppositeDirection(NextCellDirection d) {
    return static_cast<NextCellDirection>((static_cast<int>(d) + 4) % 8);
}

CellMove nextCell(GridCells& grid, int col, int row, NextCellDirection d, AfterLastCell after,
                  const std::function<bool(int col, int row)>& accept) {
    CellMove move;
    Bounds b(grid);
    if (b.empty()) {
        move.col = col;
        move.row = row;
        return move;
    }
    Cell start{std::clamp(col, b.firstCol, b.lastCol), std::clamp(row, b.firstRow, b.lastRow)};
    Cell cur = start;
    std::optional<Cell> added;
    auto result = [&](CellMove::Kind kind, Cell at) {
        move.kind = kind;
        move.col = at.col;
        move.row = at.row;
        return move;
    };

    // Every cell once before and after a wrap or an insertion, with room to spare.
    const long long cells = static_cast<long long>(b.lastCol - b.firstCol + 1) *
                            static_cast<long long>(b.lastRow - b.firstRow + 1);
    for (long long i = 0; i < 4 * cells + 8; ++i) {
        if (!step(cur, d, b)) {
            switch (after) {
            case lc_stop:
                return result(CellMove::Stay, start);
            case lc_exit:
                return result(CellMove::Exit, start);
            case lc_first:
                cur = firstCell(d, b);
                break;
            case lc_newcolrow:
                if (added) return result(CellMove::Move, *added);
                cur = insertAndGo(grid, d, start, move);
                added = cur;
                b = Bounds(grid);
                break;
            }
        }
        if (cur == start) return result(CellMove::Stay, start);
        if (!accept || accept(cur.col, cur.row)) return result(CellMove::Move, cur);
    }
    return result(CellMove::Stay, start);
}

} // namespace tarnik
