#pragma once
// A multi-line text box that asks for only a few lines of room: the page's layout gives it the
// rest, and a page of many boxes still fits the window.
#include <QPlainTextEdit>

namespace tarnik {

class CompactTextEdit : public QPlainTextEdit {
public:
    explicit CompactTextEdit(int lines, QWidget* parent = nullptr)
        : QPlainTextEdit(parent), lines_(lines) {}

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth() + 8;
        return {220, fontMetrics().lineSpacing() * lines_ + frame};
    }
    QSize minimumSizeHint() const override {
        const int frame = 2 * frameWidth() + 8;
        return {80, fontMetrics().lineSpacing() * qMin(lines_, 2) + frame};
    }

private:
    int lines_;
};

} // namespace tarnik
