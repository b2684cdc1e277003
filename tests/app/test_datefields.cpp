// Every date field shows the whole of its longest date: the year of "31 października 2026" is
// not cut off, neither in the window as it opens nor in the window at its smallest.
#include <QDateEdit>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/cards/factorcardeditor.h"
#include "app/pages/cards/measurementbox.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/workers/workerform.h"
#include "app/pages/workers/workerspage.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class DateFieldsTest : public QObject, WindowTestBase {
    Q_OBJECT

    Wizard& wiz() { return w->wizard(); }

    // Each date field on its page, the page shown: the date's text fits the editor's width.
    void checkEveryField(const char* size) {
        struct Field {
            int page;
            QDateEdit* edit;
        };
        auto* workers = wiz().page<WorkersPage>();
        const QList<Field> fields{
            {kPageGeneralData, wiz().page<GeneralDataPage>()->DTPOcena()},
            {kPageMeasurementCards,
             wiz().page<MeasurementCardPage>()->card()->measurement()->dateEdit()},
            {kPageWorkers, workers->form()->dateEdit(WorkerForm::kEmployment)},
            {kPageWorkers, workers->form()->dateEdit(WorkerForm::kNextExamination)},
            {kPageWorkers, workers->form()->dateEdit(WorkerForm::kFirstPeriodicDate)},
            {kPageWorkers, workers->form()->dateEdit(WorkerForm::kFurtherPeriodicDate)}};
        for (const Field& f : fields) {
            wiz().showPage(f.page);
            if (f.page == kPageMeasurementCards) wiz().page<MeasurementCardPage>()->selectFactor(0);
            if (f.page == kPageWorkers) QTest::mouseClick(workers->newButton(), Qt::LeftButton);
            QApplication::processEvents();
            QVERIFY2(f.edit->isVisible(), qPrintable(f.edit->objectName()));
            f.edit->setDate(QDate(2026, 10, 31));
            QLineEdit* line = f.edit->findChild<QLineEdit*>();
            QCOMPARE(line->text(), QStringLiteral("31 października 2026"));
            const int needed = QFontMetrics(line->font()).horizontalAdvance(line->text());
            QVERIFY2(needed <= line->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 at the %2 size: %3 of %4")
                                    .arg(f.edit->objectName(), QLatin1String(size))
                                    .arg(needed)
                                    .arg(line->contentsRect().width())));
        }
    }

private slots:
    void init() {
        openWindow();
        Assessment& a = w->document().assessment();
        QVERIFY(!a.LB503.empty());
        a.LB503[0].checked = true;
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    void atTheStartUpSize() { checkEveryField("start-up"); }

    void atTheSmallestSize() {
        w->resize(w->minimumSizeHint().expandedTo(w->minimumSize()));
        QApplication::processEvents();
        checkEveryField("smallest");
    }
};

TARNIK_TEST_MAIN(DateFieldsTest)
#include "test_datefields.moc"
