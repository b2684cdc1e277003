#include "app/register/registermodel.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

#include "core/base/collation.h"
#include "core/evaluation/gradetone.h"
#include "core/evaluation/risklevel.h"

namespace tarnik {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The band colours of the risk level page: background and text.
const QColor kLowBack(0x2e, 0x7d, 0x32);
const QColor kMediumBack(0xf2, 0xa9, 0x00);
const QColor kHighBack(0xc6, 0x28, 0x28);
const QColor kDarkText(0x1a, 0x1a, 0x1a);
// Due dates: past due red, soon amber (dark enough to read on white).
const QColor kOverdueText(0xc6, 0x28, 0x28);
const QColor kSoonText(0xb2, 0x6a, 0x00);

// The grades from the lowest to the highest; anything else sorts before them.
int gradeOrder(const std::string& grade) {
    static const std::array<const char*, 5> order = {kGradeVerySmall, kGradeSmall, kGradeMedium,
                                                     kGradeLarge, kGradeVeryLarge};
    for (std::size_t i = 0; i < order.size(); ++i)
        if (grade == order[i]) return int(i);
    return -1;
}

constexpr double kNoValue = -std::numeric_limits<double>::max();
// A row that could not be read sorts after every other by the values it does not have.
constexpr double kUnread = std::numeric_limits<double>::max();

} // namespace

QString daysText(int days) {
    if (days == 0) return QStringLiteral("dziś");
    const int n = days < 0 ? -days : days;
    const QString count = n == 1 ? QStringLiteral("1 dzień") : QStringLiteral("%1 dni").arg(n);
    return days > 0 ? QStringLiteral("za ") + count : count + QStringLiteral(" temu");
}

QString changeText(int change) {
    if (change > 0) return QStringLiteral("+%1").arg(change);
    if (change < 0) return QStringLiteral("\u2212%1").arg(-change);
    return QStringLiteral("0");
}

RegisterModel::RegisterModel(QObject* parent) : QAbstractTableModel(parent) {}

QString RegisterModel::columnTitle(int column) {
    static const std::array<QString, kColumnCount> titles = {
        QStringLiteral("Zakład"),
        QStringLiteral("Stanowisko"),
        QStringLiteral("Kod"),
        QStringLiteral("Nr oceny"),
        QStringLiteral("Data oceny"),
        QStringLiteral("Poziom ryzyka"),
        QStringLiteral("Ocena"),
        QStringLiteral("Następna ocena"),
        QStringLiteral("Badania nieaktualne"),
        QStringLiteral("Szkolenia nieaktualne"),
        QStringLiteral("Zadania planu"),
        QStringLiteral("Plik")};
    return column >= 0 && column < kColumnCount ? titles[std::size_t(column)] : QString();
}

