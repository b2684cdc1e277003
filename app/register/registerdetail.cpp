#include "app/register/registerdetail.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/register/registermodel.h"
#include "app/widgets/chartwidget.h"

namespace tarnik {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

enum HistoryColumn { kDate, kNumber, kLevel, kChange, kGrade, kColumns };

} // namespace

RegisterDetail::RegisterDetail(QWidget* parent)
    : QWidget(parent), chartModel_(std::make_unique<ChartModel>()) {
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);
    auto* caption = new QLabel(QStringLiteral("&Historia stanowiska:"), this);
    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("Data oceny"), QStringLiteral("Nr oceny"),
                                       QStringLiteral("Poziom ryzyka"), QStringLiteral("Zmiana"),
                                       QStringLiteral("Ocena")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    caption->setBuddy(table_);
    table_->setAccessibleName(QStringLiteral("Historia stanowiska"));

    chartModel_->setLegendWidth(0);
    chartWidget_ = new ChartWidget(this);
    chartWidget_->setModel(chartModel_.get());
    chartWidget_->setMinimumHeight(160);
    chartWidget_->setAccessibleName(QStringLiteral("Wykres poziomu ryzyka"));

    next_ = new QPushButton(QStringLiteral("&Nowa ocena..."), this);
    next_->setToolTip(QStringLiteral("Nowa ocena stanowiska na podstawie ostatniej oceny"));
    compare_ = new QPushButton(QStringLiteral("&Porównaj"), this);
    compare_->setToolTip(QStringLiteral("Porównuje dwie zaznaczone oceny albo zaznaczoną ocenę "
                                        "z poprzednią"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(compare_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(caption);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Poziom ryzyka w kolejnych ocenach:"), this));
    layout->addWidget(chartWidget_, 1);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (!rows_.empty()) emit nextAssessmentRequested(qs(rows_.back().file));
    });
    connect(compare_, &QPushButton::clicked, this, [this] {
        const std::vector<int> pair = comparedRows();
        if (pair.size() == 2)
            emit compareRequested(qs(rows_[std::size_t(pair[0])].file),
                                  qs(rows_[std::size_t(pair[1])].file));
    });
    showHistory({}, -1);
}

std::vector<int> RegisterDetail::comparedRows() const {
    std::vector<int> selected;
    for (const QModelIndex& i : table_->selectionModel()->selectedRows())
        selected.push_back(i.row());
    std::sort(selected.begin(), selected.end());
    if (selected.size() == 1 && selected[0] > 0) selected.insert(selected.begin(), selected[0] - 1);
    if (selected.size() != 2) return {};
    return selected;
}

void RegisterDetail::updateButtons() {
    next_->setEnabled(!rows_.empty());
    compare_->setEnabled(comparedRows().size() == 2);
}

RegisterDetail::~RegisterDetail() {
    // The widget shows the model; it goes first.
    delete chartWidget_;
}

void RegisterDetail::showHistory(const std::vector<RegisterRow>& rows, int current,
                                 const QString& error) {
    rows_ = rows;
    table_->setRowCount(int(rows.size()));
    if (rows.empty())
        title_->setText(error.isEmpty() ? QStringLiteral("Nie wybrano oceny.")
                                        : QStringLiteral("Pliku nie można odczytać: ") + error);
    else {
        const RegisterRow& r = rows[std::size_t(std::clamp(current, 0, int(rows.size()) - 1))];
        QStringList parts;
        for (const std::string* s : {&r.EdtZaklad, &r.EdtStanowisko, &r.EdtKStan})
            if (!s->empty()) parts << qs(*s);
        title_->setText(parts.join(QStringLiteral(" — ")));
    }
    int highest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RegisterRow& r = rows[i];
        const int row = int(i);
        auto put = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            if (column != kDate && column != kGrade)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row == current) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            item->setToolTip(qs(r.file));
            table_->setItem(row, column, item);
        };
        put(kDate, r.DTPOcena != 0 ? qs(formatPolishDate(r.DTPOcena)) : QString());
        put(kNumber, QString::number(r.EdtNr));
        put(kLevel, QString::number(r.riskLevel));
        put(kChange, i == 0 ? QString() : changeText(r.riskLevel - rows[i - 1].riskLevel));
        put(kGrade, qs(r.riskGrade));
        highest = std::max(highest, r.riskLevel);
    }
    if (current >= 0 && current < int(rows.size())) table_->selectRow(current);
    updateButtons();

    chartModel_->openData(0, 0, int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        chartModel_->putValue(int(i), rows[i].riskLevel);
    chartModel_->closeData(0);
    // A scale of round steps over the highest level.
    int step = 1;
    for (int decade = 1; highest > 10 * step; decade *= 10)
        for (int m : {1, 2, 5}) {
            step = m * decade;
            if (highest <= 10 * step) break;
        }
    chartModel_->setAxis(ChartModel::kAxisMin, 0);
    chartModel_->setAxis(ChartModel::kAxisMax,
                         highest > 0 ? ((highest + step - 1) / step) * step : 1);
    chartModel_->setAxis(ChartModel::kAxisStep, step);
}

} // namespace tarnik
