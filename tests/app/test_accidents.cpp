// The accident page: the period line, the indices following every change of a figure,
// negatives and non-numbers turned into 0 at once, and the figures that depend on the number of
// accidents cleared and closed while it is 0.
#include <QDateEdit>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/evaluation/accidentspage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class AccidentsTest : public QObject, WindowTestBase {
    Q_OBJECT

    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    AccidentsPage* page() { return wiz().page<AccidentsPage>(); }
    Assessment& model() { return w->document().assessment(); }
    QString index(int n) { return page()->indexLabel(n)->text(); }
    void openFixture() {
        const QString file = dir.filePath(QStringLiteral("wypadki.trk"));
        saveAssessmentFile(fixtures::evaluationAssessment(), file);
        w->commands().openAtStartup(file);
        wiz().showPage(kPageAccidents);
        w->document().SetSaved(true);
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    // 365 days back from 15 March 2004 across the leap day, with two blanks around "do" and
    // after "od".
    void thePeriodLine() {
        openFixture();
        QCOMPARE(page()->periodLabel()->text(),
                 QStringLiteral("Wpisz dane za okres od  16 marca 2003  do  15 marca 2004"));
        // A date changed on the first page is the period's end the next time the page is shown.
        wiz().showPage(kPageGeneralData);
        wiz().page<GeneralDataPage>()->DTPOcena()->setDate(QDate(2005, 1, 10));
        wiz().showPage(kPageAccidents);
        QCOMPARE(page()->periodLabel()->text(),
                 QStringLiteral("Wpisz dane za okres od  11 stycznia 2004  do  10 stycznia 2005"));
    }

    // The figures of the file and their indices; each change recomputes at once and marks the
    // document.
    void everyChangeRecomputes() {
        openFixture();
        for (int n = 901; n <= 905; ++n)
            QVERIFY(page()->field(n)->isEnabled());
        QCOMPARE(page()->field(904)->value(), 45);
        QCOMPARE(index(901), QStringLiteral("300"));
        QCOMPARE(index(902), QStringLiteral("22"));
        QCOMPARE(index(903), QStringLiteral("1022"));
        QCOMPARE(index(904), QStringLiteral("100"));

        // 7 accidents and 20 days: severity 2, truncated.
        page()->field(901)->setValue(7);
        page()->field(904)->setValue(20);
        QCOMPARE(index(902), QStringLiteral("2"));
        QCOMPARE(index(903), QStringLiteral("1002"));
        QVERIFY(!w->document().IsSaved());
        // Typed digit by digit, the indices follow every keystroke.
        FieldSpinBox* injured = page()->field(902);
        injured->setFocus();
        injured->selectAll();
        QTest::keyClicks(injured, QStringLiteral("1"));
        QCOMPARE(index(901), QStringLiteral("100"));
        QTest::keyClicks(injured, QStringLiteral("5"));
        QCOMPARE(index(901), QStringLiteral("1500"));
        QCOMPARE(model().SE902.get(), 15);
    }

    // A negative number or a text that is no number becomes 0 at once.
    void negativesAndNonNumbersBecomeZero() {
        openFixture();
        FieldSpinBox* killed = page()->field(903);
        killed->replaceText(QStringLiteral("-5"));
        QCOMPARE(killed->text(), QStringLiteral("0"));
        QCOMPARE(model().SE903.get(), 0);
        QCOMPARE(index(903), QStringLiteral("22"));
        FieldSpinBox* diseases = page()->field(905);
        diseases->setFocus();
        diseases->selectAll();
        QTest::keyClick(diseases, Qt::Key_Backspace);
        QCOMPARE(diseases->text(), QStringLiteral("0"));
        QCOMPARE(index(904), QStringLiteral("0"));
        QTest::keyClicks(diseases, QStringLiteral("2"));
        QCOMPARE(model().SE905.get(), 2);
        QCOMPARE(index(904), QStringLiteral("200"));
    }

    // SE901 back to 0 clears and closes the injured, the killed and the days; the disease
    // index stays.
    void noAccidentsClearsTheDetails() {
        openFixture();
        page()->field(901)->setValue(0);
        for (int n = 902; n <= 904; ++n) {
            QCOMPARE(page()->field(n)->value(), 0);
            QVERIFY(!page()->field(n)->isEnabled());
        }
        QCOMPARE(model().SE902.get(), 0);
        QCOMPARE(model().SE903.get(), 0);
        QCOMPARE(model().SE904.get(), 0);
        QVERIFY(page()->field(905)->isEnabled());
        QCOMPARE(index(901), QStringLiteral("0"));
        QCOMPARE(index(902), QStringLiteral("0"));
        QCOMPARE(index(903), QStringLiteral("0"));
        QCOMPARE(index(904), QStringLiteral("100"));
        // One accident opens them again.
        page()->field(901)->stepUp();
        for (int n = 902; n <= 904; ++n)
            QVERIFY(page()->field(n)->isEnabled());
        // A new assessment opens with them closed.
        w->commands().New();
        wiz().showPage(kPageAccidents);
        QVERIFY(!page()->field(902)->isEnabled());
        QCOMPARE(index(901), QStringLiteral("0"));
    }

    // A figure being typed when another document replaces this one stays with this one.
    void aHalfTypedFigureStaysWithItsDocument() {
        openFixture();
        FieldSpinBox* accidents = page()->field(901);
        accidents->setFocus();
        accidents->selectAll();
        QTest::keyClicks(accidents, QStringLiteral("7"));
        QCOMPARE(model().SE901.get(), 7);
        prompts->answers.enqueue(false); // "Zapisać zmiany?" No
        w->commands().New();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(model().SE901.get(), 0);
        QVERIFY(w->document().IsSaved());
        wiz().showPage(kPageAccidents);
        QCOMPARE(page()->field(901)->value(), 0);
        QVERIFY(w->document().IsSaved());
    }
};

TARNIK_TEST_MAIN(AccidentsTest)
#include "test_accidents.moc"
