#include "app/pages/factors/factorlistmodel.h"

namespace tarnik {

FactorListModel::FactorListModel(std::function<FactorList&()> list, QObject* parent)
    : QAbstractListModel(parent), list_(std::move(list)) {}

int FactorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

const FactorEntry* FactorListModel::entry(const QModelIndex& index) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rows_) return nullptr;
    const FactorList& list = list_();
    const auto row = static_cast<std::size_t>(index.row());
    return row < list.size() ? &list[row] : nullptr;
}

QVariant FactorListModel::data(const QModelIndex& index, int role) const {
    const FactorEntry* e = entry(index);
    if (!e) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(e->text);
    case Qt::CheckStateRole:
        return e->checked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

Qt::ItemFlags FactorListModel::flags(const QModelIndex& index) const {
    if (!entry(index)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

bool FactorListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !entry(index)) return false;
    FactorEntry& e = list_()[static_cast<std::size_t>(index.row())];
    const bool checked = value.toInt() == Qt::Checked;
    if (e.checked == checked) return true;
    e.checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit tickChanged();
    return true;
}

void FactorListModel::reload() {
    const int size = static_cast<int>(list_().size());
    if (attached_ && size == rows_) {
        // The same list: the views keep their place, the ticks are shown afresh.
        if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::CheckStateRole});
        return;
    }
    beginResetModel();
    rows_ = size;
    attached_ = true;
    endResetModel();
}

void FactorListModel::detach() {
    beginResetModel();
    rows_ = 0;
    attached_ = false;
    endResetModel();
}

void FactorListModel::showAppended() {
    const int size = static_cast<int>(list_().size());
    if (size <= rows_) return;
    beginInsertRows(QModelIndex(), rows_, size - 1);
    rows_ = size;
    endInsertRows();
}

void FactorFilterModel::setFilterText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    filter_ = FactorFilter(text.toStdString());
    invalidateFilter();
}

bool FactorFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (filter_.empty()) return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return filter_.matches(index.data(Qt::DisplayRole).toString().toStdString());
}

} // namespace tarnik
