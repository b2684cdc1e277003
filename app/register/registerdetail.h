#pragma once
// The register's detail pane: the assessments of the selected station over the years, oldest
// first, each with its risk level and the change from the assessment before it, and a small
// chart of the levels. "Nowa ocena..." starts the next assessment from the latest one, and
// "Porównaj" compares the two assessments selected (or the one selected with the one before it).
#include <QWidget>
#include <memory>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/register/registerrow.h"

class QLabel;
class QPushButton;
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
    QPushButton* nextButton() const { return next_; }
    QPushButton* compareButton() const { return compare_; }

signals:
    // The file names are those of the rows (relative to the register's folder).
    void nextAssessmentRequested(const QString& latestFile);
    void compareRequested(const QString& olderFile, const QString& newerFile);

private:
    // The history rows to compare: two selected, or one selected and the one before it; empty
    // when the selection gives no pair.
    std::vector<int> comparedRows() const;
    void updateButtons();

    std::vector<RegisterRow> rows_;
    QPushButton* next_ = nullptr;
    QPushButton* compare_ = nullptr;
    QLabel* title_ = nullptr;
    QTableWidget* table_ = nullptr;
    ChartWidget* chartWidget_ = nullptr;
    std::unique_ptr<ChartModel> chartModel_;
};

} // namespace tarnik
