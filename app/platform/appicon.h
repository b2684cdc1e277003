#pragma once
// The program's pictures, drawn rather than shipped: the program icon, the icon of assessment
// files and the splash picture.
#include <QImage>
#include <QPixmap>

namespace tarnik {

QImage drawProgramIcon(int size);
QImage drawDocumentIcon(int size);
// The splash picture, 500 x 269.
QPixmap drawSplashPicture();

} // namespace tarnik
