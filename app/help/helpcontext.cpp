#include "app/help/helpcontext.h"

#include <QVariant>
#include <QWidget>

namespace tarnik {

namespace {
constexpr const char* kProperty = "tarnikHelpContext";
}

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kProperty, context);
}

int helpContext(const QWidget* widget) {
    return widget ? widget->property(kProperty).toInt() : 0;
}

int effectiveHelpContext(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const int c = helpContext(w)) return c;
    return 0;
}

} // namespace tarnik
