#include "app/register/registerindex.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <unordered_map>

#include "app/platform/pathutil.h"
#include "app/register/registerfiles.h"
#include "core/base/errors.h"

namespace tarnik {

namespace fs = std::filesystem;

namespace {

// Raised when the database says no: the index is then thrown away and built again.
struct IndexBroken : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Raised when another program (another window, tarnik --register) holds the index for longer than
// the driver waits: the index is sound and is left alone.
struct IndexBusy : IndexBroken {
    using IndexBroken::IndexBroken;
};

[[noreturn]] void raise(const QSqlError& error) {
    // SQLITE_BUSY and SQLITE_LOCKED.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("5") || code == QLatin1String("6"))
        throw IndexBusy(error.text().toStdString());
    throw IndexBroken(error.text().toStdString());
}

// Bumped whenever the table changes: an index of another version is rebuilt.
constexpr int kSchemaVersion = 1;

const char* const kCreateTable = "CREATE TABLE rows ("
                                 " folder TEXT NOT NULL,"
                                 " file TEXT NOT NULL,"
                                 " size INTEGER NOT NULL,"
                                 " mtime INTEGER NOT NULL,"
                                 " error TEXT NOT NULL,"
                                 " zaklad TEXT NOT NULL,"
                                 " stanowisko TEXT NOT NULL,"
                                 " kstan TEXT NOT NULL,"
                                 " nr INTEGER NOT NULL,"
                                 " ocena REAL NOT NULL,"
                                 " level INTEGER NOT NULL,"
                                 " grade TEXT NOT NULL,"
                                 " next_kind INTEGER NOT NULL,"
                                 " next_date REAL NOT NULL,"
                                 " plan_tasks INTEGER NOT NULL,"
                                 " workers BLOB NOT NULL,"
                                 " PRIMARY KEY (folder, file)) WITHOUT ROWID";

const char* const kColumns = "file, size, mtime, error, zaklad, stanowisko, kstan, nr, ocena, "
                             "level, grade, next_kind, next_date, plan_tasks, workers";

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string toUtf8(const QVariant& v) {
    return v.toString().toStdString();
}

// Workers' due dates as one binary value of the row.
QByteArray packWorkers(const std::vector<WorkerDueDates>& workers) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << static_cast<quint32>(workers.size());
    for (const WorkerDueDates& w : workers) {
        out << QByteArray::fromStdString(w.name) << w.examination
            << w.trainingCurrentUntil.has_value() << w.trainingCurrentUntil.value_or(0.0);
    }
    return bytes;
}

std::vector<WorkerDueDates> unpackWorkers(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 count = 0;
    in >> count;
    std::vector<WorkerDueDates> workers;
    // The count is not trusted before the data behind it has been read.
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QByteArray name;
        WorkerDueDates w;
        bool hasTraining = false;
        double training = 0;
        in >> name >> w.examination >> hasTraining >> training;
        w.name = name.toStdString();
        if (hasTraining) w.trainingCurrentUntil = training;
        workers.push_back(std::move(w));
    }
    if (in.status() != QDataStream::Ok) throw IndexBroken("workers");
    return workers;
}

struct Stored {
    qint64 size = 0;
    qint64 mtime = 0;
    RegisterRow row;
};

// Reads files on helper threads and hands their rows back in any order; the database is only
// touched by the thread that owns the index.
class ParallelReader {
public:
    explicit ParallelReader(const std::vector<const FoundFile*>& files) : files_(files) {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const unsigned count = std::min<unsigned>(
            {2u, cores, static_cast<unsigned>(std::max<std::size_t>(files.size(), 1))});
        for (unsigned i = 0; i < count; ++i)
            threads_.emplace_back([this] { work(); });
    }
    ~ParallelReader() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        space_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }
    ParallelReader(const ParallelReader&) = delete;
    ParallelReader& operator=(const ParallelReader&) = delete;

    // The next row read, with the index of its file; false when every file has been handed back.
    bool next(std::size_t& index, RegisterRow& row) {
        std::unique_lock lock(mutex_);
        if (handed_ == files_.size()) return false;
        ready_.wait(lock, [this] { return !done_.empty(); });
        index = done_.front().first;
        row = std::move(done_.front().second);
        done_.pop_front();
        ++handed_;
        space_.notify_one();
        return true;
    }

