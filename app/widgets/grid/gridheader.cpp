// GridHeader: the aligned string grid's fixed row and fixed column, drawn as captions.
#include "app/widgets/grid/gridheader.h"

#include <QPainter>

#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

GridHeader::GridHeader(Qt::Orientation orientation, TAlignedGrid* grid)
    : QHeaderView(orientation, grid), grid_(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionsMovable(false);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int col = horizontal ? logicalIndex + grid_->fixedCols() : 0;
    const int row = horizontal ? 0 : logicalIndex + grid_->fixedRows();
    const CellLook look = grid_->look(col, row, false);
    painter->save();
    painter->fillRect(rect, look.background);
    // The lines between the fixed cells.
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setFont(look.font);
    painter->setPen(look.text);
    const Qt::Alignment h = look.alignment == alRight    ? Qt::AlignRight
                            : look.alignment == alCenter ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    drawCellText(painter, rect, GridTableModel::toDisplay(grid_->cell(col, row)), h, look.wordwrap);
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const {
    const bool horizontal = orientation() == Qt::Horizontal;
    const int col = horizontal ? logicalIndex + grid_->fixedCols() : 0;
    const int row = horizontal ? 0 : logicalIndex + grid_->fixedRows();
    const CellLook look = grid_->look(col, row, false);
    const QFontMetrics fm(look.font);
    const QString text = GridTableModel::toDisplay(grid_->cell(col, row));
    const QSize s = fm.size(0, text.isEmpty() ? QStringLiteral("X") : text);
    return s + QSize(6, 6);
}

} // namespace tarnik
