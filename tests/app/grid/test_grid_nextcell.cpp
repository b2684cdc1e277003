// The aligned grid's walk to the next cell: the eight directions with their wraps, the four
// actions past the last cell, cells that do not qualify, and the way back for Shift+Tab.
#include "app/widgets/grid/nextcell.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarnik;

namespace {

// Three columns (0..2) below one caption row, data rows 1..3; each cell holds "c,r".
GridCells grid3x3() {
    GridCells g;
    g.setColCount(3);
    g.setRowCount(4);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            g.setCell(c, r, std::to_string(c) + "," + std::to_string(r));
    return g;
}

bool any(int, int) {
    return true;
}

struct Walk {
    NextCellDirection d;
    const char* name;
    int stepFromCol, stepFromRow, stepCol, stepRow; // a step inside a row or column
    int wrapFromCol, wrapFromRow, wrapCol, wrapRow; // the wrap to the next row or column
    int lastCol, lastRow;                           // the last cell of the direction
    int firstCol, firstRow;                         // where lc_first starts again
    int newCol, newRow;                             // where lc_newcolrow goes
    bool addsRow;                                   // lc_newcolrow adds a row (else a column)
    int insertedAt;                                 // ... at this index
};

const Walk kWalks[] = {
    {nc_rightdown, "rightdown", 0, 1, 1, 1, 2, 1, 0, 2, 2, 3, 0, 1, 0, 4, true, 4},
    {nc_downright, "downright", 0, 1, 0, 2, 0, 3, 1, 1, 2, 3, 0, 1, 3, 1, false, 3},
    {nc_leftdown, "leftdown", 2, 1, 1, 1, 0, 1, 2, 2, 0, 3, 2, 1, 2, 4, true, 4},
    {nc_downleft, "downleft", 2, 1, 2, 2, 2, 3, 1, 1, 0, 3, 2, 1, 0, 1, false, 0},
    {nc_leftup, "leftup", 2, 3, 1, 3, 0, 3, 2, 2, 0, 1, 2, 3, 2, 1, true, 1},
    {nc_upleft, "upleft", 2, 3, 2, 2, 2, 1, 1, 3, 0, 1, 2, 3, 0, 3, false, 0},
    {nc_rightup, "rightup", 0, 3, 1, 3, 2, 3, 0, 2, 2, 1, 0, 3, 0, 1, true, 1},
    {nc_upright, "upright", 0, 3, 0, 2, 0, 1, 1, 3, 2, 1, 0, 3, 3, 3, false, 3},
};

} // namespace

TEST(NextCell, EachDirectionStepsWrapsAndStartsAgainAtItsFirstCell) {
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(w.name);
        GridCells g = grid3x3();
        CellMove m = nextCell(g, w.stepFromCol, w.stepFromRow, w.d, lc_stop, any);
        EXPECT_EQ(m.kind, CellMove::Move);
        EXPECT_EQ(m.col, w.stepCol);
        EXPECT_EQ(m.row, w.stepRow);
        m = nextCell(g, w.wrapFromCol, w.wrapFromRow, w.d, lc_stop, any);
        EXPECT_EQ(m.kind, CellMove::Move);
        EXPECT_EQ(m.col, w.wrapCol);
        EXPECT_EQ(m.row, w.wrapRow);
        m = nextCell(g, w.lastCol, w.lastRow, w.d, lc_first, any);
        EXPECT_EQ(m.kind, CellMove::Move);
        EXPECT_EQ(m.col, w.firstCol);
        EXPECT_EQ(m.row, w.firstRow);
        EXPECT_EQ(m.insertedRow, -1);
        EXPECT_EQ(m.insertedCol, -1);
        EXPECT_EQ(g.rowCount(), 4);
        EXPECT_EQ(g.colCount(), 3);
    }
}

TEST(NextCell, PastTheLastCellStopStaysAndExitLeaves) {
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(w.name);
        GridCells g = grid3x3();
        CellMove m = nextCell(g, w.lastCol, w.lastRow, w.d, lc_stop, any);
        EXPECT_EQ(m.kind, CellMove::Stay);
        EXPECT_EQ(m.col, w.lastCol);
        EXPECT_EQ(m.row, w.lastRow);
        m = nextCell(g, w.lastCol, w.lastRow, w.d, lc_exit, any);
        EXPECT_EQ(m.kind, CellMove::Exit);
        EXPECT_EQ(g.rowCount(), 4);
        EXPECT_EQ(g.colCount(), 3);
    }
}

