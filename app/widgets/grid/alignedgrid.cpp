// TAlignedGrid: its shape, texts, property records, sizes and the look of its cells. The editing
// and the keyboard and mouse handling are in alignedgridediting.cpp.
#include "app/widgets/grid/alignedgrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontDatabase>
#include <QHeaderView>
#include <QScrollBar>

#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridheader.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

namespace {

QColor qtColour(const GridColour& c) {
    return QColor(c.r, c.g, c.b);
}

// A record's font over the grid's: face (when installed), height and style.
QFont qtFont(const GridFont& f, const QFont& base) {
    QFont out(base);
    if (!f.face.empty()) {
        const QString face = QString::fromStdString(f.face);
        if (QFontDatabase::hasFamily(face)) out.setFamily(face);
    }
    // A negative height is the character height in pixels of a 96-dpi screen.
    if (f.height < 0)
        out.setPointSizeF(-f.height * 72.0 / 96.0);
    else if (f.height > 0)
        out.setPointSizeF(f.height * 0.8 * 72.0 / 96.0);
    out.setBold(f.bold);
    out.setItalic(f.italic);
    out.setUnderline(f.underline);
    out.setStrikeOut(f.strikeOut);
    return out;
}

} // namespace

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

    fixedColor_ = palette().color(QPalette::Button);
    selectedCellColor_ = palette().color(QPalette::Active, QPalette::Highlight);
    fixedFont_ = font();

    connect(colHeader_, &QHeaderView::sectionResized, this, [this](int logical, int, int) {
        if (logical != model_->columnCount() - 1) adjustLastColumn();
    });
    applyOptions();
}

TAlignedGrid::~TAlignedGrid() {
    // An open edit ends with the grid, without events; the model must not hear from the cells
    // after the view is gone.
    onValidateEdit_ = nullptr;
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

namespace {

TCellProperties copyOf(const TCellProperties* p) {
    return p ? *p : TCellProperties{};
}

void store(PropList& list, int index, const TCellProperties& p) {
    if (index < 0) return;
    GridProperties::record(list, index) = p;
}

} // namespace

TCellProperties TAlignedGrid::cellProperties(int col, int row) const {
    return copyOf(cells_.properties().findCell(col, row));
}

void TAlignedGrid::setCellProperties(int col, int row, const TCellProperties& p) {
    if (col < 0 || row < 0) return;
    cells_.properties().cellRecord(col, row) = p;
    repaintCells();
}

TCellProperties TAlignedGrid::colProperties(int col) const {
    return copyOf(GridProperties::find(cells_.properties().PropCol, col));
}

void TAlignedGrid::setColProperties(int col, const TCellProperties& p) {
    store(cells_.properties().PropCol, col, p);
    repaintCells();
}

TCellProperties TAlignedGrid::rowProperties(int row) const {
    return copyOf(GridProperties::find(cells_.properties().PropRow, row));
}

void TAlignedGrid::setRowProperties(int row, const TCellProperties& p) {
    store(cells_.properties().PropRow, row, p);
    repaintCells();
}

TCellProperties TAlignedGrid::fixedColProperties(int col) const {
    return copyOf(GridProperties::find(cells_.properties().PropFixedCol, col));
}

void TAlignedGrid::setFixedColProperties(int col, const TCellProperties& p) {
    store(cells_.properties().PropFixedCol, col, p);
    repaintCells();
}

TCellProperties TAlignedGrid::fixedRowProperties(int row) const {
    return copyOf(GridProperties::find(cells_.properties().PropFixedRow, row));
}

void TAlignedGrid::setFixedRowProperties(int row, const TCellProperties& p) {
    store(cells_.properties().PropFixedRow, row, p);
    repaintCells();
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
    fixedColor_ = c;
    repaintCells();
}

void TAlignedGrid::setSelectedCellColor(const QColor& c) {
    selectedCellColor_ = c;
    repaintCells();
}

void TAlignedGrid::setSelectedFontColor(const QColor& c) {
    selectedFontColor_ = c;
    repaintCells();
}

void TAlignedGrid::setDrawSelection(bool on) {
    drawSelection_ = on;
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
    viewport()->update();
    if (editing) showEditorIfWanted();
}

void TAlignedGrid::setTabStop(int col, bool on) {
    if (col < 0) return;
    if (std::size_t(col) >= tabStops_.size()) tabStops_.resize(std::size_t(col) + 1, true);
    tabStops_[std::size_t(col)] = on;
}

bool TAlignedGrid::tabStop(int col) const {
    return col < 0 || std::size_t(col) >= tabStops_.size() || tabStops_[std::size_t(col)];
}

void TAlignedGrid::setFixedFont(const QFont& f) {
    fixedFont_ = f;
    repaintCells();
}

CellLook TAlignedGrid::look(int col, int row, bool selected) const {
    const ResolvedCell rc = cells_.resolve(col, row);
    CellLook out;
    out.alignment = rc.alignment;
    out.wordwrap = rc.wordwrap;
    const QFont base = rc.fixed ? fixedFont_ : font();
    out.font = rc.font ? qtFont(*rc.font, base) : base;
    const QColor plainText = palette().color(rc.fixed ? QPalette::ButtonText : QPalette::Text);
    out.text = rc.font && rc.font->colour ? qtColour(*rc.font->colour) : plainText;
    out.background =
        rc.brush ? qtColour(*rc.brush) : (rc.fixed ? fixedColor_ : palette().color(QPalette::Base));
    if (selected) {
        out.background = rc.selectedBrush ? qtColour(*rc.selectedBrush) : selectedCellColor_;
        if (rc.selectedFont) {
            out.font = qtFont(*rc.selectedFont, base);
            out.text =
                rc.selectedFont->colour ? qtColour(*rc.selectedFont->colour) : selectedFontColor_;
        } else {
            out.text = selectedFontColor_;
        }
    }
    return out;
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
