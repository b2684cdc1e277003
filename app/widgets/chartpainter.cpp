#include "app/widgets/chartpainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "app/print/fontfallback.h"

namespace tarnik {

namespace {

constexpr int kMaxGridSteps = 40;

double niceStep(double raw) {
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / magnitude;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
    return nice * magnitude;
}

int decimalsFor(double step) {
    if (std::fabs(step - std::round(step)) < 1e-9) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step))), 1, 4);
}

QString formatNumber(double v, int decimals) {
    if (decimals == 0 && std::fabs(v) < 1e15)
        return QString::number(static_cast<qlonglong>(std::llround(v)));
    QString s = QString::number(v, 'f', decimals);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString formatValue(double v) {
    const bool whole = std::fabs(v - std::round(v)) < 1e-9;
    if (whole) return formatNumber(v, 0);
    QString s = formatNumber(v, 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    return s;
}

} // namespace

ChartScale chartScale(const ChartData& data) {
    ChartScale s;
    const bool fixedRange =
        std::isfinite(data.axisMin) && std::isfinite(data.axisMax) && data.axisMax > data.axisMin;
    if (fixedRange) {
        s.min = data.axisMin;
        s.max = data.axisMax;
        s.step = (std::isfinite(data.axisStep) && data.axisStep > 0)
                     ? data.axisStep
                     : niceStep((s.max - s.min) / 5);
        // A value under the minimum lowers it by whole steps, so that its bar can be shown.
        double lowest = s.min;
        for (double v : data.values)
            if (std::isfinite(v)) lowest = std::min(lowest, v);
        if (lowest < s.min) s.min -= std::ceil((s.min - lowest) / s.step) * s.step;
    } else {
        double lo = 0;
        double hi = 0;
        for (double v : data.values) {
            if (!std::isfinite(v)) continue;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        if (hi <= lo) hi = lo + 1;
        s.step = niceStep((hi - lo) / 5);
        s.min = std::floor(lo / s.step) * s.step;
        s.max = std::ceil(hi / s.step) * s.step;
    }
    const double steps = (s.max - s.min) / s.step;
    if (steps > kMaxGridSteps) s.step *= std::ceil(steps / kMaxGridSteps);
    return s;
}

QColor chartBarColour() {
    return QColor(52, 101, 164);
}

ChartGeometry chartGeometry(const QRectF& rect, const ChartData& data, const QFontMetricsF& fm) {
    ChartGeometry g;
    g.scale = chartScale(data);
    const ChartScale& scale = g.scale;
    const double lineH = fm.height();
    const double pad = std::max(2.0, lineH * 0.6);

    const int stepCount = static_cast<int>(std::floor((scale.max - scale.min) / scale.step + 1e-9));
    const int decimals = decimalsFor(scale.step);
    double labelW = 0;
    for (int k = 0; k <= stepCount; ++k)
        labelW = std::max(labelW,
                          fm.horizontalAdvance(formatNumber(scale.min + k * scale.step, decimals)));

    const QString legendText = QStringLiteral("Seria 1");
    const double swatch = lineH * 0.8;
    const double legendW =
        data.legend ? pad + swatch + pad / 2 + fm.horizontalAdvance(legendText) + pad : 0;

    // A negative value's text goes under its bar, which may end at the bottom of the plot: the
    // point numbers then stand a line lower.
    bool anyNegative = false;
    for (double v : data.values)
        anyNegative = anyNegative || (std::isfinite(v) && v < 0);
    const double belowGap = pad * 0.2;
    const double belowRoom = anyNegative ? belowGap + lineH + belowGap : 0;

    QRectF plot(rect.left() + pad + labelW + pad, rect.top() + pad + lineH * 1.2, 0, 0);
    plot.setRight(rect.right() - pad - (data.legend ? legendW + pad : lineH * 0.5));
    plot.setBottom(rect.bottom() - pad - lineH * 1.3 - belowRoom);
    g.plot = plot;
    if (plot.width() <= 0 || plot.height() <= 0) return g;
    g.fits = true;
    const auto yOf = [&](double v) {
        const double t =
            (std::clamp(v, scale.min, scale.max) - scale.min) / (scale.max - scale.min);
        return plot.bottom() - t * plot.height();
    };

    for (int k = 0; k <= stepCount; ++k) {
        const double v = scale.min + k * scale.step;
        const double y = yOf(v);
        g.gridY.push_back(y);
        g.axisTexts.push_back(
            {QRectF(rect.left() + pad, y - lineH / 2, labelW, lineH), formatNumber(v, decimals)});
    }

    const int n = static_cast<int>(data.values.size());
    g.zeroY = yOf(0);
    if (n > 0) {
        const double slot = plot.width() / n;
        const double barW = std::max(1.0, slot * 0.6);
        double numberW = 0;
        for (int i = 0; i < n; ++i)
            numberW = std::max(numberW, fm.horizontalAdvance(QString::number(i + 1)));
        const int numberEvery = std::max(1, static_cast<int>(std::ceil((numberW + pad) / slot)));
        const double numbersTop = plot.bottom() + belowRoom + pad * 0.4;
        for (int i = 0; i < n; ++i) {
            const double cx = plot.left() + slot * (i + 0.5);
            if (i % numberEvery == 0)
                g.pointNumbers.push_back(
                    {QRectF(cx - slot * numberEvery / 2, numbersTop, slot * numberEvery, lineH),
                     QString::number(i + 1)});
            const double v = data.values[static_cast<std::size_t>(i)];
            if (!std::isfinite(v)) continue;
            ChartBar b;
            b.point = i;
            const double end = yOf(v);
            b.bar = QRectF(QPointF(cx - barW / 2, std::min(end, g.zeroY)),
                           QPointF(cx + barW / 2, std::max(end, g.zeroY)));
            b.value.text = formatValue(v);
            if (v >= 0) {
                const double above = b.bar.top() - lineH - belowGap;
                b.value.rect = QRectF(cx - slot / 2, std::max(rect.top(), above), slot, lineH);
            } else {
                // Just under the bar's end, as wide as the text needs but within the plot's
                // width, clear of the value axis's numbers.
                const double w = std::max(slot, fm.horizontalAdvance(b.value.text));
                const double left = std::max(plot.left(), std::min(cx - w / 2, plot.right() - w));
                b.value.rect = QRectF(left, b.bar.bottom() + belowGap, w, lineH);
            }
            g.bars.push_back(b);
        }
    }

    if (data.legend) {
        g.legendBox = QRectF(rect.right() - pad - legendW, plot.center().y() - (lineH + pad) / 2,
                             legendW, lineH + pad);
        g.legendSwatch =
            QRectF(g.legendBox.left() + pad, g.legendBox.center().y() - swatch / 2, swatch, swatch);
        g.legendText = {QRectF(g.legendSwatch.right() + pad / 2, g.legendBox.top(),
                               g.legendBox.right() - g.legendSwatch.right(), g.legendBox.height()),
                        legendText};
    }
    return g;
}

void paintChart(QPainter& p, const QRectF& rect, const ChartData& data) {
    if (!(rect.width() > 0 && rect.height() > 0)) return;
    p.save();
    p.setClipRect(rect, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(rect, Qt::white);

    // Texts of 9 points on the device, but never so large that a small picture is all text.
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    double px = 9.0 * dpi / 72.0;
    px = std::max(4.0, std::min(px, rect.height() / 14.0));
    QFont font(installedFontFace(QString::fromStdString(data.fontFace)));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    p.setFont(font);
    const QFontMetricsF fm(font, p.device());
    const double thin = std::max(1.0, px / 14.0);

    const ChartGeometry g = chartGeometry(rect, data, fm);
    if (!g.fits) {
        p.restore();
        return;
    }
    const QRectF& plot = g.plot;

    // Gridlines and the numbers of the value axis.
    const QColor textColour(40, 40, 40);
    for (std::size_t k = 0; k < g.gridY.size(); ++k) {
        p.setPen(QPen(QColor(215, 215, 215), thin));
        p.drawLine(QPointF(plot.left(), g.gridY[k]), QPointF(plot.right(), g.gridY[k]));
        p.setPen(textColour);
        p.drawText(g.axisTexts[k].rect, Qt::AlignRight | Qt::AlignVCenter, g.axisTexts[k].text);
    }

    // The point numbers under the plot, the bars with their values.
    p.setPen(textColour);
    for (const ChartText& number : g.pointNumbers)
        p.drawText(number.rect, Qt::AlignHCenter | Qt::AlignTop, number.text);
    const QColor fill = chartBarColour();
    for (const ChartBar& b : g.bars) {
        p.setPen(QPen(fill.darker(130), thin));
        p.setBrush(fill);
        if (b.bar.height() > 0) p.drawRect(b.bar);
        p.setBrush(Qt::NoBrush);
        p.setPen(textColour);
        p.drawText(b.value.rect, Qt::AlignHCenter | Qt::AlignTop, b.value.text);
    }

    // The axes over the gridlines.
    p.setPen(QPen(QColor(90, 90, 90), thin));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), g.zeroY), QPointF(plot.right(), g.zeroY));

    if (!g.legendBox.isEmpty()) {
        p.setPen(QPen(QColor(160, 160, 160), thin));
        p.setBrush(Qt::white);
        p.drawRect(g.legendBox);
        p.setPen(QPen(chartBarColour().darker(130), thin));
        p.setBrush(chartBarColour());
        p.drawRect(g.legendSwatch);
        p.setBrush(Qt::NoBrush);
        p.setPen(textColour);
        p.drawText(g.legendText.rect, Qt::AlignLeft | Qt::AlignVCenter, g.legendText.text);
    }
    p.restore();
}

} // namespace tarnik
