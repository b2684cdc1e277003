// The edit fields of one worker: the yes/no pairs and dates, the live warnings around each
// boundary of the training and examination rules, the warnings of a stored worker, and what
// happens to a worker being typed when the document is saved, closed, printed or replaced, and
// when the page is left with "Dalej" or "Wstecz".
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/workers/workerform.h"
#include "app/pages/workers/workerlistmodel.h"
#include "app/pages/workers/workerlistview.h"
#include "app/pages/workers/workerspage.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/print/printcommand.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QDate ymd(int y, int m, int d) {
    return QDate(y, m, d);
}

DayNumber day(int y, int m, int d) {
    return dayNumberFromCivil(y, m, d);
}

} // namespace

class WorkersEditTest : public QObject, WindowTestBase {
    Q_OBJECT

    WorkersPage* page() { return w->wizard().page<WorkersPage>(); }
    WorkerForm* form() { return page()->form(); }
    Assessment& a() { return w->document().assessment(); }
    QDateEdit* date(WorkerForm::DateField f) { return form()->dateEdit(f); }
    QString examinationWarning() { return form()->examinationWarningLabel()->text(); }
    QString trainingWarning() { return form()->trainingWarningLabel()->text(); }

    void startNewWorker(const QString& first = QStringLiteral("Jan"),
                        const QString& surname = QStringLiteral("Kowalski")) {
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        form()->firstNameEdit()->setText(first);
        form()->surnameEdit()->setText(surname);
    }
    void clickRow(int row) {
        WorkerListView* list = page()->list();
        const QModelIndex index = page()->listModel()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    void clickEmptySpace() {
        WorkerListView* list = page()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(10, list->viewport()->height() - 3));
    }
    // A worker in the register as a file brings it, shown on the page.
    const WorkerRecord* storedWorker(const WorkerRecord& r) {
        a().ListaPrac.insert(std::make_unique<WorkerRecord>(r));
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        return &a().ListaPrac[0];
    }
    QString fileName() const { return home->path() + QStringLiteral("/ocena.trk"); }
    Assessment readBack() {
        Assessment b(0);
        readTrkFile(b, toPath(fileName()));
        return b;
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
        a().DTPOcena = day(2004, 6, 15);
        a().EdtZaklad = "Huta";
        w->wizard().showPage(kPageWorkers);
    }
    void cleanup() { closeWindow(); }

    void clearedFieldsForANewWorker() {
        QVERIFY(!date(WorkerForm::kEmployment)->isEnabled());
        startNewWorker();
        for (int f = 0; f < 4; ++f) {
            QCOMPARE(date(WorkerForm::DateField(f))->date(), ymd(2004, 6, 15));
            QVERIFY(date(WorkerForm::DateField(f))->isEnabled());
        }
        for (int p = 0; p < WorkerForm::kAnswerCount; ++p) {
            QVERIFY(form()->yesButton(WorkerForm::Answer(p))->isChecked());
            QVERIFY(!form()->noButton(WorkerForm::Answer(p))->isChecked());
        }
        QVERIFY(form()->categoryButton(kMen)->isChecked());
        QCOMPARE(form()->categoryButton(kPregnantOrNursing)->text(),
                 QStringLiteral("kobieta w ciąży lub w okresie karmienia"));
        // The next examination on the assessment day is out of date from the start.
        QCOMPARE(examinationWarning(), QStringLiteral("Uwaga: Badanie nieaktualne."));
        QVERIFY(trainingWarning().isEmpty());
        // The pairs answer apart from each other.
        form()->noButton(WorkerForm::kQualifications)->click();
        QVERIFY(form()->yesButton(WorkerForm::kExaminations)->isChecked());
        QVERIFY(!form()->fields().RB402);
        QVERIFY(form()->fields().RB403);
    }

