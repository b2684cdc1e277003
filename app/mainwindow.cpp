#include "mainwindow.h"

namespace tarnik {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tarnik - bez nazwy"));
    resize(779, 552);
}

} // namespace tarnik
