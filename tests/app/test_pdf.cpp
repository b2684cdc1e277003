// tarnik --pdf through the real executable, without a display: the report of a saved
// assessment with the stored print options, a page range, and the files that are refused
// (nothing is written then, and the assessment file never is).
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/cli/commandline.h"
#include "app/platform/pathutil.h"
#include "core/model/trkfile.h"

using namespace tarnik;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString trk;

    QString program() const {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/tarnik");
    }
    QString file(const QString& name) const { return dir.filePath(name); }

    // Runs tarnik without a display, with the settings of `config`.
    int run(const QStringList& args, QString* err = nullptr,
            const QString& config = QString()) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   config.isEmpty() ? dir.filePath(QStringLiteral("config")) : config);
        p.setProcessEnvironment(env);
        p.start(program(), args);
        if (!p.waitForFinished(60000)) return -1;
        if (err) *err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return p.exitCode();
    }
    QString text(const QString& pdf) const {
        QProcess p;
        p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is not installed: the PDF checks need poppler-utils");
        // One man, one chemical factor over NDSP in every group: level 5000, "DUŻE".
        Assessment a(dayNumberFromCivil(2004, 1, 1));
        a.questions.clear();
        a.EdtZaklad = "Huta Łódź";
        a.EdtStanowisko = "Spawacz";
        a.setWorkerCounts({1, 0, 0, 0});
        auto factor = newFactorRecord("Benzen", 0, 38000);
        factor->hazardCategory = {1, 1, 1, 1};
        factor->Ed607 = "P";
        factor->described = true;
        a.LB501.emplace_back("Benzen", true, std::move(factor));
        a.Plan = {{"Hermetyzacja", "Kowalski", "2004"}, {"", "", ""}};
        trk = file(QStringLiteral("ocena łódzka.trk"));
        saveTrkFile(a, toPath(trk));
    }

    void parsesTheOptions() {
        const CommandLine cl = parseCommandLine(
            {QStringLiteral("--pdf"), QStringLiteral("out.pdf"), QStringLiteral("in.trk")});
        QCOMPARE(cl.mode, CommandLine::Mode::Pdf);
        QCOMPARE(cl.pdfOut, QStringLiteral("out.pdf"));
        QCOMPARE(cl.pdfIn, QStringLiteral("in.trk"));
        QVERIFY(cl.pdfRange.allPages);
        for (const QStringList& args :
             {QStringList{"--pdf", "out.pdf", "--pages", "2-5", "in.trk"},
              QStringList{"--pdf", "out.pdf", "in.trk", "--pages", "2-5"}}) {
            const CommandLine r = parseCommandLine(args);
            QCOMPARE(r.mode, CommandLine::Mode::Pdf);
            QCOMPARE(r.pdfIn, QStringLiteral("in.trk"));
            QVERIFY(!r.pdfRange.allPages);
            QCOMPARE(r.pdfRange.from, 2);
            QCOMPARE(r.pdfRange.to, 5);
        }
        for (const QStringList& wrong :
             {QStringList{"--pdf"}, QStringList{"--pdf", "out.pdf"},
              QStringList{"--pdf", "out.pdf", "a.trk", "b.trk"},
              QStringList{"--pdf", "out.pdf", "--pages", "in.trk"},
              QStringList{"--pdf", "out.pdf", "--pages", "0-2", "in.trk"},
              QStringList{"--pdf", "out.pdf", "--pages", "2", "in.trk"},
              QStringList{"--pdf", "out.pdf", "--pages", "a-b", "in.trk"}})
            QCOMPARE(parseCommandLine(wrong).mode, CommandLine::Mode::Error);
        QVERIFY(helpText().contains(QStringLiteral("--pdf WYJŚCIE.pdf [--pages OD-DO] PLIK.trk")));
    }

    void writesTheReportOfASavedAssessment() {
        const QByteArray before = bytesOf(trk);
        const QDateTime modified = QFileInfo(trk).lastModified();
        const QString pdf = file(QStringLiteral("raport.pdf"));
        QString err;
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, trk}, &err), 0);
        QCOMPARE(err, QString());
        const QString t = text(pdf);
        QVERIFY2(t.contains(QStringLiteral("Poziom ryzyka: 5000 – RYZYKO DUŻE")), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral("Należy opracowav plan poprawy warunków pracy")));
        // The stored options by default: the legal basis and the register form.
        QVERIFY(t.contains(QStringLiteral("Podstawa prawna analizy ryzyka zawodowego")));
        QVERIFY(t.contains(QStringLiteral("REJESTR")));
        QVERIFY(t.contains(QStringLiteral("Hermetyzacja")));
        // The file is read, never written, even though the plan lost its empty row.
        QCOMPARE(bytesOf(trk), before);
        QCOMPARE(QFileInfo(trk).lastModified(), modified);

        // Options stored by the program steer the report: the standard form, no legal basis.
        const QString config = file(QStringLiteral("inne"));
        QDir().mkpath(config + QStringLiteral("/TRK2000"));
        QFile ini(config + QStringLiteral("/TRK2000/Startup.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[General]\nDrukujPodstawe=NIE\nDrukujRejestr=NIE\n");
        ini.close();
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, trk}, nullptr, config), 0);
        const QString b = text(pdf);
        QVERIFY(b.contains(QStringLiteral("Dane Ogólne")));
        QVERIFY(!b.contains(QStringLiteral("Podstawa prawna")));
        QVERIFY(!b.contains(QStringLiteral("REJESTR")));
    }

    void writesOnlyThePagesOfTheRange() {
        const QString pdf = file(QStringLiteral("strony.pdf"));
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, QStringLiteral("--pages"),
                      QStringLiteral("2-3"), trk}),
                 0);
        const QString t = text(pdf);
        QCOMPARE(t.count(QLatin1Char('\f')), 2);
        QVERIFY(t.contains(QStringLiteral("Spawacz, strona 2")));
        QVERIFY(t.contains(QStringLiteral("Spawacz, strona 3")));

        // A range past the last page writes nothing and says how many pages there are.
        const QString none = file(QStringLiteral("zadna.pdf"));
        QString err;
        QCOMPARE(run({QStringLiteral("--pdf"), none, QStringLiteral("--pages"),
                      QStringLiteral("90-99"), trk},
                     &err),
                 1);
        QVERIFY(!QFile::exists(none));
        QVERIFY2(err.startsWith(QStringLiteral("Zakres stron od 90 do 99 nie obejmuje")),
                 qPrintable(err));
    }

    void writesNothingForARejectedFile() {
        const QString junk = file(QStringLiteral("obce.trk"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello world, not an assessment");
        f.close();
        const QString pdf = file(QStringLiteral("obce.pdf"));
        QString err;
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, junk}, &err), 1);
        QCOMPARE(err, QStringLiteral("Nieprawidłowy format pliku."));
        QVERIFY(!QFile::exists(pdf));

        // An older report of the same name stays as it was.
        const QString old = file(QStringLiteral("stary.pdf"));
        QFile o(old);
        QVERIFY(o.open(QIODevice::WriteOnly));
        o.write("%PDF-old");
        o.close();
        QCOMPARE(run({QStringLiteral("--pdf"), old, junk}), 1);
        QCOMPARE(bytesOf(old), QByteArray("%PDF-old"));

        // A damaged assessment: cut in the middle.
        const QString cut = file(QStringLiteral("ucieta.trk"));
        QFile c(cut);
        QVERIFY(c.open(QIODevice::WriteOnly));
        c.write(bytesOf(trk).left(300));
        c.close();
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, cut}, &err), 1);
        QVERIFY(!err.isEmpty());
        QCOMPARE(err.count(QLatin1Char('\n')), 0);
        QVERIFY(!QFile::exists(pdf));

        // A missing file, a folder that does not exist, and the assessment itself as the PDF.
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, file(QStringLiteral("brak.trk"))}, &err), 1);
        QVERIFY2(err.contains(QStringLiteral("brak.trk")), qPrintable(err));
        const QString nowhere = file(QStringLiteral("nie ma/raport.pdf"));
        QCOMPARE(run({QStringLiteral("--pdf"), nowhere, trk}, &err), 1);
        QVERIFY2(err.contains(QStringLiteral("raport.pdf")), qPrintable(err));
        QVERIFY(!QFile::exists(nowhere));
        const QByteArray before = bytesOf(trk);
        QCOMPARE(run({QStringLiteral("--pdf"), trk, trk}, &err), 1);
        QCOMPARE(bytesOf(trk), before);
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.tmp*")}).isEmpty());
    }
};

QTEST_MAIN(PdfTest)
#include "test_pdf.moc"
