#include "tests/app/support/libreoffice.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include "tests/app/support/pdftext.h"
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
    const ToolRun r = runTool(QStringLiteral("soffice"), args, timeoutMs);
    if (!r.finished) {
        out.error = QStringLiteral("LibreOffice: %1").arg(r.error);
        return out;
    }
    const QString log = (r.out + QLatin1Char('\n') + r.err).trimmed();
    if (r.exitCode != 0) {
        out.error =
            QStringLiteral("LibreOffice failed (exit code %1): %2").arg(r.exitCode).arg(log);
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