private:
    void work() {
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock lock(mutex_);
                // Rows wait for the database in a short queue, so that memory stays flat.
                space_.wait(lock, [this] { return stop_ || done_.size() < kQueueLimit; });
                if (stop_ || taken_ == files_.size()) return;
                i = taken_++;
            }
            RegisterRow row;
            try {
                row = readRegisterRow(files_[i]->path, files_[i]->relative);
            } catch (const std::exception& e) {
                row = RegisterRow{};
                row.error = e.what();
            }
            row.file = files_[i]->relative;
            {
                std::lock_guard lock(mutex_);
                done_.emplace_back(i, std::move(row));
            }
            ready_.notify_one();
        }
    }

    static constexpr std::size_t kQueueLimit = 64;
    const std::vector<const FoundFile*>& files_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable space_;
    std::deque<std::pair<std::size_t, RegisterRow>> done_;
    std::size_t taken_ = 0;
    std::size_t handed_ = 0;
    bool stop_ = false;
};

QString uniqueConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("tarnik-register-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString canonicalFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QString defaultRegisterIndexFile() {
    // The same place whether or not the application's name has been set yet (the command line
    // runs before it is), so that the window and `tarnik --register` share one index.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/Tarnik");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/rejestr-ocen.sqlite");
}

struct RegisterIndex::Impl {
    QString file;
    QString connection;
    bool opened = false;
    int filesRead = 0;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    static void check(bool ok, const QSqlQuery& q) {
        if (!ok) raise(q.lastError());
    }
    void exec(const char* sql) {
        QSqlQuery q(db());
        check(q.exec(QString::fromLatin1(sql)), q);
    }

