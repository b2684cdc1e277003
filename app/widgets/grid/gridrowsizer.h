#pragma once
// GridRowSizer: dragging a row's lower border in the aligned string grid.
// Dragging the lower border of a row among the cells makes the row taller or shorter (the grid's
// RowSizing option). The grid hands it its mouse events.
class QMouseEvent;
class QPoint;
class QTableView;

namespace tarnik {

class GridRowSizer {
public:
    explicit GridRowSizer(QTableView& view) : view_(view) {}

    // Whether rows may be sized (the grid's RowSizing option).
    void setEnabled(bool on) { enabled_ = on; }
    // The row whose lower border lies under a point of the viewport, or -1.
    int rowBorderAt(const QPoint& p) const;

    // Each returns true when the event was a part of dragging a border and was taken.
    bool mousePress(QMouseEvent* e);
    // Besides a drag, a mouse moving with no button shows the sizing cursor over a border.
    bool mouseMove(QMouseEvent* e);
    bool mouseRelease(QMouseEvent* e);

private:
    QTableView& view_;
    bool enabled_ = false;
    int sizingRow_ = -1;
    int sizingStartY_ = 0;
    int sizingStartHeight_ = 0;
};

} // namespace tarnik
