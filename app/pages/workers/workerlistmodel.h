#pragma once
// The register of the worker page as a table: "Nazwisko", "Imię" and "Uwagi" (whose stored
// examination or periodic training is not current, in red). The rows are the entries of
// Assessment::ListaPrac in the order core keeps them (sorted by surname); every change of the
// register made through the page goes through this model, so that the view follows it.
#include <QAbstractTableModel>
#include <cstddef>

#include "core/model/assessment.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

class WorkerListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kSurname = 0, kFirstName = 1, kNote = 2, kColumnCount = 3 };

    explicit WorkerListModel(Assessment& assessment, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The register was filled or changed outside the page (a file was opened): show it anew.
    void reload();
    // The assessment is about to be cleared: show nothing until reload().
    void detach();

    // The record of a row (null for a row that is not there), and the row of a record (-1 when
    // the register does not hold it).
    const WorkerRecord* recordAt(int row) const;
    int rowOf(const WorkerRecord* record) const;

    // The register's operations, as core does them; the view follows.
    // PrDodajPrac: a new worker from the fields, in its sorted place.
    WorkerStoreResult add(const WorkerRecord& fields);
    // PrKoniecEdycji: the worker at `row` replaced by the fields, in its sorted place.
    WorkerStoreResult replace(int row, const WorkerRecord& fields);
    // The "Usuń" button (the counts are zeroed when the register empties).
    void remove(int row);
    // The register as it was before a deletion, back in its place.
    void restore(const WorkerList& register_);

private:
    template <class F> WorkerStoreResult storeWith(const WorkerRecord& fields, F store);

    Assessment& assessment_;
    bool attached_ = true;
};

} // namespace tarnik
