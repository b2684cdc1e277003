// tarnik --docx and --odt through the real executable: for each crafted assessment the Word and
// the OpenDocument file open in LibreOffice, and converted to PDF they hold every word of the
// printed report (tarnik --pdf) in order, on about as many pages; their headings are headings.
// Also the files that are refused, which leave nothing written.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "app/cli/commandline.h"
#include "app/platform/pathutil.h"
#include "app/widgets/chartpainter.h"
#include "core/evaluation/recompute.h"
#include "core/model/convert.h"
#include "core/model/trkfile.h"
#include "tests/app/support/libreoffice.h"
#include "tests/app/support/pdftext.h"
#include "tests/app/support/testsupport.h"
#include "tests/app/support/wordcompare.h"
#include "tests/support/fixtures.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One assessment of the suite, with the print options stored for it (INI lines).
struct Crafted {
    QString name;
    Assessment assessment;
    QByteArray options;
};

std::vector<Crafted> craftedAssessments() {
    std::vector<Crafted> out;
    out.push_back({QStringLiteral("pelna-rejestr"), fixtures::fullAssessment(), {}});
    out.push_back({QStringLiteral("pelna-zwykla"), fixtures::fullAssessment(),
                   "DrukujPodstawe=NIE\nDrukujRejestr=NIE\n"});
    out.push_back({QStringLiteral("wypelniona"), fixtures::filledAssessment(), {}});
    out.push_back({QStringLiteral("bez-liter"), fixtures::evaluationAssessment(),
                   "PolskieLiterki=NIE\nDrukujRejestr=NIE\n"});
    // Tables of workers, persons and plan tasks that run over several pages.
    out.push_back({QStringLiteral("duza"), fixtures::largeReportAssessment({60, 20, 42, 70}), {}});
    return out;
}

