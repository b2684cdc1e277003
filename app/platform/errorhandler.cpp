#include "app/platform/errorhandler.h"

#include <QApplication>
#include <QString>

#include "app/platform/prompts.h"

namespace tarnik {

void reportError(const std::exception& e, QWidget* parent) {
    // FileError and ConversionError carry a Polish text for the user; anything else at least
    // says what failed.
    QString text = QString::fromUtf8(e.what());
    if (text.isEmpty()) text = QStringLiteral("Wystąpił nieoczekiwany błąd.");
    if (!parent) parent = QApplication::activeWindow();
    showMessage(parent, kTitleError, text);
}

} // namespace tarnik
