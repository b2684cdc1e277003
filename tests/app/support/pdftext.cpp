#include "tests/app/support/pdftext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "tests/app/support/testsupport.h"

namespace tarnik::testing {

namespace {

#ifdef Q_OS_WIN
// Under Wine, the tests run Debian's tools: Linux programs, which a Windows process can start
// but neither wait for nor read through pipes. They run through the shell with their output in
// files and a last file that says they have finished; the Windows file names among their
// arguments are given as Unix names.
QString unixFileName(const QString& windowsName) {
    using ToUnix = char*(WINAPI*)(LPCWSTR);
    static const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    const std::wstring wide = QDir::toNativeSeparators(windowsName).toStdWString();
    char* name = toUnix(wide.c_str());
    if (!name) return {};
    const QString out = QString::fromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    return out;
}

QString toolArgument(const QString& arg) {
    static const QRegularExpression drivePath(QStringLiteral("^[A-Za-z]:[/\\\\]"));
    if (drivePath.match(arg).hasMatch()) return unixFileName(arg);
    const QString url = QStringLiteral("file:///");
    const qsizetype at = arg.indexOf(url);
    if (at >= 0 && drivePath.match(arg.mid(at + url.size())).hasMatch())
        return arg.left(at) +
               QUrl::fromLocalFile(unixFileName(QUrl(arg.mid(at)).toLocalFile())).toString();
    return arg;
}

QString shellQuoted(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

ToolRun runLinuxTool(const QString& tool, const QString& path, const QStringList& args,
                     int timeoutMs) {
    ToolRun out;
    out.available = true;
    QTemporaryDir work;
    const auto unixName = [&work](const char* name) {
        return shellQuoted(unixFileName(work.filePath(QLatin1String(name))));
    };
    QString command = shellQuoted(unixFileName(path));
    for (const QString& arg : args)
        command += QLatin1Char(' ') + shellQuoted(toolArgument(arg));
    const QString script = command + QStringLiteral(" </dev/null >") + unixName("out") +
                           QStringLiteral(" 2>") + unixName("err") + QStringLiteral("\necho $? >") +
                           unixName("code") + QStringLiteral("\nmv ") + unixName("code") +
                           QLatin1Char(' ') + unixName("done") + QLatin1Char('\n');
    QFile file(work.filePath(QStringLiteral("run.sh")));
    if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0) {
        out.error = QStringLiteral("%1: the script could not be written").arg(tool);
        return out;
    }
    file.close();
    const QString shell = findTool(QStringLiteral("sh"));
    if (shell.isEmpty() ||
        !QProcess::startDetached(shell, {unixFileName(work.filePath(QStringLiteral("run.sh")))},
                                 work.path())) {
        out.error = QStringLiteral("%1 did not start").arg(tool);
        return out;
    }
    QElapsedTimer clock;
    clock.start();
    const QString done = work.filePath(QStringLiteral("done"));
    while (!QFileInfo::exists(done)) {
        if (clock.elapsed() > timeoutMs) {
            out.error = QStringLiteral("%1 did not finish within %2 ms").arg(tool).arg(timeoutMs);
            return out;
        }
        QThread::msleep(20);
    }
    const auto read = [&work](const char* name) {
        QFile f(work.filePath(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    out.out = QString::fromUtf8(read("out"));
    out.err = QString::fromUtf8(read("err")).trimmed();
    bool number = false;
    out.exitCode = QString::fromLatin1(read("done")).trimmed().toInt(&number);
    if (!number || out.exitCode > 128) {
        out.error = QStringLiteral("%1 crashed: %2").arg(tool, out.err);
        return out;
    }
    out.finished = true;
    return out;
}
#endif

} // namespace

PdfText pdfText(const QString& pdfFile, int timeoutMs) {
    PdfText out;
    if (!QFileInfo(pdfFile).isFile()) {
        out.available = !findTool(QStringLiteral("pdftotext")).isEmpty();
        out.error = QStringLiteral("no PDF file %1").arg(pdfFile);
        return out;
    }
    const ToolRun r = runTool(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfFile, QStringLiteral("-")}, timeoutMs);
    out.available = r.available;
    if (!r.finished) {
        out.error = r.error;
        return out;
    }
    if (r.exitCode != 0) {
        out.error =
            QStringLiteral("pdftotext failed (exit code %1): %2").arg(r.exitCode).arg(r.err);
        return out;
    }
    out.text = r.out;
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
#ifdef Q_OS_WIN
    if (QFileInfo(path).suffix().isEmpty()) return runLinuxTool(tool, path, args, timeoutMs);
#endif
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
