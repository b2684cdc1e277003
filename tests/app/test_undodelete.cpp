// "Cofnij usunięcie" (Ctrl+Z) after a deletion: a worker removed with "Usuń", a person removed
// from a list of the general data page, rows removed from the plan with "Usuń wiersz". What was
// removed comes back at its place with its values and the document is marked; another edit in
// between forgets the deletion, and a text field keeps Ctrl+Z for its own typing.
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/document/document.h"
#include "app/pages/closing/planpage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/personlistbox.h"
#include "app/pages/workers/workerform.h"
#include "app/pages/workers/workerlistmodel.h"
#include "app/pages/workers/workerlistview.h"
#include "app/pages/workers/workerspage.h"
#include "app/shell/application.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

PlanRow task(const char* text, const char* who = "") {
    return PlanRow{text, who, ""};
}

} // namespace

class UndoDeleteTest : public QObject, WindowTestBase {
    Q_OBJECT

    Assessment& a() { return w->document().assessment(); }
    WorkersPage* workers() { return w->wizard().page<WorkersPage>(); }
    PlanPage* plan() { return w->wizard().page<PlanPage>(); }
    TAlignedGrid* grid() { return plan()->Plan(); }

    // Ctrl+Z where the keyboard focus is.
    void undoKey() {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QApplication::processEvents();
    }
    void addWorker(const QString& first, const QString& surname, const QDate& employed,
                   const QDate& examination) {
        QTest::mouseClick(workers()->newButton(), Qt::LeftButton);
        WorkerForm* f = workers()->form();
        f->firstNameEdit()->setText(first);
        f->surnameEdit()->setText(surname);
        f->dateEdit(WorkerForm::kEmployment)->setDate(employed);
        f->dateEdit(WorkerForm::kNextExamination)->setDate(examination);
        QTest::mouseClick(workers()->addButton(), Qt::LeftButton);
    }
    void clickWorker(int row) {
        WorkerListView* list = workers()->list();
        const QModelIndex index = workers()->listModel()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    QString shownSurname(int row) {
        return workers()->listModel()->index(row, WorkerListModel::kSurname).data().toString();
    }
    void selectPerson(PersonListBox* box, int row) {
        QTreeWidget* list = box->list();
        const QRect r = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    void showPlan() {
        w->wizard().showPage(kPageRiskLevel);
        w->wizard().showPage(kPagePlan);
        QApplication::processEvents();
    }
    void selectPlanRows(int first, int last) {
        grid()->setCurrentCell(0, first);
        grid()->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QItemSelection block(grid()->model()->index(first - 1, 0),
                             grid()->model()->index(last - 1, 2));
        grid()->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(grid()->selectedRows(), std::make_pair(first, last));
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
        a().DTPOcena = dayNumberFromCivil(2004, 6, 15);
    }
    void cleanup() { closeWindow(); }

    void aRemovedWorkerComesBackAtItsPlace() {
        w->wizard().showPage(kPageWorkers);
        addWorker(QStringLiteral("Jan"), QStringLiteral("Adamski"), QDate(1999, 1, 4),
                  QDate(2005, 1, 1));
        addWorker(QStringLiteral("Ewa"), QStringLiteral("Kowalska"), QDate(2001, 2, 3),
                  QDate(2005, 3, 9));
        addWorker(QStringLiteral("Piotr"), QStringLiteral("Nowak"), QDate(2002, 5, 6),
                  QDate(2005, 7, 8));
        QCOMPARE(a().ListaPrac.size(), std::size_t(3));
        clickWorker(1);
        QCOMPARE(workers()->form()->surnameEdit()->text(), QStringLiteral("Kowalska"));
        w->document().SetSaved(true);
        QTest::mouseClick(workers()->removeButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
        QCOMPARE(shownSurname(1), QStringLiteral("Nowak"));

        w->document().SetSaved(true);
        undoKey();
        QCOMPARE(a().ListaPrac.size(), std::size_t(3));
        QCOMPARE(shownSurname(1), QStringLiteral("Kowalska"));
        const WorkerRecord& back = a().ListaPrac[1];
        QCOMPARE(back.Ed401, std::string("Ewa"));
        QCOMPARE(back.DTP401, dayNumberFromCivil(2001, 2, 3));
        QCOMPARE(back.DTP402, dayNumberFromCivil(2005, 3, 9));
        QVERIFY(!w->document().IsSaved());
        // Only once.
        undoKey();
        QCOMPARE(a().ListaPrac.size(), std::size_t(3));

        // Ctrl+Z in a text field undoes the typing there, and leaves the deletion waiting.
        clickWorker(2);
        QTest::mouseClick(workers()->removeButton(), Qt::LeftButton);
        QTest::mouseClick(workers()->newButton(), Qt::LeftButton);
        QLineEdit* first = workers()->form()->firstNameEdit();
        QVERIFY(first->hasFocus());
        QTest::keyClicks(first, QStringLiteral("Ola"));
        undoKey();
        QVERIFY(first->text().size() < 3);
        QCOMPARE(a().ListaPrac.size(), std::size_t(2));
        QVERIFY(workers()->undoDeleteAction()->isEnabled());
        // The menu of the register offers it.
        QVERIFY(workers()->list()->actions().contains(workers()->undoDeleteAction()));
        QCOMPARE(workers()->undoDeleteAction()->text(), QStringLiteral("Cofnij usunięcie"));
        workers()->list()->setFocus(Qt::OtherFocusReason);
        undoKey();
        QCOMPARE(a().ListaPrac.size(), std::size_t(3));
        QCOMPARE(shownSurname(2), QStringLiteral("Nowak"));
        // The worker being typed is still there.
        QCOMPARE(workers()->editorMode(), WorkerEditorMode::New);

        // A worker added after a deletion forgets it.
        workers()->form()->firstNameEdit()->setText(QStringLiteral("Ola"));
        workers()->form()->surnameEdit()->setText(QStringLiteral("Zając"));
        QTest::mouseClick(workers()->addButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(4));
        clickWorker(0);
        QTest::mouseClick(workers()->removeButton(), Qt::LeftButton);
        QCOMPARE(a().ListaPrac.size(), std::size_t(3));
        addWorker(QStringLiteral("Jan"), QStringLiteral("Bąk"), QDate(2000, 1, 1),
                  QDate(2005, 1, 1));
        QVERIFY(!workers()->undoDeleteAction()->isEnabled());
        workers()->list()->setFocus(Qt::OtherFocusReason);
        undoKey();
        QCOMPARE(a().ListaPrac.size(), std::size_t(4));
        QCOMPARE(shownSurname(0), QStringLiteral("Bąk"));
    }

    void aRemovedPersonComesBackAtItsPlace() {
        w->wizard().showPage(kPageGeneralData);
        PersonListBox* box = w->wizard().page<GeneralDataPage>()->commission();
        for (const char* surname : {"Adamska", "Borowy", "Cicha"}) {
            box->firstNameEdit()->setText(QStringLiteral("Anna"));
            box->surnameEdit()->setText(QString::fromUtf8(surname));
            box->positionEdit()->setText(QStringLiteral("członek"));
            QTest::mouseClick(box->addButton(), Qt::LeftButton);
        }
        std::vector<PersonEntry>& persons = a().ListKomisja;
        selectPerson(box, 1);
        QTest::mouseClick(box->removeButton(), Qt::LeftButton);
        QCOMPARE(persons.size(), std::size_t(2));
        w->document().SetSaved(true);
        undoKey();
        QCOMPARE(persons.size(), std::size_t(3));
        QCOMPARE(persons[1], (PersonEntry{"Borowy", "Anna", "członek"}));
        QCOMPARE(box->list()->topLevelItem(1)->text(0), QStringLiteral("Borowy"));
        QCOMPARE(box->list()->topLevelItem(2)->text(0), QStringLiteral("Cicha"));
        QVERIFY(!w->document().IsSaved());

        // A person added in between forgets the deletion.
        selectPerson(box, 0);
        QTest::mouseClick(box->removeButton(), Qt::LeftButton);
        box->firstNameEdit()->setText(QStringLiteral("Jan"));
        box->surnameEdit()->setText(QStringLiteral("Dudek"));
        QTest::mouseClick(box->addButton(), Qt::LeftButton);
        box->list()->setFocus(Qt::OtherFocusReason);
        undoKey();
        QCOMPARE(persons.size(), std::size_t(3));
        QCOMPARE(persons[0].surname, std::string("Borowy"));
        QCOMPARE(persons[2].surname, std::string("Dudek"));
    }

    void deletedPlanRowsComeBackInOrder() {
        a().Plan = {task("1", "a"), task("2", "b"), task("3", "c"), task("4", "d"), task("5", "e")};
        showPlan();
        w->document().SetSaved(true);
        selectPlanRows(2, 3);
        plan()->removeRowsAction()->trigger();
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("1", "a"), task("4", "d"), task("5", "e")}));
        // A deletion is a change to save.
        QVERIFY(!w->document().IsSaved());
        QVERIFY(grid()->contextActions().contains(plan()->undoDeleteAction()));

        w->document().SetSaved(true);
        // The cell editor is open with nothing typed: Ctrl+Z there brings the rows back.
        QVERIFY(grid()->isEditing());
        undoKey();
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("1", "a"), task("2", "b"), task("3", "c"),
                                                 task("4", "d"), task("5", "e")}));
        QCOMPARE(grid()->rowCount(), 6);
        QCOMPARE(grid()->cell(0, 2), std::string("2"));
        QCOMPARE(grid()->cell(1, 3), std::string("c"));
        QVERIFY(!w->document().IsSaved());

        // Typed text in the cell is undone first; the deletion waits for the next Ctrl+Z.
        selectPlanRows(4, 4);
        plan()->removeRowsAction()->trigger();
        QVERIFY(grid()->isEditing());
        QTest::keyClicks(grid()->editor(), QStringLiteral("xy"));
        undoKey();
        QCOMPARE(a().Plan.size(), std::size_t(4));
        QVERIFY(grid()->editor()->toPlainText() != QStringLiteral("5xy"));
        while (grid()->editor()->document()->isUndoAvailable())
            grid()->editor()->undo();
        undoKey();
        QCOMPARE(a().Plan.size(), std::size_t(5));
        QCOMPARE(a().Plan[3], task("4", "d"));

        // An edit of a cell in between forgets the deletion.
        selectPlanRows(1, 1);
        plan()->removeRowsAction()->trigger();
        QVERIFY(plan()->undoDeleteAction()->isEnabled());
        grid()->editor()->insertPlainText(QStringLiteral("!"));
        grid()->commitPendingEdit();
        QVERIFY(!plan()->undoDeleteAction()->isEnabled());
        QCOMPARE(a().Plan.size(), std::size_t(4));
    }
};

TARNIK_TEST_MAIN(UndoDeleteTest)
#include "test_undodelete.moc"