    // Opens the database, making the table when it is new. Throws IndexBroken when the file is
    // not a database or holds another version.
    void openAs(const QString& name) {
        QSqlDatabase d = db();
        d.close();
        d.setDatabaseName(name);
        // Another program scanning the same index holds it for a moment only.
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!d.open()) raise(d.lastError());
        QSqlQuery q(d);
        check(q.exec(QStringLiteral("PRAGMA user_version")) && q.next(), q);
        const int version = q.value(0).toInt();
        q.finish(); // an open statement would keep a transaction open
        if (version == 0) {
            exec("PRAGMA journal_mode=WAL");
            exec(kCreateTable);
            exec(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str());
        } else if (version != kSchemaVersion) {
            throw IndexBroken("version");
        } else {
            QSqlQuery probe(d);
            check(probe.exec(
                      QStringLiteral("SELECT %1 FROM rows LIMIT 1").arg(QLatin1String(kColumns))),
                  probe);
            probe.finish();
        }
        exec("PRAGMA synchronous=NORMAL");
    }

    void removeFiles() {
        db().close();
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(file + QLatin1String(suffix));
    }

    // The index ready for use: when the file cannot serve (damaged, another version, a folder
    // that cannot be written) it is made anew, and as a last resort the index lives in memory
    // for this object only.
    void ensureOpen() {
        if (opened) return;
        try {
            openAs(file);
        } catch (const IndexBusy&) {
            throw;
        } catch (const IndexBroken&) {
            removeFiles();
            try {
                QDir().mkpath(QFileInfo(file).absolutePath());
                openAs(file);
            } catch (const IndexBroken&) {
                openAs(QStringLiteral(":memory:"));
            }
        }
        opened = true;
    }

    // For one scan while another program holds the index: an index in memory, and the file tried
    // again next time.
    void useMemoryOnce() {
        openAs(QStringLiteral(":memory:"));
        opened = false;
    }

    void rebuild() {
        opened = false;
        removeFiles();
        ensureOpen();
    }

    std::unordered_map<std::string, Stored> load(const QString& folder) {
        std::unordered_map<std::string, Stored> stored;
        QSqlQuery q(db());
        q.setForwardOnly(true);
        check(q.prepare(QStringLiteral("SELECT %1 FROM rows WHERE folder = ?")
                            .arg(QLatin1String(kColumns))),
              q);
        q.addBindValue(folder);
        check(q.exec(), q);
        while (q.next()) {
            Stored s;
            RegisterRow& r = s.row;
            r.file = toUtf8(q.value(0));
            s.size = q.value(1).toLongLong();
            s.mtime = q.value(2).toLongLong();
            r.error = toUtf8(q.value(3));
            r.EdtZaklad = toUtf8(q.value(4));
            r.EdtStanowisko = toUtf8(q.value(5));
            r.EdtKStan = toUtf8(q.value(6));
            r.EdtNr = q.value(7).toInt();
            r.DTPOcena = q.value(8).toDouble();
            r.riskLevel = q.value(9).toInt();
            r.riskGrade = toUtf8(q.value(10));
            const int kind = q.value(11).toInt();
            if (kind < 0 || kind > 2) throw IndexBroken("kind");
            r.nextAssessment.kind = static_cast<NextAssessment::Kind>(kind);
            r.nextAssessment.date = q.value(12).toDouble();
            r.planTasks = q.value(13).toInt();
            r.workers = unpackWorkers(q.value(14).toByteArray());
            std::string key = r.file;
            stored.emplace(std::move(key), std::move(s));
        }
        check(q.lastError().type() == QSqlError::NoError, q);
        return stored;
    }

    static void bindRow(QSqlQuery& q, const QString& folder, const RegisterRow& r, qint64 size,
                        qint64 mtime) {
        q.addBindValue(folder);
        q.addBindValue(fromUtf8(r.file));
        q.addBindValue(size);
        q.addBindValue(mtime);
        q.addBindValue(fromUtf8(r.error));
        q.addBindValue(fromUtf8(r.EdtZaklad));
        q.addBindValue(fromUtf8(r.EdtStanowisko));
        q.addBindValue(fromUtf8(r.EdtKStan));
        q.addBindValue(r.EdtNr);
        q.addBindValue(r.DTPOcena);
        q.addBindValue(r.riskLevel);
        q.addBindValue(fromUtf8(r.riskGrade));
        q.addBindValue(static_cast<int>(r.nextAssessment.kind));
        q.addBindValue(r.nextAssessment.date);
        q.addBindValue(r.planTasks);
        q.addBindValue(packWorkers(r.workers));
    }

    QSqlQuery prepareUpsert() {
        QSqlQuery q(db());
        check(q.prepare(QStringLiteral("INSERT OR REPLACE INTO rows (folder, %1) VALUES "
                                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(QLatin1String(kColumns))),
              q);
        return q;
    }

    void begin() {
        if (!db().transaction()) raise(db().lastError());
    }
    void commit() {
        if (!db().commit()) raise(db().lastError());
    }
    void rollback() { db().rollback(); }

    std::optional<std::vector<RegisterRow>>
    scanOnce(const QString& folder, const std::vector<FoundFile>& files, const Progress& progress);
};

