// The bar chart painter and the chart widget, checked on the pixels they paint and on the
// places the painter gives each part of a chart.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <limits>
#include <vector>

#include "app/widgets/chartpainter.h"
#include "app/widgets/chartwidget.h"

using namespace tarnik;

namespace {

bool isBar(QRgb c) {
    const QColor bar = chartBarColour();
    return std::abs(qRed(c) - bar.red()) < 12 && std::abs(qGreen(c) - bar.green()) < 12 &&
           std::abs(qBlue(c) - bar.blue()) < 12;
}

bool isInk(QRgb c) {
    return qGray(c) < 110 && !isBar(c);
}

QImage render(const ChartData& data, QSize size = QSize(800, 500)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paintChart(p, QRectF(0, 0, size.width(), size.height()), data);
    return img;
}

// Runs of bar-coloured pixels along one row: (first x, last x) each.
std::vector<std::pair<int, int>> barRuns(const QImage& img, int y) {
    std::vector<std::pair<int, int>> runs;
    int start = -1;
    for (int x = 0; x <= img.width(); ++x) {
        const bool bar = x < img.width() && isBar(img.pixel(x, y));
        if (bar && start < 0) start = x;
        if (!bar && start >= 0) {
            runs.emplace_back(start, x - 1);
            start = -1;
        }
    }
    return runs;
}

// The topmost bar-coloured row in a column.
int barTop(const QImage& img, int x) {
    for (int y = 0; y < img.height(); ++y)
        if (isBar(img.pixel(x, y))) return y;
    return -1;
}

int barBottom(const QImage& img, int x) {
    for (int y = img.height() - 1; y >= 0; --y)
        if (isBar(img.pixel(x, y))) return y;
    return -1;
}

bool anyPixel(const QImage& img, const QRect& area, bool (*match)(QRgb)) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(img.pixel(x, y))) return true;
    return false;
}

// The indicator chart as the risk level card fixes it: from 0, with values that may be negative.
ChartData indicatorChart(std::vector<double> values) {
    ChartData d;
    d.values = std::move(values);
    d.axisMin = 0;
    d.axisMax = 100;
    d.axisStep = 20;
    d.legend = false;
    return d;
}

// Why a negative value's text is not where it belongs, or an empty string.
QString negativeValueFault(const ChartGeometry& g, const ChartData& d, const QFontMetricsF& fm) {
    const double lineH = fm.height();
    const auto where = [](const QRectF& r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    int negatives = 0;
    for (const ChartBar& b : g.bars) {
        const double v = d.values[static_cast<std::size_t>(b.point)];
        if (v >= 0) continue;
        ++negatives;
        const QString point = QStringLiteral("value %1: ").arg(v);
        // Hangs down from 0 to the value.
        const double end =
            g.plot.bottom() - (v - g.scale.min) / (g.scale.max - g.scale.min) * g.plot.height();
        if (std::abs(b.bar.top() - g.zeroY) > 0.01 || std::abs(b.bar.bottom() - end) > 0.01)
            return point + QStringLiteral("bar ") + where(b.bar);
        // Its text just under the bar's end, inside the picture.
        const QRectF& t = b.value.rect;
        if (t.top() < b.bar.bottom() || t.top() > b.bar.bottom() + lineH / 2)
            return point + QStringLiteral("text %1 not under bar %2").arg(where(t), where(b.bar));
        if (t.center().x() < b.bar.left() || t.center().x() > b.bar.right())
            return point + QStringLiteral("text %1 off bar %2").arg(where(t), where(b.bar));
        if (t.width() < fm.horizontalAdvance(b.value.text))
            return point + QStringLiteral("text narrower than its value");
        for (const ChartText& n : g.pointNumbers)
            if (t.intersects(n.rect))
                return point + QStringLiteral("text %1 over point number %2 %3")
                                   .arg(where(t), n.text, where(n.rect));
        for (const ChartText& n : g.axisTexts)
            if (t.intersects(n.rect))
                return point + QStringLiteral("text %1 over axis number %2 %3")
                                   .arg(where(t), n.text, where(n.rect));
    }
    return negatives > 0 ? QString() : QStringLiteral("no negative bar");
}

ChartData hazardChart() {
    ChartData d;
    d.values = {3006, 2004, 1000, 500};
    d.axisMin = 0;
    d.axisMax = 4000;
    d.axisStep = 2000;
    d.legend = false;
    return d;
}

class CountingChartWidget : public ChartWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        ChartWidget::paintEvent(e);
    }
};

} // namespace

