// The road through the evaluation pages on an opened assessment, up to the risk level: every
// value shown is the value of the evaluation and of "tarnik --summary" for the same file. Then
// the risk level page itself: the band limits kept ordered as they are stepped or typed, the
// grade and its colour, and Next.
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/evaluation/accidentspage.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/pages/safety/checklistmodel.h"
#include "app/pages/safety/safetypage.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/chartwidget.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "core/evaluation/recompute.h"
#include "core/model/trkfile.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QString lines(const std::vector<std::string>& v) {
    QStringList out;
    for (const std::string& s : v)
        out << QString::fromStdString(s);
    return out.join(QLatin1Char('\n'));
}

QString text(QLabel* l) {
    return l->text();
}

// The share of pixels of an image close to a colour.
double shareOf(const QImage& img, QColor c) {
    int close = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) < 20 && std::abs(p.green() - c.green()) < 20 &&
                std::abs(p.blue() - c.blue()) < 20)
                ++close;
        }
    return double(close) / (img.width() * img.height());
}

} // namespace

class RiskLevelTest : public QObject, WindowTestBase {
    Q_OBJECT

    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    RiskLevelPage* page() { return wiz().page<RiskLevelPage>(); }
    QString fixtureFile() { return dir.filePath(QStringLiteral("szlifierz.trk")); }

    // The evaluation of the same file as printing brings it up to date.
    static Evaluation reference(const QString& file, Assessment& a) {
        a.questions.clear();
        if (!readTrkFile(a, toPath(file)).ok()) qFatal("the fixture cannot be read");
        Evaluation e;
        recomputeEvaluation(a, e);
        return e;
    }

