#pragma once
// "Zadania poprzedniej oceny": the tasks of the previous assessment's plan, each with its tick
// "zrealizowane", asked for when the next assessment is made from it. The unticked ones are the
// tasks not carried out: they are counted on the supplementary card and start the new plan.
#include <QDialog>
#include <vector>

#include "core/model/assessment.h"

class QLabel;
class QStandardItemModel;
class QTableView;

namespace tarnik {

inline const QString kFinishedTasksTitle = QStringLiteral("Zadania poprzedniej oceny");

class FinishedTasksDialog : public QDialog {
    Q_OBJECT
public:
    FinishedTasksDialog(const std::vector<PlanRow>& tasks, QWidget* parent = nullptr);

    // One entry a task, in the order given: ticked "zrealizowane".
    std::vector<bool> finished() const;
    void setFinished(int task, bool done);
    void setAllFinished(bool done);

    QTableView* view() const { return view_; }
    QLabel* countLabel() const { return count_; }

private:
    void updateCount();

    QStandardItemModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace tarnik
