#pragma once
// The view of the safety checklist: the numbered questions with their answer boxes, scrolling
// as the rows require. Each click and each double click on an answer box, and Space on the
// answer box that has the keyboard focus, asks for one step of its answer; T answers "TAK" and
// N "NIE" and go on to the next question, Delete and Backspace clear the answer. Tab and
// Shift+Tab, and the arrow keys, go from answer box to answer box. Typing letters does not jump
// to a question: the letters answer.
#include <QTableView>

namespace tarnik {

class ChecklistView : public QTableView {
    Q_OBJECT
public:
    explicit ChecklistView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // The rectangle of the answer box of a row, in viewport coordinates.
    QRect answerRect(int row) const;

signals:
    // The answer of this row should move one step along its cycle.
    void answerStepRequested(int row);
    // The answer of this row should become `answer` ("TAK", "NIE", or empty).
    void answerSetRequested(int row, const QString& answer);

public:
    // The letters answer the questions; there is no jump to a question by its first letters.
    void keyboardSearch(const QString& search) override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The answer box under a viewport position, or an invalid index.
    QModelIndex answerAt(const QPoint& pos) const;
    // Gives rows first..last the height their wrapped questions need. A changed answer never
    // changes a height, so the heights are fitted only when rows come, go or change width.
    void fitRows(int first, int last);
    // Fits every row once the current events are done (the width may change again first).
    void fitAllRowsSoon();

    bool fitPending_ = false;

    QPersistentModelIndex pressed_;
    // The release that ends a double click is no click of its own.
    bool releaseEndsDoubleClick_ = false;
};

} // namespace tarnik
