#include "app/pages/safety/checklistmodel.h"

#include <QBrush>
#include <QFont>

#include "core/rules/checklist/checklist.h"

namespace tarnik {

ChecklistModel::ChecklistModel(std::function<const Checklist&()> checklist, QObject* parent)
    : QAbstractTableModel(parent), checklist_(std::move(checklist)) {
    rows_ = int(checklist_().questionCount());
}

int ChecklistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ChecklistModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

bool ChecklistModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.row() < rows_ &&
           std::size_t(index.row()) < checklist_().questionCount();
}

QVariant ChecklistModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    const Checklist& list = checklist_();
    const auto row = std::size_t(index.row());
    if (index.column() == kQuestionColumn) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return QString::fromStdString(list.label(row));
        default:
            return {};
        }
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleDescriptionRole:
        return QString::fromStdString(list[row].answer);
    case Qt::AccessibleTextRole:
        // A screen reader names the answer box by its question.
        return QString::fromStdString(list.label(row));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole: {
        QFont f;
        f.setPointSize(12);
        return f;
    }
    case Qt::BackgroundRole:
        return QBrush(Qt::white);
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

QVariant ChecklistModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole)
        return section == kAnswerColumn ? QStringLiteral("Odpowiedź:") : QString();
    if (role == Qt::TextAlignmentRole)
        return int(section == kAnswerColumn ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ChecklistModel::flags(const QModelIndex& index) const {
    if (!holds(index)) return Qt::NoItemFlags;
    // Only the answer box takes the focus of the keyboard.
    if (index.column() == kAnswerColumn) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled;
}

void ChecklistModel::reload() {
    beginResetModel();
    rows_ = int(checklist_().questionCount());
    endResetModel();
}

void ChecklistModel::clear() {
    beginResetModel();
    rows_ = 0;
    endResetModel();
}

void ChecklistModel::appended() {
    const int now = int(checklist_().questionCount());
    if (now <= rows_) return;
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
}

void ChecklistModel::answerChanged(int row) {
    if (row < 0 || row >= rows_) return;
    const QModelIndex i = index(row, kAnswerColumn);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::AccessibleDescriptionRole});
}

void ChecklistModel::refreshAnswers() {
    if (rows_ == 0) return;
    emit dataChanged(index(0, kAnswerColumn), index(rows_ - 1, kAnswerColumn),
                     {Qt::DisplayRole, Qt::AccessibleDescriptionRole});
}

} // namespace tarnik
