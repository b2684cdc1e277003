#pragma once
// TAlignedGrid: the aligned string grid, the widget the pages use.
// A grid of text cells with per-cell alignment, word wrap, fonts and colours and in-place editing.
// The content and the rules that need no widget (the property lookup, the walk to the next cell,
// rows inserted with their records) live in GridCells and nextCell(); this widget shows them in a
// table view. Its helpers: GridEditing (the in-place editor and the walk after Enter and Tab, see
// there), GridLook (how a cell is drawn), GridRecords (the property records) and GridRowSizer
// (dragging a row's border).
//
// Cells are addressed as (column, row) with the fixed rows and columns counted, as GridCells
// does: with one fixed row, row 0 holds the column captions. The view shows at most one fixed
// row (as the column header) and one fixed column (as the row header).
#include <QColor>
#include <QFlags>
#include <QFont>
#include <QList>
#include <QTableView>
#include <string>
#include <utility>
#include <vector>

#include "app/widgets/grid/gridcells.h"
#include "app/widgets/grid/gridediting.h"
#include "app/widgets/grid/gridlook.h"
#include "app/widgets/grid/gridrecords.h"
#include "app/widgets/grid/gridrowsizer.h"
#include "app/widgets/grid/nextcell.h"

class QAction;

namespace tarnik {

class GridCellEditor;
class GridDelegate;
class GridHeader;
class GridTableModel;

class TAlignedGrid : public QTableView {
    Q_OBJECT
public:
    // The options of the underlying grid.
    enum Option {
        RowSelect = 0x01,         // whole rows are selected; no editing
        Editing = 0x02,           // cells may be edited in place
        AlwaysShowEditor = 0x04,  // the current cell's editor stays open while the grid has focus
        RangeSelect = 0x08,       // a block of cells may be selected
        RowSizing = 0x10,         // the user may drag a row's lower border
        ColSizing = 0x20,         // the user may drag a column caption's border
        Tabs = 0x40,              // Tab moves between cells instead of to the next control
        DrawFocusSelected = 0x80, // the focused cell is drawn in the selected colours too
    };
    Q_DECLARE_FLAGS(Options, Option)

    using ValidateEdit = GridEditing::ValidateEdit;

    explicit TAlignedGrid(QWidget* parent = nullptr);
    ~TAlignedGrid() override;

    // Shape and texts. Changing a count closes an open editor without storing it.
    int colCount() const { return cells_.colCount(); }
    int rowCount() const { return cells_.rowCount(); }
    int fixedCols() const { return cells_.fixedCols(); }
    int fixedRows() const { return cells_.fixedRows(); }
    void setColCount(int n);
    void setRowCount(int n);
    void setFixedCols(int n); // 0 or 1
    void setFixedRows(int n); // 0 or 1
    // A cell's text, lines joined by CR LF.
    const std::string& cell(int col, int row) const { return cells_.cell(col, row); }
    void setCell(int col, int row, std::string text);
    // All rows below the fixed rows at once (at least one, empty when `rows` is empty).
    void setDataRows(const std::vector<std::vector<std::string>>& rows);
    const GridCells& cells() const { return cells_; }

    int InsertRow(int row);
    bool RemoveRow(int row);
    int InsertCol(int col);

    // Sizes in pixels.
    void setColWidth(int col, int width);
    int colWidth(int col) const;
    void setDefaultRowHeight(int height);
    void setGridRowHeight(int row, int height); // a fixed row's height is the header's
    int gridRowHeight(int row) const;

    // The property records of the cells, columns, rows, fixed column and fixed row; setting
    // one repaints the grid.
    GridRecords& records() { return records_; }
    const GridRecords& records() const { return records_; }

