// TAlignedGrid: the aligned string grid's keyboard, mouse and focus handling.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

void TAlignedGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editing_.closeEditor(editor, hint)) QTableView::closeEditor(editor, hint);
}

void TAlignedGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) editing_.showEditorIfWanted();
}

void TAlignedGrid::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    if (isEditing()) {
        editor()->setFocus(e->reason());
        return;
    }
    editing_.showEditorIfWanted();
}

bool TAlignedGrid::focusNextPrevChild(bool next) {
    if (editing_.tabFromCurrent(next)) return true;
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

void TAlignedGrid::mousePressEvent(QMouseEvent* e) {
    if (!rowSizer_.mousePress(e)) QTableView::mousePressEvent(e);
}

void TAlignedGrid::mouseMoveEvent(QMouseEvent* e) {
    if (!rowSizer_.mouseMove(e)) QTableView::mouseMoveEvent(e);
}

void TAlignedGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (!rowSizer_.mouseRelease(e)) QTableView::mouseReleaseEvent(e);
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
