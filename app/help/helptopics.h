#pragma once
// The help topics: each help context number leads to a page of the help (and a section in it).
#include <QString>

namespace tarnik {

inline const QString kHelpContentsPage = QStringLiteral("index.html");

// "page.html#section" for a context number, empty for a number without a topic.
QString helpTopicUrl(int context);

// Every context number that has a topic, in increasing order.
QList<int> helpContextNumbers();

} // namespace tarnik
