#include "app/widgets/fieldspinbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <optional>

#include "core/evaluation/arith.h"

namespace tarnik {

namespace {

std::optional<std::int64_t> integerOf(const QString& text) {
    return arith::parseIntegerText(text.toStdString());
}

// A sign typed before its digits.
bool loneSign(const QString& text) {
    const QString t = text.trimmed();
    return t == QLatin1String("-") || t == QLatin1String("+");
}

} // namespace

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
    if (loneSign(now)) return;
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

QValidator::State FieldSpinBox::validate(QString& input, int&) const {
    const std::optional<std::int64_t> typed = integerOf(input);
    if (!typed)
        return input.trimmed().isEmpty() || loneSign(input) ? QValidator::Intermediate
                                                            : QValidator::Invalid;
    // A number under the lower bound may still reach it with more digits; one past the upper
    // bound, or a negative one under the lower bound, is taken as the nearest bound at once.
    if (*typed >= 0 && *typed < minimum()) return QValidator::Intermediate;
    return QValidator::Acceptable;
}

int FieldSpinBox::valueFromText(const QString& text) const {
    const std::optional<std::int64_t> typed = integerOf(text);
    if (!typed) return value();
    return static_cast<int>(std::clamp<std::int64_t>(*typed, minimum(), maximum()));
}

QString FieldSpinBox::textFromValue(int value) const {
    return QString::number(value);
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
