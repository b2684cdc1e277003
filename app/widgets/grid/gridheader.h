#pragma once
// GridHeader: the aligned string grid's fixed row and fixed column, drawn as captions.
// The fixed row (column captions) and fixed column (row captions) of the aligned grid, drawn
// with the properties of their cells: the fixed-cell brush and font unless a record sets
// others, the cell's alignment and word wrap.
#include <QHeaderView>

namespace tarnik {

class TAlignedGrid;

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    GridHeader(Qt::Orientation orientation, TAlignedGrid* grid);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    TAlignedGrid* grid_;
};

} // namespace tarnik
