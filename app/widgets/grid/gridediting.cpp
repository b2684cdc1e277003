// GridEditing: the in-place editing of the aligned string grid and the walk to the next cell.
#include "app/widgets/grid/gridediting.h"

#include <QApplication>
#include <QTimer>

#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

GridEditing::GridEditing(TAlignedGrid& grid) : grid_(grid) {}

void GridEditing::setTabStop(int col, bool on) {
    if (col < 0) return;
    if (std::size_t(col) >= tabStops_.size()) tabStops_.resize(std::size_t(col) + 1, true);
    tabStops_[std::size_t(col)] = on;
}

bool GridEditing::tabStop(int col) const {
    return col < 0 || std::size_t(col) >= tabStops_.size() || tabStops_[std::size_t(col)];
}

bool GridEditing::edits() const {
    return (grid_.options_ & TAlignedGrid::Editing) && !(grid_.options_ & TAlignedGrid::RowSelect);
}

bool GridEditing::isEditing() const {
    return editor_ && grid_.state() == QAbstractItemView::EditingState;
}

GridCellEditor* GridEditing::editor() const {
    return editor_.data();
}

std::pair<int, int> GridEditing::editedCell() const {
    if (!isEditing() || !editIndex_.isValid()) return {-1, -1};
    return {grid_.model_->gridCol(editIndex_), grid_.model_->gridRow(editIndex_)};
}

bool GridEditing::hasFocusWithin() const {
    const QWidget* f = QApplication::focusWidget();
    return f && (f == &grid_ || grid_.isAncestorOf(f));
}

bool GridEditing::openEditor() {
    // The model lets only the editable cells of an editing grid be edited.
    if (isEditing()) return true;
    const QModelIndex i = grid_.currentIndex();
    if (!i.isValid() || !(grid_.model_->flags(i) & Qt::ItemIsEditable)) return false;
    return grid_.QTableView::edit(i, QAbstractItemView::AllEditTriggers, nullptr);
}

void GridEditing::editorCreated(GridCellEditor* editor, const QModelIndex& index) {
    editor_ = editor;
    editIndex_ = index;
    emit grid_.OnBeforeEdit(grid_.model_->gridCol(index), grid_.model_->gridRow(index));
}

void GridEditing::closeQuietly(QWidget* editor) {
    closing_ = true;
    grid_.QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    closing_ = false;
}

bool GridEditing::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editor || editor != editor_) return false;
    const EndReason reason = pendingEnd_;
    pendingEnd_ = EndReason::None;
    const bool cancelled =
        reason == EndReason::Cancel || hint == QAbstractItemDelegate::RevertModelCache;
    const bool known = editIndex_.isValid();
    const int col = known ? grid_.model_->gridCol(editIndex_) : -1;
    const int row = known ? grid_.model_->gridRow(editIndex_) : -1;
    editor_ = nullptr;
    editIndex_ = QPersistentModelIndex();
    closeQuietly(editor);
    if (!known) return true;
    if (cancelled) {
        // The cell keeps the text it had when the editor opened.
        emit grid_.OnCancelEdit(col, row);
        showEditorIfWanted();
        return true;
    }
    editEnded(col, row, reason);
    return true;
}

void GridEditing::editEnded(int col, int row, EndReason reason) {
    bool accept = true;
    if (onValidateEdit) onValidateEdit(col, row, accept);
    if (!accept) {
        reopenLater(col, row);
        return;
    }
    emit grid_.OnAfterEdit(col, row);
    switch (reason) {
    case EndReason::Enter:
        if (autoEditNextCell) {
            walkFrom(col, row, nextCellEdit, afterLastCellEdit, false);
            return;
        }
        showEditorIfWanted();
        return;
    case EndReason::Tab:
        walkFrom(col, row, nextCellTab, afterLastCellTab, true);
        return;
    case EndReason::BackTab:
        walkFrom(col, row, oppositeDirection(nextCellTab), afterLastCellTab, true);
        return;
    default:
        // The edit ended because the current cell moved (the editor opens there) or the focus
        // left the grid (it opens when the focus comes back).
        showEditorIfWanted();
        return;
    }
}

void GridEditing::walkFrom(int col, int row, NextCellDirection d, AfterLastCell after,
                           bool forTab) {
    GridCells& cells = grid_.cells_;
    auto qualifies = [this, &cells, forTab](int c, int r) {
        return forTab ? tabStop(c) : cells.resolve(c, r).editable;
    };
    const CellMove m = nextCell(cells, col, row, d, after, qualifies);
    if (m.insertedCol >= 0) grid_.adjustLastColumn();
    if (m.kind == CellMove::Exit) {
        const bool forward = d == (forTab ? nextCellTab : nextCellEdit);
        grid_.QWidget::focusNextPrevChild(forward);
        return;
    }
    grid_.setCurrentCell(m.col, m.row);
    if (edits()) openEditor();
}

bool GridEditing::tabFromCurrent(bool next) {
    if (!(grid_.options_ & TAlignedGrid::Tabs) || !hasFocusWithin() ||
        !grid_.currentIndex().isValid())
        return false;
    walkFrom(grid_.currentCol(), grid_.currentRow(),
             next ? nextCellTab : oppositeDirection(nextCellTab), afterLastCellTab, true);
    return true;
}

void GridEditing::showEditorIfWanted() {
    if (reopenPending_ || closing_ || isEditing()) return;
    if (!(grid_.options_ & TAlignedGrid::AlwaysShowEditor) || !edits()) return;
    if (!hasFocusWithin()) return;
    openEditor();
}

void GridEditing::reopenLater(int col, int row) {
    reopenPending_ = true;
    const QPersistentModelIndex target(grid_.indexOf(col, row));
    QTimer::singleShot(0, &grid_, [this, target] {
        reopenPending_ = false;
        if (!target.isValid()) return;
        grid_.setCurrentCell(grid_.model_->gridCol(target), grid_.model_->gridRow(target));
        grid_.setFocus(Qt::OtherFocusReason);
        openEditor();
    });
}

void GridEditing::commitPendingEdit() {
    if (!isEditing() || !editIndex_.isValid()) return;
    const int col = grid_.model_->gridCol(editIndex_);
    const int row = grid_.model_->gridRow(editIndex_);
    grid_.delegate_->setModelData(editor_, grid_.model_, editIndex_);
    bool accept = true;
    if (onValidateEdit) onValidateEdit(col, row, accept);
    if (accept) emit grid_.OnAfterEdit(col, row);
}

void GridEditing::dropEditor() {
    if (!editor_) return;
    QWidget* e = editor_;
    editor_ = nullptr;
    editIndex_ = QPersistentModelIndex();
    pendingEnd_ = EndReason::None;
    closeQuietly(e);
}

void GridEditing::editorEnter(GridCellEditor* editor) {
    pendingEnd_ = EndReason::Enter;
    emit grid_.delegate_->commitData(editor);
    emit grid_.delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GridEditing::editorEscape(GridCellEditor* editor) {
    pendingEnd_ = EndReason::Cancel;
    emit grid_.delegate_->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void GridEditing::editorTab(GridCellEditor* editor, bool backward) {
    if (grid_.options_ & TAlignedGrid::Tabs) {
        pendingEnd_ = backward ? EndReason::BackTab : EndReason::Tab;
        emit grid_.delegate_->commitData(editor);
        emit grid_.delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
    // Tab leaves the grid; the edit ends as the editor loses the focus.
    grid_.QWidget::focusNextPrevChild(!backward);
}

} // namespace tarnik
