#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <cstdio>

#include "app/cli/commandline.h"
#include "app/shell/aboutwindow.h"
#include "app/shell/application.h"
#include "app/shell/mainwindow.h"
#include "app/shell/splashwindow.h"

int main(int argc, char* argv[]) {
    // Options that need no window are handled before the toolkit starts, so they also work
    // without a display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    const tarnik::CommandLine cl = tarnik::parseCommandLine(args);
    if (cl.mode != tarnik::CommandLine::Mode::Window)
        return tarnik::runWithoutWindow(cl, stdout, stderr);

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
