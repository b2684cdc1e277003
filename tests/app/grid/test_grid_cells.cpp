// The aligned grid's content without its widget: the lookup of cell properties, and rows and
// columns inserted and removed with their records in step with their texts.
#include "app/widgets/grid/gridcells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnik;

namespace {

constexpr GridColour kRedBrush{255, 0, 0};
constexpr GridColour kBlueBrush{0, 0, 255};

TCellProperties aligned(GridAlignment a) {
    TCellProperties p;
    p.alignment = a;
    return p;
}

TCellProperties brushed(GridColour c) {
    TCellProperties p;
    p.brush = c;
    return p;
}

// Three columns, one caption row and `dataRows` data rows, each cell holding "c,r".
GridCells filledGrid(int dataRows) {
    GridCells g;
    g.setColCount(3);
    g.setRowCount(dataRows + 1);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            g.setCell(c, r, std::to_string(c) + "," + std::to_string(r));
    return g;
}

// Records the changes of shape it is told about.
struct Recorder : GridObserver {
    std::vector<std::string> log;
    void rowAboutToBeInserted(int r) override { log.push_back("+row? " + std::to_string(r)); }
    void rowInserted(int r) override { log.push_back("+row " + std::to_string(r)); }
    void rowAboutToBeRemoved(int r) override { log.push_back("-row? " + std::to_string(r)); }
    void rowRemoved(int r) override { log.push_back("-row " + std::to_string(r)); }
    void colAboutToBeInserted(int c) override { log.push_back("+col? " + std::to_string(c)); }
    void colInserted(int c) override { log.push_back("+col " + std::to_string(c)); }
    void aboutToReset() override { log.push_back("reset?"); }
    void reset() override { log.push_back("reset"); }
};

} // namespace

TEST(GridProperties, ACellOfACentredColumnIsCentredUnlessItSaysOtherwise) {
    GridCells g = filledGrid(3);
    GridProperties::record(g.properties().PropCol, 1) = aligned(alCenter);
    EXPECT_EQ(g.resolve(1, 2).alignment, alCenter);
    EXPECT_EQ(g.resolve(0, 2).alignment, alLeft); // the grid's own
    g.properties().cellRecord(1, 2) = aligned(alRight);
    EXPECT_EQ(g.resolve(1, 2).alignment, alRight);
    EXPECT_EQ(g.resolve(1, 3).alignment, alCenter);
}

TEST(GridProperties, TheLookupGoesCellColumnRowGridForEachPropertyOnItsOwn) {
    GridCells g = filledGrid(3);
    GridProperties& p = g.properties();
    // The row sets alignment and brush, the column only word wrap, the cell only the font.
    TCellProperties row = aligned(alRight);
    row.brush = kRedBrush;
    GridProperties::record(p.PropRow, 2) = row;
    TCellProperties col;
    col.wordwrap = ww_ellipsis;
    GridProperties::record(p.PropCol, 0) = col;
    GridFont font;
    font.face = "Courier";
    p.cellRecord(0, 2).font = font;

    const ResolvedCell r = g.resolve(0, 2);
    EXPECT_EQ(r.alignment, alRight);
    EXPECT_EQ(r.wordwrap, ww_ellipsis);
    EXPECT_EQ(r.brush, kRedBrush);
    EXPECT_EQ(r.font, font);
    EXPECT_FALSE(r.selectedBrush); // no record: the grid's selected-cell colour
    EXPECT_FALSE(r.fixed);

    // The column beats the row where both set a property.
    GridProperties::record(p.PropCol, 0).alignment = alCenter;
    EXPECT_EQ(g.resolve(0, 2).alignment, alCenter);
    // A row without a record of its own: the column and then the grid.
    EXPECT_EQ(g.resolve(0, 3).alignment, alCenter);
    EXPECT_FALSE(g.resolve(0, 3).brush);
}

TEST(GridProperties, FixedCellsUseTheFixedListsAndAreNeverEdited) {
    GridCells g = filledGrid(2);
    GridProperties& p = g.properties();
    GridProperties::record(p.PropFixedRow, 0) = aligned(alCenter);
    GridProperties::record(p.PropCol, 1) = aligned(alRight);
    GridProperties::record(p.PropRow, 0) = aligned(alRight); // a normal-row record for row 0
    // The caption cell takes the fixed row's record, not the column's or the row's.
    EXPECT_EQ(g.resolve(1, 0).alignment, alCenter);
    EXPECT_TRUE(g.resolve(1, 0).fixed);
    EXPECT_FALSE(g.resolve(1, 0).editable);
    // A data cell does not see the fixed lists.
    EXPECT_EQ(g.resolve(1, 1).alignment, alRight);
    GridProperties::record(p.PropFixedCol, 2) = aligned(alRight);
    EXPECT_EQ(g.resolve(2, 1).alignment, alLeft);
    EXPECT_EQ(g.resolve(2, 0).alignment, alRight); // the fixed column's record before the row's
}

