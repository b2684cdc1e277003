#pragma once
// GridTableModel: the aligned string grid's cells as a Qt item model.
// The item model of the aligned grid: the data cells of a GridCells as a table, the first fixed
// row as the column captions and the first fixed column as the row captions. Texts keep their
// line breaks as CR LF in the grid and show them as line breaks.
#include <QAbstractTableModel>

#include "app/widgets/grid/gridcells.h"

namespace tarnik {

class GridTableModel : public QAbstractTableModel, public GridObserver {
    Q_OBJECT
public:
    explicit GridTableModel(GridCells& cells, QObject* parent = nullptr);
    ~GridTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Between the grid's (column, row), fixed ones counted, and the model's indexes.
    QModelIndex indexOf(int col, int row) const;
    int gridCol(const QModelIndex& index) const { return index.column() + cells_.fixedCols(); }
    int gridRow(const QModelIndex& index) const { return index.row() + cells_.fixedRows(); }

    // Whether cells may be edited in place at all (the grid's editing option).
    void setEditing(bool on) { editing_ = on; }
    // Whether a cell's text is its tooltip.
    void setHints(bool on) { hints_ = on; }

    // A cell's text changed outside the model; every cell may have changed.
    void cellChanged(int col, int row);
    void everythingChanged();

    // A grid text for showing and editing, and back.
    static QString toDisplay(const std::string& text);
    static std::string fromDisplay(const QString& text);

private:
    void rowAboutToBeInserted(int row) override;
    void rowInserted(int row) override;
    void rowAboutToBeRemoved(int row) override;
    void rowRemoved(int row) override;
    void colAboutToBeInserted(int col) override;
    void colInserted(int col) override;
    void aboutToReset() override;
    void reset() override;

    GridCells& cells_;
    bool editing_ = true;
    bool hints_ = true;
};

} // namespace tarnik
