#pragma once
// The register's detail pane: the assessments of the selected station over the years, oldest
// first, each with its risk level and the change from the assessment before it, and a small
// chart of the levels.
#include <QWidget>
#include <memory>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/register/registerrow.h"

class QLabel;
class QTableWidget;

namespace tarnik {

class ChartWidget;

class RegisterDetail : public QWidget {
    Q_OBJECT
public:
    explicit RegisterDetail(QWidget* parent = nullptr);
    ~RegisterDetail() override;

    // The station's rows, oldest first; `current` is the index of the selected one among them.
    // No rows: nothing selected (or a file that could not be read: `error` says why).
    void showHistory(const std::vector<RegisterRow>& rows, int current, const QString& error = {});

    QTableWidget* table() const { return table_; }
    QLabel* title() const { return title_; }
    const ChartModel& chart() const { return *chartModel_; }

private:
    QLabel* title_ = nullptr;
    QTableWidget* table_ = nullptr;
    ChartWidget* chartWidget_ = nullptr;
    std::unique_ptr<ChartModel> chartModel_;
};

} // namespace tarnik
