#pragma once
// A spin box for the number fields of the pages. Their change handlers work on the
// text as the user has it, not on what the spin box makes of it: every change of the text is
// reported with the text itself, and leaving the field (losing focus, or Enter) is reported with
// the text it had before the spin box corrected it. The handler may then put a text of its own
// into the field.
//
// Any integer may be typed, a leading minus and more digits than the bounds allow included: the
// value is the nearest bound while the text is past it (a number under a positive lower bound
// waits for more digits), and leaving the field shows that bound.
// A lone sign is the beginning of a number, not a text of its own: it is not reported while it
// is typed, only when the field is left with it.
#include <QSpinBox>

namespace tarnik {

class FieldSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit FieldSpinBox(QWidget* parent = nullptr);

    // The text of the field as typed.
    QString rawText() const;
    // Puts a text into the field (the cursor at its end); the change is reported like any other.
    void replaceText(const QString& text);
    // Shows a value; nothing is reported when the text stays the same.
    void showValue(int value);

signals:
    // Every change of the text: typed, stepped or set.
    void rawTextChanged(const QString& text);
    // The field was left, by focus or by Enter, with the text it had before any correction.
    void left(const QString& rawText);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    // Plain decimal digits, as the program writes numbers everywhere.
    QString textFromValue(int value) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reportText();

    QString reported_;
};

} // namespace tarnik
