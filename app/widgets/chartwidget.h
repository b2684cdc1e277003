#pragma once
// The on-screen bar chart of the evaluation pages: shows what a ChartModel holds, painted by the
// same painter as the printed report, and repaints whenever the model changes.
#include <QWidget>

#include "core/evaluation/chart.h"
#include "core/report/report.h"

namespace tarnik {

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // Shows the model (null: an empty chart). The model must outlive its showing; a handler
    // the model already had in onChanged keeps being called.
    void setModel(ChartModel* model);
    ChartModel* model() const { return model_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The chart was shown or resized on screen: the proportions it is laid out in now, which the
    // printed picture keeps.
    void laidOut(ChartProportions proportions);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ChartModel* model_ = nullptr;
};

// The proportions of a chart widget as it is laid out on screen; the design size when there is
// no chart or it was never shown.
ChartProportions laidOutProportions(const QWidget* chart);

} // namespace tarnik