class ChartPainterTest : public QObject {
    Q_OBJECT

private slots:
    void scales() {
        ChartScale s = chartScale(hazardChart());
        QCOMPARE(s.min, 0.0);
        QCOMPARE(s.max, 4000.0);
        QCOMPARE(s.step, 2000.0);

        ChartData free;
        free.values = {3, 7};
        s = chartScale(free);
        QCOMPARE(s.min, 0.0);
        QCOMPARE(s.max, 8.0);
        QCOMPARE(s.step, 2.0);

        free.values = {-3, 5};
        s = chartScale(free);
        QCOMPARE(s.min, -4.0);
        QCOMPARE(s.max, 6.0);

        // A step too fine for the range is widened to at most 40 gridlines.
        ChartData fine;
        fine.axisMax = 1000;
        fine.axisStep = 1;
        s = chartScale(fine);
        QCOMPARE(s.step, 25.0);

        // A maximum without a step still gets gridlines; an axis not set at all gets a range.
        ChartData noStep;
        noStep.axisMax = 500;
        QCOMPARE(chartScale(noStep).step, 100.0);
        const ChartScale empty = chartScale(ChartData{});
        QVERIFY(empty.max > empty.min && empty.step > 0);
    }

    void barsStandInPointOrderWithTheirHeightsOnTheAxis() {
        const QImage img = render(hazardChart());
        // Just above the baseline every bar is cut once, left to right.
        int baseline = -1;
        for (int y = img.height() - 1; y > 0 && baseline < 0; --y)
            if (barRuns(img, y).size() == 4) baseline = y;
        QVERIFY(baseline > 0);
        const auto runs = barRuns(img, baseline);
        std::vector<int> tops;
        std::vector<int> centres;
        for (const auto& [a, b] : runs) {
            centres.push_back((a + b) / 2);
            tops.push_back(barTop(img, (a + b) / 2));
        }
        const int bottom = barBottom(img, centres[0]);
        // Heights in proportion to the values, on one scale: 3006 is 3/4 of the axis.
        const double h0 = bottom - tops[0];
        QVERIFY(std::abs((bottom - tops[1]) / h0 - 2004.0 / 3006) < 0.02);
        QVERIFY(std::abs((bottom - tops[3]) / h0 - 500.0 / 3006) < 0.03);
        QVERIFY(tops[0] < tops[1] && tops[1] < tops[2] && tops[2] < tops[3]);
        // The top of the axis (4000) lies a third of h0 above the first bar.
        const double axisTop = bottom - h0 * 4000 / 3006;

        // Gridlines: light grey across a gap between bars at 2000 and 4000.
        const int gapX = (runs[0].second + runs[1].first) / 2;
        const auto greyAt = [&](double y) {
            for (int dy = -2; dy <= 2; ++dy) {
                const QRgb c = img.pixel(gapX, static_cast<int>(y) + dy);
                if (qGray(c) < 245 && qGray(c) > 150) return true;
            }
            return false;
        };
        QVERIFY(greyAt(axisTop));
        QVERIFY(greyAt(bottom - h0 * 2000 / 3006));
        QVERIFY(!greyAt(bottom - h0 * 1000 / 3006));

        // The value over every bar and the numbers 1..4 under them.
        for (std::size_t i = 0; i < 4; ++i) {
            const int c = centres[i];
            QVERIFY2(anyPixel(img, QRect(c - 30, tops[i] - 30, 60, 28), isInk),
                     "no value over a bar");
            QVERIFY2(anyPixel(img, QRect(c - 20, bottom + 3, 40, 25), isInk),
                     "no number under a bar");
        }
        // Numbers of the value axis on the left.
        QVERIFY(
            anyPixel(img, QRect(0, static_cast<int>(axisTop) - 10, runs[0].first - 20, 20), isInk));
    }