    // The grid's own values.
    GridAlignment Alignment() const { return cells_.defaults().alignment; }
    void setAlignment(GridAlignment a);
    GridWordWrap Wordwrap() const { return cells_.defaults().wordwrap; }
    void setWordwrap(GridWordWrap w);
    bool Editable() const { return cells_.defaults().editable; }
    void setEditable(bool on);
    QColor FixedColor() const { return look_.fixedColor; }
    void setFixedColor(const QColor& c);
    QColor SelectedCellColor() const { return look_.selectedCellColor; }
    void setSelectedCellColor(const QColor& c);
    QColor SelectedFontColor() const { return look_.selectedFontColor; }
    void setSelectedFontColor(const QColor& c);
    bool DrawSelection() const { return look_.drawSelection; }
    void setDrawSelection(bool on);
    bool SelectEditText() const { return editing_.selectEditText; }
    void setSelectEditText(bool on) { editing_.selectEditText = on; }
    bool EditMultiline() const { return editing_.editMultiline; }
    void setEditMultiline(bool on) { editing_.editMultiline = on; }
    // Typing in a cell stops at this length and a paste is cut to it, with a message; 0 (the
    // default) sets no limit. A line break counts two, as the file stores it.
    int MaxEditLength() const { return editing_.maxEditLength; }
    void setMaxEditLength(int n) { editing_.maxEditLength = n; }
    bool AutoEditNextCell() const { return editing_.autoEditNextCell; }
    void setAutoEditNextCell(bool on) { editing_.autoEditNextCell = on; }
    NextCellDirection NextCellEdit() const { return editing_.nextCellEdit; }
    void setNextCellEdit(NextCellDirection d) { editing_.nextCellEdit = d; }
    NextCellDirection NextCellTab() const { return editing_.nextCellTab; }
    void setNextCellTab(NextCellDirection d) { editing_.nextCellTab = d; }
    AfterLastCell AfterLastCellEdit() const { return editing_.afterLastCellEdit; }
    void setAfterLastCellEdit(AfterLastCell a) { editing_.afterLastCellEdit = a; }
    AfterLastCell AfterLastCellTab() const { return editing_.afterLastCellTab; }
    void setAfterLastCellTab(AfterLastCell a) { editing_.afterLastCellTab = a; }
    bool AutoAdjustLastCol() const { return autoAdjustLastCol_; }
    void setAutoAdjustLastCol(bool on);
    // 0 hides the grid lines.
    int GridLineWidth() const { return showGrid() ? 1 : 0; }
    void setGridLineWidth(int width);
    bool ShowCellHints() const { return showCellHints_; }
    void setShowCellHints(bool on);
    Options options() const { return options_; }
    void setOptions(Options o);
    // A column that Tab passes over (Tabs option).
    void setTabStop(int col, bool on) { editing_.setTabStop(col, on); }
    bool tabStop(int col) const { return editing_.tabStop(col); }
    QFont fixedFont() const { return look_.fixedFont; }
    void setFixedFont(const QFont& f);

    // How a cell is drawn; `selected` asks for its look as a selected cell.
    CellLook look(int col, int row, bool selected) const;

    // The current cell (grid coordinates); -1 when there is none.
    int currentCol() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);
    // The first and last row of the selection; {-1, -1} when nothing is selected.
    std::pair<int, int> selectedRows() const;

    // Editing (GridEditing tells more).
    bool isEditing() const { return editing_.isEditing(); }
    GridCellEditor* editor() const { return editing_.editor(); }
    std::pair<int, int> editedCell() const { return editing_.editedCell(); }
    bool openEditor() { return editing_.openEditor(); }
    void commitPendingEdit() { editing_.commitPendingEdit(); }
    void dropEditor() { editing_.dropEditor(); }
    void setOnValidateEdit(ValidateEdit handler) { editing_.onValidateEdit = std::move(handler); }
    GridEditing& editing() { return editing_; }

    // Commands of the grid's context menu (shown by the cells and by the open editor).
    void addContextAction(QAction* action);
    const QList<QAction*>& contextActions() const { return contextActions_; }

    GridTableModel* gridModel() const { return model_; }

signals:
    void OnBeforeEdit(int col, int row);
    void OnAfterEdit(int col, int row);
    void OnCancelEdit(int col, int row);
    // Enter or a double click on a row while the grid does not edit (RowSelect).
    void rowChosen(int row);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    // The editing reaches into the view's editor handling and the grid's cells.
    friend class GridEditing;

    QModelIndex indexOf(int col, int row) const;
    void applyOptions();
    void repaintCells();
    void adjustLastColumn();

    GridCells cells_;
    GridRecords records_{cells_.properties(), [this] { repaintCells(); }};
    GridTableModel* model_ = nullptr;
    GridDelegate* delegate_ = nullptr;
    GridHeader* colHeader_ = nullptr;
    GridHeader* rowHeader_ = nullptr;
    QList<QAction*> contextActions_;
    Options options_ = RangeSelect;
    GridLook look_;
    GridEditing editing_{*this};
    GridRowSizer rowSizer_{*this};
    bool autoAdjustLastCol_ = false;
    bool showCellHints_ = true;
    bool adjusting_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAlignedGrid::Options)

} // namespace tarnik
