#pragma once
// Scanning a folder for the register off the user-interface thread: the index is brought up to
// date on a worker thread of its own, reporting progress, and can be cancelled.
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

#include "core/register/registerrow.h"

namespace tarnik {

class RegisterScanner : public QObject {
    Q_OBJECT
public:
    // The index lives in `databaseFile` (defaultRegisterIndexFile() in the program).
    explicit RegisterScanner(QString databaseFile, QObject* parent = nullptr);
    ~RegisterScanner() override; // cancels a scan in progress and waits for it

    // Starts a scan of the folder; a scan already running is cancelled first.
    void start(const QString& folder);
    // Asks the running scan to stop; `cancelled` follows.
    void cancel();
    bool running() const;

signals:
    void progress(int done, int total);
    void finished(const std::vector<tarnik::RegisterRow>& rows);
    void failed(const QString& message); // the folder could not be read
    void cancelled();

private:
    QString databaseFile_;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic_bool> stop_;
};

} // namespace tarnik

Q_DECLARE_METATYPE(std::vector<tarnik::RegisterRow>)
