#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/cli/commandline.h"
#include "app/platform/pathutil.h"
#include "app/shell/mainwindow.h"
#include "core/model/trkfile.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class CommandLineTest : public QObject {
    Q_OBJECT

    QString program() const { return tarnikProgram(); }

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
        const CommandLine summary =
            parseCommandLine({QStringLiteral("--summary"), QStringLiteral("ocena.trk")});
        QCOMPARE(summary.mode, CommandLine::Mode::Summary);
        QCOMPARE(summary.summaryIn, QStringLiteral("ocena.trk"));
        QCOMPARE(parseCommandLine({QStringLiteral("--summary")}).mode, CommandLine::Mode::Error);
        QCOMPARE(parseCommandLine({QStringLiteral("--summary"), QStringLiteral("a.trk"),
                                   QStringLiteral("b.trk")})
                     .mode,
                 CommandLine::Mode::Error);
        QVERIFY(helpText().contains(QStringLiteral("--summary PLIK.trk")));
        const CommandLine compare = parseCommandLine(
            {QStringLiteral("--compare"), QStringLiteral("stara.trk"), QStringLiteral("nowa.trk")});
        QCOMPARE(compare.mode, CommandLine::Mode::Compare);
        QCOMPARE(compare.compareOld, QStringLiteral("stara.trk"));
        QCOMPARE(compare.compareNew, QStringLiteral("nowa.trk"));
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--compare"), QStringLiteral("a.trk")},
              QStringList{QStringLiteral("--compare"), QStringLiteral("a.trk"),
                          QStringLiteral("b.trk"), QStringLiteral("c.trk")},
              QStringList{QStringLiteral("--compare"), QStringLiteral("a.trk"),
                          QStringLiteral("--pages")}})
            QCOMPARE(parseCommandLine(wrong).mode, CommandLine::Mode::Error);
        QVERIFY(helpText().contains(QStringLiteral("--compare POPRZEDNIA.trk NOWA.trk")));
        for (const char* list : {"general", "workers", "factors", "figures", "plan"})
            QVERIFY2(helpText().contains(QLatin1String(list)), list);
    }

    // The real executable compares a previous assessment in an older format with the new one.
    void comparesThroughTheProgram() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        QTemporaryDir dir;
        Assessment older(dayNumberFromCivil(2004, 1, 1));
        older.questions.clear();
        older.EdtZaklad = "Zakład Łódź";
        older.EdtStanowisko = "Spawacz";
        older.setWorkerCounts({1, 0, 0, 0});
        older.Plan = {{"Szkolenie bhp", "Anna Nowak", "maj 2004"}, {"", "", ""}};
        std::string bytes = serializeTrk(older);
        bytes.replace(1, 7, "TRK2100"); // an older version, tag 15 then carries eight texts
        bytes.erase(bytes.size() - 12); // drop the last two (empty) memo texts and the end tag
        bytes += std::string("\x0f\x27\0\0", 4);
        const QString oldFile = dir.filePath(QStringLiteral("ocena 1.trk"));
        QFile f(oldFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();

        Assessment newer = older;
        newer.EdtNr = 2;
        newer.EdtZaklad = "Zakład \"Łódź\"";
        newer.Plan = {{"", "", ""}};
        auto factor = newFactorRecord("Benzen", 0, 38000);
        factor->hazardCategory = {1, 1, 1, 1};
        factor->described = true;
        newer.LB501.emplace_back("Benzen", true, std::move(factor));
        const QString newFile = dir.filePath(QStringLiteral("ocena łódzka 2.trk"));
        saveTrkFile(newer, toPath(newFile));

        QProcess p;
        withoutDisplay(p);
        const auto run = [&](const QString& a, const QString& b) {
            p.start(program(), {QStringLiteral("--compare"), a, b});
            QVERIFY(p.waitForFinished(30000));
        };

        run(oldFile, newFile);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QCOMPARE(o.keys(), (QStringList{QStringLiteral("factors"), QStringLiteral("figures"),
                                        QStringLiteral("general"), QStringLiteral("plan"),
                                        QStringLiteral("workers")}));
        QCOMPARE(
            o.value(QStringLiteral("general")).toArray(),
            (QJsonArray{QJsonObject{{QStringLiteral("field"), QStringLiteral("EdtZaklad")},
                                    {QStringLiteral("old"), QStringLiteral("Zakład Łódź")},
                                    {QStringLiteral("new"), QStringLiteral("Zakład \"Łódź\"")}},
                        QJsonObject{{QStringLiteral("field"), QStringLiteral("EdtNr")},
                                    {QStringLiteral("old"), QStringLiteral("1")},
                                    {QStringLiteral("new"), QStringLiteral("2")}}}));
        QCOMPARE(o.value(QStringLiteral("workers")).toArray(), QJsonArray());
        QCOMPARE(o.value(QStringLiteral("factors")).toArray(),
                 (QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("Benzen")},
                                         {QStringLiteral("old"), QJsonValue()},
                                         {QStringLiteral("new"), QStringLiteral("zaznaczony")}}}));
        QCOMPARE(
            o.value(QStringLiteral("plan")).toArray(),
            (QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("Szkolenie bhp")},
                                    {QStringLiteral("old"), QStringLiteral("w planie")},
                                    {QStringLiteral("new"), QStringLiteral("zrealizowane")}}}));
        // One man over the limit: the exposure index of the summary, and the level with it.
        QJsonObject figures;
        for (const QJsonValue& v : o.value(QStringLiteral("figures")).toArray())
            figures.insert(v[QStringLiteral("field")].toString(), v.toObject());
        QCOMPARE(figures.value(QStringLiteral("totalExposureIndex")).toObject(),
                 (QJsonObject{{QStringLiteral("field"), QStringLiteral("totalExposureIndex")},
                              {QStringLiteral("old"), QStringLiteral("0")},
                              {QStringLiteral("new"), QStringLiteral("5000")}}));
        QCOMPARE(figures.value(QStringLiteral("riskGrade"))[QStringLiteral("new")].toString(),
                 QStringLiteral("DUŻE"));
        QCOMPARE(figures.value(QStringLiteral("nextAssessment"))[QStringLiteral("new")].toString(),
                 QStringLiteral("29 czerwca 2004"));

        // A file compared with itself, the older format too: five empty lists.
        for (const QString& file : {oldFile, newFile}) {
            run(file, file);
            QCOMPARE(p.exitCode(), 0);
            const QJsonObject same = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
            QCOMPARE(same.size(), 5);
            for (const QString& key : same.keys())
                QCOMPARE(same.value(key).toArray(), QJsonArray());
        }

        // A file that cannot be read: its message on one line, nothing on standard output.
        QFile junk(dir.filePath(QStringLiteral("obce.trk")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("hello world, not an assessment");
        junk.close();
        run(oldFile, junk.fileName());
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        QVERIFY2(err.endsWith(QStringLiteral("obce.trk: Nieprawidłowy format pliku.")),
                 qPrintable(err));
        run(dir.filePath(QStringLiteral("brak.trk")), newFile);
        QCOMPARE(p.exitCode(), 1);
        err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("brak.trk")), qPrintable(err));
        QCOMPARE(err.trimmed().count(QLatin1Char('\n')), 0);
    }

    // The real executable prints the evaluation as JSON, without a display.
    void summaryThroughTheProgram() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        QTemporaryDir dir;
        Assessment a(dayNumberFromCivil(2004, 1, 1));
        a.questions.clear();
        a.setWorkerCounts({1, 0, 0, 0});
        auto factor = newFactorRecord("Benzen", 0, 38000);
        factor->hazardCategory = {1, 1, 1, 1};
        factor->described = true;
        a.LB501.emplace_back("Benzen", true, std::move(factor));
        const QString in = dir.filePath(QStringLiteral("ocena łódzka.trk"));
        saveTrkFile(a, toPath(in));

        QProcess p;
        withoutDisplay(p);
        p.start(program(), {QStringLiteral("--summary"), in});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        const QJsonObject o = doc.object();
        QCOMPARE(o.value(QStringLiteral("hazardCounts")).toArray().size(), 9);
        QCOMPARE(o.value(QStringLiteral("hazardCounts")).toArray().at(0).toArray(),
                 QJsonArray({1, 1, 1, 1}));
        QCOMPARE(o.value(QStringLiteral("groupExposureIndex")).toArray(),
                 QJsonArray({5000, 0, 0, 0}));
        QCOMPARE(o.value(QStringLiteral("totalExposureIndex")).toInt(), 5000);
        QCOMPARE(o.value(QStringLiteral("overLimitWorkers")).toArray(), QJsonArray({1, 0, 0, 0}));
        QCOMPARE(o.value(QStringLiteral("exposedWorkers")).toArray(), QJsonArray({0, 0, 0, 0}));
        QCOMPARE(o.value(QStringLiteral("workerCounts")).toArray(), QJsonArray({1, 0, 0, 0}));
        QCOMPARE(o.value(QStringLiteral("riskLevel")).toInt(), 5000);
        QCOMPARE(o.value(QStringLiteral("riskGrade")).toString(), QStringLiteral("DUŻE"));
        const QJsonArray lines = o.value(QStringLiteral("recommendations")).toArray();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0).toString(),
                 QStringLiteral("Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później "
                                "niż 29 czerwca 2004"));
        QCOMPARE(lines.at(2).toString(),
                 QStringLiteral("Należy opracowav plan poprawy warunków pracy"));
        for (const char* key :
             {"frequencyIndex", "severityIndex", "fatalityAddend", "correctedSeverityIndex",
              "diseaseIndex", "probabilityIndex", "planIndex", "safetyIndex", "protectionIndex"})
            QVERIFY2(o.value(QLatin1String(key)).isDouble(), key);

        // A file that is not an assessment, and a missing one: as for --convert.
        QFile junk(dir.filePath(QStringLiteral("obce.trk")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("hello world, not an assessment");
        junk.close();
        p.start(program(), {QStringLiteral("--summary"), junk.fileName()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(),
                 QStringLiteral("Nieprawidłowy format pliku."));
        p.start(program(), {QStringLiteral("--summary"), dir.filePath(QStringLiteral("brak.trk"))});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("brak.trk")), qPrintable(err));
        QCOMPARE(err.trimmed().count(QLatin1Char('\n')), 0);
    }

    // The real executable converts without a display and reports failures on one line.
    void convertsThroughTheProgram() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
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
        withoutDisplay(p);
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
