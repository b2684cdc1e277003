// The aligned grid as a widget: the in-place editor (editable cells only, Escape, Enter in
// single- and multi-line mode, Tab, the selected text), the end of an edit with its events and
// the move to the next cell, cells drawn in their resolved colours, rows inserted with their
// look, the last column stretched, and rows chosen in row selection.
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/shell/application.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;

namespace {

constexpr GridColour kRed{255, 0, 0};

} // namespace

class GridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    TAlignedGrid* grid = nullptr;
    QLineEdit* after = nullptr; // the control after the grid

    // Three columns, a caption row and two data rows, with texts "c,r".
    void fill(int dataRows = 2) {
        grid->setColCount(3);
        grid->setFixedRows(1);
        grid->setRowCount(dataRows + 1);
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                grid->setCell(c, r, QStringLiteral("%1,%2").arg(c).arg(r).toStdString());
    }
    void focusGrid() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
        QTest::keyClick(target, Qt::Key(k), m);
        QApplication::processEvents();
    }
    // Typing into the open editor (QTest types only ASCII letters).
    void type(const QString& text) {
        QVERIFY(grid->editor());
        grid->editor()->insertPlainText(text);
    }
    QColor pixelOf(int col, int row) {
        const QRect r = grid->visualRect(grid->model()->index(row - 1, col));
        const QImage img = grid->viewport()->grab().toImage();
        return img.pixelColor(r.left() + 1, r.bottom() - 1);
    }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window.get());
        grid = new TAlignedGrid(window.get());
        grid->setAccessibleName(QStringLiteral("Tabela"));
        after = new QLineEdit(window.get());
        layout->addWidget(grid);
        layout->addWidget(after);
        window->resize(700, 400);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        fill();
        grid->setOptions(TAlignedGrid::Editing | TAlignedGrid::AlwaysShowEditor);
    }
    void cleanup() { window.reset(); }

    void theEditorOpensOnlyOnEditableCells() {
        QSignalSpy before(grid, &TAlignedGrid::OnBeforeEdit);
        TCellProperties locked;
        locked.editable = ge_no;
        grid->records().setCell(1, 1, locked);
        grid->setCurrentCell(1, 1);
        focusGrid();
        QVERIFY(!grid->isEditing());
        QCOMPARE(before.count(), 0);
        grid->setCurrentCell(2, 1);
        QApplication::processEvents();
        QVERIFY(grid->isEditing());
        QCOMPARE(before.count(), 1);
        QCOMPARE(before.at(0).at(0).toInt(), 2);
        QCOMPARE(before.at(0).at(1).toInt(), 1);
        // A grid that does not edit opens no editor at all.
        grid->setOptions(TAlignedGrid::RowSelect);
        QVERIFY(!grid->isEditing());
        QVERIFY(!grid->openEditor());
    }

    void escapeRestoresTheTextAndCancels() {
        QSignalSpy afterEdit(grid, &TAlignedGrid::OnAfterEdit);
        QSignalSpy cancelled(grid, &TAlignedGrid::OnCancelEdit);
        grid->setCurrentCell(0, 2);
        focusGrid();
        QVERIFY(grid->isEditing());
        grid->editor()->selectAll();
        QTest::keyClicks(grid->editor(), QStringLiteral("inny"));
        key(Qt::Key_Escape);
        QCOMPARE(grid->cell(0, 2), std::string("0,2"));
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(afterEdit.count(), 0);
        // The editor is always shown: it is back, with the old text.
        QVERIFY(grid->isEditing());
        QCOMPARE(grid->editor()->toPlainText(), QStringLiteral("0,2"));
    }

    void enterEndsASingleLineEditAndMultiLineMakesABreak() {
        QSignalSpy afterEdit(grid, &TAlignedGrid::OnAfterEdit);
        grid->setCurrentCell(1, 1);
        focusGrid();
        grid->editor()->selectAll();
        QTest::keyClicks(grid->editor(), QStringLiteral("ab"));
        key(Qt::Key_Return);
        QCOMPARE(grid->cell(1, 1), std::string("ab"));
        QCOMPARE(afterEdit.count(), 1);
        // Without AutoEditNextCell the grid stays on the cell.
        QCOMPARE(grid->currentCol(), 1);
        QCOMPARE(grid->currentRow(), 1);

        grid->dropEditor();
        grid->setEditMultiline(true);
        grid->setCurrentCell(2, 2);
        QApplication::processEvents();
        QVERIFY(grid->isEditing());
        grid->editor()->selectAll();
        type(QStringLiteral("ul. Długa"));
        key(Qt::Key_Return);
        QVERIFY(grid->isEditing()); // Enter made a line break
        type(QStringLiteral("Kraków"));
        QCOMPARE(grid->cell(2, 2), std::string("2,2"));
        key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(grid->cell(2, 2), std::string("ul. Długa\r\nKraków"));
        QCOMPARE(afterEdit.count(), 2);
        // The movement keys stay in a multi-line editor.
        QVERIFY(grid->isEditing());
        key(Qt::Key_Up);
        QCOMPARE(grid->currentRow(), 2);
    }

    void theEditorSelectsItsTextOnlyWhenAsked() {
        grid->setCurrentCell(0, 1);
        focusGrid();
        QVERIFY(grid->editor()->textCursor().hasSelection());
        QCOMPARE(grid->editor()->textCursor().selectedText(), QStringLiteral("0,1"));
        grid->dropEditor();
        grid->setSelectEditText(false);
        grid->setCurrentCell(0, 2);
        QApplication::processEvents();
        QVERIFY(!grid->editor()->textCursor().hasSelection());
        QCOMPARE(grid->editor()->textCursor().position(), 3);
    }

    void aRefusedEditReopensOnItsCell() {
        QSignalSpy afterEdit(grid, &TAlignedGrid::OnAfterEdit);
        int asked = 0;
        grid->setOnValidateEdit([&](int col, int row, bool& accept) {
            ++asked;
            accept = !(col == 0 && row == 1 && grid->cell(0, 1) == "zły");
        });
        grid->setAutoEditNextCell(true);
        grid->setCurrentCell(0, 1);
        focusGrid();
        grid->editor()->selectAll();
        type(QStringLiteral("zły"));
        key(Qt::Key_Return);
        QTRY_VERIFY(grid->isEditing());
        QCOMPARE(asked, 1);
        QCOMPARE(afterEdit.count(), 0);
        QCOMPARE(grid->currentCol(), 0);
        QCOMPARE(grid->currentRow(), 1);
        grid->editor()->selectAll();
        QTest::keyClicks(grid->editor(), QStringLiteral("dobry"));
        key(Qt::Key_Return);
        QCOMPARE(afterEdit.count(), 1);
        QCOMPARE(grid->currentCol(), 1); // moved on
        QVERIFY(grid->isEditing());
        grid->setOnValidateEdit(nullptr);
    }

    void enterInTheLastCellAddsARowAndOpensItsFirstCell() {
        grid->setAutoEditNextCell(true);
        grid->setCurrentCell(2, 2);
        focusGrid();
        QTest::keyClicks(grid->editor(), QStringLiteral("x"));
        key(Qt::Key_Return);
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->cell(2, 2), std::string("x")); // the whole text was selected
        QCOMPARE(grid->currentCol(), 0);
        QCOMPARE(grid->currentRow(), 3);
        QVERIFY(grid->isEditing());
        QCOMPARE(grid->editedCell(), std::make_pair(0, 3));
        // A non-editable column is passed over.
        TCellProperties locked;
        locked.editable = ge_no;
        grid->records().setCol(1, locked);
        key(Qt::Key_Return);
        QCOMPARE(grid->editedCell(), std::make_pair(2, 3));
    }

    void tabIsNeverTypedAndMovesOnOnlyWhenAsked() {
        grid->setCurrentCell(0, 1);
        focusGrid();
        key(Qt::Key_Tab);
        QCOMPARE(grid->cell(0, 1), std::string("0,1"));
        QVERIFY(!grid->cell(0, 1).empty());
        // Without the Tabs option Tab leaves the grid for the next control.
        QCOMPARE(QApplication::focusWidget(), after);

        grid->setOptions(grid->options() | TAlignedGrid::Tabs);
        grid->setCurrentCell(0, 1);
        focusGrid();
        QVERIFY(grid->isEditing());
        key(Qt::Key_Tab);
        QCOMPARE(grid->editedCell(), std::make_pair(1, 1));
        QCOMPARE(grid->cell(0, 1), std::string("0,1"));
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->editedCell(), std::make_pair(0, 1));
        // Past the last cell Tab starts again at the first (lc_first).
        grid->setCurrentCell(2, 2);
        QApplication::processEvents();
        key(Qt::Key_Tab);
        QCOMPARE(grid->editedCell(), std::make_pair(0, 1));
        // A column that is no tab stop is passed over.
        grid->setTabStop(1, false);
        key(Qt::Key_Tab);
        QCOMPARE(grid->editedCell(), std::make_pair(2, 1));
    }

    void aPendingEditIsStoredAndTheEditorStaysOpen() {
        QSignalSpy afterEdit(grid, &TAlignedGrid::OnAfterEdit);
        grid->setCurrentCell(1, 2);
        focusGrid();
        grid->editor()->selectAll();
        QTest::keyClicks(grid->editor(), QStringLiteral("w toku"));
        grid->commitPendingEdit();
        QCOMPARE(grid->cell(1, 2), std::string("w toku"));
        QCOMPARE(afterEdit.count(), 1);
        QVERIFY(grid->isEditing());
        QCOMPARE(grid->editor()->textCursor().position(), 6);
        // Dropping the editor stores nothing.
        QTest::keyClicks(grid->editor(), QStringLiteral("!"));
        grid->dropEditor();
        QCOMPARE(grid->cell(1, 2), std::string("w toku"));
    }

    void cellsAreDrawnInTheirResolvedColours() {
        grid->setOptions(TAlignedGrid::RangeSelect);
        TCellProperties red;
        red.brush = kRed;
        grid->records().setCell(1, 1, red);
        QApplication::processEvents();
        QCOMPARE(pixelOf(1, 1), QColor(255, 0, 0));
        QCOMPARE(pixelOf(0, 1), grid->palette().color(QPalette::Base));
        // A selected cell in the selected-cell colour, unless the grid draws no selection.
        grid->setSelectedCellColor(QColor(0, 0, 128));
        grid->selectionModel()->select(grid->model()->index(1, 0), QItemSelectionModel::Select);
        QApplication::processEvents();
        QCOMPARE(pixelOf(0, 2), QColor(0, 0, 128));
        grid->setDrawSelection(false);
        QApplication::processEvents();
        QCOMPARE(pixelOf(0, 2), grid->palette().color(QPalette::Base));
    }

    // The records' fonts and colours, and the fixed cells' own, become the look of a cell.
    void theLookTakesTheRecordsFontsAndColours() {
        grid->setFixedColor(QColor(200, 200, 0));
        QCOMPARE(grid->look(0, 0, false).background, QColor(200, 200, 0));
        TCellProperties italic;
        italic.font = GridFont{"", -16, GridColour{0, 128, 0}, false, true};
        grid->records().setFixedRow(0, italic);
        QVERIFY(grid->look(2, 0, false).font.italic());
        QCOMPARE(grid->look(2, 0, false).text, QColor(0, 128, 0));
        QVERIFY(!grid->look(2, 1, false).font.italic());
        // Selected: the grid's selected colours, or the record's.
        grid->setSelectedFontColor(QColor(255, 255, 0));
        QCOMPARE(grid->look(0, 1, true).text, QColor(255, 255, 0));
        TCellProperties sel;
        sel.selectedBrush = kRed;
        grid->records().setRow(1, sel);
        QCOMPARE(grid->look(0, 1, true).background, QColor(255, 0, 0));
        QCOMPARE(grid->look(0, 2, true).background, grid->SelectedCellColor());
    }

    void insertingARowMovesItsBackgroundWithItsText() {
        TCellProperties red;
        red.brush = kRed;
        grid->records().setCell(0, 2, red);
        grid->setOptions(TAlignedGrid::RangeSelect);
        grid->InsertRow(2);
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->cell(0, 3), std::string("0,2"));
        QCOMPARE(grid->look(0, 3, false).background, QColor(255, 0, 0));
        QCOMPARE(grid->look(0, 2, false).background, grid->palette().color(QPalette::Base));
        QCOMPARE(grid->model()->rowCount(), 3);
        QApplication::processEvents();
        QCOMPARE(pixelOf(0, 3), QColor(255, 0, 0));
        // The last data row is never removed.
        fill(1);
        QVERIFY(!grid->RemoveRow(1));
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->cell(0, 1), std::string("0,1"));
    }

    void theLastColumnFillsTheGrid() {
        grid->setColWidth(0, 100);
        grid->setColWidth(1, 50);
        grid->setColWidth(2, 30);
        grid->setAutoAdjustLastCol(true);
        QApplication::processEvents();
        const int client = grid->viewport()->width();
        QCOMPARE(grid->colWidth(2), client - 150);
        window->resize(900, 400);
        QApplication::processEvents();
        QCOMPARE(grid->colWidth(2), grid->viewport()->width() - 150);
        grid->setColWidth(0, 200);
        QCOMPARE(grid->colWidth(2), grid->viewport()->width() - 250);
    }

    void enterAndDoubleClickChooseARowWhileBrowsing() {
        QSignalSpy chosen(grid, &TAlignedGrid::rowChosen);
        grid->setOptions(TAlignedGrid::RowSelect);
        grid->setCurrentCell(0, 2);
        focusGrid();
        // The whole row is selected.
        QCOMPARE(grid->selectedRows(), std::make_pair(2, 2));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 3);
        key(Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 2);
        const QRect r = grid->visualRect(grid->model()->index(0, 1));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toInt(), 1);
        // While editing, Enter opens the editor instead.
        grid->setOptions(TAlignedGrid::Editing);
        focusGrid();
        key(Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
        QVERIFY(grid->isEditing());
    }

    void aRowsLowerBorderCanBeDragged() {
        grid->setOptions(TAlignedGrid::RowSizing);
        grid->setDefaultRowHeight(30);
        grid->setGridRowHeight(1, 30);
        QApplication::processEvents();
        const int bottom = grid->rowViewportPosition(0) + grid->rowHeight(0);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(40, bottom - 1));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, bottom + 19),
                         grid->viewport()->mapToGlobal(QPointF(40, bottom + 19)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(40, bottom + 19));
        QCOMPARE(grid->gridRowHeight(1), 50);
        // Without the option the border stays.
        grid->setOptions(TAlignedGrid::RangeSelect);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(40, bottom + 19));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(40, bottom + 40));
        QCOMPARE(grid->gridRowHeight(1), 50);
    }
};

TARNIK_TEST_MAIN(GridTest)
#include "test_grid.moc"
