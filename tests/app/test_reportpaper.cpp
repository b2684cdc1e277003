// The report on paper, measured on the PDF the program writes (word boxes from pdftotext -bbox):
// page numbers that stay with a long station name, acquaintance rows with room to sign, a long
// word kept inside its cell, and charts inside the margins with their headings whatever shape
// the window had.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/document/document.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/print/printcommand.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/chartwidget.h"
#include "app/wizard/wizard.h"
#include "core/base/settings.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/pdfwords.h"
#include "tests/app/support/testsupport.h"
#include "tests/support/fixtures.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
// The report's margins: left 20 mm, right 15 mm, top 15 mm, bottom 20 mm (with a point of rounding
// and the room poppler gives a glyph below its line allowed).
constexpr double kSlack = 3;

// Every word of the PDF lies inside the report's margins.
void expectInsideTheMargins(const PdfWords& pdf) {
    const double left = 20 * kPointsPerMm - kSlack;
    const double right = pdf.pageWidth - 15 * kPointsPerMm + kSlack;
    const double top = 15 * kPointsPerMm - kSlack;
    const double bottom = pdf.pageHeight - 20 * kPointsPerMm + kSlack;
    for (const PdfWord& w : pdf.words) {
        QVERIFY2(w.xMin >= left && w.xMax <= right && w.yMin >= top && w.yMax <= bottom,
                 qPrintable(QStringLiteral("\"%1\" on page %2 at (%3, %4)-(%5, %6)")
                                .arg(w.text)
                                .arg(w.page)
                                .arg(w.xMin)
                                .arg(w.yMin)
                                .arg(w.xMax)
                                .arg(w.yMax)));
    }
}

// The page where the words of `phrase` first stand one after the other, 0 when they never do.
int pageOfPhrase(const PdfWords& pdf, const QStringList& phrase) {
    for (qsizetype i = 0; i + phrase.size() <= pdf.words.size(); ++i) {
        bool same = true;
        for (qsizetype k = 0; k < phrase.size() && same; ++k)
            same = pdf.words[i + k].text == phrase[k] && pdf.words[i + k].page == pdf.words[i].page;
        if (same) return pdf.words[i].page;
    }
    return 0;
}

} // namespace

