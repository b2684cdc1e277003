#pragma once
// The help topics: each help context number leads to a page of the help (and a section in it).
// Every part of the window registers the topics of its own controls when it is built.
#include <QList>
#include <QString>
#include <initializer_list>
#include <utility>

namespace tarnik {

inline const QString kHelpContentsPage = QStringLiteral("index.html");

// Registers topics: context number and "page.html#section". A number registered again keeps
// its first topic.
void registerHelpTopics(std::initializer_list<std::pair<int, const char*>> topics);

// "page.html#section" for a context number, empty for a number without a topic.
QString helpTopicUrl(int context);

// Every context number that has a topic, in increasing order.
QList<int> helpContextNumbers();

} // namespace tarnik