RegisterModel::Cells RegisterModel::prepare(const RegisterRow& r) const {
    Cells c;
    c.text[kPlik] = qs(r.file);
    c.search = foldForSearch(r.file);
    if (!r.readable()) {
        c.text[kOcena] = QStringLiteral("Błąd: ") + qs(r.error);
        c.toolTip = qs(r.file) + QStringLiteral("\n") + qs(r.error);
        c.nextText = kOverdueText;
        c.gradeText = kOverdueText;
        c.search += '\n' + foldForSearch(r.error);
        for (double& k : c.keys)
            k = kUnread;
        return c;
    }
    c.text[kZaklad] = qs(r.EdtZaklad);
    c.text[kStanowisko] = qs(r.EdtStanowisko);
    c.text[kKod] = qs(r.EdtKStan);
    c.text[kNr] = QString::number(r.EdtNr);
    c.text[kDataOceny] = r.DTPOcena != 0 ? qs(formatPolishDate(r.DTPOcena)) : QString();
    c.text[kPoziom] = QString::number(r.riskLevel);
    c.text[kOcena] = qs(r.riskGrade);
    c.keys[kNr] = r.EdtNr;
    c.keys[kDataOceny] = r.DTPOcena;
    c.keys[kPoziom] = r.riskLevel;
    c.keys[kOcena] = gradeOrder(r.riskGrade);
    switch (riskGradeTone(r.riskGrade)) {
    case GradeTone::Low:
        c.gradeBackground = kLowBack;
        c.gradeText = Qt::white;
        break;
    case GradeTone::Medium:
        c.gradeBackground = kMediumBack;
        c.gradeText = kDarkText;
        break;
    case GradeTone::High:
        c.gradeBackground = kHighBack;
        c.gradeText = Qt::white;
        break;
    case GradeTone::None:
        break;
    }

    const NextAssessment& next = r.nextAssessment;
    const DueState state = dueState(next, today_);
    c.overdue = state == DueState::Overdue;
    c.soon = state == DueState::Soon;
    switch (next.kind) {
    case NextAssessment::Kind::None:
        c.keys[kNastepna] = kUnread - 1; // after every date
        break;
    case NextAssessment::Kind::Immediately:
        c.text[kNastepna] = QStringLiteral("niezwłocznie");
        c.keys[kNastepna] = kNoValue; // before every date
        break;
    case NextAssessment::Kind::On: {
        c.text[kNastepna] = qs(formatPolishDate(next.date));
        if (state == DueState::Overdue || state == DueState::Soon)
            c.text[kNastepna] +=
                QStringLiteral(" (%1)").arg(daysText(daysUntil(next.date, today_)));
        c.keys[kNastepna] = next.date;
        break;
    }
    }
    if (state == DueState::Overdue) c.nextText = kOverdueText;
    if (state == DueState::Soon) c.nextText = kSoonText;

    const int exams = r.examsOverdue(today_);
    const int trainings = r.trainingsOverdue(today_);
    c.text[kBadania] = QString::number(exams);
    c.text[kSzkolenia] = QString::number(trainings);
    c.text[kZadania] = QString::number(r.planTasks);
    c.keys[kBadania] = exams;
    c.keys[kSzkolenia] = trainings;
    c.keys[kZadania] = r.planTasks;
    if (exams > 0) c.examsText = kOverdueText;
    if (trainings > 0) c.trainingsText = kOverdueText;
    if (exams > 0 || trainings > 0) c.overdue = true;

    c.station = stationKey(r);
    for (const std::string* s : {&r.EdtZaklad, &r.EdtStanowisko, &r.EdtKStan, &r.riskGrade})
        c.search += '\n' + foldForSearch(*s);
    c.search += '\n' + std::to_string(r.EdtNr);
    return c;
}

void RegisterModel::rankTexts() {
    const std::size_t n = rows_.size();
    std::vector<std::size_t> order(n);
    for (int column : {int(kZaklad), int(kStanowisko), int(kKod), int(kPlik)}) {
        auto text = [&](std::size_t i) -> const std::string& {
            const RegisterRow& r = rows_[i];
            switch (column) {
            case kZaklad:
                return r.EdtZaklad;
            case kStanowisko:
                return r.EdtStanowisko;
            case kKod:
                return r.EdtKStan;
            default:
                return r.file;
            }
        };
        order.resize(n);
        std::iota(order.begin(), order.end(), std::size_t(0));
        // Rows that could not be read keep their key (after all others) except by file name.
        if (column != kPlik)
            order.erase(std::remove_if(order.begin(), order.end(),
                                       [&](std::size_t i) { return !rows_[i].readable(); }),
                        order.end());
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return comparePolish(text(a), text(b), CaseMode::Insensitive) < 0;
        });
        int rank = 0;
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (k > 0 &&
                comparePolish(text(order[k - 1]), text(order[k]), CaseMode::Insensitive) != 0)
                ++rank;
            cells_[order[k]].keys[std::size_t(column)] = rank;
        }
    }
}

void RegisterModel::setRows(std::vector<RegisterRow> rows, DayNumber today) {
    beginResetModel();
    rows_ = std::move(rows);
    today_ = wholeDay(today);
    cells_.clear();
    cells_.reserve(rows_.size());
    for (const RegisterRow& r : rows_)
        cells_.push_back(prepare(r));
    rankTexts();
    endResetModel();
}

