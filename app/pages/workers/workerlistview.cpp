#include "app/pages/workers/workerlistview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarnik {

WorkerListView::WorkerListView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setFocusPolicy(Qt::StrongFocus);
    verticalHeader()->hide();
    // The corner button would select every row: the register shows one worker at a time.
    setCornerButtonEnabled(false);
    for (QAbstractButton* corner : findChildren<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Narożnik listy"));
    // Every row as high as the font: the register scrolls without measuring its entries.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // The selection stays visible when the list loses the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

void WorkerListView::showEntry(int row) {
    QItemSelectionModel* sel = selectionModel();
    if (!sel || !model()) return;
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) {
        sel->clear();
        return;
    }
    sel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

int WorkerListView::shownEntry() const {
    const QItemSelectionModel* sel = selectionModel();
    if (!sel) return -1;
    const QModelIndexList rows = sel->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void WorkerListView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) {
        e->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(e->position().toPoint());
    emit entryRequested(index.isValid() ? index.row() : -1);
    e->accept();
}

void WorkerListView::mouseMoveEvent(QMouseEvent* e) {
    // Dragging with a button held selects nothing.
    if (e->buttons() != Qt::NoButton) {
        e->accept();
        return;
    }
    QTableView::mouseMoveEvent(e);
}

void WorkerListView::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}

void WorkerListView::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

void WorkerListView::keyPressEvent(QKeyEvent* e) {
    CursorAction action;
    switch (e->key()) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default: {
        const QString text = e->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace() &&
            !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyboardSearch(text);
            e->accept();
            return;
        }
        e->ignore();
        return;
    }
    }
    // The keys move from the worker shown, whatever the focus left as the current entry.
    if (QItemSelectionModel* sel = selectionModel()) {
        const int shown = shownEntry();
        if (shown < 0)
            sel->clearCurrentIndex();
        else
            sel->setCurrentIndex(model()->index(shown, 0), QItemSelectionModel::NoUpdate);
    }
    // Home and End go to the first and last worker, not to the first and last column.
    const QModelIndex target = moveCursor(action, e->modifiers() | Qt::ControlModifier);
    if (target.isValid()) emit entryRequested(target.row());
    e->accept();
}

void WorkerListView::keyboardSearch(const QString& search) {
    if (!model() || search.isEmpty()) return;
    if (!searchTimer_.isValid() || searchTimer_.elapsed() > QApplication::keyboardInputInterval())
        search_.clear();
    searchTimer_.start();
    search_ += search;
    const QModelIndexList found =
        model()->match(model()->index(0, 0), Qt::DisplayRole, search_, 1, Qt::MatchStartsWith);
    if (!found.isEmpty()) emit entryRequested(found.first().row());
}

} // namespace tarnik
