#include "app/platform/qtsettingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnik {

QString QtSettingsStore::defaultIniFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/TRK2000/Startup.ini");
}

QtSettingsStore::QtSettingsStore() {
#ifdef Q_OS_WIN
    settings_ = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\TRK2000\\Startup"), QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(defaultIniFile(), QSettings::IniFormat);
#endif
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString QtSettingsStore::location() const {
    return settings_->fileName();
}

bool QtSettingsStore::available() const {
    if (settings_->format() != QSettings::IniFormat)
        return settings_->status() == QSettings::NoError;
    // The INI file must be readable if it exists; writing is checked on each write.
    const QFileInfo file(settings_->fileName());
    return !file.exists() || file.isReadable();
}

std::optional<std::string> QtSettingsStore::readString(const std::string& name) const {
    const QString key = QString::fromStdString(name);
    if (!settings_->contains(key)) return std::nullopt;
    return settings_->value(key).toString().toStdString();
}

std::optional<int> QtSettingsStore::readInt(const std::string& name) const {
    const QString key = QString::fromStdString(name);
    if (!settings_->contains(key)) return std::nullopt;
    bool ok = false;
    const int v = settings_->value(key).toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

bool QtSettingsStore::writeString(const std::string& name, const std::string& value) {
    settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
    return commit();
}

bool QtSettingsStore::writeInt(const std::string& name, int value) {
    settings_->setValue(QString::fromStdString(name), value);
    return commit();
}

bool QtSettingsStore::commit() {
    if (settings_->format() == QSettings::IniFormat) {
        // QSettings does not create the folder of a new INI file by itself on every platform.
        QDir().mkpath(QFileInfo(settings_->fileName()).absolutePath());
    }
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace tarnik
