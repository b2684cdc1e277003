#include "app/pages/safety/checklistview.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "app/pages/safety/checklistmodel.h"
#include "core/rules/checklist/checklist.h"

namespace tarnik {

namespace {

// The answer box: a white box with its answer centred, and a clear frame while it has the
// keyboard focus.
class AnswerDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        p->save();
        const bool focused = (option.state & QStyle::State_HasFocus) != 0;
        const QColor highlight = option.palette.color(QPalette::Active, QPalette::Highlight);
        p->fillRect(option.rect, focused ? highlight.lighter(185) : QColor(Qt::white));
        if (focused) {
            p->setPen(QPen(highlight, 2));
            p->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
        p->setFont(o.font);
        p->setPen(Qt::black);
        p->drawText(option.rect, Qt::AlignCenter, o.text);
        p->restore();
    }
};

} // namespace

ChecklistView::ChecklistView(QWidget* parent) : QTableView(parent) {
    setItemDelegateForColumn(ChecklistModel::kAnswerColumn, new AnswerDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(true);
    setTextElideMode(Qt::ElideRight);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCornerButtonEnabled(false);
    // The corner button of the table selects nothing here; it still carries a name.
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        b->setAccessibleName(QStringLiteral("Pytania"));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(fontMetrics().lineSpacing() * 2 + 8);
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * 2 + 8);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int before, int now) {
                if (section == ChecklistModel::kQuestionColumn && before != now) fitAllRowsSoon();
            });
}

void ChecklistView::setModel(QAbstractItemModel* m) {
    QTableView::setModel(m);
    if (!m) return;
    QHeaderView* h = horizontalHeader();
    h->setSectionResizeMode(ChecklistModel::kQuestionColumn, QHeaderView::Stretch);
    h->setSectionResizeMode(ChecklistModel::kAnswerColumn, QHeaderView::Fixed);
    h->resizeSection(
        ChecklistModel::kAnswerColumn,
        std::max(70, h->fontMetrics().horizontalAdvance(QStringLiteral("Odpowiedź:")) + 16));
    connect(m, &QAbstractItemModel::modelReset, this, [this] { fitAllRowsSoon(); });
    connect(m, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitRows(first, last); });
    fitAllRowsSoon();
}

void ChecklistView::fitAllRowsSoon() {
    if (fitPending_) return;
    fitPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            fitPending_ = false;
            if (model()) fitRows(0, model()->rowCount() - 1);
        },
        Qt::QueuedConnection);
}

void ChecklistView::fitRows(int first, int last) {
    QHeaderView* rows = verticalHeader();
    const int least = rows->minimumSectionSize();
    for (int r = std::max(0, first); r <= last; ++r)
        rows->resizeSection(r, std::max(least, sizeHintForRow(r)));
}

QRect ChecklistView::answerRect(int row) const {
    return visualRect(model() ? model()->index(row, ChecklistModel::kAnswerColumn) : QModelIndex());
}

QModelIndex ChecklistView::answerAt(const QPoint& pos) const {
    const QModelIndex i = indexAt(pos);
    return i.isValid() && i.column() == ChecklistModel::kAnswerColumn ? i : QModelIndex();
}

QModelIndex ChecklistView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QAbstractItemModel* m = model();
    if (!m || m->rowCount() == 0) return {};
    const int rows = m->rowCount();
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    auto answer = [m](int r) { return m->index(r, ChecklistModel::kAnswerColumn); };
    switch (action) {
    case MoveNext:
        // Tab from the last answer box leaves the list.
        if (row + 1 >= rows) return {};
        return answer(row + 1);
    case MovePrevious:
        if (row < 0) return answer(rows - 1);
        if (row == 0) return {};
        return answer(row - 1);
    case MoveDown:
        return answer(std::min(rows - 1, row + 1));
    case MoveUp:
        return answer(std::max(0, row - 1));
    case MoveLeft:
    case MoveRight:
        return current.isValid() ? answer(row) : answer(0);
    default: {
        const QModelIndex base = QTableView::moveCursor(action, modifiers);
        return base.isValid() ? answer(base.row()) : base;
    }
    }
}

void ChecklistView::keyboardSearch(const QString&) {}

void ChecklistView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (current.isValid() && !(mods & ~Qt::ShiftModifier)) {
        const int key = event->key();
        if (key == Qt::Key_Space && !mods) {
            event->accept();
            emit answerStepRequested(current.row());
            return;
        }
        if (key == Qt::Key_T || key == Qt::Key_N) {
            event->accept();
            const int row = current.row();
            emit answerSetRequested(row,
                                    QString::fromUtf8(key == Qt::Key_T ? kAnswerYes : kAnswerNo));
            // On to the next question (the last one keeps the focus).
            if (model() && row + 1 < model()->rowCount())
                setCurrentIndex(model()->index(row + 1, ChecklistModel::kAnswerColumn));
            return;
        }
        if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && !mods) {
            event->accept();
            emit answerSetRequested(current.row(), QString());
            return;
        }
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        !moveCursor(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier)
                        ? MoveNext
                        : MovePrevious,
                    event->modifiers())
             .isValid()) {
        // Past the first or the last answer box the focus goes on to the next control.
        event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChecklistView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    pressed_ =
        event->button() == Qt::LeftButton ? answerAt(event->position().toPoint()) : QModelIndex();
    // A click on a question puts the focus on its answer box.
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid() && i.column() != ChecklistModel::kAnswerColumn)
        setCurrentIndex(model()->index(i.row(), ChecklistModel::kAnswerColumn));
}

void ChecklistView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (endsDoubleClick) return;
    const QModelIndex i = answerAt(event->position().toPoint());
    if (i.isValid() && i == pressed_) emit answerStepRequested(i.row());
    pressed_ = QModelIndex();
}

void ChecklistView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex i = answerAt(event->position().toPoint());
    if (!i.isValid()) return;
    // The second press of a double click is one more step; its release is not.
    releaseEndsDoubleClick_ = true;
    pressed_ = QModelIndex();
    emit answerStepRequested(i.row());
}

} // namespace tarnik
