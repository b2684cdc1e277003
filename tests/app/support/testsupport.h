#pragma once
// Shared helpers of the widget tests: answering the program's message boxes and file dialogs,
// a temporary home for the settings and desktop files, and a main window made for a test.
#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/platform/prompts.h"
#include "app/shell/mainwindow.h"

class QProcess;

namespace tarnik::testing {

// Stands in for the message boxes and file dialogs: answers come from queues, and everything
// shown is recorded. An unexpected question is answered No, an unexpected dialog cancelled; both
// are recorded so that a test can see them.
class ScriptedPrompts : public MessageBoxes, public FileDialogs {
public:
    struct Shown {
        QString kind; // "message", "question" (with or without "Anuluj"), "open", "save", "folder"
        QString title;
        QString text;
    };

    // An answer to either kind of question: true (Yes) or false (No), or Reply::Cancel, which
    // only the question with "Anuluj" takes; given to a Yes/No question it fails the test.
    struct Answer {
        Answer(bool yes) : reply(yes ? Reply::Yes : Reply::No) {}
        Answer(Reply r) : reply(r) {}
        Reply reply;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    QQueue<Answer> answers;      // for question() and questionWithCancel(), in the order asked
    QQueue<QString> openNames;   // for openFileName(): empty = cancelled
    QQueue<QString> saveNames;   // for saveFileName(): empty = cancelled
    QQueue<QString> folderNames; // for folderName(): empty = cancelled
    QList<Shown> shown;
    // The names offered by saveFileNameAt(), in order.
    QStringList suggestedNames;
    // The names offered by openFileNameAt(), in order.
    QStringList suggestedOpenNames;
    // The default suffix each saveFileName() was given, in order.
    QStringList saveSuffixes;
    // How many questions offered "Anuluj".
    int questionsWithCancel = 0;

    void message(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    Reply questionWithCancel(QWidget* parent, const QString& title, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix = {}) override;
    QString openFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suggested) override;
    QString saveFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suggested, const QString& defaultSuffix = {}) override;
    QString folderName(QWidget* parent, const QString& title, const QString& start) override;

    // Only the messages (kind "message"), in order.
    QList<Shown> messages() const;
    int count(const QString& kind) const;
    void clear() { shown.clear(); }
};

// HOME, XDG_CONFIG_HOME and XDG_DATA_HOME inside a temporary folder for the life of the object.
// On Windows APPDATA too, and the program's settings key in the registry is emptied when the
// object is made and when it goes: the tests there run in a Wine prefix of the build's own.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    QString path() const { return dir_.path(); }
    QString configHome() const { return dir_.path() + QStringLiteral("/config"); }
    QString dataHome() const { return dir_.path() + QStringLiteral("/data"); }

private:
    QTemporaryDir dir_;
    QByteArray oldHome_, oldConfig_, oldData_, oldAppData_;
};

// The shipped data folder (TARNIK_DATA_DIR, which the test runner sets).
QString shippedDataDir();

// A folder with a small questionnaire and five small catalogues, for tests that count them.
// `withQuestions` false leaves "pytania.txt" out.
void writeSmallData(const QString& dir, bool withQuestions = true);

// A main window for a test: data from `programDir` (default: a small data folder written into
// the temporary home), no file association unless asked for.
std::unique_ptr<MainWindow> makeWindow(const TemporaryHome& home, MainWindowOptions options = {});

// What most window tests hold: a temporary home, scripted prompts and a main window made in that
// home. A test class derives from it after QObject and uses the three members by their names.
class WindowTestBase {
protected:
    // A new home, new prompts and a window made by makeWindow (not shown yet).
    void openWindow(MainWindowOptions options = {});
    // Shows the window and waits until it is exposed, or with `activate` until it is the active
    // window; false when that did not happen.
    [[nodiscard]] bool showWindow(bool activate = false);
    // Deletes the window without asking to save, then the prompts and the home.
    void closeWindow();
    // With TARNIK_SCREENSHOT_DIR set, saves the window (or `window`, another window of the
    // program) as it stands there as NAME.png.
    void shot(const char* name, QWidget* window = nullptr);

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> w;
};

// Writes bytes to a file.
void writeBytes(const QString& file, const QByteArray& bytes);

// Makes the process run the program as a command line does without a display: no DISPLAY and no
// platform chosen for it.
// The settings a program started by a test reads: on Linux the INI file under the config folder
// it is given (XDG_CONFIG_HOME); on Windows, where they live in the registry, that file's values
// are copied into the program's registry key for the life of the object.
class ProgramSettings {
public:
    explicit ProgramSettings(const QString& configHome);
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;
};

// The program built beside the tests (tarnik, tarnik.exe on Windows).
QString tarnikProgram();

// The full name of a tool the tests run (pdftotext, soffice), empty when it is not installed.
// Under Wine the Linux tools are found too: on the Windows PATH (WINEPATH), without a suffix.
QString findTool(const QString& name);

void withoutDisplay(QProcess& process);

} // namespace tarnik::testing

// A QtTest main that runs under the program's own application object, so that the general
// error handler is in place.
#define TARNIK_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char** argv) {                                                              \
        tarnik::Application app(argc, argv);                                                       \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
