#pragma once
// The bar chart of the evaluation pages, painted from its ChartData into any rectangle of any
// painter: the screen widget, an image, a printer page or a PDF. One series of bars in point
// order, numbered 1..n under the bars, each value over its bar, a value axis with gridlines.
#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "core/evaluation/chart.h"

namespace tarnik {

// The value axis as painted: the fixed one when the data give a maximum above the minimum and
// a positive step (lowered by whole steps when a value lies below its minimum), otherwise one
// picked to hold every value (always including 0). Never more than 40 gridline steps: a finer
// step is widened by a whole multiple.
struct ChartScale {
    double min = 0;
    double max = 1;
    double step = 1;
};
ChartScale chartScale(const ChartData& data);

// Where each part of a chart goes in a rectangle, for texts of given font metrics. The plot
// holds the gridlines and the bars; the numbers of the value axis stand left of it, the point
// numbers 1..n under it. A bar rises from 0 (or the end of the scale nearest to it) and its value
// stands over it; a negative bar hangs down from 0 with its value just under its end, and the
// plot then leaves a line of room between its bottom and the point numbers for that value.
struct ChartText {
    QRectF rect;
    QString text;
};
struct ChartBar {
    int point = 0; // index into the values
    QRectF bar;    // may be of no height (a value of 0)
    ChartText value;
};
struct ChartGeometry {
    bool fits = false; // false when the rectangle has no room for a plot
    ChartScale scale;
    QRectF plot;
    double zeroY = 0;                 // where the bars start: 0 on the value axis, within the plot
    std::vector<double> gridY;        // the gridlines, from the minimum up
    std::vector<ChartText> axisTexts; // the value axis's numbers, one per gridline
    std::vector<ChartBar> bars;       // the finite values, in point order
    std::vector<ChartText> pointNumbers;
    QRectF legendBox; // empty when the legend is off
    QRectF legendSwatch;
    ChartText legendText;
};
ChartGeometry chartGeometry(const QRectF& rect, const ChartData& data, const QFontMetricsF& fm);

// The colour of the bars.
QColor chartBarColour();

// Paints the chart into rect. The painter's state is left as it was; nothing is painted
// outside rect. Text sizes follow the device's resolution (9 pt), shrunk for small rectangles.
void paintChart(QPainter& painter, const QRectF& rect, const ChartData& data);

} // namespace tarnik
