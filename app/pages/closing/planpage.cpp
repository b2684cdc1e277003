#include "app/pages/closing/planpage.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridmodel.h"
#include "app/wizard/wizard.h"
#include "core/rules/plan/plan.h"

namespace tarnik {

namespace {

constexpr int kColumns = 3;
const char* const kCaptions[kColumns] = {"Opis przedsięwzięcia (zadania)", "Osoby odpowiedzialne",
                                         "Termin realizacji"};
constexpr int kWidths[kColumns] = {450, 180, 132};
constexpr int kHeaderHeight = 22;
constexpr int kRowHeight = 75;

} // namespace

PlanPage::PlanPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Plan poprawy warunków pracy"), QStringLiteral("plan.html"),
                 parent) {
    registerHelpTopics({{15500, "plan.html#tabela"}});

    grid_ = new TAlignedGrid(this);
    grid_->setObjectName(QStringLiteral("Plan"));
    grid_->setAccessibleName(heading());
    grid_->setColCount(kColumns);
    grid_->setFixedRows(1);
    grid_->setRowCount(2);
    for (int c = 0; c < kColumns; ++c) {
        grid_->setCell(c, 0, kCaptions[c]);
        grid_->setColWidth(c, kWidths[c]);
    }
    // The captions: centred, bold, in the window's text colour.
    TCellProperties header;
    header.alignment = alCenter;
    header.font = GridFont{"MS Sans Serif", -11, std::nullopt, true};
    grid_->records().setFixedRow(0, header);
    grid_->setWordwrap(ww_wordwrap);
    grid_->setSelectEditText(false);
    // The file keeps each cell up to its stored length.
    grid_->setMaxEditLength(int(kStoredTextLength));
    grid_->setAutoEditNextCell(true);
    grid_->setNextCellEdit(nc_rightdown);
    grid_->setAfterLastCellEdit(lc_newcolrow);
    // The selected block stays visible, so that the rows "Usuń wiersz" takes are seen first.
    grid_->setDrawSelection(true);
    grid_->setAutoAdjustLastCol(true);
    grid_->setOptions(TAlignedGrid::Editing | TAlignedGrid::AlwaysShowEditor |
                      TAlignedGrid::RangeSelect | TAlignedGrid::RowSizing);
    grid_->setDefaultRowHeight(kRowHeight);
    grid_->setGridRowHeight(
        0, std::max(kHeaderHeight, QFontMetrics(grid_->look(0, 0, false).font).height() + 8));
    setHelpContext(grid_, 15500);
    content()->addWidget(grid_, 1);

    removeRows_ = new QAction(QStringLiteral("Usuń wiersz"), this);
    grid_->addContextAction(removeRows_);
    connect(removeRows_, &QAction::triggered, this, guard([this] { removeSelectedRows(); }));
    undoDelete_ = new QAction(QStringLiteral("Cofnij usunięcie"), this);
    undoDelete_->setObjectName(QStringLiteral("CofnijUsuniecie"));
    undoDelete_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoDelete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    undoDelete_->setEnabled(false);
    addAction(undoDelete_);
    grid_->addContextAction(undoDelete_);
    connect(undoDelete_, &QAction::triggered, this, guard([this] { undoDeletion(); }));
    // The cell editor takes Ctrl+Z for its typing; with nothing typed it passes it on here.
    connect(grid_, &TAlignedGrid::OnBeforeEdit, this, [this](int, int) {
        if (QWidget* editor = grid_->editor()) editor->installEventFilter(this);
    });
    connect(grid_, &TAlignedGrid::OnAfterEdit, this,
            [this](int col, int row) { cellEdited(col, row); });
    // A row the grid adds after its last cell (Enter in the last cell) is a row of the plan.
    connect(grid_->gridModel(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (loading()) return;
                forgetDeletion();
                auto& plan = model().Plan;
                for (int r = first; r <= last; ++r) {
                    const auto at = std::min<std::size_t>(std::size_t(r), plan.size());
                    plan.insert(plan.begin() + std::ptrdiff_t(at), PlanRow{});
                }
            });
}

void PlanPage::fillGrid() {
    LoadingScope scope(this);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(model().Plan.size());
    for (const PlanRow& r : model().Plan)
        rows.emplace_back(r.begin(), r.end());
    grid_->setDataRows(rows);
}

void PlanPage::loadFromModel() {
    // Showing the page clears the plan of its empty rows; that alone is no change to save.
    removeEmptyPlanRows(model().Plan);
    fillGrid();
}

void PlanPage::pageShown(PageReason) {
    wizard().setNextEnabled(true);
}

void PlanPage::pageHidden(PageReason why) {
    forgetDeletion();
    if (why != PageReason::Reset) grid_->commitPendingEdit();
    grid_->dropEditor();
}

void PlanPage::storePendingEdit() {
    if (isCurrent()) grid_->commitPendingEdit();
}

void PlanPage::documentReset() {
    forgetDeletion();
    grid_->dropEditor();
}

void PlanPage::cellEdited(int col, int row) {
    if (loading() || col < 0 || col >= kColumns || row < 1) return;
    auto& plan = model().Plan;
    const auto index = std::size_t(row - 1);
    if (index >= plan.size()) plan.resize(index + 1);
    std::string& cell = plan[index][std::size_t(col)];
    if (cell == grid_->cell(col, row)) return;
    cell = grid_->cell(col, row);
    forgetDeletion();
    markChanged();
}

void PlanPage::removeSelectedRows() {
    const auto [first, last] = grid_->selectedRows();
    if (first < 0) return;
    // What is typed in the open cell stays with its row.
    grid_->commitPendingEdit();
    std::vector<PlanRow> before = model().Plan;
    if (deletePlanRows(model().Plan, first, last) == 0) return;
    beforeDeletion_ = std::move(before);
    deletedFirst_ = first;
    undoDelete_->setEnabled(true);
    // A deletion is an edit to be saved.
    markChanged();
    fillGrid();
    grid_->setCurrentCell(0, std::min(first, grid_->rowCount() - 1));
    refocusGrid();
}

void PlanPage::refocusGrid() {
    const QWidget* f = QApplication::focusWidget();
    if (!f || (f != grid_ && !grid_->isAncestorOf(f))) return;
    grid_->setFocus(Qt::OtherFocusReason);
    grid_->openEditor();
}

void PlanPage::undoDeletion() {
    // Text typed in the open cell is an edit of its own, which forgets the deletion.
    grid_->commitPendingEdit();
    if (!beforeDeletion_) return;
    model().Plan = std::move(*beforeDeletion_);
    const int first = deletedFirst_;
    forgetDeletion();
    markChanged();
    fillGrid();
    grid_->setCurrentCell(0, std::min(first, grid_->rowCount() - 1));
    refocusGrid();
}

void PlanPage::forgetDeletion() {
    beforeDeletion_.reset();
    deletedFirst_ = -1;
    if (undoDelete_) undoDelete_->setEnabled(false);
}

bool PlanPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && beforeDeletion_) {
        auto* editor = qobject_cast<QPlainTextEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (editor && editor == grid_->editor() && key->matches(QKeySequence::Undo) &&
            !editor->document()->isUndoAvailable()) {
            // The editor goes away with the grid's rows: the undo runs once its key is done.
            QMetaObject::invokeMethod(
                this, [this] { runGuarded([this] { undoDeletion(); }, window()); },
                Qt::QueuedConnection);
            return true;
        }
    }
    return WizardPage::eventFilter(watched, event);
}

} // namespace tarnik
