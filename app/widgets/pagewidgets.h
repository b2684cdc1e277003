#pragma once
// Small building blocks shared by the pages: captions that show their text exactly as written
// (blanks included), the boxes that show a computed value, and a number field bound to its place
// in the assessment.
#include <QFrame>
#include <QLabel>
#include <QString>
#include <string>

namespace tarnik {

class FieldSpinBox;

// A caption shown as plain text, exactly as written.
QLabel* captionLabel(const QString& text, QWidget* parent, bool wrap = false);

// A caption naming `buddy`: its mnemonic (&) moves the focus there, and its text becomes the
// buddy's accessible name.
QLabel* buddyCaption(const QString& text, QWidget* buddy, QWidget* parent, bool wrap = false);

// A box that shows a computed value: a sunken panel, the number at its right.
QLabel* valueBox(const QString& objectName, QWidget* parent, int minimumChars = 7);

// A number field (spin box) named `objectName` holding integers in min..max.
FieldSpinBox* numberField(const QString& objectName, int min, int max, QWidget* parent);

// The text of the core for a label.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Makes a label's text bold.
void setBold(QWidget* w, bool bold = true);

// Takes the keyboard focus away from a control of `page`, if one has it. A page whose document
// is being replaced calls it with its change handlers quiet, so that a field left half-typed
// does not hand its text to the next document when the page is hidden.
void dropFocus(QWidget* page);

} // namespace tarnik
