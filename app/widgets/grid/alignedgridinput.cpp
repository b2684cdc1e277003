// TAlignedGrid: the in-place editor and how an edit ends, the walk to the next cell, and the
// keyboard and mouse (Enter and double click on a row, Tab, dragging a row's border, the
// context menu).
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

namespace {

// How close to a row's lower border the mouse must be to drag it.
constexpr int kBorderGrip = 3;
constexpr int kSmallestRow = 8;

} // namespace

bool TAlignedGrid::isEditing() const {
    return editor_ && state() == QAbstractItemView::EditingState;
}

GridCellEditor* TAlignedGrid::editor() const {
    return editor_.data();
}

std::pair<int, int> TAlignedGrid::editedCell() const {
    if (!isEditing() || !editIndex_.isValid()) return {-1, -1};
    return {model_->gridCol(editIndex_), model_->gridRow(editIndex_)};
}

bool TAlignedGrid::hasFocusWithin() const {
    const QWidget* f = QApplication::focusWidget();
    return f && (f == this || isAncestorOf(f));
}

bool TAlignedGrid::openEditor() {
    // The model lets only the editable cells of an editing grid be edited.
    if (isEditing()) return true;
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !(model_->flags(i) & Qt::ItemIsEditable)) return false;
    return QTableView::edit(i, QAbstractItemView::AllEditTriggers, nullptr);
}

void TAlignedGrid::editorCreated(GridCellEditor* editor, const QModelIndex& index) {
    editor_ = editor;
    editIndex_ = index;
    emit OnBeforeEdit(model_->gridCol(index), model_->gridRow(index));
}

void TAlignedGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editor || editor != editor_) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const EndReason reason = pendingEnd_;
    pendingEnd_ = EndReason::None;
    const bool cancelled =
        reason == EndReason::Cancel || hint == QAbstractItemDelegate::RevertModelCache;
    const bool known = editIndex_.isValid();
    const int col = known ? model_->gridCol(editIndex_) : -1;
    const int row = known ? model_->gridRow(editIndex_) : -1;
    editor_ = nullptr;
    editIndex_ = QPersistentModelIndex();
    closing_ = true;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    closing_ = false;
    if (!known) return;
    if (cancelled) {
        // The cell keeps the text it had when the editor opened.
        emit OnCancelEdit(col, row);
        showEditorIfWanted();
        return;
    }
    editEnded(col, row, reason);
}

void TAlignedGrid::editEnded(int col, int row, EndReason reason) {
    bool accept = true;
    if (onValidateEdit_) onValidateEdit_(col, row, accept);
    if (!accept) {
        reopenLater(col, row);
        return;
    }
    emit OnAfterEdit(col, row);
    switch (reason) {
    case EndReason::Enter:
        if (autoEditNextCell_) {
            walkFrom(col, row, nextCellEdit_, afterLastCellEdit_, false);
            return;
        }
        showEditorIfWanted();
        return;
    case EndReason::Tab:
        walkFrom(col, row, nextCellTab_, afterLastCellTab_, true);
        return;
    case EndReason::BackTab:
        walkFrom(col, row, oppositeDirection(nextCellTab_), afterLastCellTab_, true);
        return;
    default:
        // The edit ended because the current cell moved (the editor opens there) or the focus
        // left the grid (it opens when the focus comes back).
        showEditorIfWanted();
        return;
    }
}

void TAlignedGrid::walkFrom(int col, int row, NextCellDirection d, AfterLastCell after,
                            bool forTab) {
    auto qualifies = [this, forTab](int c, int r) {
        return forTab ? tabStop(c) : cells_.resolve(c, r).editable;
    };
    const CellMove m = nextCell(cells_, col, row, d, after, qualifies);
    if (m.insertedCol >= 0) adjustLastColumn();
    if (m.kind == CellMove::Exit) {
        const bool forward = d == (forTab ? nextCellTab_ : nextCellEdit_);
        QWidget::focusNextPrevChild(forward);
        return;
    }
    setCurrentCell(m.col, m.row);
    if ((options_ & Editing) && !(options_ & RowSelect)) openEditor();
}

void TAlignedGrid::showEditorIfWanted() {
    if (reopenPending_ || closing_ || isEditing()) return;
    if (!(options_ & AlwaysShowEditor) || !(options_ & Editing) || (options_ & RowSelect)) return;
    if (!hasFocusWithin()) return;
    openEditor();
}

void TAlignedGrid::reopenLater(int col, int row) {
    reopenPending_ = true;
    const QPersistentModelIndex target(indexOf(col, row));
    QTimer::singleShot(0, this, [this, target] {
        reopenPending_ = false;
        if (!target.isValid()) return;
        setCurrentCell(model_->gridCol(target), model_->gridRow(target));
        setFocus(Qt::OtherFocusReason);
        openEditor();
    });
}

