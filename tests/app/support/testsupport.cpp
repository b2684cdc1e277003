#include "tests/app/support/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "core/base/cp1250.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tarnik::testing {

ScriptedPrompts::ScriptedPrompts() {
    setMessageBoxes(this);
    setFileDialogs(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    setMessageBoxes(nullptr);
    setFileDialogs(nullptr);
}

void ScriptedPrompts::message(QWidget*, const QString& title, const QString& text) {
    shown << Shown{QStringLiteral("message"), title, text};
}

bool ScriptedPrompts::question(QWidget*, const QString& title, const QString& text) {
    shown << Shown{QStringLiteral("question"), title, text};
    const Reply reply = answers.isEmpty() ? Reply::No : answers.dequeue().reply;
    if (reply == Reply::Cancel)
        QTest::qFail(qPrintable(QStringLiteral("\"Anuluj\" given to a Yes/No question: ") + text),
                     __FILE__, __LINE__);
    return reply == Reply::Yes;
}

Reply ScriptedPrompts::questionWithCancel(QWidget*, const QString& title, const QString& text) {
    shown << Shown{QStringLiteral("question"), title, text};
    ++questionsWithCancel;
    return answers.isEmpty() ? Reply::No : answers.dequeue().reply;
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& filter) {
    shown << Shown{QStringLiteral("open"), title, filter};
    return openNames.isEmpty() ? QString() : openNames.dequeue();
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
    shown << Shown{QStringLiteral("save"), title, filter};
    saveSuffixes << defaultSuffix;
    return saveNames.isEmpty() ? QString() : saveNames.dequeue();
}

QString ScriptedPrompts::openFileNameAt(QWidget* parent, const QString& title,
                                        const QString& filter, const QString& suggested) {
    suggestedOpenNames << suggested;
    return openFileName(parent, title, filter);
}

QString ScriptedPrompts::saveFileNameAt(QWidget* parent, const QString& title,
                                        const QString& filter, const QString& suggested,
                                        const QString& defaultSuffix) {
    suggestedNames << suggested;
    return saveFileName(parent, title, filter, defaultSuffix);
}

QString ScriptedPrompts::folderName(QWidget*, const QString& title, const QString& start) {
    shown << Shown{QStringLiteral("folder"), title, start};
    return folderNames.isEmpty() ? QString() : folderNames.dequeue();
}

QList<ScriptedPrompts::Shown> ScriptedPrompts::messages() const {
    QList<Shown> out;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("message")) out << s;
    return out;
}

int ScriptedPrompts::count(const QString& kind) const {
    int n = 0;
    for (const Shown& s : shown)
        if (s.kind == kind) ++n;
    return n;
}

#ifdef Q_OS_WIN
namespace {
void clearStoredSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\TRK2000\\Startup");
}
} // namespace
#endif

TemporaryHome::TemporaryHome()
    : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")),
      oldData_(qgetenv("XDG_DATA_HOME")), oldAppData_(qgetenv("APPDATA")) {
    qputenv("HOME", dir_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
#ifdef Q_OS_WIN
    qputenv("APPDATA", QDir::toNativeSeparators(dataHome()).toLocal8Bit());
    clearStoredSettings();
#endif
}

TemporaryHome::~TemporaryHome() {
#ifdef Q_OS_WIN
    clearStoredSettings();
    qputenv("APPDATA", oldAppData_);
#endif
    qputenv("HOME", oldHome_);
    if (oldConfig_.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    if (oldData_.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData_);
}

QString shippedDataDir() {
    const QString env = qEnvironmentVariable("TARNIK_DATA_DIR");
    return env.isEmpty() ? QCoreApplication::applicationDirPath() : env;
}

void writeBytes(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(file));
    f.write(bytes);
}

namespace {

QByteArray cp1250Lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += QByteArray::fromStdString(utf8ToCp1250(l.toStdString())) + "\r\n";
    return out;
}

} // namespace

void writeSmallData(const QString& dir, bool withQuestions) {
    QDir().mkpath(dir);
    if (withQuestions)
        writeBytes(dir + QStringLiteral("/pytania.txt"),
                   cp1250Lines({QStringLiteral("Czy przejścia są wolne?"),
                                QStringLiteral("Czy maszyny mają osłony?"),
                                QStringLiteral("Czy pracownicy stosują środki ochrony?")}));
    const char* files[] = {"chemiczne.txt", "pyly.txt", "fizyczne.txt", "biologiczne.txt",
                           "uciazliwe.txt"};
    const QStringList names[] = {
        {QStringLiteral("Aceton"), QStringLiteral("Toluen")},
        {QStringLiteral("Pył drewna twardego")},
        {QStringLiteral("Hałas"), QStringLiteral("Oświetlenie - natężenie")},
        {QStringLiteral("Bakterie")},
        {QStringLiteral("Praca w pozycji wymuszonej")}};
    for (int i = 0; i < 5; ++i)
        writeBytes(dir + QLatin1Char('/') + QLatin1String(files[i]), cp1250Lines(names[i]));
}

std::unique_ptr<MainWindow> makeWindow(const TemporaryHome& home, MainWindowOptions options) {
    if (options.programDir.isEmpty()) {
        options.programDir = home.path() + QStringLiteral("/program");
        if (!QFile::exists(options.programDir + QStringLiteral("/pytania.txt")))
            writeSmallData(options.programDir);
    }
    if (options.executable.isEmpty())
        options.executable = home.path() + QStringLiteral("/bin/tarnik");
    return std::make_unique<MainWindow>(options);
}

void WindowTestBase::openWindow(MainWindowOptions options) {
    closeWindow();
    home = std::make_unique<TemporaryHome>();
    prompts = std::make_unique<ScriptedPrompts>();
    w = makeWindow(*home, std::move(options));
}

bool WindowTestBase::showWindow(bool activate) {
    w->show();
    if (!activate) return QTest::qWaitForWindowExposed(w.get());
    w->activateWindow();
    return QTest::qWaitForWindowActive(w.get());
}

void WindowTestBase::closeWindow() {
    if (w) w->document().SetSaved(true);
    w.reset();
    prompts.reset();
    home.reset();
}

void WindowTestBase::shot(const char* name, QWidget* window) {
    const QString dir = qEnvironmentVariable("TARNIK_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QApplication::processEvents();
    QDir().mkpath(dir);
    QWidget* shown = window ? window : w.get();
    QVERIFY(
        shown->grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
}

#ifdef Q_OS_WIN
ProgramSettings::ProgramSettings(const QString& configHome) {
    clearStoredSettings();
    const QSettings ini(configHome + QStringLiteral("/TRK2000/Startup.ini"), QSettings::IniFormat);
    QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\TRK2000\\Startup"),
                       QSettings::NativeFormat);
    for (const QString& key : ini.allKeys())
        registry.setValue(key, ini.value(key));
    registry.sync();
}

ProgramSettings::~ProgramSettings() {
    clearStoredSettings();
}
#else
ProgramSettings::ProgramSettings(const QString&) {}
ProgramSettings::~ProgramSettings() = default;
#endif

QString tarnikProgram() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tarnik.exe");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tarnik");
#endif
}

QString findTool(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
#ifdef Q_OS_WIN
    if (found.isEmpty()) {
        const QStringList folders =
            qEnvironmentVariable("PATH").split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& folder : folders) {
            const QFileInfo bare(QDir(folder).filePath(name));
            if (bare.isFile()) return bare.absoluteFilePath();
        }
    }
#endif
    return found;
}

void withoutDisplay(QProcess& process) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
}

} // namespace tarnik::testing
