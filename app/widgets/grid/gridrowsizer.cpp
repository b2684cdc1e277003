// GridRowSizer: dragging a row's lower border in the aligned string grid.
#include "app/widgets/grid/gridrowsizer.h"

#include <QMouseEvent>
#include <QTableView>
#include <algorithm>
#include <cstdlib>

namespace tarnik {

namespace {

// How close to a row's lower border the mouse must be to drag it.
constexpr int kBorderGrip = 3;
constexpr int kSmallestRow = 8;

} // namespace

int GridRowSizer::rowBorderAt(const QPoint& p) const {
    if (!enabled_) return -1;
    const int rows = view_.model() ? view_.model()->rowCount() : 0;
    if (rows <= 0) return -1;
    int under = view_.rowAt(p.y());
    if (under < 0) under = p.y() < 0 ? 0 : rows - 1;
    // The border below the row under the point, or the one above it.
    for (int r : {under, under - 1}) {
        if (r < 0) continue;
        const int bottom = view_.rowViewportPosition(r) + view_.rowHeight(r);
        if (std::abs(bottom - p.y()) <= kBorderGrip) return r;
    }
    return -1;
}

bool GridRowSizer::mousePress(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return false;
    const int r = rowBorderAt(e->position().toPoint());
    if (r < 0) return false;
    sizingRow_ = r;
    sizingStartY_ = e->position().toPoint().y();
    sizingStartHeight_ = view_.rowHeight(r);
    e->accept();
    return true;
}

bool GridRowSizer::mouseMove(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (sizingRow_ >= 0) {
        view_.setRowHeight(sizingRow_,
                           std::max(kSmallestRow, sizingStartHeight_ + p.y() - sizingStartY_));
        e->accept();
        return true;
    }
    if (e->buttons() == Qt::NoButton) {
        if (rowBorderAt(p) >= 0)
            view_.viewport()->setCursor(Qt::SplitVCursor);
        else
            view_.viewport()->unsetCursor();
    }
    return false;
}

bool GridRowSizer::mouseRelease(QMouseEvent* e) {
    if (sizingRow_ < 0 || e->button() != Qt::LeftButton) return false;
    sizingRow_ = -1;
    e->accept();
    return true;
}

} // namespace tarnik
