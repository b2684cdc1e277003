#include "app/shell/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStyleOptionMenuItem>

#include "core/base/settings.h"

namespace tarnik {

namespace {

// Marks the entries of files that are gone, for RecentFilesMenu.
const char* const kMissingProperty = "tarnikMissingFile";

std::string keyOf(int n) {
    return "OstatniPlik" + std::to_string(n);
}

} // namespace

RecentFiles::RecentFiles(SettingsStore* store, QObject* parent) : QObject(parent), store_(store) {
    if (!store_) return;
    for (int n = 1; n <= kRecentFilesKept; ++n) {
        const std::optional<std::string> value = store_->readString(keyOf(n));
        if (!value || value->empty()) continue;
        const QString path = QString::fromStdString(*value);
        if (!files_.contains(path)) files_ << path;
    }
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kRecentFilesKept)
        files_.removeLast();
    write();
}

void RecentFiles::remove(const QString& path) {
    if (files_.removeAll(path) > 0) write();
}

void RecentFiles::write() {
    if (!store_) return;
    for (int n = 1; n <= kRecentFilesKept; ++n)
        store_->writeString(keyOf(n),
                            n <= files_.size() ? files_[n - 1].toStdString() : std::string());
}

void RecentFiles::fillMenu(QMenu* menu) {
    menu->clear();
    if (files_.isEmpty()) {
        QAction* none = menu->addAction(QStringLiteral("(brak)"));
        none->setEnabled(false);
        return;
    }
    int n = 0;
    for (const QString& path : files_) {
        ++n;
        const bool missing = !QFileInfo::exists(path);
        QString text = QStringLiteral("&%1 %2").arg(n).arg(QFileInfo(path).fileName());
        if (missing) text += kRecentMissingSuffix;
        QAction* act = menu->addAction(text);
        act->setToolTip(QDir::toNativeSeparators(path));
        act->setStatusTip(QDir::toNativeSeparators(path));
        if (missing) {
            QFont font = act->font();
            font.setItalic(true);
            act->setFont(font);
            act->setProperty(kMissingProperty, true);
        }
        connect(act, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
}

void RecentFilesMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!action || !action->property(kMissingProperty).toBool()) return;
    const QColor grey = option->palette.color(QPalette::Disabled, QPalette::Text);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            option->palette.setColor(group, role, grey);
}

} // namespace tarnik
