#pragma once
// The program's pictures, drawn rather than shipped: the program icon, the icon of assessment
// files and the splash picture.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <vector>

namespace tarnik {

QImage drawProgramIcon(int size);
QImage drawDocumentIcon(int size);
// The splash picture, 500 x 269.
QPixmap drawSplashPicture();

// An icon as the desktop's "hicolor" icon theme holds it: the file's path relative to the
// theme's folder, and the picture.
struct ThemeIcon {
    QString path;
    QImage image;
};

// The program's icon ("tarnik") and that of assessment files ("application-x-tarnik-ocena"),
// 64 pixels: written under $XDG_DATA_HOME at every start and installed under share/.
std::vector<ThemeIcon> themeIcons();

// A Windows icon file (.ico) holding the pictures as PNG images, largest last; every picture
// square, 1 to 256 pixels. Empty when a picture does not fit or cannot be encoded.
QByteArray icoFile(const std::vector<QImage>& pictures);

// The sizes Windows shows a program's or a document's icon in (16 to 256 pixels).
std::vector<QImage> windowsIconSizes(QImage (*draw)(int));

} // namespace tarnik
