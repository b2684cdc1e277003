#pragma once
// TAlignedGrid: a grid of text cells with per-cell alignment, word wrap, fonts and colours and
// in-place editing. The content and the rules that need no widget (the property lookup, the
// walk to the next cell, rows inserted with their records) live in GridCells and nextCell();
// this widget shows them in a table view and edits them.
//
// Cells are addressed as (column, row) with the fixed rows and columns counted, as GridCells
// does: with one fixed row, row 0 holds the column captions. The view shows at most one fixed
// row (as the column header) and one fixed column (as the row header).
//
// Editing: the editor opens only on an editable cell (OnBeforeEdit fires first). Enter ends the
// edit (in multi-line mode it makes a line break, and Ctrl+Enter ends the edit), Escape restores
// the text the cell had when the editor opened (OnCancelEdit), Tab is never typed. Ending an
// edit asks the OnValidateEdit handler; a refused edit reopens the editor on its cell, an
// accepted one fires OnAfterEdit and, after Enter with AutoEditNextCell, moves on to the next
// editable cell (NextCellEdit, AfterLastCellEdit) and opens its editor there.
#include <QColor>
#include <QFlags>
#include <QFont>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/widgets/grid/gridcells.h"
#include "app/widgets/grid/nextcell.h"

class QAction;

namespace tarnik {

class GridCellEditor;
class GridDelegate;
class GridHeader;
class GridTableModel;

// How a cell is drawn, after the lookup of its properties.
struct CellLook {
    QFont font;
    QColor background;
    QColor text;
    GridAlignment alignment = alLeft;
    GridWordWrap wordwrap = ww_none;
};

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

    using ValidateEdit = std::function<void(int col, int row, bool& accept)>;

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

    // Property records of a cell, column, row, fixed column and fixed row; each setter repaints.
    TCellProperties cellProperties(int col, int row) const;
    void setCellProperties(int col, int row, const TCellProperties& p);
    TCellProperties colProperties(int col) const;
    void setColProperties(int col, const TCellProperties& p);
    TCellProperties rowProperties(int row) const;
    void setRowProperties(int row, const TCellProperties& p);
    TCellProperties fixedColProperties(int col) const;
    void setFixedColProperties(int col, const TCellProperties& p);
    TCellProperties fixedRowProperties(int row) const;
    void setFixedRowProperties(int row, const TCellProperties& p);

