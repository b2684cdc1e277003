// GridDelegate and GridCellEditor: the aligned string grid's cells drawn and edited in place.
#include "app/widgets/grid/griddelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/gridmodel.h"
#include "app/widgets/limitedtextedit.h"

namespace tarnik {

namespace {

Qt::Alignment qtAlignment(GridAlignment a) {
    switch (a) {
    case alRight:
        return Qt::AlignRight;
    case alCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

void drawCellText(QPainter* painter, const QRect& cellRect, const QString& text,
                  Qt::Alignment horizontal, int wordwrap) {
    const QRect r = cellRect.adjusted(2, 2, -2, -2);
    if (r.width() <= 0 || r.height() <= 0 || text.isEmpty()) return;
    painter->save();
    painter->setClipRect(cellRect);
    int flags = int(horizontal) | Qt::AlignTop;
    QString shown = text;
    if (wordwrap == ww_wordwrap) {
        flags |= Qt::TextWordWrap;
    } else if (wordwrap == ww_ellipsis) {
        const QFontMetrics fm(painter->font());
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = fm.elidedText(line, Qt::ElideRight, r.width());
        shown = lines.join(QLatin1Char('\n'));
    }
    painter->drawText(r, flags, shown);
    painter->restore();
}

GridCellEditor::GridCellEditor(TAlignedGrid* grid, bool multiline, QWidget* parent)
    : QPlainTextEdit(parent), grid_(grid), multiline_(multiline) {
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
}

void GridCellEditor::keyPressEvent(QKeyEvent* e) {
    if (maxLength_ > 0 && keyPassesLimit(this, e, maxLength_)) {
        QApplication::beep();
        e->accept();
        return;
    }
    if (!multiline_ && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) &&
        !(e->modifiers() & Qt::ShiftModifier)) {
        // Within a wrapped text the caret moves between its lines; at the first or last line
        // the key goes to the grid, which moves to the next cell.
        QTextCursor c = textCursor();
        const auto op = e->key() == Qt::Key_Up ? QTextCursor::Up : QTextCursor::Down;
        if (!c.movePosition(op)) {
            e->ignore();
            return;
        }
        setTextCursor(c);
        return;
    }
    if (!multiline_ && (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown)) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void GridCellEditor::inputMethodEvent(QInputMethodEvent* e) {
    if (maxLength_ > 0) inputMethodWithinLimit(this, e, maxLength_);
    QPlainTextEdit::inputMethodEvent(e);
}

void GridCellEditor::insertFromMimeData(const QMimeData* source) {
    if (maxLength_ <= 0) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    if (!source || !source->hasText()) return;
    insertWithinLimit(this, source->text(), maxLength_, PasteCut::Characters);
    ensureCursorVisible();
}

void GridCellEditor::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu(e->pos());
    if (!grid_->contextActions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(grid_->contextActions());
    }
    menu->exec(e->globalPos());
    delete menu;
}

GridDelegate::GridDelegate(TAlignedGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const GridTableModel* m = grid_->gridModel();
    const int c = m->gridCol(index);
    const int r = m->gridRow(index);
    const bool isCurrent = grid_->currentIndex() == index;
    const bool focused = isCurrent && (option.state & QStyle::State_HasFocus);
    bool selected = (option.state & QStyle::State_Selected) && grid_->DrawSelection();
    // The focused cell keeps its normal colours unless the grid draws it as selected (whole
    // rows are always drawn selected).
    if (focused &&
        !(grid_->options() & (TAlignedGrid::DrawFocusSelected | TAlignedGrid::RowSelect)))
        selected = false;
    const CellLook look = grid_->look(c, r, selected);
    painter->fillRect(option.rect, look.background);
    painter->setFont(look.font);
    painter->setPen(look.text);
    drawCellText(painter, option.rect, index.data(Qt::DisplayRole).toString(),
                 qtAlignment(look.alignment), look.wordwrap);
    if (focused && !(grid_->options() & TAlignedGrid::RowSelect)) {
        QStyleOptionFocusRect fr;
        fr.initFrom(grid_);
        fr.rect = option.rect.adjusted(1, 1, -1, -1);
        fr.backgroundColor = look.background;
        grid_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fr, painter, grid_);
    }
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* editor = new GridCellEditor(grid_, grid_->EditMultiline(), parent);
    editor->setMaxLength(grid_->MaxEditLength());
    const GridTableModel* m = grid_->gridModel();
    const CellLook look = grid_->look(m->gridCol(index), m->gridRow(index), false);
    editor->setFont(look.font);
    QPalette pal = editor->palette();
    pal.setColor(QPalette::Base, look.background);
    pal.setColor(QPalette::Text, look.text);
    editor->setPalette(pal);
    QTextOption opt = editor->document()->defaultTextOption();
    opt.setAlignment(qtAlignment(look.alignment));
    editor->document()->setDefaultTextOption(opt);
    editor->setLineWrapMode(look.wordwrap == ww_wordwrap || grid_->EditMultiline()
                                ? QPlainTextEdit::WidgetWidth
                                : QPlainTextEdit::NoWrap);
    editor->setAccessibleName(index.data(Qt::DisplayRole).toString().isEmpty()
                                  ? grid_->accessibleName()
                                  : index.data(Qt::DisplayRole).toString());
    grid_->editing().editorCreated(editor, index);
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* e = qobject_cast<GridCellEditor*>(editor);
    if (!e) return;
    const QString text = index.data(Qt::EditRole).toString();
    // The cell was just stored from this editor: keep the caret where it is.
    if (e->toPlainText() == text && e->document()->characterCount() > 1) return;
    e->setPlainText(text);
    QTextCursor c = e->textCursor();
    if (grid_->SelectEditText()) {
        c.select(QTextCursor::Document);
    } else {
        c.movePosition(QTextCursor::End);
    }
    e->setTextCursor(c);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* e = qobject_cast<GridCellEditor*>(editor))
        model->setData(index, e->toPlainText(), Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<GridCellEditor*>(object);
    if (!editor) return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Escape and Enter belong to the editor, not to a default button or a shortcut.
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Escape || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // The edit goes on when the focus went to the grid around the editor (a click beside
        // the cells, or the grid being given the focus; the grid hands the focus back), and
        // when the window lost the focus or a menu opened. Only a control elsewhere ends it.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (QApplication::focusWidget() == grid_ || why == Qt::ActiveWindowFocusReason ||
            why == Qt::PopupFocusReason)
            return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        switch (k->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            grid_->editing().editorTab(editor, k->key() == Qt::Key_Backtab ||
                                                   (k->modifiers() & Qt::ShiftModifier));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (editor->multiline() && !(k->modifiers() & Qt::ControlModifier)) {
                if (editor->maxLength() > 0 && keyPassesLimit(editor, k, editor->maxLength())) {
                    QApplication::beep();
                    return true;
                }
                // A line break: the editor takes Enter (Shift+Enter would give a different
                // kind of break in a text box).
                editor->textCursor().insertText(QStringLiteral("\n"));
                editor->ensureCursorVisible();
                return true;
            }
            grid_->editing().editorEnter(editor);
            return true;
        case Qt::Key_Escape:
            grid_->editing().editorEscape(editor);
            return true;
        default:
            return false;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace tarnik