void TAlignedGrid::commitPendingEdit() {
    if (!isEditing() || !editIndex_.isValid()) return;
    const int col = model_->gridCol(editIndex_);
    const int row = model_->gridRow(editIndex_);
    delegate_->setModelData(editor_, model_, editIndex_);
    bool accept = true;
    if (onValidateEdit_) onValidateEdit_(col, row, accept);
    if (accept) emit OnAfterEdit(col, row);
}

void TAlignedGrid::dropEditor() {
    if (!editor_) return;
    QWidget* e = editor_;
    editor_ = nullptr;
    editIndex_ = QPersistentModelIndex();
    pendingEnd_ = EndReason::None;
    closing_ = true;
    QTableView::closeEditor(e, QAbstractItemDelegate::NoHint);
    closing_ = false;
}

void TAlignedGrid::editorEnter(GridCellEditor* editor) {
    pendingEnd_ = EndReason::Enter;
    emit delegate_->commitData(editor);
    emit delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TAlignedGrid::editorEscape(GridCellEditor* editor) {
    pendingEnd_ = EndReason::Cancel;
    emit delegate_->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void TAlignedGrid::editorTab(GridCellEditor* editor, bool backward) {
    if (options_ & Tabs) {
        pendingEnd_ = backward ? EndReason::BackTab : EndReason::Tab;
        emit delegate_->commitData(editor);
        emit delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
    // Tab leaves the grid; the edit ends as the editor loses the focus.
    QWidget::focusNextPrevChild(!backward);
}

void TAlignedGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) showEditorIfWanted();
}

void TAlignedGrid::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    if (isEditing()) {
        editor_->setFocus(e->reason());
        return;
    }
    showEditorIfWanted();
}

bool TAlignedGrid::focusNextPrevChild(bool next) {
    if ((options_ & Tabs) && hasFocusWithin() && currentIndex().isValid()) {
        walkFrom(currentCol(), currentRow(), next ? nextCellTab_ : oppositeDirection(nextCellTab_),
                 afterLastCellTab_, true);
        return true;
    }
    // Not the item view's own Tab navigation: Tab goes to the next control.
    return QWidget::focusNextPrevChild(next);
}

void TAlignedGrid::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        const bool edits = (options_ & Editing) && !(options_ & RowSelect);
        if (!edits) {
            if (currentIndex().isValid()) emit rowChosen(currentRow());
            e->accept();
            return;
        }
        if (openEditor()) {
            e->accept();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

void TAlignedGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    const bool edits = (options_ & Editing) && !(options_ & RowSelect);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (!edits && i.isValid() && e->button() == Qt::LeftButton) {
        emit rowChosen(model_->gridRow(i));
        e->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(e);
}

int TAlignedGrid::rowBorderAt(const QPoint& p) const {
    if (!(options_ & RowSizing)) return -1;
    const int rows = model_->rowCount();
    if (rows <= 0) return -1;
    int under = rowAt(p.y());
    if (under < 0) under = p.y() < 0 ? 0 : rows - 1;
    // The border below the row under the point, or the one above it.
    for (int r : {under, under - 1}) {
        if (r < 0) continue;
        const int bottom = rowViewportPosition(r) + rowHeight(r);
        if (std::abs(bottom - p.y()) <= kBorderGrip) return r;
    }
    return -1;
}

void TAlignedGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const int r = rowBorderAt(e->position().toPoint());
        if (r >= 0) {
            sizingRow_ = r;
            sizingStartY_ = e->position().toPoint().y();
            sizingStartHeight_ = rowHeight(r);
            e->accept();
            return;
        }
    }
    QTableView::mousePressEvent(e);
}

void TAlignedGrid::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (sizingRow_ >= 0) {
        setRowHeight(sizingRow_,
                     std::max(kSmallestRow, sizingStartHeight_ + p.y() - sizingStartY_));
        e->accept();
        return;
    }
    if (e->buttons() == Qt::NoButton) {
        if (rowBorderAt(p) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
    }
    QTableView::mouseMoveEvent(e);
}

void TAlignedGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (sizingRow_ >= 0 && e->button() == Qt::LeftButton) {
        sizingRow_ = -1;
        e->accept();
        return;
    }
    QTableView::mouseReleaseEvent(e);
}

void TAlignedGrid::contextMenuEvent(QContextMenuEvent* e) {
    if (contextActions_.isEmpty()) {
        e->ignore();
        return;
    }
    QMenu menu(this);
    menu.addActions(contextActions_);
    menu.exec(e->globalPos());
}

} // namespace tarnik
