// The register's index: rows kept between runs and program starts, files re-read only when they
// change, a lost or damaged index rebuilt, the scan on its own thread, and tarnik --register.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "app/cli/commandline.h"
#include "app/platform/pathutil.h"
#include "app/register/registerindex.h"
#include "app/register/registerscanner.h"
#include "core/base/errors.h"
#include "core/register/registerexport.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;

namespace {

// An assessment of the given station, saved at `path` (folders made as needed).
void writeStation(const QString& path, const std::string& station, int number = 1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    Assessment a = fixtures::fullAssessment();
    a.EdtStanowisko = station;
    a.EdtNr = number;
    testing::saveAssessmentFile(a, path);
}

// Moves the file's modification time on, as a later save would.
void touchLater(const QString& path, int seconds) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const QDateTime when = QFileInfo(path).lastModified().addSecs(seconds);
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

// The rows the register must show: each file read directly, sorted by name.
std::vector<RegisterRow> readDirectly(const QString& folder, const QStringList& files) {
    QStringList sorted = files;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.toStdString() < b.toStdString(); });
    std::vector<RegisterRow> rows;
    for (const QString& f : sorted) {
        RegisterRow row = readRegisterRow(toPath(QDir(folder).filePath(f)), f.toStdString());
        row.file = f.toStdString();
        rows.push_back(row);
    }
    return rows;
}

QStringList fileNames(const std::vector<RegisterRow>& rows) {
    QStringList names;
    for (const RegisterRow& r : rows)
        names << QString::fromStdString(r.file);
    return names;
}

} // namespace

class RegisterIndexTest : public QObject {
    Q_OBJECT

    QTemporaryDir temp_;
    QString folder_;   // the assessments
    QString database_; // the index

    QString program() const { return testing::tarnikProgram(); }
    QString at(const QString& name) const { return QDir(folder_).filePath(name); }

