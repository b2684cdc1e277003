#include <QApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "commandline.h"
#include "mainwindow.h"

int main(int argc, char* argv[]) {
    // Options that need no window are handled before the toolkit starts, so they also work
    // without a display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    const tarnik::CommandLine cl = tarnik::parseCommandLine(args);
    if (cl.mode != tarnik::CommandLine::Mode::Window)
        return tarnik::runWithoutWindow(cl, stdout, stderr);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnik"));
    tarnik::MainWindow window;
    window.show();
    return app.exec();
}
