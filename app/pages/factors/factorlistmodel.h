#pragma once
// The models behind the factor lists of page 4: one group's list of the assessment as a list of
// ticks (the tick is the entry's `checked`, the factor is present at the station), and the filter
// that narrows what a list shows to the names containing the typed text. Filtering chooses only
// what is shown; the ticks stay in the assessment's lists.
#include <QAbstractListModel>
#include <QSortFilterProxyModel>
#include <functional>

#include "core/model/assessment.h"
#include "core/rules/factors/selection.h"

namespace tarnik {

class FactorListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // `list` gives the group's list of the assessment now open.
    explicit FactorListModel(std::function<FactorList&()> list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Shows the list as it stands in the assessment (the same list keeps the views' place).
    void reload();
    // Shows no entries until reload(): the assessment is about to be cleared or replaced.
    void detach();
    // Shows the entries appended to the list since it was last shown whole.
    void showAppended();

signals:
    // The user ticked or unticked an entry.
    void tickChanged();

private:
    const FactorEntry* entry(const QModelIndex& index) const;

    std::function<FactorList&()> list_;
    // The number of entries the views know of; the list in the assessment only grows between
    // reload() and detach(), so every row below it is an entry.
    int rows_ = 0;
    // Whether the rows shown are those of the assessment now open.
    bool attached_ = false;
};

// Shows the entries whose names contain the filter text, letter case and Polish diacritics
// ignored (FactorFilter).
class FactorFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterText(const QString& text);
    const QString& filterText() const { return text_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString text_;
    FactorFilter filter_;
};

} // namespace tarnik