    static QJsonObject summaryOf(const QString& file) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(tarnikProgram(), {QStringLiteral("--summary"), file});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    void showRiskPage() {
        wiz().showPage(kPageSupplementary);
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageRiskLevel));
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
        saveAssessmentFile(fixtures::evaluationAssessment(), fixtureFile());
    }
    void cleanup() { closeWindow(); }

    void roadThroughTheEvaluationPages() {
        QVERIFY2(QFile::exists(tarnikProgram()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        const QJsonObject summary = summaryOf(fixtureFile());
        QVERIFY(!summary.isEmpty());
        Assessment ref(0);
        const Evaluation e = reference(fixtureFile(), ref);

        w->commands().openAtStartup(fixtureFile());
        QVERIFY(w->document().IsSaved());
        wiz().showPage(kPageMeasurementCards);

        // The hazard level card: 5 men, 3 women, 1 pregnant, 1 juvenile; rows 1, 6, 7 and 9 in
        // the first three columns, rows 1, 6, 8 and 9 for juveniles (the unticked factor counts
        // nowhere).
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageHazardCard));
        auto* card = wiz().page<HazardCardPage>();
        const QJsonArray counts = summary.value(QStringLiteral("hazardCounts")).toArray();
        for (int r = 1; r <= 9; ++r)
            for (int g = 0; g < 4; ++g) {
                QCOMPARE(card->countLabel(r, g)->text(), QString::number(e.hazardCount(r, g)));
                QCOMPARE(card->countLabel(r, g)->text(),
                         QString::number(counts.at(r - 1).toArray().at(g).toInt()));
            }
        QCOMPARE(card->countLabel(2, 0)->text(), QStringLiteral("0"));
        QCOMPARE(card->countLabel(8, 3)->text(), QStringLiteral("1"));
        const QStringList groups = {QStringLiteral("2560"), QStringLiteral("1536"),
                                    QStringLiteral("512"), QStringLiteral("611")};
        const QJsonArray groupIndices =
            summary.value(QStringLiteral("groupExposureIndex")).toArray();
        for (int g = 0; g < 4; ++g) {
            QCOMPARE(text(card->indexLabel(701 + g)), groups[g]);
            QCOMPARE(text(card->indexLabel(701 + g)), QString::number(groupIndices.at(g).toInt()));
        }
        QCOMPARE(text(card->indexLabel(705)), QStringLiteral("5219"));
        QCOMPARE(summary.value(QStringLiteral("totalExposureIndex")).toInt(), 5219);
        for (int n = 706; n <= 709; ++n)
            QVERIFY(text(card->indexLabel(n)).isEmpty());
        QCOMPARE(w->document().evaluation().Chart1.data(), e.Chart1.data());
        // The new total went to the supplementary card, which marks the document.
        QCOMPARE(w->document().assessment().SE1004.get(), 5219);
        QVERIFY(!w->document().IsSaved());

        // The questionnaire: every question of the file, with its answer.
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageSafety));
        ChecklistModel* questions = wiz().page<SafetyPage>()->checklistModel();
        QCOMPARE(questions->rowCount(), 40);
        QCOMPARE(questions->index(33, 1).data().toString(), QStringLiteral("NIE"));
        QCOMPARE(questions->index(36, 1).data().toString(), QString());
        QCOMPARE(questions->index(39, 0).data().toString(),
                 QStringLiteral("40. Czy na stanowisku spełniony jest wymóg numer 40?"));

        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageAccidents));
        auto* accidents = wiz().page<AccidentsPage>();
        const char* accidentKeys[4] = {"frequencyIndex", "severityIndex", "correctedSeverityIndex",
                                       "diseaseIndex"};
        const QStringList accidentValues = {QStringLiteral("300"), QStringLiteral("22"),
                                            QStringLiteral("1022"), QStringLiteral("100")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(text(accidents->indexLabel(901 + i)), accidentValues[i]);
            QCOMPARE(text(accidents->indexLabel(901 + i)),
                     QString::number(summary.value(QLatin1String(accidentKeys[i])).toInt()));
        }

        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageSupplementary));
        auto* supplementary = wiz().page<SupplementaryPage>();
        QCOMPARE(supplementary->probabilityLabel()->text(),
                 QStringLiteral("Wskaźnik prawdopodobieństwa: 240"));
        QCOMPARE(summary.value(QStringLiteral("probabilityIndex")).toInt(), 240);
        // 5219 × 2 div (1000 × 2).
        QCOMPARE(supplementary->planLabel()->text(), QStringLiteral("Wskaźnik planu: 5"));
        QCOMPARE(summary.value(QStringLiteral("planIndex")).toInt(), 5);
        QCOMPARE(supplementary->currentExposureField()->text(), QStringLiteral("5219"));
        QVERIFY(supplementary->planGroup()->isVisible());

        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageRiskLevel));
        const int level = summary.value(QStringLiteral("riskLevel")).toInt();
        QCOMPARE(level, e.riskLevel);
        QCOMPARE(text(page()->levelLabel()), QStringLiteral("Poziom ryzyka: %1").arg(level));
        QCOMPARE(text(page()->gradeLabel()),
                 QStringLiteral("Ryzyko ") + summary.value(QStringLiteral("riskGrade")).toString());
        QCOMPARE(text(page()->gradeLabel()), QString::fromStdString(e.StaticText23));
        QStringList advice;
        for (const QJsonValue& v : summary.value(QStringLiteral("recommendations")).toArray())
            advice << v.toString();
        QCOMPARE(page()->recommendations()->toPlainText(), advice.join(QLatin1Char('\n')));
        QVERIFY(advice.first().startsWith(QStringLiteral("UWAGA: Pracownicy nie stosują")));
        QCOMPARE(text(page()->values()), lines(e.Memo7));
        QCOMPARE(page()->values()->text().split(QLatin1Char('\n')).size(), 11);
        QCOMPARE(text(page()->legend()).split(QLatin1Char('\n')).size(), 10);
        const ChartData& chart = w->document().evaluation().Chart2.data();
        QCOMPARE(chart.values, e.Chart2.data().values);
        QCOMPARE(chart.values.size(), std::size_t(10));
        QCOMPARE(chart.values.back(), double(level));
        QCOMPARE(chart.axisMin, 0);
        QCOMPARE(chart.axisMax, e.Chart2.data().axisMax);
        QCOMPARE(chart.axisStep, chart.axisMax / 5);
        QVERIFY(!chart.legend); // Memo5 beside it is its legend
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(page()->upperLabel(k)->text(),
                     QString::number(w->document().assessment().bandLimit(k).get() - 1));
        QVERIFY(wiz().nextButton()->isVisible());
        QVERIFY(wiz().nextButton()->isEnabled());
    }

    // The page makes Next visible whatever hid it, and computes the level only when shown.
    void showingThePageComputesAndShowsNext() {
        w->commands().openAtStartup(fixtureFile());
        wiz().setNextVisible(false);
        showRiskPage();
        QVERIFY(wiz().nextButton()->isVisible());
        const QString before = page()->levelLabel()->text();
        // The expert index changes the level only when the page is shown again.
        w->document().assessment().SE1007 = 100 + 500;
        QCOMPARE(page()->levelLabel()->text(), before);
        wiz().back();
        wiz().next();
        const int level = w->document().evaluation().riskLevel;
        QCOMPARE(page()->levelLabel()->text(), QStringLiteral("Poziom ryzyka: %1").arg(level));
        QCOMPARE(page()->levelLabel()->text(),
                 QStringLiteral("Poziom ryzyka: %1")
                     .arg(before.section(QLatin1Char(' '), 2).toInt() + 500));
    }

    // Raising SE1102 to 4000 moves its neighbours' bounds and re-grades the shown level.
    void raisingALimitMovesTheNeighboursAndRegrades() {
        Evaluation& e = w->document().evaluation();
        Assessment& a = w->document().assessment();
        showRiskPage();
        // A new assessment: level 0, "BARDZO MAŁE", one recommendation line.
        QCOMPARE(page()->levelLabel()->text(), QStringLiteral("Poziom ryzyka: 0"));
        QCOMPARE(page()->gradeLabel()->text(), QStringLiteral("Ryzyko BARDZO MAŁE"));
        QCOMPARE(page()->recommendations()->document()->blockCount(), 1);
        QCOMPARE(e.Chart2.data().axisMax, 500);
        QCOMPARE(e.Chart2.data().axisStep, 100);

        // A level of 3500 is "ŚREDNIE" with the defaults.
        e.riskLevel = 3500;
        w->document().SetSaved(true);
        FieldSpinBox* se1102 = page()->limitField(2);
        se1102->setValue(4000);
        QCOMPARE(a.SE1102.get(), 4000);
        QCOMPARE(page()->upperLabel(2)->text(), QStringLiteral("3999"));
        QCOMPARE(page()->limitField(1)->maximum(), 3998);
        QCOMPARE(page()->limitField(3)->minimum(), 4002);
        QCOMPARE(a.SE1101.max(), 3998);
        QCOMPARE(a.SE1103.min(), 4002);
        QCOMPARE(page()->gradeLabel()->text(), QStringLiteral("Ryzyko MAŁE"));
        QVERIFY(!w->document().IsSaved());
        // The level itself was not recomputed.
        QCOMPARE(e.riskLevel, 3500);
        QCOMPARE(page()->levelLabel()->text(), QStringLiteral("Poziom ryzyka: 0"));

        // One step down from 4000 gives 3999: the level 3999 opens "ŚREDNIE" again.
        e.riskLevel = 3999;
        se1102->stepDown();
        QCOMPARE(a.SE1102.get(), 3999);
        QCOMPARE(page()->gradeLabel()->text(), QStringLiteral("Ryzyko ŚREDNIE"));
        se1102->stepUp();
        QCOMPARE(page()->gradeLabel()->text(), QStringLiteral("Ryzyko MAŁE"));
    }

    // Typing a limit digit by digit never pushes a neighbour out of its place, and the limits
    // stay ordered with a gap of 2 whatever is typed.
    void typedLimitsStayOrdered() {
        Assessment& a = w->document().assessment();
        showRiskPage();
        page()->limitField(1)->setValue(2000);
        QCOMPARE(a.SE1101.get(), 2000);
        FieldSpinBox* se1102 = page()->limitField(2);
        se1102->setFocus();
        QVERIFY(se1102->hasFocus());
        se1102->selectAll();
        QTest::keyClicks(se1102, QStringLiteral("4500"));
        QCOMPARE(a.SE1102.get(), 4500);
        QCOMPARE(a.SE1101.get(), 2000); // "4", "45" and "450" did not squeeze it
        QCOMPARE(page()->limitField(1)->value(), 2000);
        QCOMPARE(a.SE1103.min(), 4502);

        // Beyond its upper bound the spin box takes no more digits; leaving holds the bound.
        se1102->selectAll();
        QTest::keyClicks(se1102, QStringLiteral("9"));
        page()->limitField(3)->setFocus(); // leaving SE1102 with "9"
        QCOMPARE(a.SE1102.get(), 2002);    // the lowest it may be above SE1101
        QCOMPARE(se1102->text(), QStringLiteral("2002"));
        QCOMPARE(a.SE1101.max(), 2000);

        // An empty limit left alone takes its lower bound.
        FieldSpinBox* se1103 = page()->limitField(3);
        se1103->selectAll();
        QTest::keyClick(se1103, Qt::Key_Delete);
        QCOMPARE(a.SE1103.get(), 5000); // empty while typing: nothing yet
        page()->limitField(4)->setFocus();
        QCOMPARE(a.SE1103.get(), 2004);
        QCOMPARE(se1103->text(), QStringLiteral("2004"));
        for (int k = 1; k < 4; ++k)
            QVERIFY(a.bandLimit(k + 1).get() - a.bandLimit(k).get() >= 2);
        QCOMPARE(page()->upperLabel(3)->text(), QStringLiteral("2003"));

        // Leaving a limit without changing it does not mark the document.
        w->document().SetSaved(true);
        page()->limitField(1)->setFocus();
        page()->limitField(2)->setFocus();
        QVERIFY(w->document().IsSaved());
    }

    // A limit half-typed when the file is saved is taken as if it had been left; the window
    // closed while another is half-typed closes without harm.
    void aLimitBeingTyped() {
        const QString file = fixtureFile();
        w->commands().openAtStartup(file);
        showRiskPage();
        FieldSpinBox* se1103 = page()->limitField(3);
        se1103->setFocus();
        se1103->selectAll();
        QTest::keyClicks(se1103, QStringLiteral("60"));
        QCOMPARE(w->document().assessment().SE1103.get(), 5000);
        QVERIFY(w->commands().Save());
        QCOMPARE(w->document().assessment().SE1103.get(), 3002); // held at its lower bound
        QCOMPARE(se1103->text(), QStringLiteral("3002"));
        Assessment back(0);
        back.questions.clear();
        QVERIFY(readTrkFile(back, toPath(file)).ok());
        QCOMPARE(back.SE1103.get(), 3002);

        se1103->selectAll();
        QTest::keyClicks(se1103, QStringLiteral("7"));
        w->document().SetSaved(true);
        w.reset();
    }

    // The stored limits come back exactly, and the fields follow them.
    void openedLimitsAreShownWithTheirBounds() {
        Assessment a = fixtures::evaluationAssessment();
        a.restoreBandLimits(3500, 6000, 9000, 9500);
        saveTrkFile(a, toPath(fixtureFile()));
        w->commands().openAtStartup(fixtureFile());
        showRiskPage();
        const int expected[4] = {3500, 6000, 9000, 9500};
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(page()->limitField(k)->value(), expected[k - 1]);
            QCOMPARE(page()->limitField(k)->minimum(),
                     w->document().assessment().bandLimit(k).min());
            QCOMPARE(page()->limitField(k)->maximum(),
                     w->document().assessment().bandLimit(k).max());
        }
        QCOMPARE(page()->limitField(1)->maximum(), 5998);
        QCOMPARE(page()->limitField(4)->minimum(), 9002);
        QCOMPARE(page()->upperLabel(4)->text(), QStringLiteral("9499"));
    }

    // The grade line carries the colour of its band.
    void theGradeHasTheColourOfItsBand_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("899") << 899 << QStringLiteral("BARDZO MAŁE") << QColor(0x2e, 0x7d, 0x32);
        QTest::newRow("900") << 900 << QStringLiteral("MAŁE") << QColor(0x2e, 0x7d, 0x32);
        QTest::newRow("2999") << 2999 << QStringLiteral("MAŁE") << QColor(0x2e, 0x7d, 0x32);
        QTest::newRow("3000") << 3000 << QStringLiteral("ŚREDNIE") << QColor(0xf2, 0xa9, 0x00);
        QTest::newRow("5000") << 5000 << QStringLiteral("DUŻE") << QColor(0xc6, 0x28, 0x28);
        QTest::newRow("8000") << 8000 << QStringLiteral("BARDZO DUŻE") << QColor(0xc6, 0x28, 0x28);
    }
    void theGradeHasTheColourOfItsBand() {
        QFETCH(int, level);
        QFETCH(QString, grade);
        QFETCH(QColor, colour);
        showRiskPage();
        w->document().evaluation().riskLevel = level;
        // Moving a limit and back re-grades the level as it stands.
        page()->limitField(4)->stepUp();
        page()->limitField(4)->stepDown();
        QCOMPARE(page()->gradeLabel()->text(), QStringLiteral("Ryzyko ") + grade);
        QApplication::processEvents();
        const QImage shot = page()->gradeLabel()->grab().toImage();
        QVERIFY2(shareOf(shot, colour) > 0.3, qPrintable(grade));
    }
};

TARNIK_TEST_MAIN(RiskLevelTest)
#include "test_risklevel.moc"
