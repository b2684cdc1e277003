#include "tests/app/support/pdftext.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "tests/app/support/testsupport.h"

namespace tarnik::testing {

PdfText pdfText(const QString& pdfFile, int timeoutMs) {
    PdfText out;
    const QString tool = findTool(QStringLiteral("pdftotext"));
    out.available = !tool.isEmpty();
    if (!out.available) {
        out.error = QStringLiteral("pdftotext is not installed");
        return out;
    }
    if (!QFileInfo(pdfFile).isFile()) {
        out.error = QStringLiteral("no PDF file %1").arg(pdfFile);
        return out;
    }
    QProcess p;
    p.start(tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfFile, QStringLiteral("-")});
    if (!p.waitForStarted(timeoutMs)) {
        out.error = QStringLiteral("pdftotext did not start: %1").arg(p.errorString());
        return out;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        out.error = QStringLiteral("pdftotext did not finish within %1 ms").arg(timeoutMs);
        return out;
    }
    out.text = QString::fromUtf8(p.readAllStandardOutput());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        out.error = QStringLiteral("pdftotext failed (exit code %1): %2")
                        .arg(p.exitCode())
                        .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return out;
    }
    out.ok = true;
    return out;
}

ToolRun runTool(const QString& tool, const QStringList& args, int timeoutMs) {
    ToolRun out;
    const QString path = findTool(tool);
    out.available = !path.isEmpty();
    if (!out.available) {
        out.error = QStringLiteral("%1 is not installed").arg(tool);
        return out;
    }
    QProcess p;
    p.start(path, args);
    if (!p.waitForStarted(timeoutMs)) {
        out.error = QStringLiteral("%1 did not start: %2").arg(tool, p.errorString());
        return out;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        out.error = QStringLiteral("%1 did not finish within %2 ms").arg(tool).arg(timeoutMs);
        return out;
    }
    out.out = QString::fromUtf8(p.readAllStandardOutput());
    out.err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    if (p.exitStatus() != QProcess::NormalExit) {
        out.error = QStringLiteral("%1 crashed: %2").arg(tool, out.err);
        return out;
    }
    out.finished = true;
    out.exitCode = p.exitCode();
    return out;
}

} // namespace tarnik::testing
