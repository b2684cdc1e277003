#include "tests/app/support/libreoffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "tests/app/support/testsupport.h"

namespace tarnik::testing {

namespace {

// LibreOffice's user profile for this test program: created on first use, removed at exit.
QString profileUrl() {
    static QTemporaryDir profile(QDir::tempPath() + QStringLiteral("/tarnik-lo-XXXXXX"));
    return QUrl::fromLocalFile(profile.path()).toString();
}

} // namespace

OfficeConversion convertWithLibreOffice(const QStringList& inputs, const QString& format,
                                        const QString& outDir, int timeoutMs) {
    OfficeConversion out;
    const QString tool = findTool(QStringLiteral("soffice"));
    if (tool.isEmpty()) {
        out.error = QStringLiteral("LibreOffice (soffice) is not installed");
        return out;
    }
    QStringList expected;
    for (const QString& input : inputs) {
        const QString target = QDir(outDir).filePath(QFileInfo(input).completeBaseName() +
                                                     QLatin1Char('.') + format.section(':', 0, 0));
        QFile::remove(target);
        expected << target;
    }
    QStringList args{QStringLiteral("-env:UserInstallation=") + profileUrl(),
                     QStringLiteral("--headless"),
                     QStringLiteral("--norestore"),
                     QStringLiteral("--nolockcheck"),
                     QStringLiteral("--convert-to"),
                     format,
                     QStringLiteral("--outdir"),
                     outDir};
    args += inputs;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, args);
    if (!p.waitForStarted(30000)) {
        out.error = QStringLiteral("LibreOffice did not start: %1").arg(p.errorString());
        return out;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        out.error = QStringLiteral("LibreOffice did not finish within %1 ms").arg(timeoutMs);
        return out;
    }
    const QString log = QString::fromLocal8Bit(p.readAll()).trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        out.error =
            QStringLiteral("LibreOffice failed (exit code %1): %2").arg(p.exitCode()).arg(log);
        return out;
    }
    for (const QString& target : expected) {
        if (!QFileInfo(target).isFile() || QFileInfo(target).size() == 0) {
            out.error = QStringLiteral("LibreOffice wrote no %1: %2").arg(target, log);
            return out;
        }
    }
    out.outputs = expected;
    out.ok = true;
    return out;
}

} // namespace tarnik::testing
