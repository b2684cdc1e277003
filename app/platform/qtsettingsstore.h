#pragma once
// The program's settings store: on Windows the registry key
// HKEY_CURRENT_USER\SOFTWARE\TRK2000\Startup, elsewhere $XDG_CONFIG_HOME/TRK2000/Startup.ini.
#include <QSettings>
#include <QString>
#include <memory>

#include "core/base/settings.h"

namespace tarnik {

class QtSettingsStore : public SettingsStore {
public:
    // The store of this user (honours XDG_CONFIG_HOME, so tests can point it elsewhere).
    QtSettingsStore();
    // A store in the given INI file.
    explicit QtSettingsStore(const QString& iniFile);

    // Where the values live: the INI file, or the registry path.
    QString location() const;

    bool available() const override;
    std::optional<std::string> readString(const std::string& name) const override;
    std::optional<int> readInt(const std::string& name) const override;
    bool writeString(const std::string& name, const std::string& value) override;
    bool writeInt(const std::string& name, int value) override;

    // The INI file used on systems without a registry.
    static QString defaultIniFile();

private:
    bool commit();

    std::unique_ptr<QSettings> settings_;
};

} // namespace tarnik
