#pragma once
// The questions of the safety checklist for the view of the page "Ocena stanu bhp": one row per
// question, the numbered question in the first column and its answer box in the second. The
// rows are read from the assessment's checklist as they are shown, so that a list of hundreds
// of questions costs nothing until it is painted.
#include <QAbstractTableModel>
#include <functional>

namespace tarnik {

class Checklist;

class ChecklistModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kQuestionColumn = 0, kAnswerColumn = 1, kColumnCount = 2 };

    explicit ChecklistModel(std::function<const Checklist&()> checklist, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The checklist may hold other questions altogether: the rows are read again.
    void reload();
    // Shows no rows until the next reload (the assessment is being replaced).
    void clear();
    // Questions were appended to the checklist: they get their rows.
    void appended();
    // The answer of one row changed.
    void answerChanged(int row);
    // The answers may have changed, the questions not.
    void refreshAnswers();

private:
    bool holds(const QModelIndex& index) const;

    std::function<const Checklist&()> checklist_;
    int rows_ = 0;
};

} // namespace tarnik
