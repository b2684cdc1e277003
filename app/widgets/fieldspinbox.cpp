#include "app/widgets/fieldspinbox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tarnik {

FieldSpinBox::FieldSpinBox(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
    // Typing changes the text of the editor; stepping and setting a value change it behind the
    // editor's signals and announce the new value. Each new text is reported once.
    connect(lineEdit(), &QLineEdit::textChanged, this, &FieldSpinBox::reportText);
    connect(this, &QSpinBox::valueChanged, this, &FieldSpinBox::reportText);
}

void FieldSpinBox::reportText() {
    const QString now = rawText();
    if (now == reported_) return;
    reported_ = now;
    emit rawTextChanged(now);
}

QString FieldSpinBox::rawText() const {
    return lineEdit()->text();
}

void FieldSpinBox::replaceText(const QString& text) {
    if (lineEdit()->text() == text) return;
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(int(text.size()));
}

void FieldSpinBox::showValue(int value) {
    replaceText(textFromValue(value));
    if (this->value() != value) setValue(value);
}

void FieldSpinBox::focusOutEvent(QFocusEvent* event) {
    const QString raw = rawText();
    QSpinBox::focusOutEvent(event);
    emit left(raw);
}

void FieldSpinBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString raw = rawText();
    QSpinBox::keyPressEvent(event);
    if (enter) emit left(raw);
}

} // namespace tarnik