    void theFurtherTrainingTakesTheFirstDate() {
        startNewWorker();
        date(WorkerForm::kFirstPeriodicDate)->setDate(ymd(2004, 3, 10));
        form()->noButton(WorkerForm::kFurtherPeriodic)->click(); // RB417
        QCOMPARE(date(WorkerForm::kFurtherPeriodicDate)->date(), ymd(2004, 3, 10));
        QVERIFY(!date(WorkerForm::kFurtherPeriodicDate)->isEnabled());
        QCOMPARE(form()->fields().DTP404, day(2004, 3, 10));
        QVERIFY(!form()->fields().RB407);
        form()->yesButton(WorkerForm::kFurtherPeriodic)->click(); // RB407
        QVERIFY(date(WorkerForm::kFurtherPeriodicDate)->isEnabled());
        QCOMPARE(date(WorkerForm::kFurtherPeriodicDate)->date(), ymd(2004, 3, 10));

        // Without a first training there is no date to take.
        form()->noButton(WorkerForm::kFirstPeriodic)->click(); // RB416
        QVERIFY(!date(WorkerForm::kFirstPeriodicDate)->isEnabled());
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2004, 5, 5));
        form()->noButton(WorkerForm::kFurtherPeriodic)->click();
        QCOMPARE(date(WorkerForm::kFurtherPeriodicDate)->date(), ymd(2004, 5, 5));
        form()->yesButton(WorkerForm::kFirstPeriodic)->click(); // RB406
        QVERIFY(date(WorkerForm::kFirstPeriodicDate)->isEnabled());
    }

    void theExaminationWarningAroundTheAssessmentDay() {
        startNewWorker();
        date(WorkerForm::kNextExamination)->setDate(ymd(2004, 6, 16));
        QVERIFY(examinationWarning().isEmpty());
        date(WorkerForm::kNextExamination)->setDate(ymd(2004, 6, 15));
        QCOMPARE(examinationWarning(), QStringLiteral("Uwaga: Badanie nieaktualne."));
        date(WorkerForm::kNextExamination)->setDate(ymd(2004, 6, 17));
        QVERIFY(examinationWarning().isEmpty());
        // The answer "Odpowiednie:" plays no part.
        form()->noButton(WorkerForm::kExaminations)->click();
        QVERIFY(examinationWarning().isEmpty());
        QVERIFY(trainingWarning().isEmpty());
    }

    void theTrainingWarningAroundEachDeadline() {
        // First training within 12 months, further ones every 6 months.
        a().RG301 = 2;
        a().RG302 = 0;
        startNewWorker();
        form()->noButton(WorkerForm::kFirstPeriodic)->click();
        form()->noButton(WorkerForm::kFurtherPeriodic)->click();
        // The first-training window ends on the assessment day: still current.
        date(WorkerForm::kEmployment)->setDate(ymd(2003, 6, 15));
        QVERIFY(trainingWarning().isEmpty());
        date(WorkerForm::kEmployment)->setDate(ymd(2003, 6, 14));
        QCOMPARE(trainingWarning(), QStringLiteral("Uwaga: Szkolenie nieaktualne."));

        // A first training done: the next one is due six months after it.
        form()->yesButton(WorkerForm::kFirstPeriodic)->click();
        date(WorkerForm::kFirstPeriodicDate)->setDate(ymd(2003, 12, 15));
        QVERIFY(trainingWarning().isEmpty());
        date(WorkerForm::kFirstPeriodicDate)->setDate(ymd(2003, 12, 14));
        QCOMPARE(trainingWarning(), QStringLiteral("Uwaga: Szkolenie nieaktualne."));
        // A later further training moves the deadline.
        form()->yesButton(WorkerForm::kFurtherPeriodic)->click();
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2004, 1, 10));
        QVERIFY(trainingWarning().isEmpty());
        // A deadline on a day the month lacks (31 August + 6 months) is its last day.
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2003, 12, 31));
        a().DTPOcena = day(2004, 6, 30);
        date(WorkerForm::kEmployment)->setDate(ymd(2003, 6, 13));
        QVERIFY(trainingWarning().isEmpty());
        a().DTPOcena = day(2004, 7, 1);
        date(WorkerForm::kEmployment)->setDate(ymd(2003, 6, 12));
        QCOMPARE(trainingWarning(), QStringLiteral("Uwaga: Szkolenie nieaktualne."));

        // The worker is stored with the verdicts of the moment, in both training copies.
        a().DTPOcena = day(2004, 6, 15);
        date(WorkerForm::kNextExamination)->setDate(ymd(2004, 6, 16));
        date(WorkerForm::kEmployment)->setDate(ymd(2003, 6, 14));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        const WorkerRecord& r = a().ListaPrac[0];
        QVERIFY(r.examinationCurrent);
        QVERIFY(r.trainingCurrent && r.trainingCurrent2);
        QCOMPARE(r.DTP404, day(2003, 12, 31));
    }

    void anImpossibleTargetDayStillStoresTheWorker() {
        // Further trainings every 2 years, the last one on 29 February 2004: due 28 February 2006.
        a().RG301 = 1;
        a().RG302 = 2;
        a().DTPOcena = day(2006, 2, 28);
        startNewWorker();
        date(WorkerForm::kEmployment)->setDate(ymd(2000, 1, 1));
        date(WorkerForm::kFirstPeriodicDate)->setDate(ymd(2003, 3, 3));
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2004, 2, 29));
        QVERIFY(trainingWarning().isEmpty());
        a().DTPOcena = day(2006, 3, 1);
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2004, 2, 28));
        date(WorkerForm::kFurtherPeriodicDate)->setDate(ymd(2004, 2, 29));
        QCOMPARE(trainingWarning(), QStringLiteral("Uwaga: Szkolenie nieaktualne."));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QVERIFY(!a().ListaPrac[0].trainingCurrent);
        QCOMPARE(a().ListaPrac[0].DTP404, day(2004, 2, 29));
        // Saving it again replaces it whole.
        clickRow(0);
        form()->positionEdit()->setText(QStringLiteral("tokarz"));
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(a().ListaPrac[0].Ed403, std::string("tokarz"));
        QCOMPARE(a().ListaPrac[0].DTP404, day(2004, 2, 29));
    }

    void aStoredWorkerShowsItsStoredFlags() {
        WorkerRecord r = clearedWorkerFields(day(2004, 6, 15));
        r.Ed401 = "Anna";
        r.Ed402 = "Nowak";
        r.RB403 = false;
        r.RB406 = false;
        r.examinationCurrent = false;
        r.trainingCurrent = true;
        r.trainingCurrent2 = false;
        // A time of day stored with a date stays as it is when the worker is only looked at.
        r.DTP401 = day(2001, 2, 3) + 0.25;
        storedWorker(r);
        clickRow(0);
        QVERIFY(form()->noButton(WorkerForm::kExaminations)->isChecked());
        QVERIFY(!form()->yesButton(WorkerForm::kExaminations)->isChecked());
        QVERIFY(form()->noButton(WorkerForm::kFirstPeriodic)->isChecked());
        QVERIFY(form()->yesButton(WorkerForm::kQualifications)->isChecked());
        QVERIFY(!date(WorkerForm::kFirstPeriodicDate)->isEnabled());
        QCOMPARE(date(WorkerForm::kEmployment)->date(), ymd(2001, 2, 3));
        // From the stored flags, with the spelling of this path.
        QCOMPARE(examinationWarning(), QStringLiteral("Uwaga: Badanie nieaktualne."));
        QCOMPARE(trainingWarning(), QStringLiteral("Uwaga: Szkolenie niektualne."));
        QVERIFY(!form()->edited());
        QVERIFY(form()->fields() == a().ListaPrac[0]);

        // A worker whose flags are all set shows no warning.
        WorkerRecord ok = r;
        ok.Ed402 = "Adamska";
        ok.examinationCurrent = ok.trainingCurrent = ok.trainingCurrent2 = true;
        a().ListaPrac.insert(std::make_unique<WorkerRecord>(ok));
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        clickRow(1);
        QVERIFY(!examinationWarning().isEmpty());
        clickRow(0);
        QVERIFY(examinationWarning().isEmpty());
        QVERIFY(trainingWarning().isEmpty());
    }

    // Save while a new worker is typed: the question first.
    void savingAsksAboutTheNewWorker() {
        startNewWorker();
        prompts->answers.enqueue(true);
        prompts->saveNames.enqueue(fileName());
        QVERIFY(runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(prompts->shown[0].text,
                 QStringLiteral("Czy chcesz dodać tego pracownika do listy?"));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QCOMPARE(readBack().ListaPrac.size(), std::size_t(1));
        QCOMPARE(readBack().SE_m.get(), 1);

        // No: the worker is dropped and the document saved without it.
        startNewWorker(QStringLiteral("Ewa"), QStringLiteral("Adamska"));
        prompts->answers.enqueue(false);
        QVERIFY(runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);

        // Yes with a name missing: its message, and nothing is written.
        QFile::remove(fileName());
        startNewWorker(QStringLiteral("Ewa"), QString());
        prompts->clear();
        prompts->answers.enqueue(true);
        QVERIFY(!runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages()[0].text,
                 QStringLiteral("Dane pracownika niekompletne. Brakuje imienia lub nazwiska."));
        QCOMPARE(prompts->count(QStringLiteral("message")), 1); // no error box
        QVERIFY(!QFile::exists(fileName()));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QCOMPARE(form()->firstNameEdit()->text(), QStringLiteral("Ewa"));

        // Fields left as they were cleared hold nothing to ask about.
        prompts->answers.enqueue(false);
        clickEmptySpace();
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        prompts->clear();
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QVERIFY(runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(prompts->count(QStringLiteral("question")), 0);
        QVERIFY(QFile::exists(fileName()));
    }

    void savingStoresTheEditedWorker() {
        startNewWorker();
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        clickRow(0);
        form()->positionEdit()->setText(QStringLiteral("spawacz"));
        prompts->saveNames.enqueue(fileName());
        QVERIFY(runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(readBack().ListaPrac[0].Ed403, std::string("spawacz"));
        // The worker stays open as it now stands.
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(page()->currentWorker(), &a().ListaPrac[0]);
        QCOMPARE(form()->positionEdit()->text(), QStringLiteral("spawacz"));
        QVERIFY(!form()->edited());
        QVERIFY(w->document().IsSaved());

        // An emptied surname stops the save with the long message.
        form()->surnameEdit()->clear();
        QVERIFY(!runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages()[0].text.endsWith(QStringLiteral("\"Usuń\".")));
        QCOMPARE(readBack().ListaPrac[0].Ed402, std::string("Kowalski"));
        QCOMPARE(a().ListaPrac[0].Ed402, std::string("Kowalski"));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
    }

    void closingAsksAboutTheNewWorker() {
        w->document().SetSaved(true);
        startNewWorker();
        // No to the worker; nothing else has changed, so nothing more is asked.
        prompts->answers.enqueue(false);
        w->close();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(prompts->shown[0].text,
                 QStringLiteral("Czy chcesz dodać tego pracownika do listy?"));
        QVERIFY(!w->isVisible());

        // A worker that cannot be added keeps the window open.
        w->show();
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        startNewWorker(QString(), QStringLiteral("Nowak"));
        prompts->clear();
        prompts->answers.enqueue(true);
        w->close();
        QVERIFY(w->isVisible());
        QCOMPARE(prompts->messages().size(), 1);
    }

    void printingStoresTheEditFirst() {
        startNewWorker();
        prompts->answers.enqueue(true);
        QVERIFY(runGuarded([&] { w->printCommand().preparePages(); }));
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(w->wizard().currentIndex(), int(kPageWorkers));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
    }

    void nextAsksAboutTheNewWorker() {
        startNewWorker();
        prompts->answers.enqueue(true);
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(prompts->shown[0].text,
                 QStringLiteral("Czy chcesz dodać tego pracownika do listy?"));
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(a().ListaPrac[0].Ed402, std::string("Kowalski"));
        QCOMPARE(w->wizard().currentIndex(), int(kPageFactors));

        // Answered No, the worker is dropped and the user goes on.
        QTest::mouseClick(w->wizard().backButton(), Qt::LeftButton);
        QCOMPARE(w->wizard().currentIndex(), int(kPageWorkers));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        startNewWorker(QStringLiteral("Ewa"), QStringLiteral("Nowak"));
        prompts->clear();
        prompts->answers.enqueue(false);
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(w->wizard().currentIndex(), int(kPageFactors));

        // Back with a new worker asks the same; fields left as cleared ask nothing.
        QTest::mouseClick(w->wizard().backButton(), Qt::LeftButton);
        startNewWorker(QStringLiteral("Ewa"), QStringLiteral("Nowak"));
        prompts->clear();
        prompts->answers.enqueue(true);
        QTest::mouseClick(w->wizard().backButton(), Qt::LeftButton);
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
        QCOMPARE(w->wizard().currentIndex(), int(kPageTraining));
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        prompts->clear();
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QVERIFY(prompts->shown.isEmpty());
        QCOMPARE(w->wizard().currentIndex(), int(kPageFactors));
    }

    void backStoresTheEditedWorker() {
        startNewWorker();
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        clickRow(0);
        form()->surnameEdit()->setText(QStringLiteral("Kowalska"));
        w->document().SetSaved(true);
        QTest::mouseClick(w->wizard().backButton(), Qt::LeftButton);
        QVERIFY(prompts->shown.isEmpty());
        QCOMPARE(w->wizard().currentIndex(), int(kPageTraining));
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(a().ListaPrac[0].Ed402, std::string("Kowalska"));
        QVERIFY(!w->document().IsSaved());

        // Next stores an edit too.
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        clickRow(0);
        form()->positionEdit()->setText(QStringLiteral("spawacz"));
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QCOMPARE(w->wizard().currentIndex(), int(kPageFactors));
        QCOMPARE(a().ListaPrac[0].Ed403, std::string("spawacz"));
    }

    void anIncompleteNameKeepsTheUserOnThePage() {
        page()->countEdit(kMen)->setValue(2);
        startNewWorker(QStringLiteral("Ewa"), QString());
        prompts->answers.enqueue(true);
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages()[0].text,
                 QStringLiteral("Dane pracownika niekompletne. Brakuje imienia lub nazwiska."));
        QCOMPARE(prompts->count(QStringLiteral("message")), 1); // no error box
        QCOMPARE(w->wizard().currentIndex(), int(kPageWorkers));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QCOMPARE(form()->firstNameEdit()->text(), QStringLiteral("Ewa"));
        QVERIFY(a().ListaPrac.empty());

        // An edited worker whose surname was emptied keeps Back here, with the long message.
        form()->surnameEdit()->setText(QStringLiteral("Nowak"));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        clickRow(0);
        form()->surnameEdit()->clear();
        prompts->clear();
        QTest::mouseClick(w->wizard().backButton(), Qt::LeftButton);
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages()[0].text.endsWith(QStringLiteral("\"Usuń\".")));
        QCOMPARE(w->wizard().currentIndex(), int(kPageWorkers));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(a().ListaPrac[0].Ed402, std::string("Nowak"));
    }

    void aNewWorkerIsWarnedAboutFromTheStart() {
        // The defaults give the next examination on the assessment day: already out of date.
        startNewWorker();
        QCOMPARE(examinationWarning(), QStringLiteral("Uwaga: Badanie nieaktualne."));
        QVERIFY(trainingWarning().isEmpty());
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(page()->listModel()->index(0, WorkerListModel::kNote).data().toString(),
                 QStringLiteral("badanie"));
        // The empty form between workers warns of nothing.
        QVERIFY(examinationWarning().isEmpty());
        QVERIFY(!form()->firstNameEdit()->isEnabled());
    }

    void aReplacedDocumentStoresNothing() {
        startNewWorker();
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        clickRow(0);
        form()->surnameEdit()->setText(QStringLiteral("Zmieniony"));
        const WorkerList before = a().ListaPrac;
        w->wizard().beginReset();
        QCOMPARE(page()->currentWorker(), nullptr);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QCOMPARE(page()->listModel()->rowCount(), 0);
        QVERIFY(a().ListaPrac == before);
        a().resetToNew();
        w->wizard().restart();
        w->wizard().showPage(kPageWorkers);
        QCOMPARE(page()->listModel()->rowCount(), 0);
        QVERIFY(prompts->shown.isEmpty());

        // "Nowy" from the menu while a worker is edited: its save comes first, then the question.
        startNewWorker();
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        clickRow(0);
        form()->surnameEdit()->clear();
        QVERIFY(!runGuarded([&] { w->commands().New(); }));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
    }
};

TARNIK_TEST_MAIN(WorkersEditTest)
#include "test_workers_edit.moc"