    void theLegendShowsOnlyWhenItIsOn() {
        for (const bool legend : {false, true}) {
            ChartData d = hazardChart();
            d.legend = legend;
            const QImage img = render(d);
            int lastRight = -1;
            for (int y = img.height() - 1; y > 0 && lastRight < 0; --y) {
                const auto runs = barRuns(img, y);
                if (runs.size() == 4) lastRight = runs.back().second;
            }
            QVERIFY(lastRight > 0);
            // Right of the last bar, in the middle rows (clear of the axis): the legend's
            // swatch and its text, or nothing at all.
            const QRect beyond(lastRight + 4, 100, img.width() - lastRight - 4, 300);
            QCOMPARE(anyPixel(img, beyond, isBar), legend);
            QCOMPARE(anyPixel(img, beyond, isInk), legend);
        }
    }

    void aFixedAxisIsLoweredByWholeStepsForNegativeValues() {
        // Nothing below the minimum: the axis stays as fixed, 0 included.
        for (const double lowest : {0.0, 5.0}) {
            const ChartScale s = chartScale(indicatorChart({lowest, 50, 100}));
            QCOMPARE(s.min, 0.0);
            QCOMPARE(s.max, 100.0);
            QCOMPARE(s.step, 20.0);
        }
        // Below it: down to the next whole step at or under the lowest value.
        const std::vector<std::pair<double, double>> cases = {{-1, -20},  {-20, -20}, {-20.5, -40},
                                                              {-39, -40}, {-40, -40}, {-41, -60}};
        for (const auto& [lowest, min] : cases) {
            const ChartScale s = chartScale(indicatorChart({30, lowest, 70}));
            QCOMPARE(s.min, min);
            QCOMPARE(s.max, 100.0);
            QCOMPARE(s.step, 20.0);
        }
        // A fixed minimum of its own, and one above 0; NaN is no value.
        ChartData own = indicatorChart({-20, 10});
        own.axisMin = -20;
        QCOMPARE(chartScale(own).min, -20.0);
        own.values = {-20.01, 10};
        QCOMPARE(chartScale(own).min, -40.0);
        ChartData above = indicatorChart({15, 50});
        above.axisMin = 20;
        QCOMPARE(chartScale(above).min, 0.0);
        ChartData nan = indicatorChart({std::numeric_limits<double>::quiet_NaN(), 10});
        QCOMPARE(chartScale(nan).min, 0.0);
    }

    void negativeValuesHangFromZeroWithTheirTextsClear() {
        QFont font;
        font.setPixelSize(12);
        const QFontMetricsF fm(font);
        // The expert index and the plan index among the ten: the lowest of the scale, one step
        // and a part under 0, a value just under 0, and a value at a fixed minimum.
        ChartData atMinimum = indicatorChart({40, -20, 10, -7, 0, 60, 0, -20, 5, 100});
        atMinimum.axisMin = -20;
        const std::vector<ChartData> charts = {
            indicatorChart({50, 20, 10, 0, 30, 70, 40, -40, 35, 80}),
            indicatorChart({50, 20, 10, 0, 30, 70, 40, -25, -1234.5, 80}),
            indicatorChart({-0.5, 100}),
            indicatorChart({-100, -3, 2}),
            atMinimum,
        };
        const std::vector<QRectF> rects = {QRectF(0, 0, 800, 500), QRectF(10, 20, 420, 260),
                                           QRectF(0, 0, 260, 200)};
        for (const ChartData& d : charts) {
            for (const QRectF& r : rects) {
                const ChartGeometry g = chartGeometry(r, d, fm);
                QVERIFY(g.fits);
                const QString fault = negativeValueFault(g, d, fm);
                QVERIFY2(fault.isEmpty(), qPrintable(fault));
                for (const ChartBar& b : g.bars)
                    QVERIFY(r.contains(b.value.rect));
            }
        }
        const ChartGeometry lowest = chartGeometry(rects[0], charts[0], fm);
        QCOMPARE(lowest.scale.min, -40.0);
        QCOMPARE(lowest.bars[7].bar.bottom(), lowest.plot.bottom());

        // Painted that way: the bar under the axis line, its value under the bar.
        const QImage img = render(charts[0]);
        int base = -1; // the row just over the axis line, where the eight positive bars stand
        for (int y = img.height() - 1; y > 0 && base < 0; --y)
            if (barRuns(img, y).size() == 8) base = y;
        QVERIFY(base > 0);
        const auto below = barRuns(img, base + 20);
        QCOMPARE(below.size(), std::size_t(1));
        const int x = (below[0].first + below[0].second) / 2;
        const int end = barBottom(img, x);
        QVERIFY2(anyPixel(img, QRect(x - 20, end + 2, 40, 16), isInk),
                 "no value under the negative bar");
    }