void RegisterModel::setRow(const RegisterRow& row) {
    auto it = std::find_if(rows_.begin(), rows_.end(),
                           [&](const RegisterRow& r) { return r.file == row.file; });
    if (it == rows_.end()) {
        // A new file: the rows stay in file order.
        it = std::find_if(rows_.begin(), rows_.end(),
                          [&](const RegisterRow& r) { return r.file > row.file; });
        const int at = int(it - rows_.begin());
        beginInsertRows({}, at, at);
        rows_.insert(it, row);
        cells_.insert(cells_.begin() + at, prepare(row));
        rankTexts();
        endInsertRows();
        return;
    }
    const int at = int(it - rows_.begin());
    *it = row;
    cells_[std::size_t(at)] = prepare(row);
    rankTexts();
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

std::vector<int> RegisterModel::history(int row) const {
    std::vector<int> out;
    if (row < 0 || row >= rowCount() || !rows_[std::size_t(row)].readable()) return out;
    const std::string& station = cells_[std::size_t(row)].station;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].readable() && cells_[i].station == station) out.push_back(int(i));
    std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
        const RegisterRow& ra = rows_[std::size_t(a)];
        const RegisterRow& rb = rows_[std::size_t(b)];
        if (ra.DTPOcena != rb.DTPOcena) return ra.DTPOcena < rb.DTPOcena;
        return ra.EdtNr < rb.EdtNr;
    });
    return out;
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Cells& c = cells_[std::size_t(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return c.text[std::size_t(column)];
    case kSortRole:
        return c.keys[std::size_t(column)];
    case Qt::ToolTipRole:
        if (!c.toolTip.isEmpty()) return c.toolTip;
        if (column == kNastepna || column == kPlik) return c.text[std::size_t(column)];
        return {};
    case Qt::BackgroundRole:
        if (column == kOcena && c.gradeBackground.isValid()) return c.gradeBackground;
        return {};
    case Qt::ForegroundRole: {
        QColor colour;
        if (column == kOcena) colour = c.gradeText;
        if (column == kNastepna) colour = c.nextText;
        if (column == kBadania) colour = c.examsText;
        if (column == kSzkolenia) colour = c.trainingsText;
        if (colour.isValid()) return colour;
        return {};
    }
    case Qt::TextAlignmentRole:
        if (column == kNr || column == kPoziom || column == kBadania || column == kSzkolenia ||
            column == kZadania)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return columnTitle(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

RegisterFilter::RegisterFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(RegisterModel::kSortRole);
}

const RegisterModel* RegisterFilter::registerModel() const {
    return static_cast<const RegisterModel*>(sourceModel());
}

void RegisterFilter::setSearch(const QString& text) {
    std::string folded = foldForSearch(text.trimmed().toStdString());
    if (folded == search_) return;
    search_ = std::move(folded);
    invalidateFilter();
}

void RegisterFilter::setDue(Due due) {
    if (due == due_) return;
    due_ = due;
    invalidateFilter();
}

int RegisterFilter::sourceRow(int shownRow) const {
    return mapToSource(index(shownRow, 0)).row();
}

bool RegisterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const RegisterModel* m = registerModel();
    if (!search_.empty() && m->searchText(sourceRow).find(search_) == std::string::npos)
        return false;
    // A file that could not be read may hold anything: it stays in sight whatever the filter.
    if (!m->registerRow(sourceRow).readable()) return true;
    switch (due_) {
    case Due::All:
        return true;
    case Due::Overdue:
        return m->overdue(sourceRow);
    case Due::OverdueOrSoon:
        return m->overdue(sourceRow) || m->soon(sourceRow);
    }
    return true;
}

bool RegisterFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const RegisterModel* m = registerModel();
    const double a = m->sortKey(left.row(), left.column());
    const double b = m->sortKey(right.row(), right.column());
    if (a != b) return a < b;
    // Equal keys: by file name, so that the order is the same every time.
    return m->sortKey(left.row(), RegisterModel::kPlik) <
           m->sortKey(right.row(), RegisterModel::kPlik);
}

} // namespace tarnik
