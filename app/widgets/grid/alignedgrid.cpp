// TAlignedGrid: the aligned string grid's shape, texts, sizes, options and current cell.
#include "app/widgets/grid/alignedgrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QScrollBar>

#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridheader.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

TAlignedGrid::TAlignedGrid(QWidget* parent) : QTableView(parent) {
    model_ = new GridTableModel(cells_, this);
    delegate_ = new GridDelegate(this);
    colHeader_ = new GridHeader(Qt::Horizontal, this);
    rowHeader_ = new GridHeader(Qt::Vertical, this);
    setHorizontalHeader(colHeader_);
    setVerticalHeader(rowHeader_);
    setModel(model_);
    setItemDelegate(delegate_);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The corner between the two caption bars does nothing; it is named all the same.
    for (QAbstractButton* b : findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        b->setAccessibleName(QStringLiteral("Narożnik tabeli"));
    viewport()->setMouseTracking(true);
    colHeader_->setMinimumSectionSize(4);
    rowHeader_->setMinimumSectionSize(4);
    colHeader_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    colHeader_->setVisible(cells_.fixedRows() > 0);
    rowHeader_->setVisible(cells_.fixedCols() > 0);

    look_.fixedColor = palette().color(QPalette::Button);
    look_.selectedCellColor = palette().color(QPalette::Active, QPalette::Highlight);
    look_.fixedFont = font();

    connect(colHeader_, &QHeaderView::sectionResized, this, [this](int logical, int, int) {
        if (logical != model_->columnCount() - 1) adjustLastColumn();
    });
    applyOptions();
}

TAlignedGrid::~TAlignedGrid() {
    // An open edit ends with the grid, without events; the model must not hear from the cells
    // after the view is gone.
    editing_.onValidateEdit = nullptr;
    dropEditor();
    cells_.setObserver(nullptr);
}

QModelIndex TAlignedGrid::indexOf(int col, int row) const {
    return model_->indexOf(col, row);
}

void TAlignedGrid::setColCount(int n) {
    dropEditor();
    cells_.setColCount(n);
    adjustLastColumn();
}

void TAlignedGrid::setRowCount(int n) {
    dropEditor();
    cells_.setRowCount(n);
}

void TAlignedGrid::setFixedCols(int n) {
    dropEditor();
    cells_.setFixedCols(std::clamp(n, 0, 1));
    rowHeader_->setVisible(cells_.fixedCols() > 0);
}

void TAlignedGrid::setFixedRows(int n) {
    dropEditor();
    cells_.setFixedRows(std::clamp(n, 0, 1));
    colHeader_->setVisible(cells_.fixedRows() > 0);
}

void TAlignedGrid::setCell(int col, int row, std::string text) {
    if (!cells_.contains(col, row)) return;
    cells_.setCell(col, row, std::move(text));
    model_->cellChanged(col, row);
}

void TAlignedGrid::setDataRows(const std::vector<std::vector<std::string>>& rows) {
    dropEditor();
    cells_.clear(cells_.fixedRows() + std::max<int>(1, int(rows.size())));
    for (std::size_t i = 0; i < rows.size(); ++i)
        cells_.setRowTexts(cells_.fixedRows() + int(i), rows[i]);
    model_->everythingChanged();
}

int TAlignedGrid::InsertRow(int row) {
    // The editor follows its row down; a row inserted above the open editor moves it along.
    return cells_.InsertRow(row);
}

bool TAlignedGrid::RemoveRow(int row) {
    if (isEditing() && editedCell().second == row && cells_.rowCount() - cells_.fixedRows() > 1)
        dropEditor();
    return cells_.RemoveRow(row);
}

int TAlignedGrid::InsertCol(int col) {
    const int c = cells_.InsertCol(col);
    adjustLastColumn();
    return c;
}

void TAlignedGrid::setColWidth(int col, int width) {
    const int c = col - fixedCols();
    if (c >= 0)
        setColumnWidth(c, width);
    else
        verticalHeader()->setFixedWidth(width);
    adjustLastColumn();
}

int TAlignedGrid::colWidth(int col) const {
    const int c = col - fixedCols();
    return c >= 0 ? columnWidth(c) : verticalHeader()->width();
}

void TAlignedGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

void TAlignedGrid::setGridRowHeight(int row, int height) {
    const int r = row - fixedRows();
    if (r >= 0)
        setRowHeight(r, height);
    else
        horizontalHeader()->setFixedHeight(height);
}

int TAlignedGrid::gridRowHeight(int row) const {
    const int r = row - fixedRows();
    return r >= 0 ? rowHeight(r) : horizontalHeader()->height();
}

void TAlignedGrid::repaintCells() {
    viewport()->update();
    colHeader_->viewport()->update();
    rowHeader_->viewport()->update();
    // The captions' font may have changed their height.
    updateGeometries();
}

void TAlignedGrid::setAlignment(GridAlignment a) {
    cells_.defaults().alignment = a;
    repaintCells();
}

void TAlignedGrid::setWordwrap(GridWordWrap w) {
    cells_.defaults().wordwrap = w;
    repaintCells();
}

void TAlignedGrid::setEditable(bool on) {
    cells_.defaults().editable = on;
    repaintCells();
}

void TAlignedGrid::setFixedColor(const QColor& c) {
    look_.fixedColor = c;
    repaintCells();
}

void TAlignedGrid::setSelectedCellColor(const QColor& c) {
    look_.selectedCellColor = c;
    repaintCells();
}

void TAlignedGrid::setSelectedFontColor(const QColor& c) {
    look_.selectedFontColor = c;
    repaintCells();
}

void TAlignedGrid::setDrawSelection(bool on) {
    look_.drawSelection = on;
    repaintCells();
}

void TAlignedGrid::setAutoAdjustLastCol(bool on) {
    autoAdjustLastCol_ = on;
    adjustLastColumn();
}

void TAlignedGrid::setGridLineWidth(int width) {
    setShowGrid(width > 0);
    adjustLastColumn();
}

void TAlignedGrid::setShowCellHints(bool on) {
    showCellHints_ = on;
    model_->setHints(on);
}

void TAlignedGrid::setOptions(Options o) {
    if (!(o & Editing) || (o & RowSelect)) dropEditor();
    options_ = o;
    applyOptions();
}

void TAlignedGrid::applyOptions() {
    const bool rows = options_ & RowSelect;
    const bool editing = (options_ & Editing) && !rows;
    model_->setEditing(editing);
    setSelectionBehavior(rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setSelectionMode((options_ & RangeSelect) ? QAbstractItemView::ContiguousSelection
                                              : QAbstractItemView::SingleSelection);
    setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode((options_ & ColSizing) ? QHeaderView::Interactive
                                                                    : QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode((options_ & RowSizing) ? QHeaderView::Interactive
                                                                  : QHeaderView::Fixed);
    // Whole rows are selected when the current row is; a cell grid selects its current cell.
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && selectionModel()) {
        selectionModel()->select(
            cur, QItemSelectionModel::ClearAndSelect |
                     (rows ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    }
    rowSizer_.setEnabled(options_ & RowSizing);
    viewport()->update();
    if (editing) editing_.showEditorIfWanted();
}

void TAlignedGrid::setFixedFont(const QFont& f) {
    look_.fixedFont = f;
    repaintCells();
}

CellLook TAlignedGrid::look(int col, int row, bool selected) const {
    return look_.look(cells_.resolve(col, row), font(), palette(), selected);
}

int TAlignedGrid::currentCol() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? model_->gridCol(i) : -1;
}

int TAlignedGrid::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? model_->gridRow(i) : -1;
}

void TAlignedGrid::setCurrentCell(int col, int row) {
    const QModelIndex i = indexOf(col, row);
    if (!i.isValid()) return;
    const auto flags =
        QItemSelectionModel::ClearAndSelect |
        ((options_ & RowSelect) ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
    selectionModel()->setCurrentIndex(i, flags);
    scrollTo(i);
}

std::pair<int, int> TAlignedGrid::selectedRows() const {
    int first = -1;
    int last = -1;
    for (const QModelIndex& i : selectionModel()->selectedIndexes()) {
        const int r = model_->gridRow(i);
        if (first < 0 || r < first) first = r;
        if (last < 0 || r > last) last = r;
    }
    return {first, last};
}

void TAlignedGrid::addContextAction(QAction* action) {
    contextActions_ << action;
}

void TAlignedGrid::adjustLastColumn() {
    if (!autoAdjustLastCol_ || adjusting_) return;
    const int n = model_->columnCount();
    if (n <= 0) return;
    int others = 0;
    for (int c = 0; c < n - 1; ++c)
        others += columnWidth(c);
    const int client = viewport()->width();
    if (others >= client) return;
    adjusting_ = true;
    setColumnWidth(n - 1, client - others);
    adjusting_ = false;
}

bool TAlignedGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Resize) adjustLastColumn();
    return QTableView::viewportEvent(e);
}

} // namespace tarnik
