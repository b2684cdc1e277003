#pragma once
// "Plik → Ostatnio otwierane": the last eight assessment files opened or saved, newest first,
// kept in the settings store ("OstatniPlik1" .. "OstatniPlik8").
#include <QMenu>
#include <QObject>
#include <QStringList>

namespace tarnik {

class SettingsStore;

inline constexpr int kRecentFilesKept = 8;
inline const QString kRecentMissingSuffix = QStringLiteral(" (plik nie istnieje)");

class RecentFiles : public QObject {
    Q_OBJECT
public:
    // Reads the list from the store (may be null: the list lives as long as the program).
    explicit RecentFiles(SettingsStore* store, QObject* parent = nullptr);

    QStringList files() const { return files_; }
    // Puts the file first (once), keeping the newest eight, and writes the list.
    void add(const QString& path);
    void remove(const QString& path);

    // Fills the menu with one entry per file ("&1 name", the full path as its tip); a file that
    // no longer exists is marked kRecentMissingSuffix and shown greyed (in a RecentFilesMenu)
    // and in italics, yet can still be chosen. Choosing an entry emits chosen.
    void fillMenu(QMenu* menu);

signals:
    void chosen(const QString& path);

private:
    void write();

    SettingsStore* store_;
    QStringList files_;
};

// The menu of recent files: an entry whose file is gone is drawn in the greyed colour of a
// disabled entry while it stays enabled, so that choosing it can say the file is gone and take
// it off the list.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

} // namespace tarnik