    void aChartWithoutNegativeValuesKeepsItsPlace() {
        QFont font;
        font.setPixelSize(12);
        const QFontMetricsF fm(font);
        const QRectF r(0, 0, 800, 500);
        const ChartGeometry none = chartGeometry(r, indicatorChart({30, 0, 70}), fm);
        const ChartGeometry one = chartGeometry(r, indicatorChart({30, -0.5, 70}), fm);
        QVERIFY(none.fits && one.fits);
        // The point numbers right under the plot, with no room for texts between.
        QCOMPARE(none.scale.min, 0.0);
        QCOMPARE(none.zeroY, none.plot.bottom());
        for (const ChartText& n : none.pointNumbers)
            QVERIFY(n.rect.top() > none.plot.bottom() &&
                    n.rect.top() < none.plot.bottom() + fm.height() / 2);
        // The value 0 stands over its (empty) bar, as a positive one does.
        QVERIFY(none.bars[1].value.rect.bottom() <= none.zeroY);
        // One negative value: the plot gives up a line for the text under its lowest bar.
        QCOMPARE(one.plot.top(), none.plot.top());
        QVERIFY(one.plot.bottom() <= none.plot.bottom() - fm.height());
        QVERIFY(std::abs(one.pointNumbers[0].rect.top() - none.pointNumbers[0].rect.top()) < 1e-9);
        // The hazard card's chart, with no negative values, as it always was laid out.
        const ChartGeometry hazard = chartGeometry(r, hazardChart(), fm);
        const double lineH = fm.height();
        const double pad = std::max(2.0, lineH * 0.6);
        QCOMPARE(hazard.plot.bottom(), r.bottom() - pad - lineH * 1.3);
        QCOMPARE(hazard.pointNumbers[0].rect.top(), hazard.plot.bottom() + pad * 0.4);
    }

    void paintsOnlyInsideItsRectangleAndSurvivesOddData() {
        QImage img(600, 400, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        {
            QPainter p(&img);
            p.setPen(Qt::red);
            ChartData d = hazardChart();
            d.values = {5000, -100, std::numeric_limits<double>::quiet_NaN(), 1e300};
            paintChart(p, QRectF(100, 50, 300, 200), d);
            // The painter is handed back as it was.
            QCOMPARE(p.pen().color(), QColor(Qt::red));
            QVERIFY(!p.hasClipping());
        }
        int outside = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!QRect(100, 50, 300, 200).contains(x, y) &&
                    img.pixel(x, y) != qRgb(255, 0, 255))
                    ++outside;
        QCOMPARE(outside, 0);
        QVERIFY(img.pixel(105, 55) == qRgb(255, 255, 255));

        // Nothing to show, or no room to show it: no crash, a plain picture.
        render(ChartData{}, QSize(300, 200));
        render(hazardChart(), QSize(20, 10));
        QImage tiny(5, 5, QImage::Format_RGB32);
        QPainter p(&tiny);
        paintChart(p, QRectF(0, 0, 0, 0), hazardChart());
    }

    void theWidgetRepaintsWhenItsModelChanges() {
        ChartModel model;
        int earlier = 0;
        model.onChanged = [&] { ++earlier; };
        CountingChartWidget w;
        w.resize(400, 260);
        w.setModel(&model);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.paints > 0);
        const int before = w.paints;

        model.openData(1, 1, 2);
        model.setThisSerie(0);
        model.putValue(0, 10);
        model.putValue(1, 20);
        model.closeData(1);
        QTRY_VERIFY(w.paints > before);
        QCOMPARE(earlier, 1); // the model's own handler still runs
        QVERIFY(anyPixel(w.grab().toImage(), QRect(0, 0, 400, 260), isBar));

        // A widget that is gone is no longer called.
        const int calls = earlier;
        {
            ChartWidget shortLived;
            shortLived.setModel(&model);
        }
        model.setAxis(ChartModel::kAxisMax, 40);
        QCOMPARE(earlier, calls + 1);
    }
};

QTEST_MAIN(ChartPainterTest)
#include "test_chartpainter.moc"
