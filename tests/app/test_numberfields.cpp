// The number fields of every page, typed from the keyboard: a leading minus and more digits than
// the bound are let through while typing, and the value takes the nearest bound when the field is
// left (Tab, Enter) or when the document is saved or Next is pressed with the focus still in it.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/evaluation/accidentspage.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/workers/workerspage.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class NumberFieldsTest : public QObject, WindowTestBase {
    Q_OBJECT

    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    Assessment& model() { return w->document().assessment(); }
    QString fixtureFile() { return dir.filePath(QStringLiteral("liczby.trk")); }

    void openFixture(PageIndex id) {
        saveAssessmentFile(fixtures::evaluationAssessment(), fixtureFile());
        w->commands().openAtStartup(fixtureFile());
        wiz().showPage(id);
        w->document().SetSaved(true);
    }
    // Replaces the text of the field by `text`, key by key, the focus staying in the field.
    static void type(QAbstractSpinBox* f, const QString& text) {
        f->setFocus();
        QVERIFY(f->hasFocus());
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f, text);
    }
    // Typed, then left with Tab.
    static void typeAndLeave(QAbstractSpinBox* f, const QString& text) {
        type(f, text);
        QTest::keyClick(f, Qt::Key_Tab);
        QVERIFY(!f->hasFocus());
    }
    static QString shown(QAbstractSpinBox* f) { return f->findChild<QLineEdit*>()->text(); }
    // Ctrl+S with the focus where it is, then the saved file read back.
    Assessment saveAndReadBack(QWidget* focus) {
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        Assessment back(0);
        back.questions.clear();
        if (!readTrkFile(back, toPath(fixtureFile())).ok())
            qWarning("the saved file is unreadable");
        return back;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    // The weights hold 0..9999: a typed 12345 is 9999 (not 1234), 10000 is 9999, 9999 stays,
    // -1 is 0.
    void weightsTakeTheNearestBound() {
        openFixture(kPageHazardCard);
        auto* page = wiz().page<HazardCardPage>();
        FieldSpinBox* p1 = page->weightField(1);
        type(p1, QStringLiteral("12345"));
        QCOMPARE(shown(p1), QStringLiteral("12345"));
        QTest::keyClick(p1, Qt::Key_Tab);
        QCOMPARE(model().p1.get(), 9999);
        QCOMPARE(shown(p1), QStringLiteral("9999"));
        // 9999 + 120 for the first three groups, 9999 + 1110 for juveniles, scaled by 5, 3, 1
        // and 1 of 10 workers: 5059 + 3035 + 1011 + 1110.
        QCOMPARE(page->indexLabel(705)->text(), QStringLiteral("10215"));
        QVERIFY(!w->document().IsSaved());

        typeAndLeave(p1, QStringLiteral("5000"));
        QCOMPARE(page->indexLabel(705)->text(), QStringLiteral("5219"));
        typeAndLeave(p1, QStringLiteral("9999"));
        QCOMPARE(model().p1.get(), 9999);
        QCOMPARE(shown(p1), QStringLiteral("9999"));
        type(p1, QStringLiteral("10000"));
        QTest::keyClick(p1, Qt::Key_Return);
        QCOMPARE(model().p1.get(), 9999);
        QCOMPARE(shown(p1), QStringLiteral("9999"));

        FieldSpinBox* p9 = page->weightField(9);
        typeAndLeave(p9, QStringLiteral("-1"));
        QCOMPARE(model().p9.get(), 0);
        QCOMPARE(shown(p9), QStringLiteral("0"));
        typeAndLeave(p9, QStringLiteral("1"));
        QCOMPARE(model().p9.get(), 1);
    }

    // A weight past its bound with the focus still in the field: Ctrl+S saves the bound, Next
    // carries it.
    void aWeightPastItsBoundIsSavedAndCarriedByNext() {
        openFixture(kPageHazardCard);
        auto* page = wiz().page<HazardCardPage>();
        type(page->weightField(3), QStringLiteral("12345"));
        const Assessment back = saveAndReadBack(page->weightField(3));
        QVERIFY(w->document().IsSaved());
        QCOMPARE(back.p3.get(), 9999);
        QCOMPARE(model().p3.get(), 9999);
        QCOMPARE(shown(page->weightField(3)), QStringLiteral("9999"));

        type(page->weightField(2), QStringLiteral("10000"));
        wiz().nextButton()->click();
        QCOMPARE(wiz().currentIndex(), int(kPageSafety));
        QCOMPARE(model().p2.get(), 9999);
    }

    // The accident figures hold 0 or more: "-5" killed is 0 (not 5), and the corrected severity
    // is the severity alone; 3 stays 3; a number past the 32-bit range is its largest value.
    void accidentFiguresTakeTheNearestBound() {
        openFixture(kPageAccidents);
        auto* page = wiz().page<AccidentsPage>();
        QCOMPARE(page->indexLabel(903)->text(), QStringLiteral("1022"));
        FieldSpinBox* killed = page->field(903);
        typeAndLeave(killed, QStringLiteral("-5"));
        QCOMPARE(model().SE903.get(), 0);
        QCOMPARE(shown(killed), QStringLiteral("0"));
        QCOMPARE(page->indexLabel(902)->text(), QStringLiteral("22"));
        QCOMPARE(page->indexLabel(903)->text(), QStringLiteral("22"));
        typeAndLeave(killed, QStringLiteral("3"));
        QCOMPARE(model().SE903.get(), 3);
        QCOMPARE(page->indexLabel(903)->text(), QStringLiteral("3022"));

        FieldSpinBox* days = page->field(904);
        typeAndLeave(days, QStringLiteral("99999999999"));
        QCOMPARE(model().SE904.get(), 2147483647);
        QCOMPARE(shown(days), QStringLiteral("2147483647"));
        QCOMPARE(page->indexLabel(902)->text(), QStringLiteral("1073741823"));

        // Saved with the focus in the field.
        type(killed, QStringLiteral("-5"));
        const Assessment back = saveAndReadBack(killed);
        QCOMPARE(back.SE903.get(), 0);
        QCOMPARE(model().SE903.get(), 0);
        QCOMPARE(shown(killed), QStringLiteral("0"));
    }

    // Probability and the plan figures hold 0 or more; the expert index takes any integer,
    // held in the 32-bit range.
    void supplementaryFiguresTakeTheNearestBound() {
        openFixture(kPageSupplementary);
        auto* page = wiz().page<SupplementaryPage>();
        FieldSpinBox* probability = page->field(1001);
        typeAndLeave(probability, QStringLiteral("-5"));
        QCOMPARE(model().SE1001.get(), 0);
        QCOMPARE(shown(probability), QStringLiteral("0"));
        typeAndLeave(probability, QStringLiteral("12345678901"));
        QCOMPARE(model().SE1001.get(), 2147483647);
        QCOMPARE(shown(probability), QStringLiteral("2147483647"));
        typeAndLeave(probability, QStringLiteral("70"));
        QCOMPARE(model().SE1001.get(), 70);

        FieldSpinBox* expert = page->field(1007);
        typeAndLeave(expert, QStringLiteral("-5"));
        QCOMPARE(model().SE1007, -5);
        QCOMPARE(shown(expert), QStringLiteral("-5"));
        typeAndLeave(expert, QStringLiteral("-99999999999"));
        QCOMPARE(model().SE1007, -2147483647 - 1);
        QCOMPARE(shown(expert), QStringLiteral("-2147483648"));
    }

    // The band limits hold their neighbours' bounds: with "średnie" from 4000, "małe" takes
    // 3998 for a typed 3999 (not 399, which would move the bands); 3998 stays; 2 is 3.
    void bandLimitsTakeTheNearestBound() {
        openFixture(kPageRiskLevel);
        auto* page = wiz().page<RiskLevelPage>();
        typeAndLeave(page->limitField(2), QStringLiteral("4000"));
        QCOMPARE(model().SE1102.get(), 4000);
        FieldSpinBox* small = page->limitField(1);
        type(small, QStringLiteral("3999"));
        QCOMPARE(shown(small), QStringLiteral("3999"));
        QTest::keyClick(small, Qt::Key_Tab);
        QCOMPARE(model().SE1101.get(), 3998);
        QCOMPARE(shown(small), QStringLiteral("3998"));
        QCOMPARE(page->upperLabel(1)->text(), QStringLiteral("3997"));
        typeAndLeave(small, QStringLiteral("3998"));
        QCOMPARE(model().SE1101.get(), 3998);
        QCOMPARE(shown(small), QStringLiteral("3998"));
        typeAndLeave(small, QStringLiteral("2"));
        QCOMPARE(model().SE1101.get(), 3);
        QCOMPARE(shown(small), QStringLiteral("3"));
        QCOMPARE(page->upperLabel(1)->text(), QStringLiteral("2"));
        typeAndLeave(small, QStringLiteral("3"));
        QCOMPARE(model().SE1101.get(), 3);

        // Saved with the focus in the field.
        type(small, QStringLiteral("3999"));
        const Assessment back = saveAndReadBack(small);
        QCOMPARE(back.SE1101.get(), 3998);
        QCOMPARE(shown(small), QStringLiteral("3998"));
        QCOMPARE(page->upperLabel(1)->text(), QStringLiteral("3997"));
    }

    // The number of the assessment holds 1..999, the worker counts 0..9999.
    void theOtherPagesNumbersTakeTheNearestBound() {
        wiz().showPage(kPageGeneralData);
        QSpinBox* nr = wiz().page<GeneralDataPage>()->EdtNr();
        typeAndLeave(nr, QStringLiteral("1000"));
        QCOMPARE(model().EdtNr.get(), 999);
        QCOMPARE(shown(nr), QStringLiteral("999"));
        typeAndLeave(nr, QStringLiteral("998"));
        QCOMPARE(model().EdtNr.get(), 998);
        typeAndLeave(nr, QStringLiteral("-5"));
        QCOMPARE(model().EdtNr.get(), 1);
        QCOMPARE(shown(nr), QStringLiteral("1"));

        wiz().showPage(kPageWorkers);
        QSpinBox* men = wiz().page<WorkersPage>()->countEdit(0);
        QVERIFY(men->isEnabled());
        typeAndLeave(men, QStringLiteral("12345"));
        QCOMPARE(model().countField(0).get(), 9999);
        QCOMPARE(shown(men), QStringLiteral("9999"));
        typeAndLeave(men, QStringLiteral("9998"));
        QCOMPARE(model().countField(0).get(), 9998);
        typeAndLeave(men, QStringLiteral("-5"));
        QCOMPARE(model().countField(0).get(), 0);
        QCOMPARE(shown(men), QStringLiteral("0"));
    }
};

TARNIK_TEST_MAIN(NumberFieldsTest)
#include "test_numberfields.moc"
