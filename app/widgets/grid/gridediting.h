#pragma once
// GridEditing: the in-place editing of the aligned string grid and the walk to the next cell.
// TAlignedGrid owns one. It opens the editor on an editable cell, ends an edit by Enter, Tab or
// Escape, asks the grid's validation handler, reopens a refused edit, and walks to the next cell
// (nextCell()) after Enter or Tab.
//
// Editing: the editor opens only on an editable cell (OnBeforeEdit fires first). Enter ends the
// edit (in multi-line mode it makes a line break, and Ctrl+Enter ends the edit), Escape restores
// the text the cell had when the editor opened (OnCancelEdit), Tab is never typed. Ending an
// edit asks the OnValidateEdit handler; a refused edit reopens the editor on its cell, an
// accepted one fires OnAfterEdit and, after Enter with AutoEditNextCell, moves on to the next
// editable cell (NextCellEdit, AfterLastCellEdit) and opens its editor there.
#include <QAbstractItemDelegate>
#include <QPersistentModelIndex>
#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

#include "app/widgets/grid/nextcell.h"

namespace tarnik {

class GridCellEditor;
class TAlignedGrid;

class GridEditing {
public:
    using ValidateEdit = std::function<void(int col, int row, bool& accept)>;

    explicit GridEditing(TAlignedGrid& grid);

    // What the grid's settings say.
    bool selectEditText = true;
    bool editMultiline = false;
    // The longest text the in-place editor takes (its stored length); 0: no limit.
    int maxEditLength = 0;
    bool autoEditNextCell = false;
    NextCellDirection nextCellEdit = nc_rightdown;
    NextCellDirection nextCellTab = nc_rightdown;
    AfterLastCell afterLastCellEdit = lc_newcolrow;
    AfterLastCell afterLastCellTab = lc_first;
    ValidateEdit onValidateEdit;

    // A column that Tab passes over (the Tabs option).
    void setTabStop(int col, bool on);
    bool tabStop(int col) const;

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
    // Opens the editor on the current cell when the editor is always shown and the grid has
    // the focus.
    void showEditorIfWanted();
    // The grid is closing `editor`; false when it is not the in-place editor (the view closes
    // it as usual).
    bool closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint);
    // Tab or Shift+Tab on the grid itself: with the Tabs option the walk moves to the next tab
    // stop; false when Tab leaves the grid.
    bool tabFromCurrent(bool next);

    // From the delegate and the editor's keys.
    void editorCreated(GridCellEditor* editor, const QModelIndex& index);
    void editorEnter(GridCellEditor* editor);
    void editorEscape(GridCellEditor* editor);
    void editorTab(GridCellEditor* editor, bool backward);

private:
    enum class EndReason { None, Enter, Tab, BackTab, Cancel };

    bool edits() const;
    bool hasFocusWithin() const;
    // After an edit has ended on (col, row).
    void editEnded(int col, int row, EndReason reason);
    // Moves from (col, row) by a walk; opens the editor there when the grid edits.
    void walkFrom(int col, int row, NextCellDirection d, AfterLastCell after, bool forTab);
    void reopenLater(int col, int row);
    // Closes the editor through the view, with the grid's own handling held off.
    void closeQuietly(QWidget* editor);

    TAlignedGrid& grid_;
    QPointer<GridCellEditor> editor_;
    QPersistentModelIndex editIndex_;
    EndReason pendingEnd_ = EndReason::None;
    bool closing_ = false;
    bool reopenPending_ = false;
    std::vector<bool> tabStops_;
};

} // namespace tarnik
