#include "app/pages/closing/planpage.h"

#include <QAction>
#include <QApplication>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/widgets/grid/alignedgrid.h"
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
    connect(grid_, &TAlignedGrid::OnAfterEdit, this,
            [this](int col, int row) { cellEdited(col, row); });
    // A row the grid adds after its last cell (Enter in the last cell) is a row of the plan.
    connect(grid_->gridModel(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (loading()) return;
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
    if (why != PageReason::Reset) grid_->commitPendingEdit();
    grid_->dropEditor();
}

void PlanPage::storePendingEdit() {
    if (isCurrent()) grid_->commitPendingEdit();
}

void PlanPage::documentReset() {
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
    markChanged();
}

void PlanPage::removeSelectedRows() {
    const auto [first, last] = grid_->selectedRows();
    if (first < 0) return;
    // What is typed in the open cell stays with its row.
    grid_->commitPendingEdit();
    if (deletePlanRows(model().Plan, first, last) == 0) return;
    const QWidget* f = QApplication::focusWidget();
    const bool focused = f && (f == grid_ || grid_->isAncestorOf(f));
    fillGrid();
    grid_->setCurrentCell(0, std::min(first, grid_->rowCount() - 1));
    if (focused) {
        grid_->setFocus(Qt::OtherFocusReason);
        grid_->openEditor();
    }
}

} // namespace tarnik
