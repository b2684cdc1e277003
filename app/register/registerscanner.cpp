#include "app/register/registerscanner.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <exception>
#include <optional>

#include "app/register/registerindex.h"
#include "core/base/errors.h"

namespace tarnik {

namespace {

// Progress is passed on at most this often (and always for the last file), so that a scan of
// thousands of unchanged files does not flood the window with events.
constexpr qint64 kProgressIntervalMs = 50;

} // namespace

RegisterScanner::RegisterScanner(QString databaseFile, QObject* parent)
    : QObject(parent), databaseFile_(std::move(databaseFile)) {
    // The rows cross threads in queued connections of the window.
    qRegisterMetaType<std::vector<tarnik::RegisterRow>>();
}

RegisterScanner::~RegisterScanner() {
    cancel();
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void RegisterScanner::start(const QString& folder) {
    if (thread_) {
        cancel();
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    auto stop = std::make_shared<std::atomic_bool>(false);
    stop_ = stop;
    const QString database = databaseFile_;
    QPointer<RegisterScanner> self(this);

    // Every signal is delivered on the scanner's own thread; a scan replaced by another one says
    // nothing more.
    auto report = [self, stop](auto emitIt) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, stop, emitIt] {
                if (self && self->stop_ == stop) emitIt(self.data());
            },
            Qt::QueuedConnection);
    };

    thread_ = QThread::create([database, folder, stop, report] {
        try {
            // The index and its database connection belong to this thread.
            RegisterIndex index(database);
            QElapsedTimer sinceReport;
            sinceReport.start();
            bool first = true;
            const auto rows = index.scan(folder, [&](int done, int total) {
                if (*stop) return false;
                if (first || done == total || sinceReport.elapsed() >= kProgressIntervalMs) {
                    first = false;
                    sinceReport.restart();
                    report([done, total](RegisterScanner* s) { emit s->progress(done, total); });
                }
                return true;
            });
            if (!rows || *stop) {
                report([](RegisterScanner* s) {
                    s->stop_.reset();
                    emit s->cancelled();
                });
            } else {
                report([rows = std::move(*rows), stop](RegisterScanner* s) {
                    s->stop_.reset();
                    // Cancelled after the last file but before the rows arrived.
                    if (*stop)
                        emit s->cancelled();
                    else
                        emit s->finished(rows);
                });
            }
        } catch (const std::exception& e) {
            const QString message = QString::fromUtf8(e.what());
            report([message](RegisterScanner* s) {
                s->stop_.reset();
                emit s->failed(message);
            });
        }
    });
    thread_->setObjectName(QStringLiteral("register scan"));
    thread_->start(QThread::LowPriority);
}

void RegisterScanner::cancel() {
    if (!stop_) return;
    *stop_ = true;
}

bool RegisterScanner::running() const {
    return stop_ != nullptr;
}

} // namespace tarnik
