#pragma once
// The blinking that points the user at the worker counts: the widgets are hidden, then toggled
// after 700, 600, 500, 400, 300, 200 and 100 ms (seven toggles) and left visible. The step value
// lives as long as the blinker: a run started while another runs begins at 700 ms again, and the
// intervals after that go on from the step already reached.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarnik {

class Blinker : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstStep = 700;
    static constexpr int kStepDecrement = 100;
    static constexpr int kLastStep = 100;

    explicit Blinker(QObject* parent = nullptr);

    void setTargets(const QList<QWidget*>& widgets);
    // Hides the targets and starts the timer at 700 ms.
    void start();
    bool isRunning() const { return timer_.isActive(); }
    // The interval the next tick will be scheduled with (the step value).
    int step() const { return step_; }
    int currentInterval() const { return timer_.interval(); }

public slots:
    // One timer tick: toggle, then shorten the interval or finish.
    void tick();

private:
    QTimer timer_;
    QList<QPointer<QWidget>> targets_;
    int step_ = kFirstStep;
};

} // namespace tarnik