class ReportPaperTest : public QObject, WindowTestBase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    MemorySettingsStore store;

    QString file(const QString& name) const { return dir->filePath(name); }
    QString program() const { return tarnikProgram(); }
    // tarnik --pdf through the real program, without a display, with settings of its own.
    bool writePdf(const QString& trk, const QString& pdf) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("config")));
        p.setProcessEnvironment(env);
        p.start(program(), {QStringLiteral("--pdf"), pdf, trk});
        return p.waitForFinished(120000) && p.exitCode() == 0;
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() {
        if (w) closeWindow();
        dir.reset();
    }

    // A report of many pages for a station of 185 characters, with twelve people to sign and a
    // 60-character word in the plan.
    void aLongStationNameLeavesEveryPageItsNumber() {
        Assessment a = fixtures::fullAssessment();
        QString station = QStringLiteral("Stanowisko spawacza konstrukcji stalowych");
        while (station.size() < 185)
            station += QStringLiteral(" hala");
        station.truncate(185);
        a.EdtStanowisko = station.toStdString();
        std::string people;
        for (int i = 1; i <= 12; ++i)
            people +=
                "Zapoznany" + std::string(i < 10 ? "0" : "") + std::to_string(i) + " Nowak\r\n";
        a.Osoby = people;
        const std::string word(60, 'Q');
        a.Plan = {{"Osłony " + word, "Kowalski", "2027"}};
        const QString trk = file(QStringLiteral("dluga.trk"));
        saveAssessmentFile(a, trk);
        const QString pdfFile = file(QStringLiteral("dluga.pdf"));
        QVERIFY(writePdf(trk, pdfFile));
        const PdfWords pdf = pdfWords(pdfFile);
        QVERIFY2(pdf.ok, qPrintable(pdf.error));
        QVERIFY(pdf.pageCount > 3);

        // Every page after the first carries ",   strona N" at its top, the station shortened.
        for (int page = 2; page <= pdf.pageCount; ++page) {
            const PdfWord* strona = pdf.find(QStringLiteral("strona"), page);
            QVERIFY2(strona, qPrintable(QStringLiteral("page %1 has no \"strona\"").arg(page)));
            QVERIFY(strona->yMax < 30 * kPointsPerMm);
            const QList<PdfWord> words = pdf.onPage(page);
            const auto at = std::find_if(words.begin(), words.end(), [&](const PdfWord& other) {
                return other.text == QLatin1String("strona");
            });
            QVERIFY(at + 1 != words.end());
            QCOMPARE((at + 1)->text, QString::number(page));
            QVERIFY(std::any_of(words.begin(), at, [](const PdfWord& other) {
                return other.text.endsWith(QStringLiteral("…,"));
            }));
        }
        expectInsideTheMargins(pdf);

        // The acquaintance rows are at least two lines high, plus the cells' margins of 2 mm.
        QList<const PdfWord*> names;
        for (int i = 1; i <= 12; ++i)
            names << pdf.find(QStringLiteral("Zapoznany%1").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(!names.contains(nullptr));
        int pitches = 0;
        for (int i = 1; i < names.size(); ++i) {
            if (names[i]->page != names[i - 1]->page) continue;
            const double line = names[i]->yMax - names[i]->yMin;
            const double pitch = names[i]->yMin - names[i - 1]->yMin;
            QVERIFY2(pitch >= 2 * line + 4 * kPointsPerMm - kSlack,
                     qPrintable(QStringLiteral("pitch %1 for a line of %2").arg(pitch).arg(line)));
            ++pitches;
        }
        QVERIFY(pitches >= 6);

        // The long word goes on in the next lines of its cell, every letter printed, inside the
        // task column (half of the usable width).
        const double columnRight =
            20 * kPointsPerMm + (pdf.pageWidth - 35 * kPointsPerMm) / 2 + kSlack;
        // (No Polish word holds a "Q".)
        QString letters;
        for (const PdfWord& piece : pdf.words) {
            if (piece.text.isEmpty() || piece.text.count(QLatin1Char('Q')) != piece.text.size())
                continue;
            letters += piece.text;
            QVERIFY(piece.xMax <= columnRight);
        }
        QCOMPARE(letters, QString::fromStdString(word));
    }

    // Printed from a tall narrow window and from a wide low one, the charts stay inside the
    // margins and on the pages of their headings and keys.
    void chartsFitTheirPagesWhateverTheWindowsShape() {
        for (const QSize size : {QSize(760, 1000), QSize(1280, 700)}) {
            openWindow();
            QVERIFY(showWindow());
            const QString trk = file(QStringLiteral("okno.trk"));
            saveAssessmentFile(fixtures::fullAssessment(), trk);
            w->commands().openAtStartup(trk);
            w->resize(size);
            QTRY_COMPARE(w->size(), size);
            w->wizard().showPage(kPageHazardCard);
            w->wizard().showPage(kPageRiskLevel);
            ChartWidget* risk = w->wizard().page<RiskLevelPage>()->chart();
            QTRY_COMPARE(w->printCommand().reportInput().chart2.width, risk->width());
            QCOMPARE(w->printCommand().reportInput().chart2.height, risk->height());
            w->printOptions().setShowProgress(false, store);
            const QString name = QStringLiteral("okno%1").arg(size.width());
            prompts->saveNames << file(name);
            w->printCommand().exportPdf();
            const PdfWords pdf = pdfWords(file(name + QStringLiteral(".pdf")));
            QVERIFY2(pdf.ok, qPrintable(pdf.error));
            expectInsideTheMargins(pdf);
            // The indicator chart's heading and the key under the chart share a page.
            const int heading =
                pageOfPhrase(pdf, {QStringLiteral("Wykres"), QStringLiteral("wskaźników")});
            QVERIFY(heading > 0);
            QCOMPARE(pageOfPhrase(pdf, {QStringLiteral("10"), QStringLiteral("-"),
                                        QStringLiteral("poziom"), QStringLiteral("ryzyka")}),
                     heading);
            QVERIFY(pageOfPhrase(pdf, {QStringLiteral("4"), QStringLiteral("-"),
                                       QStringLiteral("młodociani")}) > 0);
            closeWindow();
        }
    }
};

TARNIK_TEST_MAIN(ReportPaperTest)
#include "test_reportpaper.moc"
