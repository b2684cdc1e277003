#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "commandline.h"
#include "mainwindow.h"
#include "model/trkfile.h"
#include "pathutil.h"

using namespace tarnik;

class CommandLineTest : public QObject {
    Q_OBJECT

    QString program() const {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/tarnik");
    }

private slots:
    void parsesModes() {
        QCOMPARE(parseCommandLine({}).mode, CommandLine::Mode::Window);
        const CommandLine open = parseCommandLine({QStringLiteral("/x/ocena.trk")});
        QCOMPARE(open.mode, CommandLine::Mode::Window);
        QCOMPARE(open.fileToOpen, QStringLiteral("/x/ocena.trk"));
        QCOMPARE(parseCommandLine({QStringLiteral("--help")}).mode, CommandLine::Mode::Help);
        const CommandLine conv = parseCommandLine(
            {QStringLiteral("--convert"), QStringLiteral("out.trk"), QStringLiteral("in.trk")});
        QCOMPARE(conv.mode, CommandLine::Mode::Convert);
        QCOMPARE(conv.convertOut, QStringLiteral("out.trk"));
        QCOMPARE(conv.convertIn, QStringLiteral("in.trk"));
        QCOMPARE(parseCommandLine({QStringLiteral("--convert"), QStringLiteral("out.trk")}).mode,
                 CommandLine::Mode::Error);
        QCOMPARE(parseCommandLine({QStringLiteral("--bogus")}).mode, CommandLine::Mode::Error);
    }

    // The real executable converts without a display and reports failures on one line.
    void convertsThroughTheProgram() {
        if (!QFile::exists(program())) QSKIP("the tarnik executable is not built beside the tests");
        QTemporaryDir dir;
        Assessment a(38000);
        a.EdtZaklad = "Zakład Łódź";
        std::string bytes = serializeTrk(a);
        bytes.replace(1, 7, "TRK2100"); // an older version, tag 15 then carries eight texts
        bytes.erase(bytes.size() - 12); // drop the last two (empty) memo texts and the end tag
        bytes += std::string("\x0f\x27\0\0", 4);
        const QString in = dir.filePath(QStringLiteral("stara ocena.trk"));
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        const QString out = dir.filePath(QStringLiteral("nowa.trk"));
        p.start(program(), {QStringLiteral("--convert"), out, in});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        Assessment back(0);
        back.questions.clear();
        QVERIFY(readTrkFile(back, toPath(out)).ok());
        QCOMPARE(QString::fromStdString(back.EdtZaklad), QStringLiteral("Zakład Łódź"));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(8), QByteArray("\x07TRK2180"));

        // A file that is not an assessment.
        QFile junk(dir.filePath(QStringLiteral("obce.trk")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("hello world, not an assessment");
        junk.close();
        p.start(program(), {QStringLiteral("--convert"), out, junk.fileName()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(),
                 QStringLiteral("Nieprawidłowy format pliku."));

        // A missing file: one line naming it.
        p.start(program(),
                {QStringLiteral("--convert"), out, dir.filePath(QStringLiteral("brak.trk"))});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("brak.trk")), qPrintable(err));
        QCOMPARE(err.trimmed().count(QLatin1Char('\n')), 0);
    }

    void mainWindowStartsUntitled() {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"
