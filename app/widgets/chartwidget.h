#pragma once
// The on-screen bar chart of the evaluation pages: shows what a ChartModel holds, painted by the
// same painter as the printed report, and repaints whenever the model changes.
#include <QWidget>

#include "core/evaluation/chart.h"

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartModel* model_ = nullptr;
};

} // namespace tarnik
