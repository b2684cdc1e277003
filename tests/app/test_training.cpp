// The training scope page: its two radio groups with their items, the plan line in its two
// forms, Next, and the choices reaching the document.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/general/trainingpage.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class TrainingTest : public QObject, WindowTestBase {
    Q_OBJECT

    TrainingPage* page() { return w->wizard().page<TrainingPage>(); }
    Assessment& a() { return w->document().assessment(); }
    QString plan() { return page()->ST301()->text(); }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
    }
    void cleanup() { closeWindow(); }

    void theItemsStandAsTheyAre() {
        w->wizard().showPage(kPageTraining);
        QCOMPARE(page()->RG301()->title().remove(QLatin1Char('&')),
                 QStringLiteral("Pierwsze szkolenie okresowe"));
        QCOMPARE(page()->RG302()->title().remove(QLatin1Char('&')),
                 QStringLiteral("Kolejne szkolenia okresowe"));
        const QStringList first = {
            QStringLiteral("nie jest wymagane"),
            QStringLiteral("wymagane w okresie 6 miesięcy od dnia rozpoczęcia pracy"),
            QStringLiteral("wymagane w okresie 12 miesięcy od dnia rozpoczęcia pracy")};
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(page()->firstItem(i)->text(), first[i]);
        const QStringList further = {QStringLiteral("należy przeprowadzać co 6 miesięcy"),
                                     QStringLiteral("należy przeprowadzać co 12 miesięcy"),
                                     QStringLiteral("należy przeprowadzać co 2 lata"),
                                     QStringLiteral("należy przeprowadzać co 3 lata"),
                                     QStringLiteral("należy przeprowadzać co 4 lata"),
                                     QStringLiteral("należy przeprowadzać co 5 lat"),
                                     QStringLiteral("należy przeprowadzać co 6 lat")};
        for (int i = 0; i < further.size(); ++i)
            QCOMPARE(page()->furtherItem(i)->text(), further[i]);
        // A new assessment: the first items.
        QVERIFY(page()->firstItem(0)->isChecked());
        QVERIFY(page()->furtherItem(0)->isChecked());
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 6 miesięcy"));
    }

    void thePlanLineInItsTwoForms() {
        w->wizard().setNextEnabled(false);
        a().RG302 = 2;
        w->wizard().showPage(kPageTraining);
        QVERIFY(w->wizard().nextButton()->isEnabled());
        QVERIFY(page()->furtherItem(2)->isChecked());
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 24 miesięcy"));
        w->document().SetSaved(true);
        // A click on the item already chosen changes nothing, yet gives the plan in years.
        page()->furtherItem(2)->click();
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 2 lata"));
        QVERIFY(w->document().IsSaved());
        page()->furtherItem(3)->click();
        QCOMPARE(a().RG302.get(), 3);
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 3 lata"));
        QVERIFY(!w->document().IsSaved());
        page()->furtherItem(2)->click();
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 2 lata"));
        page()->furtherItem(5)->click();
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 5 lat"));
        page()->furtherItem(1)->click();
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 12 miesięcy"));
        page()->furtherItem(2)->click();
        // A click on the first training gives the plan in the same words.
        page()->firstItem(1)->click();
        QCOMPARE(a().RG301.get(), 1);
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 2 lata"));
        QVERIFY(page()->RG302()->isEnabled());
        page()->firstItem(0)->click();
        QVERIFY(page()->RG302()->isEnabled());
        // Shown again: the months.
        w->wizard().showPage(kPageStation);
        w->wizard().showPage(kPageTraining);
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 24 miesięcy"));
        // The items come from the document.
        a().RG301 = 2;
        a().RG302 = 6;
        w->wizard().showPage(kPageStation);
        w->document().SetSaved(true);
        w->wizard().showPage(kPageTraining);
        QVERIFY(page()->firstItem(2)->isChecked());
        QVERIFY(page()->furtherItem(6)->isChecked());
        QCOMPARE(plan(), QStringLiteral("Plan szkoleń bhp przewiduje szkolenia co 72 miesięcy"));
        QVERIFY(w->document().IsSaved());
    }
};

TARNIK_TEST_MAIN(TrainingTest)
#include "test_training.moc"
