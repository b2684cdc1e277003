#pragma once
// GridDelegate and GridCellEditor: the aligned string grid's cells drawn and edited in place.
// Drawing and editing the cells of the aligned grid: each cell in its resolved font, background
// and alignment with its text inset by 2 pixels, wrapped at words or ended with an ellipsis; and
// the in-place editor, a text box that takes the cell's look.
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

namespace tarnik {

class TAlignedGrid;

// The in-place editor. In single-line mode Up and Down leave the text box once the caret is in
// its first or last line, so that the grid moves to the cell above or below; in multi-line mode
// every movement key stays in the text.
class GridCellEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    GridCellEditor(TAlignedGrid* grid, bool multiline, QWidget* parent);
    bool multiline() const { return multiline_; }
    // The longest text the editor takes; 0: no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    TAlignedGrid* grid_;
    bool multiline_;
    int maxLength_ = 0;
};

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(TAlignedGrid* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TAlignedGrid* grid_;
};

// Draws a text in a cell's rectangle as the grid does: 2 pixels inside on every side, aligned
// at the top, wrapped or ended with an ellipsis.
void drawCellText(QPainter* painter, const QRect& cellRect, const QString& text,
                  Qt::Alignment horizontal, int wordwrap);

} // namespace tarnik
