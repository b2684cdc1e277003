#pragma once
// Help context numbers: each control may carry the number of the help topic that explains it;
// F1 opens the topic of the focused control (or of the nearest parent that has one).
class QWidget;

namespace tarnik {

void setHelpContext(QWidget* widget, int context);
// The widget's own number, 0 when it has none.
int helpContext(const QWidget* widget);
// The number of the widget or of its nearest parent that has one; 0 when none has.
int effectiveHelpContext(const QWidget* widget);

} // namespace tarnik
