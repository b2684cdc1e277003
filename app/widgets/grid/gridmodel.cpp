// GridTableModel: the aligned string grid's cells as a Qt item model.
#include "app/widgets/grid/gridmodel.h"

namespace tarnik {

GridTableModel::GridTableModel(GridCells& cells, QObject* parent)
    : QAbstractTableModel(parent), cells_(cells) {
    cells_.setObserver(this);
}

GridTableModel::~GridTableModel() {
    cells_.setObserver(nullptr);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_.rowCount() - cells_.fixedRows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_.colCount() - cells_.fixedCols();
}

QString GridTableModel::toDisplay(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

std::string GridTableModel::fromDisplay(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t.toStdString();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::string& text = cells_.cell(gridCol(index), gridRow(index));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return toDisplay(text);
    case Qt::ToolTipRole:
        if (hints_ && !text.empty()) return toDisplay(text);
        return {};
    default:
        return {};
    }
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string text = fromDisplay(value.toString());
    const int c = gridCol(index);
    const int r = gridRow(index);
    if (cells_.cell(c, r) == text) return true;
    cells_.setCell(c, r, text);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editing_ && cells_.resolve(gridCol(index), gridRow(index)).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    if (orientation == Qt::Horizontal) {
        if (cells_.fixedRows() == 0)
            return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
        return toDisplay(cells_.cell(section + cells_.fixedCols(), 0));
    }
    if (cells_.fixedCols() == 0)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    return toDisplay(cells_.cell(0, section + cells_.fixedRows()));
}

QModelIndex GridTableModel::indexOf(int col, int row) const {
    return index(row - cells_.fixedRows(), col - cells_.fixedCols());
}

void GridTableModel::cellChanged(int col, int row) {
    if (row < cells_.fixedRows() || col < cells_.fixedCols()) {
        if (row < cells_.fixedRows() && col >= cells_.fixedCols())
            emit headerDataChanged(Qt::Horizontal, col - cells_.fixedCols(),
                                   col - cells_.fixedCols());
        if (col < cells_.fixedCols() && row >= cells_.fixedRows())
            emit headerDataChanged(Qt::Vertical, row - cells_.fixedRows(),
                                   row - cells_.fixedRows());
        return;
    }
    const QModelIndex i = indexOf(col, row);
    emit dataChanged(i, i);
}

void GridTableModel::everythingChanged() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void GridTableModel::rowAboutToBeInserted(int row) {
    const int r = row - cells_.fixedRows();
    beginInsertRows(QModelIndex(), r, r);
}

void GridTableModel::rowInserted(int) {
    endInsertRows();
}

void GridTableModel::rowAboutToBeRemoved(int row) {
    const int r = row - cells_.fixedRows();
    beginRemoveRows(QModelIndex(), r, r);
}

void GridTableModel::rowRemoved(int) {
    endRemoveRows();
}

void GridTableModel::colAboutToBeInserted(int col) {
    const int c = col - cells_.fixedCols();
    beginInsertColumns(QModelIndex(), c, c);
}

void GridTableModel::colInserted(int) {
    endInsertColumns();
}

void GridTableModel::aboutToReset() {
    beginResetModel();
}

void GridTableModel::reset() {
    endResetModel();
}

} // namespace tarnik
