#include "app/pages/workers/workerlistmodel.h"

#include <QBrush>
#include <QColor>

#include "core/rules/workers/workereditor.h"

namespace tarnik {

WorkerListModel::WorkerListModel(Assessment& assessment, QObject* parent)
    : QAbstractTableModel(parent), assessment_(assessment) {}

int WorkerListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !attached_) return 0;
    return static_cast<int>(assessment_.ListaPrac.size());
}

int WorkerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant WorkerListModel::data(const QModelIndex& index, int role) const {
    const WorkerRecord* w = recordAt(index.row());
    if (!w || index.column() < 0 || index.column() >= kColumnCount) return {};
    if (role == Qt::ForegroundRole)
        return index.column() == kNote ? QVariant(QBrush(QColor(Qt::red))) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    if (index.column() == kSurname) return QString::fromStdString(w->Ed402);
    if (index.column() == kFirstName) return QString::fromStdString(w->Ed401);
    const QString note = QString::fromStdString(workerAttentionNote(*w));
    if (role == Qt::ToolTipRole && !note.isEmpty())
        return QStringLiteral("Nieaktualne: %1").arg(note);
    return note;
}

QVariant WorkerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case kSurname:
        return QStringLiteral("Nazwisko");
    case kFirstName:
        return QStringLiteral("Imię");
    case kNote:
        return QStringLiteral("Uwagi");
    default:
        return {};
    }
}

void WorkerListModel::reload() {
    beginResetModel();
    attached_ = true;
    endResetModel();
}

void WorkerListModel::detach() {
    beginResetModel();
    attached_ = false;
    endResetModel();
}

const WorkerRecord* WorkerListModel::recordAt(int row) const {
    if (!attached_ || row < 0 || static_cast<std::size_t>(row) >= assessment_.ListaPrac.size())
        return nullptr;
    return &assessment_.ListaPrac[static_cast<std::size_t>(row)];
}

int WorkerListModel::rowOf(const WorkerRecord* record) const {
    if (!record || !attached_) return -1;
    const std::size_t i = assessment_.ListaPrac.indexOf(record);
    return i < assessment_.ListaPrac.size() ? static_cast<int>(i) : -1;
}

template <class F>
WorkerStoreResult WorkerListModel::storeWith(const WorkerRecord& fields, F store) {
    // Incomplete names change nothing: the view need not be told.
    if (!workerNamesComplete(fields)) return store();
    // The entry lands in its sorted place, which core decides; the view takes the register anew.
    beginResetModel();
    WorkerStoreResult r;
    try {
        r = store();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
    return r;
}

WorkerStoreResult WorkerListModel::add(const WorkerRecord& fields) {
    return storeWith(fields, [&] { return PrDodajPrac(assessment_, fields); });
}

WorkerStoreResult WorkerListModel::replace(int row, const WorkerRecord& fields) {
    const std::size_t index =
        row < 0 ? assessment_.ListaPrac.size() : static_cast<std::size_t>(row);
    return storeWith(fields, [&] { return PrKoniecEdycji(assessment_, index, fields); });
}

void WorkerListModel::remove(int row) {
    if (!recordAt(row)) return;
    beginRemoveRows({}, row, row);
    deleteWorker(assessment_, static_cast<std::size_t>(row));
    endRemoveRows();
}

void WorkerListModel::restore(const WorkerList& register_) {
    beginResetModel();
    assessment_.ListaPrac = register_;
    endResetModel();
}

} // namespace tarnik
