#pragma once
// The splash window shown while the program starts: a picture of the program with its version,
// centred on the screen, until its 3000 ms timer has fired.
#include <QTimer>
#include <QWidget>

class QLabel;

namespace tarnik {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDisplayMs = 3000;

    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window centred on the screen and starts its timer.
    void start();
    // Handles window messages until the timer has fired (returns at once when it already has).
    void waitForTimer();
    bool timerFired() const { return fired_; }

    QLabel* versionLabel() const { return version_; }

private:
    QTimer timer_;
    QLabel* version_ = nullptr;
    bool fired_ = false;
};

} // namespace tarnik
