// tarnik_icons FOLDER: writes the program's theme icons as PNG files under FOLDER (FOLDER/64x64/
// apps/tarnik.png ...) for the install, drawn by the code that draws them when the program runs,
// and the Windows icons of the program and of assessment files (FOLDER/tarnik.ico,
// FOLDER/tarnik-ocena.ico), which the Windows program carries as resources.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "app/platform/appicon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: tarnik_icons FOLDER\n");
        return 1;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    for (const tarnik::ThemeIcon& icon : tarnik::themeIcons()) {
        const QString file = folder.filePath(icon.path);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !icon.image.save(file, "PNG")) {
            std::fprintf(stderr, "Nie można zapisać pliku %s\n", qPrintable(file));
            return 1;
        }
    }
    const struct {
        const char* name;
        QImage (*draw)(int);
    } windowsIcons[] = {{"tarnik.ico", tarnik::drawProgramIcon},
                        {"tarnik-ocena.ico", tarnik::drawDocumentIcon}};
    for (const auto& icon : windowsIcons) {
        const QString file = folder.filePath(QString::fromLatin1(icon.name));
        const QByteArray bytes = tarnik::icoFile(tarnik::windowsIconSizes(icon.draw));
        QFile out(file);
        if (bytes.isEmpty() || !out.open(QIODevice::WriteOnly) ||
            out.write(bytes) != bytes.size() || !out.flush()) {
            std::fprintf(stderr, "Nie można zapisać pliku %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