    // The grid's own values.
    GridAlignment Alignment() const { return cells_.defaults().alignment; }
    void setAlignment(GridAlignment a);
    GridWordWrap Wordwrap() const { return cells_.defaults().wordwrap; }
    void setWordwrap(GridWordWrap w);
    bool Editable() const { return cells_.defaults().editable; }
    void setEditable(bool on);
    QColor FixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& c);
    QColor SelectedCellColor() const { return selectedCellColor_; }
    void setSelectedCellColor(const QColor& c);
    QColor SelectedFontColor() const { return selectedFontColor_; }
    void setSelectedFontColor(const QColor& c);
    bool DrawSelection() const { return drawSelection_; }
    void setDrawSelection(bool on);
    bool SelectEditText() const { return selectEditText_; }
    void setSelectEditText(bool on) { selectEditText_ = on; }
    bool EditMultiline() const { return editMultiline_; }
    void setEditMultiline(bool on) { editMultiline_ = on; }
    bool AutoEditNextCell() const { return autoEditNextCell_; }
    void setAutoEditNextCell(bool on) { autoEditNextCell_ = on; }
    NextCellDirection NextCellEdit() const { return nextCellEdit_; }
    void setNextCellEdit(NextCellDirection d) { nextCellEdit_ = d; }
    NextCellDirection NextCellTab() const { return nextCellTab_; }
    void setNextCellTab(NextCellDirection d) { nextCellTab_ = d; }
    AfterLastCell AfterLastCellEdit() const { return afterLastCellEdit_; }
    void setAfterLastCellEdit(AfterLastCell a) { afterLastCellEdit_ = a; }
    AfterLastCell AfterLastCellTab() const { return afterLastCellTab_; }
    void setAfterLastCellTab(AfterLastCell a) { afterLastCellTab_ = a; }
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
    void setTabStop(int col, bool on);
    bool tabStop(int col) const;
    QFont fixedFont() const { return fixedFont_; }
    void setFixedFont(const QFont& f);

    // How a cell is drawn; `selected` asks for its look as a selected cell.
    CellLook look(int col, int row, bool selected) const;

    // The current cell (grid coordinates); -1 when there is none.
    int currentCol() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);
    // The first and last row of the selection; {-1, -1} when nothing is selected.
    std::pair<int, int> selectedRows() const;

    // Editing.
    bool isEditing() const;
    GridCellEditor* editor() const;
    // The cell whose editor is open; {-1, -1} when none is.
    std::pair<int, int> editedCell() const;
    // Opens the editor on the current cell when the grid edits and the cell is editable.
    bool openEditor();
    // Stores the open editor's text in its cell as an ended edit does (OnValidateEdit, then
    // OnAfterEdit), and leaves the editor open.
    void commitPendingEdit();
    // Closes the open editor without storing its text, and without events.
    void dropEditor();
    void setOnValidateEdit(ValidateEdit handler) { onValidateEdit_ = std::move(handler); }

    // Commands of the grid's context menu (shown by the cells and by the open editor).
    void addContextAction(QAction* action);
    const QList<QAction*>& contextActions() const { return contextActions_; }

    // Used by the delegate.
    void editorCreated(GridCellEditor* editor, const QModelIndex& index);
    void editorEnter(GridCellEditor* editor);
    void editorEscape(GridCellEditor* editor);
    void editorTab(GridCellEditor* editor, bool backward);
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
    enum class EndReason { None, Enter, Tab, BackTab, Cancel };

    QModelIndex indexOf(int col, int row) const;
    void applyOptions();
    void repaintCells();
    void adjustLastColumn();
    // After an edit has ended on (col, row).
    void editEnded(int col, int row, EndReason reason);
    // Moves from (col, row) by a walk; opens the editor there when the grid edits.
    void walkFrom(int col, int row, NextCellDirection d, AfterLastCell after, bool forTab);
    // Opens the editor on the current cell when the editor is always shown and the grid has
    // the focus.
    void showEditorIfWanted();
    void reopenLater(int col, int row);
    bool hasFocusWithin() const;
    // The row whose lower border lies under a point of the viewport (RowSizing), or -1.
    int rowBorderAt(const QPoint& p) const;

    GridCells cells_;
    GridTableModel* model_ = nullptr;
    GridDelegate* delegate_ = nullptr;
    GridHeader* colHeader_ = nullptr;
    GridHeader* rowHeader_ = nullptr;
    QPointer<GridCellEditor> editor_;
    QPersistentModelIndex editIndex_;
    EndReason pendingEnd_ = EndReason::None;
    bool closing_ = false;
    bool reopenPending_ = false;
    ValidateEdit onValidateEdit_;
    QList<QAction*> contextActions_;
    std::vector<bool> tabStops_;

    Options options_ = RangeSelect;
    QColor fixedColor_;
    QColor selectedCellColor_;
    QColor selectedFontColor_ = Qt::white;
    QFont fixedFont_;
    bool drawSelection_ = true;
    bool selectEditText_ = true;
    bool editMultiline_ = false;
    bool autoEditNextCell_ = false;
    NextCellDirection nextCellEdit_ = nc_rightdown;
    NextCellDirection nextCellTab_ = nc_rightdown;
    AfterLastCell afterLastCellEdit_ = lc_newcolrow;
    AfterLastCell afterLastCellTab_ = lc_first;
    bool autoAdjustLastCol_ = false;
    bool showCellHints_ = true;
    bool adjusting_ = false;

    // Dragging a row's lower border.
    int sizingRow_ = -1;
    int sizingStartY_ = 0;
    int sizingStartHeight_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAlignedGrid::Options)

} // namespace tarnik
