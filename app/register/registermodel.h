#pragma once
// The register's table: one row per assessment file, with every text, colour and sort key worked
// out once when the rows are set, so that showing and sorting thousands of rows costs no more
// than reading a few prepared values. The proxy below sorts by those keys and filters by the
// search field and the due-date filters.
#include <QAbstractTableModel>
#include <QColor>
#include <QSortFilterProxyModel>
#include <QString>
#include <array>
#include <vector>

#include "core/register/registerrow.h"

namespace tarnik {

class RegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kZaklad,
        kStanowisko,
        kKod,
        kNr,
        kDataOceny,
        kPoziom,
        kOcena,
        kNastepna,
        kBadania,
        kSzkolenia,
        kZadania,
        kPlik,
        kColumnCount
    };
    // The key the proxy sorts by (a number for every column).
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit RegisterModel(QObject* parent = nullptr);

    // Replaces the rows; the counts of overdue examinations and trainings and the due-date
    // colours are taken for `today`.
    void setRows(std::vector<RegisterRow> rows, DayNumber today);
    // Replaces the row of the same file, or adds it.
    void setRow(const RegisterRow& row);
    const std::vector<RegisterRow>& rows() const { return rows_; }
    const RegisterRow& registerRow(int row) const { return rows_[std::size_t(row)]; }
    DayNumber today() const { return today_; }

    // What the filters ask of a row.
    bool overdue(int row) const { return cells_[std::size_t(row)].overdue; }
    bool soon(int row) const { return cells_[std::size_t(row)].soon; }
    // The row's texts folded for searching (case and Polish letters ignored).
    const std::string& searchText(int row) const { return cells_[std::size_t(row)].search; }
    double sortKey(int row, int column) const {
        return cells_[std::size_t(row)].keys[std::size_t(column)];
    }
    // The rows of the same station as `row` (the same stationKey), oldest first.
    std::vector<int> history(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString columnTitle(int column);

private:
    struct Cells {
        std::array<QString, kColumnCount> text;
        std::array<double, kColumnCount> keys{};
        QColor gradeBackground, gradeText, nextText, examsText, trainingsText;
        QString toolTip;
        std::string search;
        std::string station;
        bool overdue = false;
        bool soon = false;
    };
    Cells prepare(const RegisterRow& r) const;
    // The alphabetical places of the text columns (the collation is too slow to run per compare).
    void rankTexts();

    std::vector<RegisterRow> rows_;
    std::vector<Cells> cells_;
    DayNumber today_ = 0;
};

class RegisterFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum class Due { All, Overdue, OverdueOrSoon };

    explicit RegisterFilter(QObject* parent = nullptr);

    // Rows whose texts hold the typed text, with case and Polish letters ignored.
    void setSearch(const QString& text);
    void setDue(Due due);
    Due due() const { return due_; }
    // The source row of a shown row.
    int sourceRow(int shownRow) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const RegisterModel* registerModel() const;

    std::string search_;
    Due due_ = Due::All;
};

// "za 5 dni", "3 dni temu", "dziś".
QString daysText(int days);
// "+250", "−1000" (with a minus sign), "0".
QString changeText(int change);

} // namespace tarnik
