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
    const double lineH = fm.height();
    const double pad = std::max(2.0, lineH * 0.6);
    const double thin = std::max(1.0, px / 14.0);

    const ChartScale scale = chartScale(data);
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

    QRectF plot(rect.left() + pad + labelW + pad, rect.top() + pad + lineH * 1.2, 0, 0);
    plot.setRight(rect.right() - pad - (data.legend ? legendW + pad : lineH * 0.5));
    plot.setBottom(rect.bottom() - pad - lineH * 1.3);
    if (plot.width() <= 0 || plot.height() <= 0) {
        p.restore();
        return;
    }
    const auto yOf = [&](double v) {
        const double t =
            (std::clamp(v, scale.min, scale.max) - scale.min) / (scale.max - scale.min);
        return plot.bottom() - t * plot.height();
    };

    // Gridlines and the numbers of the value axis.
    const QColor textColour(40, 40, 40);
    for (int k = 0; k <= stepCount; ++k) {
        const double v = scale.min + k * scale.step;
        const double y = yOf(v);
        p.setPen(QPen(QColor(215, 215, 215), thin));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(textColour);
        p.drawText(QRectF(rect.left() + pad, y - lineH / 2, labelW, lineH),
                   Qt::AlignRight | Qt::AlignVCenter, formatNumber(v, decimals));
    }

    // The bars, in point order, with their values over them and their numbers under them.
    const int n = static_cast<int>(data.values.size());
    const double base = yOf(0);
    if (n > 0) {
        const double slot = plot.width() / n;
        const double barW = std::max(1.0, slot * 0.6);
        double numberW = 0;
        for (int i = 0; i < n; ++i)
            numberW = std::max(numberW, fm.horizontalAdvance(QString::number(i + 1)));
        const int numberEvery = std::max(1, static_cast<int>(std::ceil((numberW + pad) / slot)));
        const QColor fill = chartBarColour();
        for (int i = 0; i < n; ++i) {
            const double cx = plot.left() + slot * (i + 0.5);
            if (i % numberEvery == 0) {
                p.setPen(textColour);
                p.drawText(QRectF(cx - slot * numberEvery / 2, plot.bottom() + pad * 0.4,
                                  slot * numberEvery, lineH),
                           Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
            }
            const double v = data.values[static_cast<std::size_t>(i)];
            if (!std::isfinite(v)) continue;
            const double top = yOf(v);
            const QRectF bar(QPointF(cx - barW / 2, std::min(top, base)),
                             QPointF(cx + barW / 2, std::max(top, base)));
            p.setPen(QPen(fill.darker(130), thin));
            p.setBrush(fill);
            if (bar.height() > 0) p.drawRect(bar);
            p.setBrush(Qt::NoBrush);
            p.setPen(textColour);
            const QString label = formatValue(v);
            const double above = v >= 0 ? bar.top() - lineH - pad * 0.2 : bar.bottom() + pad * 0.2;
            p.drawText(QRectF(cx - slot / 2, std::max(rect.top(), above), slot, lineH),
                       Qt::AlignHCenter | Qt::AlignTop, label);
        }
    }

    // The axes over the gridlines.
    p.setPen(QPen(QColor(90, 90, 90), thin));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), base), QPointF(plot.right(), base));

    if (data.legend) {
        const QRectF box(rect.right() - pad - legendW, plot.center().y() - (lineH + pad) / 2,
                         legendW, lineH + pad);
        p.setPen(QPen(QColor(160, 160, 160), thin));
        p.setBrush(Qt::white);
        p.drawRect(box);
        const QRectF sw(box.left() + pad, box.center().y() - swatch / 2, swatch, swatch);
        p.setPen(QPen(chartBarColour().darker(130), thin));
        p.setBrush(chartBarColour());
        p.drawRect(sw);
        p.setBrush(Qt::NoBrush);
        p.setPen(textColour);
        p.drawText(QRectF(sw.right() + pad / 2, box.top(), box.right() - sw.right(), box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, legendText);
    }
    p.restore();
}

} // namespace tarnik