    // Four assessments in the folder and a subfolder (extensions in any case), a damaged one, and
    // files that are not assessments.
    void fillFolder() {
        writeStation(at(QStringLiteral("b.trk")), "Spawacz");
        writeStation(at(QStringLiteral("A.trk")), "Tokarz", 2);
        writeStation(at(QStringLiteral("dział/Ślusarz.TRK")), "Ślusarz", 3);
        writeStation(at(QStringLiteral("dział/głębiej/c.Trk")), "Magazynier", 4);
        QFile junk(at(QStringLiteral("zepsuty.trk")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("to nie jest ocena");
        junk.close();
        QFile text(at(QStringLiteral("notatki.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("notatki");
        text.close();
        QDir().mkpath(at(QStringLiteral("folder.trk"))); // a folder, not a file
    }
    QStringList allFiles() const {
        return {QStringLiteral("b.trk"), QStringLiteral("A.trk"),
                QStringLiteral("dział/Ślusarz.TRK"), QStringLiteral("dział/głębiej/c.Trk"),
                QStringLiteral("zepsuty.trk")};
    }

private slots:
    void init() {
        QVERIFY(temp_.isValid());
        folder_ = temp_.filePath(QStringLiteral("oceny %1").arg(QTest::currentTestFunction()));
        database_ =
            temp_.filePath(QStringLiteral("indeks %1.sqlite").arg(QTest::currentTestFunction()));
        QVERIFY(QDir().mkpath(folder_));
        fillFolder();
    }

    void scanListsEveryAssessmentFileAsReadingItGives() {
        RegisterIndex index(database_);
        const auto rows = index.scan(folder_);
        QVERIFY(rows);
        QCOMPARE(fileNames(*rows),
                 QStringList({QStringLiteral("A.trk"), QStringLiteral("b.trk"),
                              QStringLiteral("dział/głębiej/c.Trk"),
                              QStringLiteral("dział/Ślusarz.TRK"), QStringLiteral("zepsuty.trk")}));
        QVERIFY(*rows == readDirectly(folder_, allFiles()));
        QCOMPARE(index.filesReadByLastScan(), 5);
        // The damaged file is listed with its message.
        QVERIFY(!rows->back().readable());
        QVERIFY(rows->back().EdtStanowisko.empty());
        QCOMPARE(rows->at(3).EdtStanowisko, std::string("Ślusarz"));
        QVERIFY(rows->at(3).readable());
        QVERIFY(QFileInfo::exists(database_));
    }

    // A new index object on the same file, as after the program was started again: the rows,
    // workers' dates included, come back from the database whole and nothing is read.
    void indexReusedAfterRestart() {
        std::vector<RegisterRow> first;
        {
            RegisterIndex index(database_);
            first = *index.scan(folder_);
            QCOMPARE(index.filesReadByLastScan(), 5);
            QCOMPARE(*index.scan(folder_), first);
            QCOMPARE(index.filesReadByLastScan(), 0);
        }
        QVERIFY(std::any_of(first.begin(), first.end(),
                            [](const RegisterRow& r) { return !r.workers.empty(); }));
        RegisterIndex again(database_);
        const auto rows = again.scan(folder_);
        QVERIFY(rows);
        QCOMPARE(again.filesReadByLastScan(), 0);
        QVERIFY(*rows == first);
    }

    void indexRebuiltWhenLostOrDamaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("deleted") << QStringLiteral("deleted");
        QTest::newRow("junk") << QStringLiteral("junk");
        QTest::newRow("empty file") << QStringLiteral("empty");
        QTest::newRow("another version") << QStringLiteral("version");
        QTest::newRow("another database") << QStringLiteral("foreign");
    }
    void indexRebuiltWhenLostOrDamaged() {
        QFETCH(QString, damage);
        std::vector<RegisterRow> first;
        {
            RegisterIndex index(database_);
            first = *index.scan(folder_);
        }
        if (damage == QLatin1String("deleted")) {
            QVERIFY(QFile::remove(database_));
        } else if (damage == QLatin1String("junk") || damage == QLatin1String("empty")) {
            QFile f(database_);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (damage == QLatin1String("junk")) f.write(QByteArray(8192, 'x'));
        } else {
            {
                QSqlDatabase db =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
                db.setDatabaseName(database_);
                QVERIFY(db.open());
                QSqlQuery q(db);
                if (damage == QLatin1String("version")) {
                    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version=99")));
                } else {
                    QVERIFY(q.exec(QStringLiteral("DROP TABLE rows")));
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE rows (file TEXT)")));
                }
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("damage"));
        }
        RegisterIndex index(database_);
        const auto rows = index.scan(folder_);
        QVERIFY(rows);
        QVERIFY(*rows == first);
        QCOMPARE(index.filesReadByLastScan(), 5);
        // The rebuilt index serves the next start.
        RegisterIndex again(database_);
        QVERIFY(*again.scan(folder_) == first);
        QCOMPARE(again.filesReadByLastScan(), 0);
    }

    // Another program holding the index: this scan does without it, and the index is kept.
    void indexHeldByAnotherProgramIsKept() {
        {
            RegisterIndex index(database_);
            QVERIFY(index.scan(folder_));
        }
        touchLater(at(QStringLiteral("b.trk")), 10);
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(database_);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            RegisterIndex index(database_);
            const auto rows = index.scan(folder_);
            QVERIFY(rows);
            QVERIFY(*rows == readDirectly(folder_, allFiles()));
            QVERIFY(lock.exec(QStringLiteral("COMMIT")));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        RegisterIndex index(database_);
        QVERIFY(*index.scan(folder_) == readDirectly(folder_, allFiles()));
        QCOMPARE(index.filesReadByLastScan(), 1);
    }

    // New, changed (content or only the time of the last write), deleted: only those are read.
    void changedFilesReadAgainAndDeletedOnesDropped() {
        RegisterIndex index(database_);
        QVERIFY(index.scan(folder_));

        writeStation(at(QStringLiteral("b.trk")), "Spawacz gazowy");
        touchLater(at(QStringLiteral("b.trk")), 10);
        const qint64 size = QFileInfo(at(QStringLiteral("A.trk"))).size();
        touchLater(at(QStringLiteral("A.trk")), 10); // the same bytes, saved again
        QCOMPARE(QFileInfo(at(QStringLiteral("A.trk"))).size(), size);
        QVERIFY(QFile::remove(at(QStringLiteral("dział/głębiej/c.Trk"))));
        writeStation(at(QStringLiteral("nowy/d.trk")), "Kierowca");

        auto rows = index.scan(folder_);
        QVERIFY(rows);
        QCOMPARE(index.filesReadByLastScan(), 3);
        const QStringList now = {QStringLiteral("b.trk"), QStringLiteral("A.trk"),
                                 QStringLiteral("dział/Ślusarz.TRK"), QStringLiteral("nowy/d.trk"),
                                 QStringLiteral("zepsuty.trk")};
        QVERIFY(*rows == readDirectly(folder_, now));
        QCOMPARE(rows->at(1).EdtStanowisko, std::string("Spawacz gazowy"));

        // The deleted file is gone from the index too, not only from the answer.
        RegisterIndex restarted(database_);
        QCOMPARE(fileNames(*restarted.scan(folder_)), fileNames(*rows));
        QCOMPARE(restarted.filesReadByLastScan(), 0);
    }

    // A file the program has just saved is read again at once; the next scan finds it current.
    void refreshReadsOneFile() {
        RegisterIndex index(database_);
        QVERIFY(index.scan(folder_));
        writeStation(at(QStringLiteral("dział/Ślusarz.TRK")), "Ślusarz narzędziowy", 7);
        touchLater(at(QStringLiteral("dział/Ślusarz.TRK")), 10);
        const RegisterRow row = index.refresh(folder_, at(QStringLiteral("dział/Ślusarz.TRK")));
        QCOMPARE(row.file, std::string("dział/Ślusarz.TRK"));
        QCOMPARE(row.EdtStanowisko, std::string("Ślusarz narzędziowy"));
        QCOMPARE(row.EdtNr, 7);
        // A relative name of the folder gives the same row.
        QVERIFY(index.refresh(folder_, QStringLiteral("dział/Ślusarz.TRK")) == row);
        const auto rows = index.scan(folder_);
        QCOMPARE(index.filesReadByLastScan(), 0);
        QVERIFY(rows->at(3) == row);
    }

    // One index serves several folders: scanning one leaves the rows of the other in place.
    void foldersShareOneIndex() {
        const QString other = temp_.filePath(QStringLiteral("inny zakład"));
        writeStation(QDir(other).filePath(QStringLiteral("x.trk")), "Kasjer");
        RegisterIndex index(database_);
        QVERIFY(index.scan(folder_));
        const auto otherRows = index.scan(other);
        QCOMPARE(fileNames(*otherRows), QStringList({QStringLiteral("x.trk")}));
        QVERIFY(index.scan(folder_));
        QCOMPARE(index.filesReadByLastScan(), 0);
        QVERIFY(index.scan(other));
        QCOMPARE(index.filesReadByLastScan(), 0);
    }

    void folderThatCannotBeReadThrows() {
        RegisterIndex index(database_);
        QVERIFY_THROWS_EXCEPTION(FileError, index.scan(temp_.filePath(QStringLiteral("brak"))));
        QVERIFY_THROWS_EXCEPTION(FileError, index.scan(at(QStringLiteral("b.trk"))));
        // An empty folder is a register of no rows.
        const QString empty = temp_.filePath(QStringLiteral("pusty"));
        QVERIFY(QDir().mkpath(empty));
        const auto rows = index.scan(empty);
        QVERIFY(rows);
        QVERIFY(rows->empty());
    }

    // Cancelled after two files read: nothing is answered, the two are kept, the rest is read by
    // the next scan.
    void cancelKeepsWhatWasRead() {
        RegisterIndex index(database_);
        std::vector<std::pair<int, int>> calls;
        const auto rows = index.scan(folder_, [&](int done, int total) {
            calls.emplace_back(done, total);
            return done < 2;
        });
        QVERIFY(!rows);
        QCOMPARE(calls.front(), std::make_pair(0, 5));
        QCOMPARE(calls.back(), std::make_pair(2, 5));
        QCOMPARE(index.filesReadByLastScan(), 2);

        RegisterIndex restarted(database_);
        calls.clear();
        const auto all = restarted.scan(folder_, [&](int done, int total) {
            calls.emplace_back(done, total);
            return true;
        });
        QVERIFY(all);
        QCOMPARE(restarted.filesReadByLastScan(), 3);
        QCOMPARE(calls.front(), std::make_pair(2, 5));
        QCOMPARE(calls.back(), std::make_pair(5, 5));
        QVERIFY(*all == readDirectly(folder_, allFiles()));
    }

    void scannerReportsOnTheWindowThread() {
        RegisterScanner scanner(database_);
        QSignalSpy progress(&scanner, &RegisterScanner::progress);
        QSignalSpy finished(&scanner, &RegisterScanner::finished);
        QSignalSpy failed(&scanner, &RegisterScanner::failed);
        QSignalSpy cancelled(&scanner, &RegisterScanner::cancelled);
        QThread* receivedOn = nullptr;
        std::vector<RegisterRow> received;
        connect(&scanner, &RegisterScanner::finished, this,
                [&](const std::vector<RegisterRow>& rows) {
                    receivedOn = QThread::currentThread();
                    received = rows;
                });

        scanner.start(folder_);
        QVERIFY(scanner.running());
        QVERIFY(finished.wait(30000));
        QVERIFY(!scanner.running());
        QCOMPARE(receivedOn, QThread::currentThread());
        QVERIFY(received == readDirectly(folder_, allFiles()));
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).toInt(), 5);
        QCOMPARE(progress.last().at(1).toInt(), 5);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(cancelled.count(), 0);

        // A folder that cannot be read.
        scanner.start(temp_.filePath(QStringLiteral("brak")));
        QVERIFY(failed.wait(30000));
        QVERIFY(failed.last().at(0).toString().contains(QStringLiteral("brak")));
        QCOMPARE(finished.count(), 1);

        // Cancelled at once: "cancelled" follows, never the rows.
        writeStation(at(QStringLiteral("e.trk")), "Elektryk");
        scanner.start(folder_);
        scanner.cancel();
        QVERIFY(cancelled.wait(30000));
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(!scanner.running());

        // A scan replaced by another says nothing; the second one answers once.
        scanner.start(folder_);
        scanner.start(folder_);
        QVERIFY(finished.wait(30000));
        QTest::qWait(100);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.last().at(0).value<std::vector<RegisterRow>>().size(), std::size_t(6));
    }

    void scannerDestroyedWhileScanning() {
        for (int i = 0; i < 30; ++i)
            writeStation(at(QStringLiteral("wiele/%1.trk").arg(i)), "Pracownik");
        auto scanner = std::make_unique<RegisterScanner>(database_);
        QSignalSpy finished(scanner.get(), &RegisterScanner::finished);
        scanner->start(folder_);
        scanner.reset(); // cancels and waits
        QCoreApplication::processEvents();
        // The index is whole: every file is listed.
        RegisterIndex index(database_);
        const auto rows = index.scan(folder_);
        QVERIFY(rows);
        QCOMPARE(rows->size(), std::size_t(35));
        QCOMPARE(finished.count(), 0);
    }

    void registerOptionParsed() {
        const CommandLine cl =
            parseCommandLine({QStringLiteral("--register"), QStringLiteral("/oceny"),
                              QStringLiteral("--today"), QStringLiteral("2024-02-29")});
        QCOMPARE(cl.mode, CommandLine::Mode::Register);
        QCOMPARE(cl.registerFolder, QStringLiteral("/oceny"));
        QCOMPARE(cl.today, std::optional<DayNumber>(dayNumberFromCivil(2024, 2, 29)));
        const CommandLine before =
            parseCommandLine({QStringLiteral("--register"), QStringLiteral("--today"),
                              QStringLiteral("2024-03-01"), QStringLiteral("/oceny")});
        QCOMPARE(before.mode, CommandLine::Mode::Register);
        QCOMPARE(before.registerFolder, QStringLiteral("/oceny"));
        QVERIFY(!parseCommandLine({QStringLiteral("--register"), QStringLiteral("/oceny")})
                     .today.has_value());
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--register")},
              QStringList{QStringLiteral("--register"), QStringLiteral("a"), QStringLiteral("b")},
              QStringList{QStringLiteral("--register"), QStringLiteral("a"),
                          QStringLiteral("--today")},
              QStringList{QStringLiteral("--register"), QStringLiteral("a"),
                          QStringLiteral("--today"), QStringLiteral("2023-02-29")},
              QStringList{QStringLiteral("--register"), QStringLiteral("a"),
                          QStringLiteral("--today"), QStringLiteral("15.03.2024")}})
            QCOMPARE(parseCommandLine(wrong).mode, CommandLine::Mode::Error);
        QVERIFY(helpText().contains(QStringLiteral("--register FOLDER [--today RRRR-MM-DD]")));
    }

    // The real program, twice, with the index in a cache folder of its own: the same JSON as the
    // rows read directly give, and an index that a later scan finds current.
    void registerThroughTheProgram() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        const QString cache = temp_.filePath(QStringLiteral("cache"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        auto run = [&](const QStringList& args, int& exitCode, QByteArray& err) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(program(), args);
            if (!p.waitForFinished(60000)) return QByteArray("timeout");
            exitCode = p.exitCode();
            err = p.readAllStandardError();
            return p.readAllStandardOutput();
        };
        const std::vector<RegisterRow> expected = readDirectly(folder_, allFiles());
        for (const auto& [date, day] :
             {std::pair{QStringLiteral("2004-03-15"), dayNumberFromCivil(2004, 3, 15)},
              std::pair{QStringLiteral("2030-01-01"), dayNumberFromCivil(2030, 1, 1)}}) {
            int exitCode = -1;
            QByteArray err;
            const QByteArray first =
                run({QStringLiteral("--register"), folder_, QStringLiteral("--today"), date},
                    exitCode, err);
            QCOMPARE(exitCode, 0);
            QCOMPARE(err, QByteArray());
            QCOMPARE(QString::fromUtf8(first), QString::fromStdString(registerJson(expected, day)));
            const QByteArray second =
                run({QStringLiteral("--register"), folder_, QStringLiteral("--today"), date},
                    exitCode, err);
            QCOMPARE(exitCode, 0);
            QCOMPARE(second, first);
            QCOMPARE(QJsonDocument::fromJson(second).array().size(), 5);
        }

        // The program's index is where the window looks for it, and it is current.
        const QByteArray previous = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
        const QString indexFile = defaultRegisterIndexFile();
        qputenv("XDG_CACHE_HOME", previous);
#ifndef Q_OS_WIN // there the cache folder is the user's own, which no variable moves
        QVERIFY(indexFile.startsWith(cache));
#endif
        QVERIFY(QFileInfo::exists(indexFile));
        RegisterIndex index(indexFile);
        QVERIFY(*index.scan(folder_) == expected);
        QCOMPARE(index.filesReadByLastScan(), 0);

        // A folder that cannot be read: exit 1, one line, nothing printed.
        int exitCode = -1;
        QByteArray err;
        const QByteArray out = run(
            {QStringLiteral("--register"), temp_.filePath(QStringLiteral("brak"))}, exitCode, err);
        QCOMPARE(exitCode, 1);
        QVERIFY(out.isEmpty());
        QVERIFY(err.endsWith('\n'));
        QCOMPARE(err.count('\n'), 1);
    }
};

QTEST_MAIN(RegisterIndexTest)
#include "test_registerindex.moc"