int pageCount(const QString& pdf) {
    const ToolRun r = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(r.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString rawText(const QString& pdf) {
    const ToolRun r =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    return r.out;
}

// The texts the printed report's charts hold (numbers on the axes and over the bars), which the
// office documents hold as pictures.
QSet<QString> chartWords(const QString& trk) {
    Assessment a;
    a.questions.clear();
    if (openForCommandLine(toPath(trk), a)) return {};
    Evaluation e;
    e.afterDocumentLoaded(a);
    recomputeEvaluation(a, e);
    QSet<QString> words;
    for (const ChartModel* chart : {&e.Chart1, &e.Chart2}) {
        const ChartGeometry g = chartGeometry(QRectF(0, 0, 2000, 1200), chart->data(),
                                              QFontMetricsF(QFont(QStringLiteral("Arial"), 9)));
        const auto add = [&words](const QString& text) {
            for (const QString& w :
                 text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                words.insert(w);
        };
        for (const ChartText& t : g.axisTexts)
            add(t.text);
        for (const ChartText& t : g.pointNumbers)
            add(t.text);
        for (const ChartBar& b : g.bars)
            add(b.value.text);
        add(g.legendText.text);
    }
    return words;
}

// The text inside every element of the flat XML with this opening (e.g. text:h with a level).
QStringList elementTexts(const QString& xml, const QString& element, const QString& attribute) {
    QStringList out;
    const QRegularExpression re(
        QStringLiteral("<%1 [^>]*%2[^>]*>(.*?)</%1>")
            .arg(QRegularExpression::escape(element), QRegularExpression::escape(attribute)),
        QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& m : re.globalMatch(xml)) {
        QString text = m.captured(1);
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        out << text.simplified();
    }
    return out;
}

} // namespace

class OfficeExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::vector<Crafted> crafted;

    QString program() const { return tarnikProgram(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QString configOf(const Crafted& c) const { return file(QStringLiteral("config-") + c.name); }

    int run(const QStringList& args, const QString& config, QString* err = nullptr) const {
        QProcess p;
        withoutDisplay(p);
        QProcessEnvironment env = p.processEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        p.setProcessEnvironment(env);
        const ProgramSettings settings(config);
        p.start(program(), args);
        if (!p.waitForFinished(180000)) return -1;
        if (err) *err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return p.exitCode();
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        crafted = craftedAssessments();
        for (const Crafted& c : crafted) {
            saveTrkFile(c.assessment, toPath(file(c.name + QStringLiteral(".trk"))));
            QVERIFY(QDir().mkpath(configOf(c) + QStringLiteral("/TRK2000")));
            QFile ini(configOf(c) + QStringLiteral("/TRK2000/Startup.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[General]\n" + c.options);
        }
    }

    void parsesTheOptions() {
        const CommandLine docx = parseCommandLine(
            {QStringLiteral("--docx"), QStringLiteral("out.docx"), QStringLiteral("in.trk")});
        QCOMPARE(docx.mode, CommandLine::Mode::Document);
        QCOMPARE(docx.documentFormat, OfficeFormat::Docx);
        QCOMPARE(docx.documentOut, QStringLiteral("out.docx"));
        QCOMPARE(docx.documentIn, QStringLiteral("in.trk"));
        const CommandLine odt = parseCommandLine(
            {QStringLiteral("--odt"), QStringLiteral("out.odt"), QStringLiteral("in.trk")});
        QCOMPARE(odt.mode, CommandLine::Mode::Document);
        QCOMPARE(odt.documentFormat, OfficeFormat::Odt);
        for (const QStringList& wrong :
             {QStringList{"--docx"}, QStringList{"--odt", "out.odt"},
              QStringList{"--docx", "out.docx", "a.trk", "b.trk"},
              QStringList{"--odt", "out.odt", "--pages", "1-2", "in.trk"}}) {
            const CommandLine cl = parseCommandLine(wrong);
            QCOMPARE(cl.mode, CommandLine::Mode::Error);
            QVERIFY2(cl.error.startsWith(QStringLiteral("Użycie: tarnik --")),
                     qPrintable(cl.error));
        }
        QVERIFY(helpText().contains(QStringLiteral("--docx WYJŚCIE.docx PLIK.trk")));
        QVERIFY(helpText().contains(QStringLiteral("--odt WYJŚCIE.odt PLIK.trk")));
    }

    void documentsHoldThePrintedReport() {
        QStringList documents;
        for (const Crafted& c : crafted) {
            const QString trk = file(c.name + QStringLiteral(".trk"));
            QString err;
            QCOMPARE(run({QStringLiteral("--pdf"), file(c.name + QStringLiteral(".pdf")), trk},
                         configOf(c), &err),
                     0);
            for (const QString& type : {QStringLiteral("docx"), QStringLiteral("odt")}) {
                // Distinct base names: LibreOffice names what it writes after them.
                const QString out =
                    file(c.name + QLatin1Char('-') + type + QLatin1Char('.') + type);
                QCOMPARE(run({QStringLiteral("--") + type, out, trk}, configOf(c), &err), 0);
                QCOMPARE(err, QString());
                documents << out;
            }
        }
        const QString converted = file(QStringLiteral("lo"));
        QVERIFY(QDir().mkpath(converted));
        const OfficeConversion pdfs =
            convertWithLibreOffice(documents, QStringLiteral("pdf"), converted);
        QVERIFY2(pdfs.ok, qPrintable(pdfs.error));

        for (qsizetype i = 0; i < documents.size(); ++i) {
            const Crafted& c = crafted[std::size_t(i / 2)];
            const QString printed = file(c.name + QStringLiteral(".pdf"));
            const QSet<QString> pictures = chartWords(file(c.name + QStringLiteral(".trk")));
            QVERIFY(!pictures.isEmpty());
            const WordComparison words = compareWords(
                reportWords(rawText(printed)), reportWords(rawText(pdfs.outputs[i])), pictures);
            QVERIFY2(words.same, qPrintable(QFileInfo(documents[i]).fileName() +
                                            QStringLiteral(":\n") + words.differences));
            const int expected = pageCount(printed);
            const int actual = pageCount(pdfs.outputs[i]);
            QVERIFY(expected > 0);
            QVERIFY2(std::abs(actual - expected) <= 0.1 * expected,
                     qPrintable(QStringLiteral("%1: %2 pages, the printed report %3")
                                    .arg(QFileInfo(documents[i]).fileName())
                                    .arg(actual)
                                    .arg(expected)));
        }
    }

    void headingsAreHeadingsForTheWordProcessor() {
        // LibreOffice's own flat XML of what it read: headings become text:h with a level.
        const Crafted& c = crafted.back();
        QStringList documents;
        for (const QString& type : {QStringLiteral("docx"), QStringLiteral("odt")})
            documents << file(c.name + QLatin1Char('-') + type + QLatin1Char('.') + type);
        for (const QString& d : documents)
            QVERIFY2(QFile::exists(d), "documentsHoldThePrintedReport writes them first");
        const QString flat = file(QStringLiteral("flat"));
        QVERIFY(QDir().mkpath(flat));
        const OfficeConversion fodt =
            convertWithLibreOffice(documents, QStringLiteral("fodt"), flat);
        QVERIFY2(fodt.ok, qPrintable(fodt.error));
        for (const QString& out : fodt.outputs) {
            const QString xml = QString::fromUtf8(bytesOf(out));
            const QStringList level1 = elementTexts(xml, QStringLiteral("text:h"),
                                                    QStringLiteral("text:outline-level=\"1\""));
            const QStringList level2 = elementTexts(xml, QStringLiteral("text:h"),
                                                    QStringLiteral("text:outline-level=\"2\""));
            for (const QString& heading :
                 {QStringLiteral("Charakterystyka stanowiska"),
                  QStringLiteral("Dane o pracownikach"), QStringLiteral("Karta poziomu zagrożeń"),
                  QStringLiteral("Wykres wskaźników"),
                  QStringLiteral("Plan poprawy warunków pracy")})
                QVERIFY2(level1.contains(heading), qPrintable(out + QStringLiteral(": ") +
                                                              level1.join(QStringLiteral(" | "))));
            QVERIFY2(level2.contains(QStringLiteral(
                         "Osoby odpowiedzialne za stan bezpieczeństwa na stanowisku:")),
                     qPrintable(out + QStringLiteral(": ") + level2.join(QStringLiteral(" | "))));
            // Body text is no heading.
            QVERIFY(!level1.contains(QStringLiteral("Tarnik")));
        }
    }

    void writesNothingForARejectedFile() {
        const Crafted& c = crafted.front();
        const QString trk = file(c.name + QStringLiteral(".trk"));
        // Not an assessment: exit code 1, one line, no document.
        const QString junk = file(QStringLiteral("smieci.trk"));
        {
            QFile f(junk);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("to nie jest ocena");
        }
        for (const QString& type : {QStringLiteral("docx"), QStringLiteral("odt")}) {
            const QString out = file(QStringLiteral("odrzucony.") + type);
            QString err;
            QCOMPARE(run({QStringLiteral("--") + type, out, junk}, configOf(c), &err), 1);
            QVERIFY(!err.isEmpty());
            QVERIFY(!err.contains(QLatin1Char('\n')));
            QVERIFY(!QFile::exists(out));
        }
        // Never over the assessment itself.
        const QByteArray before = bytesOf(trk);
        QString err;
        QCOMPARE(run({QStringLiteral("--docx"), trk, trk}, configOf(c), &err), 1);
        QCOMPARE(err, QStringLiteral("Dokument nie może zastąpić pliku oceny."));
        QCOMPARE(bytesOf(trk), before);
        // A folder that does not exist: nothing written, the reason said.
        const QString nowhere = file(QStringLiteral("brak/raport.odt"));
        QCOMPARE(run({QStringLiteral("--odt"), nowhere, trk}, configOf(c), &err), 1);
        QVERIFY(!err.isEmpty());
        QVERIFY(!QFileInfo::exists(file(QStringLiteral("brak"))));
        // An older document stays whole when the new one cannot be written.
        const QString older = file(QStringLiteral("starszy.docx"));
        {
            QFile f(older);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("poprzednia wersja");
        }
        QCOMPARE(run({QStringLiteral("--docx"), older, junk}, configOf(c), &err), 1);
        QCOMPARE(bytesOf(older), QByteArray("poprzednia wersja"));
        QCOMPARE(QDir(dir.path())
                     .entryList({QStringLiteral("*.tmp*"), QStringLiteral(".*tmp*")},
                                QDir::Files | QDir::Hidden),
                 QStringList());
    }
};

QTEST_MAIN(OfficeExportTest)
#include "test_officeexport.moc"
