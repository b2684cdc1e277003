#pragma once
// The bar chart of the evaluation pages, painted from its ChartData into any rectangle of any
// painter: the screen widget, an image, a printer page or a PDF. One series of bars in point
// order, numbered 1..n under the bars, each value over its bar, a value axis with gridlines.
#include <QColor>
#include <QPainter>
#include <QRectF>

#include "core/evaluation/chart.h"

namespace tarnik {

// The value axis as painted: the fixed one when the data give a maximum above the minimum and
// a positive step, otherwise one picked to hold every value (always including 0). Never more
// than 40 gridline steps: a finer step is widened by a whole multiple.
struct ChartScale {
    double min = 0;
    double max = 1;
    double step = 1;
};
ChartScale chartScale(const ChartData& data);

// The colour of the bars.
QColor chartBarColour();

// Paints the chart into rect. The painter's state is left as it was; nothing is painted
// outside rect. Text sizes follow the device's resolution (9 pt), shrunk for small rectangles.
void paintChart(QPainter& painter, const QRectF& rect, const ChartData& data);

} // namespace tarnik