TEST(NextCell, PastTheLastCellNewColRowAddsWhereTheDirectionRunsOn) {
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(w.name);
        GridCells g = grid3x3();
        const std::string lastText = g.cell(w.lastCol, w.lastRow);
        const CellMove m = nextCell(g, w.lastCol, w.lastRow, w.d, lc_newcolrow, any);
        EXPECT_EQ(m.kind, CellMove::Move);
        EXPECT_EQ(m.col, w.newCol);
        EXPECT_EQ(m.row, w.newRow);
        EXPECT_EQ(g.cell(m.col, m.row), "");
        if (w.addsRow) {
            EXPECT_EQ(g.rowCount(), 5);
            EXPECT_EQ(m.insertedRow, w.insertedAt);
            EXPECT_EQ(m.insertedCol, -1);
        } else {
            EXPECT_EQ(g.colCount(), 4);
            EXPECT_EQ(m.insertedCol, w.insertedAt);
            EXPECT_EQ(m.insertedRow, -1);
        }
        // A row or column put in front moves the start's text along with it.
        const int startCol = w.lastCol + (!w.addsRow && w.insertedAt <= w.lastCol ? 1 : 0);
        const int startRow = w.lastRow + (w.addsRow && w.insertedAt <= w.lastRow ? 1 : 0);
        EXPECT_EQ(g.cell(startCol, startRow), lastText);
    }
}

TEST(NextCell, CellsThatDoNotQualifyAreSkipped) {
    GridCells g = grid3x3();
    auto notMiddle = [](int c, int) { return c != 1; };
    CellMove m = nextCell(g, 0, 1, nc_rightdown, lc_stop, notMiddle);
    EXPECT_EQ(m.col, 2);
    EXPECT_EQ(m.row, 1);
    // Skipping across a wrap.
    auto onlyFirstColumn = [](int c, int) { return c == 0; };
    m = nextCell(g, 0, 1, nc_rightdown, lc_stop, onlyFirstColumn);
    EXPECT_EQ(m.kind, CellMove::Move);
    EXPECT_EQ(m.col, 0);
    EXPECT_EQ(m.row, 2);
    // Only the start qualifies: back at the start, the walk stays there.
    auto onlyStart = [](int c, int r) { return c == 1 && r == 2; };
    m = nextCell(g, 1, 2, nc_downright, lc_first, onlyStart);
    EXPECT_EQ(m.kind, CellMove::Stay);
    EXPECT_EQ(m.col, 1);
    EXPECT_EQ(m.row, 2);
}

TEST(NextCell, NewColRowAddsOnceEvenWhenNothingQualifies) {
    GridCells g = grid3x3();
    const CellMove m =
        nextCell(g, 0, 1, nc_rightdown, lc_newcolrow, [](int, int) { return false; });
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(m.kind, CellMove::Move);
    EXPECT_EQ(m.col, 0);
    EXPECT_EQ(m.row, 4);
}

TEST(NextCell, TheImprovementPlanAppendsARowAfterItsLastCell) {
    GridCells g;
    g.setColCount(3);
    g.setRowCount(2);
    g.setCell(2, 1, "do końca roku");
    const CellMove m = nextCell(g, 2, 1, nc_rightdown, lc_newcolrow,
                                [&](int c, int r) { return g.resolve(c, r).editable; });
    EXPECT_EQ(m.kind, CellMove::Move);
    EXPECT_EQ(m.col, 0);
    EXPECT_EQ(m.row, 2);
    EXPECT_EQ(m.insertedRow, 2);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(2, 1), "do końca roku");
}

TEST(NextCell, AOneCellGridHasNowhereElseToGo) {
    GridCells g; // one column, one data row
    for (int d = 0; d < 8; ++d) {
        const CellMove m = nextCell(g, 0, 1, static_cast<NextCellDirection>(d), lc_first, any);
        EXPECT_EQ(m.kind, CellMove::Stay);
        EXPECT_EQ(m.col, 0);
        EXPECT_EQ(m.row, 1);
    }
}

TEST(NextCell, ShiftTabWalksBackTheWayTabCame) {
    EXPECT_EQ(oppositeDirection(nc_rightdown), nc_leftup);
    EXPECT_EQ(oppositeDirection(nc_downright), nc_upleft);
    EXPECT_EQ(oppositeDirection(nc_leftdown), nc_rightup);
    EXPECT_EQ(oppositeDirection(nc_downleft), nc_upright);
    for (int d = 0; d < 8; ++d) {
        const auto dir = static_cast<NextCellDirection>(d);
        EXPECT_EQ(oppositeDirection(oppositeDirection(dir)), dir);
        // One step there and one back returns to a middle cell.
        GridCells g = grid3x3();
        const CellMove there = nextCell(g, 1, 2, dir, lc_stop, any);
        const CellMove back =
            nextCell(g, there.col, there.row, oppositeDirection(dir), lc_stop, any);
        EXPECT_EQ(back.col, 1);
        EXPECT_EQ(back.row, 2);
    }
}
