#pragma once
// "O programie...": the program's title and version, its maker, and the change history. Shown
// without being modal, its top-left corner at the mouse pointer and the whole window on screen.
#include <QDialog>

class QLabel;
class QTextEdit;

namespace tarnik {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Shows the window at the mouse pointer.
    void showAtCursor();
    // Shows it with its top-left corner at `point`, moved left and up as far as needed to keep
    // the whole window inside `screen`.
    void showAt(const QPoint& point, const QRect& screen);

    QLabel* titleText() const { return title_; }
    QTextEdit* historyText() const { return history_; }

    // The change history as it is shown.
    static QString historyHtml();

private:
    QLabel* title_ = nullptr;
    QTextEdit* history_ = nullptr;
};

// Where a window of `size` goes when its corner should be at `point` within `screen`.
QPoint placeWithinScreen(const QPoint& point, const QSize& size, const QRect& screen);

} // namespace tarnik
