#include "tests/app/support/modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTest>

namespace tarnik::testing {

namespace {

constexpr int kPollMs = 10;

// Every living answerer, in the order they were made.
QList<ModalAnswerer*>& answerers() {
    static QList<ModalAnswerer*> list;
    return list;
}

QString describe(const QWidget* w) {
    if (!w) return QStringLiteral("(none)");
    const QString title = w->windowTitle();
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(w->metaObject()->className()),
             title.isEmpty() ? QStringLiteral("untitled") : title);
}

QString withoutMnemonics(QString text) {
    // "&&" stands for a literal ampersand.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

} // namespace

bool clickButton(QWidget* window, const QString& text) {
    if (!window) return false;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (withoutMnemonics(b->text()) != text || !b->isVisible() || !b->isEnabled()) continue;
        b->click();
        return true;
    }
    return false;
}

ModalAnswerer::ModalAnswerer(Answer answer, int timeoutMs)
    : answer_(std::move(answer)), timeoutMs_(timeoutMs) {
    // Platform dialogs are no widgets and could be neither found nor closed.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    answerers().append(this);
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    strayTimer_.setTimerType(Qt::PreciseTimer);
    strayTimer_.setInterval(kPollMs);
    connect(&strayTimer_, &QTimer::timeout, this, &ModalAnswerer::watchStray);
    timer_.start();
}

ModalAnswerer::ModalAnswerer(SimpleAnswer answer, int timeoutMs)
    : ModalAnswerer(Answer([answer = std::move(answer)](QWidget* modal, ModalAnswerer&) {
                        if (answer) answer(modal);
                    }),
                    timeoutMs) {}

ModalAnswerer::~ModalAnswerer() {
    timer_.stop();
    strayTimer_.stop();
    answerers().removeAll(this);
    if (!checked_ && !ok() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("ModalAnswerer: ") + message()), __FILE__, __LINE__);
}

ModalAnswerer::Answer ModalAnswerer::pressButton(const QString& text) {
    return [text](QWidget* modal, ModalAnswerer& answerer) {
        if (!clickButton(modal, text))
            answerer.fail(
                QStringLiteral("%1 has no enabled button \"%2\"").arg(describe(modal), text));
    };
}

ModalAnswerer::Answer ModalAnswerer::reject() {
    return [](QWidget* modal, ModalAnswerer&) {
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
    };
}

void ModalAnswerer::fail(const QString& why) {
    if (failure_.isEmpty()) failure_ = why;
}

bool ModalAnswerer::closed() const {
    return !window_ || !window_->isVisible();
}

bool ModalAnswerer::finished() const {
    return taken_ ? closed() : !failure_.isEmpty();
}

bool ModalAnswerer::ok() const {
    checked_ = true;
    return taken_ && answered_ && !forcedClose_ && failure_.isEmpty() && closed();
}

QString ModalAnswerer::message() const {
    checked_ = true;
    if (!failure_.isEmpty()) return failure_;
    if (!taken_)
        return QStringLiteral("no modal window appeared (waited %1 ms)").arg(clock_.elapsed());
    if (!closed()) return QStringLiteral("%1 is still open").arg(describe(window_));
    return {};
}

bool ModalAnswerer::wait() {
    const int limit = 2 * timeoutMs_ + 1000;
    if (!QTest::qWaitFor([this] { return finished(); }, limit) && failure_.isEmpty())
        fail(QStringLiteral("nothing came to an end within %1 ms").arg(limit));
    return ok();
}

// The answerer that takes the next modal window: the first waiting one in the order made,
// those that have already timed out coming after all others.
bool ModalAnswerer::nextInLine() const {
    for (const bool late : {false, true})
        for (const ModalAnswerer* a : answerers())
            if (a->waiting() && a->timedOut() == late) return a == this;
    return false;
}

// The active modal window that no other answerer has taken.
QWidget* ModalAnswerer::untakenModal() const {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return nullptr;
    for (const ModalAnswerer* a : answerers())
        if (a != this && a->window_ == modal) return nullptr;
    return modal;
}

void ModalAnswerer::poll() {
    if (answering_) return;
    QWidget* modal = untakenModal();

    if (waiting()) {
        if (modal && nextInLine()) {
            take(modal);
            return;
        }
        if (failure_.isEmpty() && clock_.elapsed() > timeoutMs_)
            fail(QStringLiteral("no modal window appeared within %1 ms").arg(timeoutMs_));
        // Go on polling: a window that appears late is closed rather than left to hang the test.
        return;
    }

    if (closed()) {
        timer_.stop();
        return;
    }
    if (clock_.elapsed() > timeoutMs_) {
        fail(QStringLiteral("%1 was still open %2 ms after the answer")
                 .arg(describe(window_))
                 .arg(timeoutMs_));
        forceClose(window_);
    }
}

void ModalAnswerer::take(QWidget* modal) {
    taken_ = true;
    window_ = modal;
    title_ = modal->windowTitle();
    className_ = QString::fromLatin1(modal->metaObject()->className());
    if (!failure_.isEmpty()) {
        // Timed out before this window came: close it, the test has failed already.
        forceClose(modal);
        return;
    }
    // A timer does not fire again while its own handler runs, so a second one watches the
    // windows that the answer may open.
    answering_ = true;
    strayTimer_.start();
    answer_(modal, *this);
    strayTimer_.stop();
    answering_ = false;
    answered_ = true;
    stray_ = nullptr;
    clock_.restart();
    // An answer that failed leaves the window to be closed here rather than after the timeout.
    if (!failure_.isEmpty() && !closed()) forceClose(window_);
}

// The answer opened a window of its own: another answerer may be waiting for it; otherwise it
// is closed after the timeout so that the answer can return.
void ModalAnswerer::watchStray() {
    QWidget* modal = untakenModal();
    if (modal == window_) modal = nullptr;
    bool awaited = false;
    for (const ModalAnswerer* a : answerers())
        awaited = awaited || (a != this && a->waiting() && !a->timedOut());
    if (!modal || awaited) {
        stray_ = nullptr;
        return;
    }
    if (stray_ != modal) {
        stray_ = modal;
        strayClock_.start();
        return;
    }
    if (strayClock_.elapsed() > timeoutMs_) {
        fail(QStringLiteral("the answer opened %1, which nothing answered within %2 ms")
                 .arg(describe(modal))
                 .arg(timeoutMs_));
        forceClose(modal);
        stray_ = nullptr;
    }
}

void ModalAnswerer::forceClose(QWidget* modal) {
    if (!modal) return;
    if (modal == window_) forcedClose_ = true;
    if (auto* d = qobject_cast<QDialog*>(modal)) {
        // Past any override that refuses or asks first: exec() returns.
        d->QDialog::done(QDialog::Rejected);
    } else {
        modal->close();
    }
    if (modal->isVisible()) modal->hide();
}

} // namespace tarnik::testing
