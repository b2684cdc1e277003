// tarnik --pdf through the real executable, without a display: the report of a saved
// assessment with the stored print options, a page range, the files that are refused
// (nothing is written then, and the assessment file never is), and the PDF/A-1b it writes with
// the assessment's station, unit and establishment as its properties.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/cli/commandline.h"
#include "app/platform/pathutil.h"
#include "core/model/trkfile.h"
#include "tests/app/support/pdftext.h"

#include "tests/app/support/testsupport.h"

using namespace tarnik;
using tarnik::testing::findTool;
using tarnik::testing::tarnikProgram;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The entries pdfinfo prints ("Title", "Author" ...), by name.
QMap<QString, QString> pdfInfoEntries(const QString& out) {
    QMap<QString, QString> entries;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0) entries[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    return entries;
}

// The texts of the XMP properties by element name (the first item of a list), or the error of
// XML that is not well-formed.
QMap<QString, QString> xmpProperties(const QString& xml, QString* error) {
    QMap<QString, QString> values;
    QXmlStreamReader r(xml);
    QString property;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement()) continue;
        const QString name = r.qualifiedName().toString();
        if (name == QLatin1String("rdf:li")) {
            const QString text = r.readElementText();
            if (!values.contains(property)) values[property] = text;
        } else if (!name.startsWith(QLatin1String("rdf:")) && name != QLatin1String("x:xmpmeta")) {
            property = name;
            if (!name.startsWith(QLatin1String("dc:"))) values[name] = r.readElementText();
        }
    }
    *error = r.hasError() ? r.errorString() : QString();
    return values;
}

} // namespace

class PdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString trk;

    QString program() const { return tarnikProgram(); }
    QString file(const QString& name) const { return dir.filePath(name); }

    // Runs tarnik without a display, with the settings of `config`.
    int run(const QStringList& args, QString* err = nullptr,
            const QString& config = QString()) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        const QString configHome =
            config.isEmpty() ? dir.filePath(QStringLiteral("config")) : config;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        p.setProcessEnvironment(env);
        const testing::ProgramSettings settings(configHome);
        p.start(program(), args);
        if (!p.waitForFinished(60000)) return -1;
        if (err) *err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return p.exitCode();
    }
    QString text(const QString& pdf) const { return testing::pdfText(pdf).text; }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        QVERIFY2(!findTool(QStringLiteral("pdftotext")).isEmpty(),
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

    void writesPdfA1bWithTheAssessmentAsItsProperties() {
        const QString station = QStringLiteral("Spawacz <MIG/MAG> & \"Żółć\"");
        Assessment a(dayNumberFromCivil(2004, 1, 1));
        a.questions.clear();
        a.EdtStanowisko = station.toStdString();
        a.EdtJednostka = "  Służba BHP – Łęczyca ";
        a.EdtZaklad = "Huta Łódź S.A.\r\nul. Źródlana 5";
        a.setWorkerCounts({1, 0, 0, 0});
        const QString source = file(QStringLiteral("właściwości.trk"));
        saveTrkFile(a, toPath(source));
        const QString pdf = file(QStringLiteral("właściwości.pdf"));
        QString err;
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, source}, &err), 0);
        QCOMPARE(err, QString());

        const testing::ToolRun info = testing::runTool(
            QStringLiteral("pdfinfo"), {QStringLiteral("-isodates"), "-enc", "UTF-8", pdf});
        QVERIFY2(info.available && info.finished && info.exitCode == 0,
                 qPrintable(info.error + info.err));
        const QMap<QString, QString> entries = pdfInfoEntries(info.out);
        const QString title = QStringLiteral("Ocena ryzyka zawodowego – ") + station;
        QCOMPARE(entries.value(QStringLiteral("Title")), title);
        QCOMPARE(entries.value(QStringLiteral("Author")), QStringLiteral("Służba BHP – Łęczyca"));
        QCOMPARE(entries.value(QStringLiteral("Subject")),
                 QStringLiteral("Huta Łódź S.A., ul. Źródlana 5"));
        QCOMPARE(entries.value(QStringLiteral("Creator")), QStringLiteral("Tarnik"));

        // The XMP packet declares PDF/A-1b and says the same.
        const testing::ToolRun meta = testing::runTool(
            QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), "-enc", "UTF-8", pdf});
        QVERIFY2(meta.available && meta.finished && meta.exitCode == 0,
                 qPrintable(meta.error + meta.err));
        QString xmlError;
        const QMap<QString, QString> xmp = xmpProperties(meta.out, &xmlError);
        QVERIFY2(xmlError.isEmpty(), qPrintable(xmlError + QLatin1Char('\n') + meta.out));
        QCOMPARE(xmp.value(QStringLiteral("pdfaid:part")), QStringLiteral("1"));
        QCOMPARE(xmp.value(QStringLiteral("pdfaid:conformance")), QStringLiteral("B"));
        QCOMPARE(xmp.value(QStringLiteral("dc:title")), title);
        QCOMPARE(xmp.value(QStringLiteral("dc:creator")), entries.value(QStringLiteral("Author")));
        QCOMPARE(xmp.value(QStringLiteral("dc:description")),
                 entries.value(QStringLiteral("Subject")));
        QCOMPARE(xmp.value(QStringLiteral("xmp:CreatorTool")), QStringLiteral("Tarnik"));
        QCOMPARE(xmp.value(QStringLiteral("pdf:Producer")),
                 entries.value(QStringLiteral("Producer")));
        const QDateTime created =
            QDateTime::fromString(entries.value(QStringLiteral("CreationDate")), Qt::ISODate);
        QVERIFY2(created.isValid(), qPrintable(info.out));
        QCOMPARE(QDateTime::fromString(xmp.value(QStringLiteral("xmp:CreateDate")), Qt::ISODate),
                 created);

        // Every font embedded, and a file qpdf finds no fault in.
        const testing::ToolRun fonts = testing::runTool(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.available && fonts.finished && fonts.exitCode == 0,
                 qPrintable(fonts.error + fonts.err));
        const QStringList rows = fonts.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY2(!rows.isEmpty(), qPrintable(fonts.out));
        for (const QString& row : rows) {
            // name, type (maybe two words), encoding, emb, sub, uni, object number, generation
            const QStringList cells = row.simplified().split(QLatin1Char(' '));
            QVERIFY2(cells.size() >= 7, qPrintable(row));
            QVERIFY2(cells[cells.size() - 5] == QLatin1String("yes"), qPrintable(fonts.out));
        }
        const testing::ToolRun check =
            testing::runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        QVERIFY2(check.available && check.finished, qPrintable(check.error));
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));

        // The indicator chart has no legend of its own in the report.
        const testing::PdfText text = testing::pdfText(pdf);
        QVERIFY2(text.ok, qPrintable(text.error));
        QVERIFY(text.text.contains(QStringLiteral("Poziom ryzyka")));
        QVERIFY(!text.text.contains(QStringLiteral("Seria 1")));

        // A blank unit leaves the author out of both.
        a.EdtJednostka = "   ";
        saveTrkFile(a, toPath(source));
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, source}), 0);
        const testing::ToolRun noAuthor =
            testing::runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), "UTF-8", pdf});
        QVERIFY2(noAuthor.finished && noAuthor.exitCode == 0, qPrintable(noAuthor.error));
        const QMap<QString, QString> without = pdfInfoEntries(noAuthor.out);
        QVERIFY2(!without.contains(QStringLiteral("Author")), qPrintable(noAuthor.out));
        QCOMPARE(without.value(QStringLiteral("Title")), title);
        const testing::ToolRun noAuthorMeta = testing::runTool(
            QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), "-enc", "UTF-8", pdf});
        QVERIFY(noAuthorMeta.finished && noAuthorMeta.exitCode == 0);
        QVERIFY(!xmpProperties(noAuthorMeta.out, &xmlError).contains(QStringLiteral("dc:creator")));
        QVERIFY(xmlError.isEmpty());

        // A station not named yet still leaves the file its title.
        a.EdtStanowisko = "  ";
        saveTrkFile(a, toPath(source));
        QCOMPARE(run({QStringLiteral("--pdf"), pdf, source}), 0);
        const testing::ToolRun noStation =
            testing::runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), "UTF-8", pdf});
        QVERIFY2(noStation.finished && noStation.exitCode == 0, qPrintable(noStation.error));
        QCOMPARE(pdfInfoEntries(noStation.out).value(QStringLiteral("Title")),
                 QStringLiteral("Ocena ryzyka zawodowego"));
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
