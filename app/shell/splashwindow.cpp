#include "app/shell/splashwindow.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/platform/appicon.h"
#include "core/version.h"

namespace tarnik {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(500, 269);
    auto* picture = new QLabel(this);
    picture->setGeometry(0, 0, 500, 269);
    picture->setPixmap(drawSplashPicture());
    version_ = new QLabel(QStringLiteral("wersja ") + QLatin1String(kProgramVersion), this);
    version_->setGeometry(360, 156, 86, 17);
    version_->setAlignment(Qt::AlignCenter);
    version_->setAutoFillBackground(true);
    QPalette pal = version_->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    pal.setColor(QPalette::WindowText, Qt::white);
    version_->setPalette(pal);
    QFont f = version_->font();
    f.setBold(true);
    f.setPixelSize(12);
    version_->setFont(f);

    timer_.setSingleShot(true);
    timer_.setInterval(kDisplayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // The timer switches itself off at its first firing.
        timer_.stop();
        fired_ = true;
    });
}

void SplashWindow::start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + (g.width() - width()) / 2, g.top() + (g.height() - height()) / 2);
    }
    show();
    raise();
    timer_.start();
}

void SplashWindow::waitForTimer() {
    while (!fired_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

} // namespace tarnik
