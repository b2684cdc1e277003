#include "app/help/helptopics.h"

#include <map>

namespace tarnik {

namespace {

std::map<int, QString>& topics() {
    static std::map<int, QString> t;
    return t;
}

} // namespace

void registerHelpTopics(std::initializer_list<std::pair<int, const char*>> list) {
    for (const auto& [number, url] : list)
        topics().emplace(number, QString::fromLatin1(url));
}

QString helpTopicUrl(int context) {
    const auto& t = topics();
    const auto it = t.find(context);
    return it == t.end() ? QString() : it->second;
}

QList<int> helpContextNumbers() {
    QList<int> out;
    for (const auto& [number, url] : topics())
        out << number;
    return out;
}

} // namespace tarnik