TEST(GridProperties, EditabilityAndTheGridDefaults) {
    GridCells g = filledGrid(2);
    EXPECT_TRUE(g.resolve(0, 1).editable);
    g.properties().cellRecord(0, 1).editable = ge_no;
    EXPECT_FALSE(g.resolve(0, 1).editable);
    EXPECT_TRUE(g.resolve(0, 2).editable);
    g.defaults().editable = false;
    EXPECT_FALSE(g.resolve(0, 2).editable);
    GridProperties::record(g.properties().PropCol, 0).editable = ge_yes;
    EXPECT_TRUE(g.resolve(0, 2).editable);
    EXPECT_FALSE(g.resolve(0, 1).editable); // the cell's own record still says no
    // A grid-level "default" counts as left and no wrapping.
    g.defaults().alignment = alDefault;
    g.defaults().wordwrap = ww_default;
    EXPECT_EQ(g.resolve(1, 1).alignment, alLeft);
    EXPECT_EQ(g.resolve(1, 1).wordwrap, ww_none);
    g.defaults().wordwrap = ww_wordwrap;
    EXPECT_EQ(g.resolve(1, 1).wordwrap, ww_wordwrap);
}

TEST(GridProperties, LookupsOutsideTheListsFindNothing) {
    GridCells g = filledGrid(1);
    EXPECT_EQ(GridProperties::find(g.properties().PropRow, -1), nullptr);
    EXPECT_EQ(GridProperties::find(g.properties().PropRow, 100), nullptr);
    EXPECT_EQ(g.properties().findCell(-3, 0), nullptr);
    EXPECT_EQ(g.resolve(50, 50).alignment, alLeft);
    EXPECT_EQ(g.cell(50, 50), "");
    g.setCell(50, 50, "x"); // ignored
    EXPECT_EQ(g.colCount(), 3);
}

TEST(GridRows, InsertingARowMovesABackgroundDownWithItsText) {
    GridCells g = filledGrid(3);
    g.properties().cellRecord(1, 2) = brushed(kRedBrush);
    GridProperties::record(g.properties().PropRow, 3) = brushed(kBlueBrush);
    EXPECT_EQ(g.InsertRow(2), 2);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.rowTexts(2), (std::vector<std::string>{"", "", ""}));
    EXPECT_FALSE(g.resolve(1, 2).brush);
    EXPECT_EQ(g.cell(1, 3), "1,2");
    EXPECT_EQ(g.resolve(1, 3).brush, kRedBrush);
    EXPECT_EQ(g.cell(0, 4), "0,3");
    EXPECT_EQ(g.resolve(0, 4).brush, kBlueBrush);
    // Rows above stay as they were.
    EXPECT_EQ(g.cell(1, 1), "1,1");
    EXPECT_EQ(g.cell(1, 0), "1,0");
}

TEST(GridRows, InsertRowKeepsToTheGridAndTheRecordsAboveStay) {
    GridCells g = filledGrid(2);
    GridProperties::record(g.properties().PropRow, 1) = brushed(kRedBrush);
    // Into the caption rows: raised to the first data row.
    EXPECT_EQ(g.InsertRow(0), 1);
    EXPECT_EQ(g.cell(0, 0), "0,0");
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_EQ(g.resolve(0, 2).brush, kRedBrush);
    // Beyond the last row: appended. A list that does not reach the row is left alone.
    EXPECT_EQ(g.InsertRow(99), 4);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.properties().PropRow.size(), 3u);
    EXPECT_EQ(g.resolve(0, 2).brush, kRedBrush);
    EXPECT_EQ(g.cell(2, 3), "2,2");
}

TEST(GridRows, TheLastDataRowIsNeverRemoved) {
    GridCells g = filledGrid(1);
    g.properties().cellRecord(0, 1) = brushed(kRedBrush);
    EXPECT_FALSE(g.RemoveRow(1));
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(0, 1), "0,1");
    EXPECT_EQ(g.resolve(0, 1).brush, kRedBrush);
    // With two data rows, one may go.
    g.InsertRow(2);
    EXPECT_TRUE(g.RemoveRow(1));
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_FALSE(g.resolve(0, 1).brush);
}

