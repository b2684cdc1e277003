#pragma once
// The list of page 5, "Czynniki do opisania:" (LB601): every chosen factor in alphabetical order,
// with a tick for each one already described. The ticks only show the records' `described`; the
// user does not set them.
#include <QAbstractListModel>
#include <vector>

#include "core/rules/factors/selection.h"

namespace tarnik {

class DescribeListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The factors to list (factorsToDescribe), replacing what was listed.
    void setFactors(std::vector<FactorToDescribe> factors);
    // Lists nothing; forgets every record.
    void clear();
    // The ticks follow the records' `described` again.
    void refreshTicks();

    const std::vector<FactorToDescribe>& factors() const { return factors_; }
    // The record of a row, null for a row outside the list.
    FactorRecord* record(int row) const;
    // The row of a record, -1 when it is not listed.
    int rowOf(const FactorRecord* record) const;

private:
    std::vector<FactorToDescribe> factors_;
};

} // namespace tarnik
