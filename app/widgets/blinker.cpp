#include "app/widgets/blinker.h"

namespace tarnik {

Blinker::Blinker(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &Blinker::tick);
}

void Blinker::setTargets(const QList<QWidget*>& widgets) {
    targets_.clear();
    for (QWidget* w : widgets)
        targets_ << QPointer<QWidget>(w);
}

void Blinker::start() {
    for (const auto& w : targets_)
        if (w) w->setHidden(true);
    timer_.start(kFirstStep);
}

void Blinker::tick() {
    for (const auto& w : targets_)
        if (w) w->setHidden(!w->isHidden());
    if (step_ > kLastStep) {
        step_ -= kStepDecrement;
        timer_.setInterval(step_);
    } else {
        timer_.stop();
        step_ = kFirstStep;
        for (const auto& w : targets_)
            if (w) w->setHidden(false);
    }
}

} // namespace tarnik