TEST(GridRows, RemoveRowRefusesCaptionsAndRowsOutsideTheGrid) {
    GridCells g = filledGrid(3);
    EXPECT_FALSE(g.RemoveRow(0));
    EXPECT_FALSE(g.RemoveRow(4));
    EXPECT_FALSE(g.RemoveRow(-1));
    EXPECT_EQ(g.rowCount(), 4);
    // The last row may go while others remain.
    EXPECT_TRUE(g.RemoveRow(3));
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(0, 2), "0,2");
}

TEST(GridRows, RemovingARowMovesTheRowsBelowUpWithTheirRecords) {
    GridCells g = filledGrid(4);
    g.properties().cellRecord(2, 2) = brushed(kBlueBrush);
    g.properties().cellRecord(2, 3) = brushed(kRedBrush);
    GridProperties::record(g.properties().PropRow, 4) = aligned(alCenter);
    EXPECT_TRUE(g.RemoveRow(2));
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(2, 2), "2,3");
    EXPECT_EQ(g.resolve(2, 2).brush, kRedBrush);
    EXPECT_EQ(g.cell(0, 3), "0,4");
    EXPECT_EQ(g.resolve(0, 3).alignment, alCenter);
    EXPECT_EQ(g.cell(0, 1), "0,1");
}

TEST(GridCols, InsertingAColumnMovesRecordsRightWithTheTexts) {
    GridCells g = filledGrid(2);
    g.properties().cellRecord(1, 1) = brushed(kRedBrush);
    GridProperties::record(g.properties().PropCol, 2) = aligned(alRight);
    GridProperties::record(g.properties().PropFixedCol, 2) = aligned(alCenter);
    EXPECT_EQ(g.InsertCol(1), 1);
    EXPECT_EQ(g.colCount(), 4);
    EXPECT_EQ(g.cell(1, 1), "");
    EXPECT_FALSE(g.resolve(1, 1).brush);
    EXPECT_EQ(g.cell(2, 1), "1,1");
    EXPECT_EQ(g.resolve(2, 1).brush, kRedBrush);
    EXPECT_EQ(g.cell(3, 2), "2,2");
    EXPECT_EQ(g.resolve(3, 2).alignment, alRight);
    EXPECT_EQ(g.resolve(3, 0).alignment, alCenter);
    EXPECT_EQ(g.InsertCol(10), 4);
    EXPECT_EQ(g.colCount(), 5);
}

TEST(GridShape, CountsKeepOneDataCellAndShrinkingForgetsWhatWasCut) {
    GridCells g = filledGrid(3);
    g.properties().cellRecord(2, 3) = brushed(kRedBrush);
    g.setRowCount(0);
    EXPECT_EQ(g.rowCount(), 2); // one caption row and one data row at least
    g.setRowCount(4);
    EXPECT_EQ(g.cell(2, 3), "");
    EXPECT_FALSE(g.resolve(2, 3).brush);
    EXPECT_EQ(g.cell(2, 1), "2,1");
    g.setFixedRows(5);
    EXPECT_EQ(g.rowCount(), 6);
    g.setFixedRows(1);
    g.setFixedCols(1);
    EXPECT_TRUE(g.isFixed(0, 3));
    EXPECT_FALSE(g.isFixed(1, 3));
    g.setColCount(1);
    EXPECT_EQ(g.colCount(), 2);
}

TEST(GridShape, ClearEmptiesTheDataAndKeepsTheCaptions) {
    GridCells g = filledGrid(3);
    g.properties().cellRecord(0, 3) = brushed(kRedBrush);
    g.clear(2);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(1, 0), "1,0");
    EXPECT_EQ(g.cell(1, 1), "");
    g.setRowCount(4);
    EXPECT_FALSE(g.resolve(0, 3).brush);
}

TEST(GridShape, AnObserverHearsEveryChangeOfShapeAroundIt) {
    GridCells g = filledGrid(2);
    Recorder rec;
    g.setObserver(&rec);
    g.InsertRow(1);
    g.RemoveRow(2);
    g.RemoveRow(0); // refused: nothing to hear
    g.InsertCol(3);
    g.setRowCount(5);
    g.setRowCount(5); // unchanged
    EXPECT_EQ(rec.log, (std::vector<std::string>{"+row? 1", "+row 1", "-row? 2", "-row 2",
                                                 "+col? 3", "+col 3", "reset?", "reset"}));
}
