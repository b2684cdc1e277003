#pragma once
#include <QMainWindow>

namespace tarnik {

// The program's main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace tarnik
