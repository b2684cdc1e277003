// The supplementary card page: the probability and plan indices following their fields, the
// plan group shown from the second assessment of the station on (as it stands when the page is
// shown), the expert index and its justification.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class SupplementaryTest : public QObject, WindowTestBase {
    Q_OBJECT

    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    SupplementaryPage* page() { return wiz().page<SupplementaryPage>(); }
    Assessment& model() { return w->document().assessment(); }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    // The captions of the page as the card has them.
    void captionsAndScales() {
        wiz().showPage(kPageSupplementary);
        QStringList texts;
        for (QLabel* l : page()->findChildren<QLabel*>())
            texts << l->text().split(QLatin1Char('\n'));
        for (const char* line : kProbabilityScale)
            QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
        for (const char* line : kConsequenceScale)
            QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
        QVERIFY(texts.contains(
            QStringLiteral("* wypadek ciężki lub  powstanie choroby zawodowej – 9 pkt")));
        QCOMPARE(page()->planGroup()->title(),
                 QStringLiteral("Wskaźnik realizacji planu poprawy warunków pracy"));
        QCOMPARE(page()->field(1007)->accessibleName(), QStringLiteral("wartość wskaźnika:"));
        QCOMPARE(page()->justification()->accessibleName(),
                 QStringLiteral("uzasadnienie wprowadzenia:"));
        QCOMPARE(
            page()->field(1006)->accessibleName(),
            QStringLiteral("liczba niezrealizowanych zadań wynikających z poprzedniej oceny:"));
        QVERIFY(page()->currentExposureField()->isReadOnly());
    }

    // The plan group stands exactly when EdtNr is 2 or more, as EdtNr is when the page is shown.
    void thePlanGroupFollowsTheSequenceNumber() {
        wiz().showPage(kPageSupplementary);
        QVERIFY(!page()->planGroup()->isVisible());
        QCOMPARE(page()->planLabel()->text(), QStringLiteral("Wskaźnik planu: 0"));
        wiz().showPage(kPageGeneralData);
        wiz().page<GeneralDataPage>()->EdtNr()->setValue(2);
        wiz().showPage(kPageSupplementary);
        QVERIFY(page()->planGroup()->isVisible());
        // EdtNr changed alone recomputes nothing; the next change of an input does.
        page()->field(1003)->setValue(1000);
        page()->field(1005)->setValue(2);
        page()->field(1006)->setValue(3);
        QCOMPARE(page()->planLabel()->text(), QStringLiteral("Wskaźnik planu: 0")); // SE1004 0
        wiz().showPage(kPageGeneralData);
        wiz().page<GeneralDataPage>()->EdtNr()->setValue(1);
        wiz().showPage(kPageSupplementary);
        QVERIFY(!page()->planGroup()->isVisible());
        // Hidden, the group keeps its values.
        QCOMPARE(model().SE1003.get(), 1000);
        QCOMPARE(page()->field(1006)->value(), 3);
    }

    // An opened third assessment: its indices, recomputed on every change of an input.
    void theIndicesFollowTheirFields() {
        const QString file = dir.filePath(QStringLiteral("uzupelniajaca.trk"));
        saveAssessmentFile(fixtures::evaluationAssessment(), file);
        w->commands().openAtStartup(file);
        wiz().showPage(kPageHazardCard); // brings the current total into SE1004
        wiz().showPage(kPageSupplementary);
        QVERIFY(page()->planGroup()->isVisible());
        QCOMPARE(page()->currentExposureField()->text(), QStringLiteral("5219"));
        QCOMPARE(page()->probabilityLabel()->text(),
                 QStringLiteral("Wskaźnik prawdopodobieństwa: 240"));
        QCOMPARE(page()->planLabel()->text(), QStringLiteral("Wskaźnik planu: 5"));

        w->document().SetSaved(true);
        page()->field(1001)->setValue(200);
        QCOMPARE(page()->probabilityLabel()->text(),
                 QStringLiteral("Wskaźnik prawdopodobieństwa: 600"));
        QVERIFY(!w->document().IsSaved());
        // Previous exposure 0: no plan index, no error.
        page()->field(1003)->replaceText(QStringLiteral("-3"));
        QCOMPARE(page()->field(1003)->text(), QStringLiteral("0"));
        QCOMPARE(page()->planLabel()->text(), QStringLiteral("Wskaźnik planu: 0"));
        page()->field(1003)->setValue(1000);
        page()->field(1006)->setValue(3); // more not done than set: accepted
        QCOMPARE(page()->planLabel()->text(), QStringLiteral("Wskaźnik planu: 7"));
    }

    // The expert index takes any integer; its change only marks the document.
    void theExpertIndexAndItsJustification() {
        wiz().showPage(kPageSupplementary);
        FieldSpinBox* expert = page()->field(1007);
        expert->setFocus();
        expert->selectAll();
        QTest::keyClicks(expert, QStringLiteral("-500"));
        QCOMPARE(model().SE1007, -500);
        QVERIFY(!w->document().IsSaved());
        // A lone minus is a number still being typed; left alone it counts as 0, and the field
        // shows so.
        expert->selectAll();
        QTest::keyClicks(expert, QStringLiteral("-"));
        QCOMPARE(model().SE1007, -500);
        page()->justification()->setFocus();
        QCOMPARE(model().SE1007, 0);
        QCOMPARE(expert->text(), QStringLiteral("0"));

        w->document().SetSaved(true);
        page()->justification()->insertPlainText(QStringLiteral("Hałas"));
        QTest::keyClick(page()->justification(), Qt::Key_Return);
        QTest::keyClicks(page()->justification(), QStringLiteral("udarowy"));
        QCOMPARE(QString::fromStdString(model().Memo1), QStringLiteral("Hałas\r\nudarowy"));
        QVERIFY(!w->document().IsSaved());
    }
};

TARNIK_TEST_MAIN(SupplementaryTest)
#include "test_supplementary.moc"