std::optional<std::vector<RegisterRow>>
RegisterIndex::Impl::scanOnce(const QString& folder, const std::vector<FoundFile>& files,
                              const Progress& progress) {
    filesRead = 0;
    std::unordered_map<std::string, Stored> stored = load(folder);
    const int total = static_cast<int>(files.size());

    std::vector<RegisterRow> rows;
    rows.reserve(files.size());
    std::vector<const FoundFile*> toRead;
    std::unordered_map<std::string, bool> present;
    present.reserve(files.size());
    for (const FoundFile& f : files) {
        present.emplace(f.relative, true);
        const auto it = stored.find(f.relative);
        if (it != stored.end() && it->second.size == f.size && it->second.mtime == f.mtime)
            rows.push_back(std::move(it->second.row));
        else
            toRead.push_back(&f);
    }
    int done = static_cast<int>(rows.size());
    if (progress && !progress(done, total)) return std::nullopt;

    begin();
    try {
        QSqlQuery remove(db());
        check(remove.prepare(QStringLiteral("DELETE FROM rows WHERE folder = ? AND file = ?")),
              remove);
        for (const auto& [name, s] : stored) {
            if (present.count(name)) continue;
            remove.addBindValue(folder);
            remove.addBindValue(fromUtf8(name));
            check(remove.exec(), remove);
        }
        bool cancelled = false;
        if (!toRead.empty()) {
            QSqlQuery upsert = prepareUpsert();
            ParallelReader reader(toRead);
            std::size_t i = 0;
            RegisterRow row;
            while (reader.next(i, row)) {
                bindRow(upsert, folder, row, toRead[i]->size, toRead[i]->mtime);
                check(upsert.exec(), upsert);
                ++filesRead;
                rows.push_back(std::move(row));
                if (progress && !progress(++done, total)) {
                    cancelled = true;
                    break;
                }
            }
        }
        // What was read before a cancel is kept for the next scan.
        commit();
        if (cancelled) return std::nullopt;
    } catch (...) {
        rollback();
        throw;
    }
    std::sort(rows.begin(), rows.end(),
              [](const RegisterRow& a, const RegisterRow& b) { return a.file < b.file; });
    return rows;
}

RegisterIndex::RegisterIndex(const QString& databaseFile) : d(new Impl) {
    d->file = databaseFile;
    d->connection = uniqueConnectionName();
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
}

RegisterIndex::~RegisterIndex() {
    const QString connection = d->connection;
    QSqlDatabase::database(connection, false).close();
    delete d;
    // No handle to the connection is left: it may go.
    QSqlDatabase::removeDatabase(connection);
}

std::optional<std::vector<RegisterRow>> RegisterIndex::scan(const QString& folder,
                                                            const Progress& progress) {
    const std::vector<FoundFile> files = findFiles(folder);
    const QString key = canonicalFolder(folder);
    try {
        d->ensureOpen();
        return d->scanOnce(key, files, progress);
    } catch (const IndexBusy&) {
        d->useMemoryOnce();
        return d->scanOnce(key, files, progress);
    } catch (const IndexBroken&) {
        // Damaged while in use (or after opening): start again from an empty index.
        d->rebuild();
        return d->scanOnce(key, files, progress);
    }
}

RegisterRow RegisterIndex::refresh(const QString& folder, const QString& file) {
    const QString key = canonicalFolder(folder);
    const QFileInfo info(QDir(folder).absoluteFilePath(file));
    const QString absolute = info.absoluteFilePath();
    const QString relative = QDir::fromNativeSeparators(QDir(key).relativeFilePath(
        canonicalFolder(info.absolutePath()) + QLatin1Char('/') + info.fileName()));
    const fs::path path = toPath(absolute);
    RegisterRow row = readRegisterRow(path, relative.toStdString());
    row.file = relative.toStdString();
    qint64 size = 0;
    qint64 mtime = 0;
    const bool exists = stamp(path, size, mtime);
    auto store = [&] {
        d->ensureOpen();
        d->begin();
        try {
            if (exists) {
                QSqlQuery q = d->prepareUpsert();
                Impl::bindRow(q, key, row, size, mtime);
                Impl::check(q.exec(), q);
            } else {
                QSqlQuery q(d->db());
                Impl::check(
                    q.prepare(QStringLiteral("DELETE FROM rows WHERE folder = ? AND file = ?")), q);
                q.addBindValue(key);
                q.addBindValue(relative);
                Impl::check(q.exec(), q);
            }
            d->commit();
        } catch (...) {
            d->rollback();
            throw;
        }
    };
    try {
        store();
    } catch (const IndexBusy&) {
        // The next scan finds the file changed and reads it.
    } catch (const IndexBroken&) {
        d->rebuild();
        store();
    }
    return row;
}

int RegisterIndex::filesReadByLastScan() const {
    return d->filesRead;
}

} // namespace tarnik
