#include "app/pages/cards/describelistmodel.h"

namespace tarnik {

int DescribeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(factors_.size());
}

QVariant DescribeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const FactorToDescribe& f = factors_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(f.text);
    case Qt::CheckStateRole:
        return f.described() ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

Qt::ItemFlags DescribeListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DescribeListModel::setFactors(std::vector<FactorToDescribe> factors) {
    beginResetModel();
    factors_ = std::move(factors);
    endResetModel();
}

void DescribeListModel::clear() {
    setFactors({});
}

void DescribeListModel::refreshTicks() {
    if (factors_.empty()) return;
    emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

FactorRecord* DescribeListModel::record(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return factors_[static_cast<std::size_t>(row)].record;
}

int DescribeListModel::rowOf(const FactorRecord* record) const {
    if (!record) return -1;
    for (std::size_t i = 0; i < factors_.size(); ++i)
        if (factors_[i].record == record) return static_cast<int>(i);
    return -1;
}

} // namespace tarnik
