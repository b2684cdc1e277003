#include "app/platform/startupvalues.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "app/platform/appicon.h"
#include "app/platform/desktopfiles.h"
#include "core/base/settings.h"

namespace tarnik {

void writeStartupValues(SettingsStore& store, const QString& programDir) {
    if (!store.available()) return;
    QString dir = QDir::toNativeSeparators(QDir(programDir).absolutePath());
    if (!dir.endsWith(QDir::separator())) dir += QDir::separator();
    // Each value on its own: one that cannot be written does not keep the others out.
    store.writeString("Ostatnia aktualizacja", kLastUpdateValue);
    store.writeString("DefaultPath", dir.toStdString());
    store.writeString("Producent", kProducerValue);
    store.writeString("Version", kVersionValue);
}

QString userDataHome() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base;
}

QString desktopExecQuoted(const QString& path) {
    QString out = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%')) out += QLatin1Char('%');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

namespace {

#ifndef Q_OS_WIN
// Writes the file when its content differs; false when it cannot be written.
bool writeIfDifferent(const QString& fileName, const QByteArray& content, bool& changed) {
    QFile existing(fileName);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) return false;
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(content);
    if (!out.commit()) return false;
    changed = true;
    return true;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

AssociationResult registerFreedesktop(const QString& executable, const QString& dataHome,
                                      bool refreshCaches) {
    AssociationResult r;
    const QByteArray mimeXml(kMimeTypeXml);
    const QString desktop =
        QString::fromUtf8(kDesktopEntryTemplate)
            .replace(QLatin1String(kExecPlaceholder), desktopExecQuoted(executable));

    bool mimeChanged = false;
    bool appsChanged = false;
    bool iconsChanged = false;
    auto count = [&r](bool ok) { ok ? ++r.written : ++r.skipped; };
    count(writeIfDifferent(dataHome + QStringLiteral("/mime/packages/tarnik-ocena.xml"), mimeXml,
                           mimeChanged));
    count(writeIfDifferent(dataHome + QStringLiteral("/applications/tarnik.desktop"),
                           desktop.toUtf8(), appsChanged));
    for (const ThemeIcon& icon : themeIcons())
        count(writeIfDifferent(dataHome + QStringLiteral("/icons/hicolor/") + icon.path,
                               pngBytes(icon.image), iconsChanged));
    r.changed = mimeChanged || appsChanged || iconsChanged;

    if (refreshCaches) {
        // The desktop reads the new type and entry from its caches; the tools run on their own
        // and their absence or failure changes nothing for the program.
        const QString updateMime =
            QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (mimeChanged && !updateMime.isEmpty())
            QProcess::startDetached(updateMime, {dataHome + QStringLiteral("/mime")});
        const QString updateDesktop =
            QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
        if (appsChanged && !updateDesktop.isEmpty())
            QProcess::startDetached(updateDesktop, {dataHome + QStringLiteral("/applications")});
    }
    return r;
}
#else
AssociationResult registerWindowsClasses(const QString& executable) {
    AssociationResult r;
    // Per-user classes: HKEY_CURRENT_USER\Software\Classes stands for the classes root of
    // this user without administrator rights.
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"),
                      QSettings::NativeFormat);
    const QString exe = QDir::toNativeSeparators(executable);
    const QList<QPair<QString, QString>> values = {
        {QStringLiteral(".trk/Default"), kTrkProgId},
        // The program carries its own icon first and that of assessment files second.
        {kTrkProgId + QStringLiteral("/DefaultIcon/Default"), exe + QStringLiteral(",1")},
        {kTrkProgId + QStringLiteral("/shell/Default"), QStringLiteral("open")},
        {kTrkProgId + QStringLiteral("/shell/open/command/Default"),
         QLatin1Char('"') + exe + QStringLiteral("\" \"%1\"")},
    };
    for (const auto& [key, value] : values) {
        if (classes.value(key).toString() != value) {
            classes.setValue(key, value);
            classes.sync();
            if (classes.status() != QSettings::NoError) {
                ++r.skipped;
                continue;
            }
            r.changed = true;
        }
        ++r.written;
    }
    return r;
}
#endif

} // namespace

AssociationResult registerFileAssociation(const QString& executable, QString dataHome,
                                          bool refreshCaches) {
#ifdef Q_OS_WIN
    Q_UNUSED(dataHome);
    Q_UNUSED(refreshCaches);
    return registerWindowsClasses(executable);
#else
    if (dataHome.isEmpty()) dataHome = userDataHome();
    return registerFreedesktop(executable, dataHome, refreshCaches);
#endif
}

} // namespace tarnik
