#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#endif

#include "app/cli/commandline.h"
#include "app/shell/aboutwindow.h"
#include "app/shell/application.h"
#include "app/shell/mainwindow.h"
#include "app/shell/splashwindow.h"

int main(int argc, char* argv[]) {
    // Options that need no window are handled before the toolkit starts, so they also work
    // without a display.
    QStringList args;
#ifdef Q_OS_WIN
    // argv holds the names in the system's 8-bit code page, which loses the letters it lacks
    // ("łódź.trk" on a Windows set to another language): the command line is read as typed.
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            args << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
#endif
    const tarnik::CommandLine cl = tarnik::parseCommandLine(args);
    if (cl.mode != tarnik::CommandLine::Mode::Window) {
#ifdef Q_OS_WIN
        // A windowed program gets no console: what the command prints goes to the console it
        // was started from, unless it was redirected to a file or a pipe.
        const bool outFree = !GetStdHandle(STD_OUTPUT_HANDLE);
        const bool errFree = !GetStdHandle(STD_ERROR_HANDLE);
        if ((outFree || errFree) && AttachConsole(ATTACH_PARENT_PROCESS)) {
            if (outFree) std::freopen("CONOUT$", "w", stdout);
            if (errFree) std::freopen("CONOUT$", "w", stderr);
        }
#endif
        return tarnik::runWithoutWindow(cl, stdout, stderr);
    }

    tarnik::Application app(argc, argv);
    // The toolkit's own dialogs (printing, page setup, print preview, fonts) speak Polish too,
    // when the translations are installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkitTexts);

    // 1. The splash window, until its timer has fired.
    tarnik::SplashWindow splash;
    splash.start();
    splash.waitForTimer();

    // 2. The application title.
    QApplication::setApplicationName(QStringLiteral("Tarnik"));

    // 3. The windows, the main window first: creating it prepares the document.
    tarnik::MainWindowOptions options;
    options.fileToOpen = cl.fileToOpen;
    options.refreshDesktopCaches = true;
    tarnik::MainWindow window(options);

    // 4. The splash goes; the main window runs the program until it closes.
    splash.hide();
    window.show();
    return app.exec();
}
