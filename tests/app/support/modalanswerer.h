#pragma once
// Answering the program's own modal windows (a QDialog, QMessageBox or QFileDialog run with
// exec()) from a test, without ever hanging it.
//
//     ModalAnswerer answer(ModalAnswerer::pressButton(QStringLiteral("OK")));
//     window->optionsAction()->trigger();          // runs the dialog's exec()
//     QVERIFY2(answer.ok(), qPrintable(answer.message()));
//
// Made before the call that opens the dialog, the answerer polls for
// QApplication::activeModalWidget() while that call runs its event loop and hands the first
// modal window that appears to its answer. When no modal window appears within the timeout, or
// the window is still open that long after the answer, the answerer records a failure and closes
// the window (QDialog::done(Rejected), so that exec() returns even when the dialog refuses to be
// rejected). The test then checks ok() and shows message().
//
// Several answerers take the modal windows in the order in which they were made, one window
// each: an answer that opens a further modal window is answered by the next answerer, which may
// be made inside the answer or before the call. A window another answerer has taken is never
// taken again.
//
// Making an answerer turns platform (native) dialogs off for the rest of the test program: they
// are no widgets and could be neither found nor closed.
//
// The program's simple message boxes and file dialogs go through prompts.h, which tests answer
// with ScriptedPrompts; this is for the real windows.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarnik::testing {

class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    // Gets the modal window. It may set fields and click buttons, and calls answerer.fail() when
    // the window is not what the test expected.
    using Answer = std::function<void(QWidget* modal, ModalAnswerer& answerer)>;
    using SimpleAnswer = std::function<void(QWidget* modal)>;

    static constexpr int kDefaultTimeoutMs = 5000;

    explicit ModalAnswerer(Answer answer, int timeoutMs = kDefaultTimeoutMs);
    explicit ModalAnswerer(SimpleAnswer answer, int timeoutMs = kDefaultTimeoutMs);
    // Fails the running test when a failure was recorded and nobody asked ok() or message().
    ~ModalAnswerer() override;
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // An answer that clicks the enabled button whose text, without its '&' mnemonic marks, is
    // `text`; it fails when the window has no such button or the button is disabled.
    static Answer pressButton(const QString& text);
    // An answer that rejects the dialog (Escape, "Anuluj"); a window that is no QDialog is
    // closed.
    static Answer reject();

    // The answer ran on a modal window, that window has closed, and nothing failed.
    bool ok() const;
    // Why ok() is false; empty when it is true.
    QString message() const;
    // The answer ran (whatever came of it).
    bool answered() const { return answered_; }
    // Title and class of the window answered, for checks and messages.
    QString windowTitle() const { return title_; }
    QString windowClass() const { return className_; }

    // Records a failure (the first one is kept); meant for answers. The window is closed after
    // the answer returns if it is still open.
    void fail(const QString& why);

    // Runs the event loop until the answer ran and its window closed, or the timeout passed;
    // for windows that open later than the call that was made (a queued call, a timer).
    // Returns ok().
    bool wait();

private:
    void poll();
    void take(QWidget* modal);
    void watchStray();
    QWidget* untakenModal() const;
    void forceClose(QWidget* modal);
    bool waiting() const { return !taken_; }
    bool timedOut() const { return waiting() && !failure_.isEmpty(); }
    bool nextInLine() const;
    bool finished() const;
    bool closed() const;

    Answer answer_;
    int timeoutMs_;
    QTimer timer_;
    QTimer strayTimer_;
    QElapsedTimer clock_;      // since construction, then since the answer
    QPointer<QWidget> window_; // the window taken
    QPointer<QWidget> stray_;  // another modal window open while the answer runs
    QElapsedTimer strayClock_;
    bool taken_ = false;       // a window was taken (answered, or closed after the timeout)
    bool answered_ = false;    // the answer ran
    bool answering_ = false;   // the answer is running
    bool forcedClose_ = false; // the window was closed by force
    mutable bool checked_ = false;
    QString failure_;
    QString title_;
    QString className_;
};

// Clicks the enabled button of `window` whose text without '&' is `text`; false when there is
// none.
bool clickButton(QWidget* window, const QString& text);

} // namespace tarnik::testing
