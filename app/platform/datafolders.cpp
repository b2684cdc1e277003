#include "app/platform/datafolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/rules/checklist/checklist.h"

namespace tarnik {

namespace {

// A folder holds the shipped data when it holds the questions, the first file the program reads.
bool holdsData(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QString::fromUtf8(kQuestionsFileName))).isFile();
}

} // namespace

QString shippedDataFolder(const QString& executableFolder) {
    const QString fromEnv = qEnvironmentVariable("TARNIK_DATA_DIR");
    if (!fromEnv.isEmpty()) return QDir(fromEnv).absolutePath();
    const QString beside = QDir(executableFolder).absolutePath();
    if (holdsData(beside)) return beside;
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/../share/tarnik"));
    if (holdsData(installed)) return installed;
    return beside;
}

QString userDataFolder() {
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("APPDATA");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return QDir::cleanPath(base + QStringLiteral("/Tarnik"));
#else
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/Tarnik"));
#endif
}

QString dataFileToRead(const QString& shippedFolder, const QString& fileName) {
    const QString own = QDir(userDataFolder()).filePath(fileName);
    if (QFileInfo::exists(own)) return own;
    return QDir(shippedFolder).filePath(fileName);
}

QString dataFileToWrite(const QString& shippedFolder, const QString& fileName) {
    const QString folder = userDataFolder();
    const QString own = QDir(folder).filePath(fileName);
    if (!QFileInfo::exists(own) && QDir().mkpath(folder)) {
        const QString shipped = QDir(shippedFolder).filePath(fileName);
        // The copy keeps the shipped file's permissions, which may forbid writing.
        if (QFileInfo(shipped).isFile() && QFile::copy(shipped, own))
            QFile::setPermissions(own, QFile::permissions(own) | QFileDevice::WriteOwner |
                                           QFileDevice::ReadOwner);
    }
    return own;
}

} // namespace tarnik
