// The worker page: the register in its sorted order, the three states of the editor with their
// transitions, the group counts typed or derived, the "Uwagi" column, and a large register.
#include <QBrush>
#include <QColor>
#include <QGroupBox>
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
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class WorkersTest : public QObject, WindowTestBase {
    Q_OBJECT

    WorkersPage* page() { return w->wizard().page<WorkersPage>(); }
    WorkerForm* form() { return page()->form(); }
    Assessment& a() { return w->document().assessment(); }

    void type(const QString& first, const QString& surname, int category = kMen) {
        form()->firstNameEdit()->setText(first);
        form()->surnameEdit()->setText(surname);
        form()->categoryButton(category)->click();
    }
    void addWorker(const QString& first, const QString& surname, int category = kMen) {
        QVERIFY(page()->newButton()->isEnabled());
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        type(first, surname, category);
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
    }
    void clickRow(int row) {
        WorkerListView* list = page()->list();
        const QModelIndex index = page()->listModel()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    void clickEmptySpace() {
        WorkerListView* list = page()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(10, list->viewport()->height() - 3));
    }
    QString cell(int row, int column) {
        return page()->listModel()->index(row, column).data().toString();
    }
    QStringList surnamesShown() {
        QStringList out;
        for (int r = 0; r < page()->listModel()->rowCount(); ++r)
            out << cell(r, WorkerListModel::kSurname);
        return out;
    }
    int rowOf(const char* surname) {
        for (std::size_t i = 0; i < a().ListaPrac.size(); ++i)
            if (a().ListaPrac[i].Ed402 == surname) return int(i);
        return -1;
    }
    std::array<QString, 5> countTexts() {
        return {page()->countEdit(0)->text(), page()->countEdit(1)->text(),
                page()->countEdit(2)->text(), page()->countEdit(3)->text(),
                page()->totalEdit()->text()};
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
        w->wizard().showPage(kPageWorkers);
    }
    void cleanup() { closeWindow(); }

    void theRegisterKeepsItsSortedOrder() {
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QVERIFY(!form()->firstNameEdit()->isEnabled());
        QCOMPARE(page()->listModel()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Nazwisko"));
        QCOMPARE(page()->listModel()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Imię"));
        QCOMPARE(page()->listModel()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Uwagi"));
        addWorker(QStringLiteral("Zofia"), QStringLiteral("Żak"));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QVERIFY(!form()->firstNameEdit()->isEnabled());
        QVERIFY(form()->firstNameEdit()->text().isEmpty());
        QVERIFY(!w->document().IsSaved());
        for (const char* s : {"Nowak", "Łukasik", "Lis", "Ćwik", "Cichy", "Adamski", "Łoś"})
            addWorker(QStringLiteral("Jan"), QString::fromUtf8(s));
        QCOMPARE(surnamesShown(), QStringList({"Adamski", "Cichy", "Ćwik", "Lis", "Łoś", "Łukasik",
                                               "Nowak", "Żak"}));
        QCOMPARE(cell(0, WorkerListModel::kFirstName), QStringLiteral("Jan"));
        QCOMPARE(a().ListaPrac.size(), std::size_t(8));
        QCOMPARE(a().ListaPrac[2].Ed402, std::string("Ćwik"));
        QVERIFY(prompts->shown.isEmpty());
    }

    void addingNeedsBothNames() {
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QVERIFY(!page()->newButton()->isEnabled());
        QVERIFY(page()->addButton()->isEnabled());
        QVERIFY(!page()->removeButton()->isEnabled());
        type(QString(), QStringLiteral("Nowak"));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages()[0].title, QStringLiteral("Brak danych"));
        QCOMPARE(prompts->messages()[0].text,
                 QStringLiteral("Dane pracownika niekompletne. Brakuje imienia lub nazwiska."));
        QVERIFY(a().ListaPrac.empty());
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Nowak"));
        // A single blank is a name.
        form()->firstNameEdit()->setText(QStringLiteral(" "));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(1));
        QCOMPARE(a().ListaPrac[0].Ed401, std::string(" "));
        QCOMPARE(prompts->messages().size(), 1);
        // Enter in a field of a new worker adds it; in a worker being edited it does not.
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        type(QStringLiteral("Ewa"), QStringLiteral("Adamska"));
        QTest::keyClick(form()->surnameEdit(), Qt::Key_Return);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        clickRow(0);
        form()->positionEdit()->setText(QStringLiteral("kierowca"));
        QTest::keyClick(form()->positionEdit(), Qt::Key_Return);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
    }

    void editingAndClickingAnotherSavesTheEdit() {
        addWorker(QStringLiteral("Anna"), QStringLiteral("Bąk"));
        addWorker(QStringLiteral("Jan"), QStringLiteral("Kowalski"));
        clickRow(0);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(page()->currentWorker(), &a().ListaPrac[0]);
        QCOMPARE(form()->firstNameEdit()->text(), QStringLiteral("Anna"));
        QVERIFY(form()->firstNameEdit()->isEnabled());
        QVERIFY(page()->removeButton()->isEnabled());
        QVERIFY(!page()->addButton()->isEnabled());
        QVERIFY(page()->newButton()->isEnabled());
        QCOMPARE(page()->list()->shownEntry(), 0);
        // A new surname that sorts after the other worker: the edit is saved in its place.
        form()->surnameEdit()->setText(QStringLiteral("Zalewska"));
        form()->positionEdit()->setText(QStringLiteral("spawacz"));
        form()->categoryButton(kWomen)->click();
        clickRow(1); // Kowalski
        QCOMPARE(surnamesShown(), QStringList({"Kowalski", "Zalewska"}));
        QCOMPARE(a().ListaPrac[1].Ed403, std::string("spawacz"));
        QCOMPARE(a().ListaPrac[1].workerCategory, int(kWomen));
        QCOMPARE(page()->currentWorker(), &a().ListaPrac[0]);
        QCOMPARE(form()->firstNameEdit()->text(), QStringLiteral("Jan"));
        QCOMPARE(page()->list()->shownEntry(), 0);
        QCOMPARE(a().workerCounts, (std::array<int, 4>{1, 1, 0, 0}));
        // Clicking the same worker again changes nothing; clicking the empty space ends the edit.
        clickRow(0);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
        clickEmptySpace();
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QCOMPARE(page()->currentWorker(), nullptr);
        QCOMPARE(page()->list()->shownEntry(), -1);
        QVERIFY(!form()->firstNameEdit()->isEnabled());
        QVERIFY(prompts->shown.isEmpty());
    }

    void anEmptiedSurnameKeepsTheWorker() {
        addWorker(QStringLiteral("Anna"), QStringLiteral("Bąk"));
        addWorker(QStringLiteral("Jan"), QStringLiteral("Kowalski"));
        clickRow(0);
        const WorkerRecord* edited = page()->currentWorker();
        form()->surnameEdit()->clear();
        clickRow(1);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages()[0].title, QStringLiteral("Brak danych"));
        QCOMPARE(prompts->messages()[0].text,
                 QStringLiteral("Dane pracownika niekompletne. Brakuje imienia lub nazwiska. "
                                "Uzupełnij dane lub usuń tego pracownika z listy wciskając "
                                "przycisk \"Usuń\"."));
        QCOMPARE(surnamesShown(), QStringList({"Bąk", "Kowalski"}));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(page()->currentWorker(), edited);
        QCOMPARE(page()->list()->shownEntry(), 0);
        QVERIFY(form()->surnameEdit()->text().isEmpty());
        // "Nowy" refuses the same way.
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QCOMPARE(prompts->messages().size(), 2);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        // "Usuń" takes the worker away without a question.
        QTest::mouseClick(page()->removeButton(), Qt::LeftButton);
        QCOMPARE(surnamesShown(), QStringList({"Kowalski"}));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::None);
        QCOMPARE(prompts->count(QStringLiteral("question")), 0);
    }

    void aNewWorkerIsAskedAboutBeforeAnotherIsTaken() {
        addWorker(QStringLiteral("Jan"), QStringLiteral("Kowalski"));
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        type(QStringLiteral("Ewa"), QStringLiteral("Adamska"), kWomen);
        prompts->answers.enqueue(false);
        clickRow(0);
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].kind, QStringLiteral("question"));
        QCOMPARE(prompts->shown[0].title, QStringLiteral(" "));
        QCOMPARE(prompts->shown[0].text,
                 QStringLiteral("Czy chcesz dodać tego pracownika do listy?"));
        // No: the new worker is gone, the clicked one is loaded.
        QCOMPARE(surnamesShown(), QStringList({"Kowalski"}));
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Kowalski"));

        // Yes adds it; the clicked worker is loaded, wherever the new one went.
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QCOMPARE(page()->list()->shownEntry(), -1);
        type(QStringLiteral("Ewa"), QStringLiteral("Adamska"), kWomen);
        prompts->answers.enqueue(true);
        clickRow(0);
        QCOMPARE(surnamesShown(), QStringList({"Adamska", "Kowalski"}));
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Kowalski"));
        QCOMPARE(page()->list()->shownEntry(), 1);

        // Yes with a name missing: its message, and the new worker stays open.
        clickEmptySpace();
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        type(QStringLiteral("Ola"), QString());
        prompts->clear();
        prompts->answers.enqueue(true);
        clickRow(0);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
        QCOMPARE(form()->firstNameEdit()->text(), QStringLiteral("Ola"));
        QCOMPARE(page()->list()->shownEntry(), -1);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
    }

    void theRegisterLocksTheCounts() {
        page()->countEdit(kMen)->setValue(3);
        page()->countEdit(kWomen)->setValue(4);
        QVERIFY(page()->countEdit(kMen)->isEnabled());
        addWorker(QStringLiteral("Piotr"), QStringLiteral("Młody"), kJuveniles);
        QCOMPARE(countTexts(), (std::array<QString, 5>{"0", "0", "0", "1", "1"}));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{0, 0, 0, 1}));
        for (int g = 0; g < 4; ++g)
            QVERIFY(!page()->countEdit(g)->isEnabled());
        addWorker(QStringLiteral("Ewa"), QStringLiteral("Nowak"), kPregnantOrNursing);
        QCOMPARE(countTexts(), (std::array<QString, 5>{"0", "0", "1", "1", "2"}));

        clickRow(0);
        QTest::mouseClick(page()->removeButton(), Qt::LeftButton);
        QCOMPARE(countTexts(), (std::array<QString, 5>{"0", "0", "1", "0", "1"}));
        QVERIFY(!page()->countEdit(kMen)->isEnabled());
        clickRow(0);
        QTest::mouseClick(page()->removeButton(), Qt::LeftButton);
        QVERIFY(a().ListaPrac.empty());
        QCOMPARE(countTexts(), (std::array<QString, 5>{"0", "0", "0", "0", "0"}));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{0, 0, 0, 0}));
        for (int g = 0; g < 4; ++g)
            QVERIFY(page()->countEdit(g)->isEnabled());
        QVERIFY(!page()->removeButton()->isEnabled());
        QVERIFY(prompts->shown.isEmpty());

        // With the register empty again, Next holds the user and points at the counts.
        w->wizard().next();
        QCOMPARE(w->wizard().currentIndex(), int(kPageWorkers));
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(page()->blinker().isRunning());
        QVERIFY(page()->countsFrame()->isHidden());
    }

    void typedCountsGiveTheTotalAtOnce() {
        w->document().SetSaved(true);
        QSpinBox* men = page()->countEdit(kMen);
        QSpinBox* women = page()->countEdit(kWomen);
        men->selectAll();
        QTest::keyClicks(men, QStringLiteral("3"));
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("3"));
        women->selectAll();
        QTest::keyClicks(women, QStringLiteral("2"));
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("5"));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{3, 2, 0, 0}));
        QVERIFY(!w->document().IsSaved());
        // An emptied field counts as 0 and says so.
        women->selectAll();
        QTest::keyClick(women, Qt::Key_Backspace);
        QCOMPARE(women->text(), QStringLiteral("0"));
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("3"));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{3, 0, 0, 0}));
        // A lone sign keeps the counts as they were.
        men->selectAll();
        QTest::keyClicks(men, QStringLiteral("+"));
        QCOMPARE(men->text(), QStringLiteral("+"));
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("3"));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{3, 0, 0, 0}));
        QTest::keyClicks(men, QStringLiteral("7"));
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("7"));
        // The arrows count too.
        QTest::keyClick(page()->countEdit(kJuveniles), Qt::Key_Up);
        QCOMPARE(page()->totalEdit()->text(), QStringLiteral("8"));
        QCOMPARE(a().workerCounts, (std::array<int, 4>{7, 0, 0, 1}));
    }

    void theNotesColumnFollowsTheStoredFlags() {
        const DayNumber day = dayNumberFromCivil(2004, 6, 15);
        a().DTPOcena = day;
        a().RG301 = 0;
        a().RG302 = 0;
        auto worker = [&](const char* surname, bool examination, bool t1, bool t2) {
            auto r = std::make_unique<WorkerRecord>(clearedWorkerFields(day));
            r->Ed401 = "Jan";
            r->Ed402 = surname;
            r->examinationCurrent = examination;
            r->trainingCurrent = t1;
            r->trainingCurrent2 = t2;
            a().ListaPrac.insert(std::move(r));
        };
        worker("Adamski", true, true, true);
        worker("Bąk", false, true, true);
        worker("Cichy", true, true, false);
        worker("Dudek", false, false, false);
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        QCOMPARE(cell(0, WorkerListModel::kNote), QString());
        QCOMPARE(cell(1, WorkerListModel::kNote), QStringLiteral("badanie"));
        QCOMPARE(cell(2, WorkerListModel::kNote), QStringLiteral("szkolenie"));
        QCOMPARE(cell(3, WorkerListModel::kNote), QStringLiteral("badanie, szkolenie"));
        const QModelIndex note = page()->listModel()->index(1, WorkerListModel::kNote);
        QCOMPARE(note.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));

        // A worker added now gets the verdicts of the moment; a later change of the assessment
        // date leaves the stored flags, and the column, as they were.
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        type(QStringLiteral("Ewa"), QStringLiteral("Ełk"));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        const int row = rowOf("Ełk");
        // The examination falls due on the assessment day itself: not current.
        QCOMPARE(cell(row, WorkerListModel::kNote), QStringLiteral("badanie"));
        a().DTPOcena = day - 1;
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        QCOMPARE(cell(row, WorkerListModel::kNote), QStringLiteral("badanie"));
        // Saving the worker again computes them anew.
        clickRow(row);
        form()->positionEdit()->setText(QStringLiteral("magazynier"));
        clickEmptySpace();
        QCOMPARE(cell(rowOf("Ełk"), WorkerListModel::kNote), QString());
    }

    void theKeyboardWalksTheRegister() {
        addWorker(QStringLiteral("Anna"), QStringLiteral("Bąk"));
        addWorker(QStringLiteral("Jan"), QStringLiteral("Kowalski"));
        addWorker(QStringLiteral("Ewa"), QStringLiteral("Nowak"));
        page()->list()->setFocus();
        QTest::keyClick(page()->list(), Qt::Key_Down);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::Edit);
        QCOMPARE(page()->list()->shownEntry(), 0);
        form()->positionEdit()->setText(QStringLiteral("ślusarz"));
        QTest::keyClick(page()->list(), Qt::Key_Down);
        QCOMPARE(page()->list()->shownEntry(), 1);
        QCOMPARE(a().ListaPrac[0].Ed403, std::string("ślusarz"));
        QTest::keyClick(page()->list(), Qt::Key_End);
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Nowak"));
        // Typing the first letters of a surname finds the worker.
        QTest::keyClicks(page()->list(), QStringLiteral("ko"));
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Kowalski"));
    }

    void aLargeRegister() {
        const DayNumber day = a().DTPOcena;
        for (int i = 0; i < 10000; ++i) {
            auto r = std::make_unique<WorkerRecord>(clearedWorkerFields(day));
            r->Ed401 = "Jan";
            r->Ed402 = "Pracownik " + std::to_string(100000 + i);
            r->workerCategory = i % 4;
            a().ListaPrac.insert(std::move(r));
        }
        w->wizard().showPage(kPageTraining);
        w->wizard().showPage(kPageWorkers);
        QCOMPARE(page()->listModel()->rowCount(), 10000);
        QCOMPARE(countTexts(), (std::array<QString, 5>{"2500", "2500", "2500", "2500", "10000"}));
        clickRow(9999);
        QCOMPARE(form()->surnameEdit()->text(), QStringLiteral("Pracownik 109999"));
        // A renamed worker moves to its place and stays the one shown.
        form()->surnameEdit()->setText(QStringLiteral("Adamski"));
        QTest::mouseClick(page()->newButton(), Qt::LeftButton);
        QCOMPARE(cell(0, WorkerListModel::kSurname), QStringLiteral("Adamski"));
        QCOMPARE(page()->listModel()->rowCount(), 10000);
        QCOMPARE(page()->editorMode(), WorkerEditorMode::New);
    }
};

TARNIK_TEST_MAIN(WorkersTest)
#include "test_workers.moc"
