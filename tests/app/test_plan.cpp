// The improvement plan page: the grid and its settings, Enter moving through the cells and
// adding a row after the last one, edits reaching the plan and marking the document, Escape,
// Tab, "Usuń wiersz" on a block of rows, empty rows going when the page is shown, and the
// pending edit reaching a saved file.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/closing/planpage.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

PlanRow task(const char* text) {
    return PlanRow{text, "", ""};
}

} // namespace

class PlanTest : public QObject, WindowTestBase {
    Q_OBJECT

    Assessment& a() { return w->document().assessment(); }
    PlanPage* page() { return w->wizard().page<PlanPage>(); }
    TAlignedGrid* grid() { return page()->Plan(); }
    void showPlan() {
        w->wizard().showPage(kPageRiskLevel);
        w->wizard().showPage(kPagePlan);
        QApplication::processEvents();
    }
    void focusCell(int col, int row) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        grid()->setCurrentCell(col, row);
        grid()->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QVERIFY(grid()->isEditing());
    }
    void press(int key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QApplication::processEvents();
    }
    void saved() {
        w->document().SetSaved(true);
        QVERIFY(w->document().IsSaved());
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
    }
    void cleanup() { closeWindow(); }

    void aNewPlanHasOneEmptyRowAndTheLastColumnFillsTheGrid() {
        showPlan();
        QCOMPARE(grid()->rowCount(), 2);
        QCOMPARE(grid()->colWidth(2), grid()->viewport()->width() - 630);
        QVERIFY(w->wizard().nextButton()->isEnabled());
    }

    void enterMovesOnAndAddsARowAfterTheLastCell() {
        showPlan();
        saved();
        focusCell(0, 1);
        // No preselection: typing adds to the text.
        QTest::keyClicks(grid()->editor(), QStringLiteral("Wymiana"));
        press(Qt::Key_Return);
        QCOMPARE(a().Plan[0][0], std::string("Wymiana"));
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(grid()->editedCell(), std::make_pair(1, 1));
        grid()->editor()->insertPlainText(QStringLiteral("Kierownik działu"));
        press(Qt::Key_Return);
        QCOMPARE(grid()->editedCell(), std::make_pair(2, 1));
        grid()->editor()->insertPlainText(QStringLiteral("do końca roku"));
        shot("plan-editing");
        press(Qt::Key_Return);
        // After the last cell: a new empty row, and the editor in its first cell.
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(grid()->editedCell(), std::make_pair(0, 2));
        QCOMPARE(a().Plan.size(), std::size_t(2));
        QCOMPARE(a().Plan[0], (PlanRow{"Wymiana", "Kierownik działu", "do końca roku"}));
        QCOMPARE(a().Plan[1], PlanRow{});
        QCOMPARE(grid()->gridRowHeight(2), 75);

        // Showing the page again removes the empty row.
        w->wizard().back();
        w->wizard().next();
        QCOMPARE(w->wizard().currentIndex(), int(kPagePlan));
        QCOMPARE(grid()->rowCount(), 2);
        QCOMPARE(a().Plan.size(), std::size_t(1));
    }

    void anUnchangedCellDoesNotMarkTheDocument() {
        a().Plan = {task("Osłony")};
        showPlan();
        saved();
        focusCell(0, 1);
        press(Qt::Key_Return);
        QCOMPARE(grid()->editedCell(), std::make_pair(1, 1));
        QVERIFY(w->document().IsSaved());
    }

    void escapeRestoresAndTabNeitherTypesNorMoves() {
        a().Plan = {task("Osłony")};
        showPlan();
        saved();
        focusCell(0, 1);
        QTest::keyClicks(grid()->editor(), QStringLiteral(" maszyn"));
        press(Qt::Key_Escape);
        QCOMPARE(grid()->cell(0, 1), std::string("Osłony"));
        QCOMPARE(a().Plan[0][0], std::string("Osłony"));
        QVERIFY(w->document().IsSaved());
        QVERIFY(grid()->isEditing());
        QCOMPARE(grid()->editor()->toPlainText(), QStringLiteral("Osłony"));

        press(Qt::Key_Tab);
        QCOMPARE(a().Plan[0][0], std::string("Osłony"));
        QCOMPARE(grid()->currentCol(), 0);
        QCOMPARE(grid()->currentRow(), 1);
        QVERIFY(!grid()->isAncestorOf(QApplication::focusWidget()));
    }

    void emptyRowsGoWhenThePageIsShown() {
        a().Plan = {task("Osłony"), PlanRow{}, task("Wentylacja"), PlanRow{}};
        saved();
        showPlan();
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(grid()->cell(0, 1), std::string("Osłony"));
        QCOMPARE(grid()->cell(0, 2), std::string("Wentylacja"));
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("Osłony"), task("Wentylacja")}));
        QVERIFY(w->document().IsSaved());
        // A plan whose only row is empty keeps it.
        a().Plan = {PlanRow{}};
        showPlan();
        QCOMPARE(grid()->rowCount(), 2);
        QCOMPARE(a().Plan.size(), std::size_t(1));
    }

    void removeRowDeletesTheSelectedBlock() {
        a().Plan = {task("1"), task("2"), task("3"), task("4"), task("5")};
        showPlan();
        saved();
        QItemSelection block(grid()->model()->index(1, 0), grid()->model()->index(3, 2));
        grid()->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(grid()->selectedRows(), std::make_pair(2, 4));
        shot("plan-block");
        page()->removeRowsAction()->trigger();
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("1"), task("5")}));
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(grid()->cell(0, 2), std::string("5"));
        // Deleting rows is a change to save.
        QVERIFY(!w->document().IsSaved());
        QVERIFY(grid()->contextActions().contains(page()->removeRowsAction()));
        QCOMPARE(page()->removeRowsAction()->text(), QStringLiteral("Usuń wiersz"));
    }

    void theLastRowIsNeverDeleted() {
        a().Plan = {task("Jedyne zadanie")};
        showPlan();
        grid()->setCurrentCell(1, 1);
        page()->removeRowsAction()->trigger();
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("Jedyne zadanie")}));
        QCOMPARE(grid()->rowCount(), 2);
        QCOMPARE(grid()->cell(0, 1), std::string("Jedyne zadanie"));
        // All rows selected: the first stays.
        a().Plan = {task("a"), task("b"), task("c")};
        showPlan();
        grid()->selectAll();
        page()->removeRowsAction()->trigger();
        QCOMPARE(a().Plan, (std::vector<PlanRow>{task("a")}));
    }

    void theTextBeingTypedReachesTheSavedFile() {
        showPlan();
        focusCell(1, 1);
        grid()->editor()->insertPlainText(QStringLiteral("Brygadzista"));
        const QString file = home->path() + QStringLiteral("/plan.trk");
        prompts->saveNames.enqueue(file);
        w->commands().SaveAs();
        QCOMPARE(a().Plan[0][1], std::string("Brygadzista"));
        Assessment read;
        readTrkFile(read, toPath(file));
        QCOMPARE(read.Plan[0][1], std::string("Brygadzista"));
        // The editor is still open for more typing.
        QVERIFY(grid()->isEditing());
    }

    void leavingThePageStoresTheOpenCell() {
        showPlan();
        focusCell(2, 1);
        grid()->editor()->insertPlainText(QStringLiteral("2025"));
        w->wizard().back();
        QCOMPARE(a().Plan[0][2], std::string("2025"));
        QVERIFY(!grid()->isEditing());
    }
};

TARNIK_TEST_MAIN(PlanTest)
#include "test_plan.moc"
