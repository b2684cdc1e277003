#include "app/widgets/chartwidget.h"

#include <QPainter>
#include <QPointer>
#include <utility>

#include "app/widgets/chartpainter.h"

namespace tarnik {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::setModel(ChartModel* model) {
    if (model == model_) return;
    model_ = model;
    if (model) {
        QPointer<ChartWidget> self(this);
        model->onChanged = [self, model, previous = std::move(model->onChanged)]() {
            if (previous) previous();
            if (self && self->model_ == model) self->update();
        };
    }
    update();
}

QSize ChartWidget::sizeHint() const {
    return QSize(400, 260);
}

QSize ChartWidget::minimumSizeHint() const {
    return QSize(160, 110);
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintChart(p, QRectF(rect()), model_ ? model_->data() : ChartData{});
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit laidOut(laidOutProportions(this));
}

void ChartWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit laidOut(laidOutProportions(this));
}

ChartProportions laidOutProportions(const QWidget* chart) {
    // A widget that was never shown has not been laid out: its size says nothing.
    if (!chart || !chart->testAttribute(Qt::WA_WState_Polished)) return kChartDesignSize;
    const ChartProportions p{chart->width(), chart->height()};
    return p.valid() ? p : kChartDesignSize;
}

} // namespace tarnik
