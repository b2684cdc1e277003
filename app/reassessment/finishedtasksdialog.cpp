#include "app/reassessment/finishedtasksdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/wizard/wizard.h"

namespace tarnik {

namespace {

enum Column { kDone, kTask, kPersons, kDeadline, kColumns };

// A cell's text as one paragraph per line, whatever line breaks the plan holds.
QString cellText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

FinishedTasksDialog::FinishedTasksDialog(const std::vector<PlanRow>& tasks, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(kFinishedTasksTitle);
    setHelpContext(this, kHelpNextAssessment);

    auto* intro = new QLabel(
        QStringLiteral("Zaznacz zadania planu poprawy warunków pracy z poprzedniej oceny, które "
                       "zostały &zrealizowane. Zadania niezrealizowane zostaną przeniesione do "
                       "planu nowej oceny, a ich liczba do karty uzupełniającej."),
        this);
    intro->setWordWrap(true);

    model_ = new QStandardItemModel(0, kColumns, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("zrealizowane"), QStringLiteral("Zadanie"),
                                       QStringLiteral("Osoby odpowiedzialne"),
                                       QStringLiteral("Termin")});
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        QList<QStandardItem*> row;
        auto* done = new QStandardItem(QString::number(i + 1));
        done->setCheckable(true);
        done->setCheckState(Qt::Unchecked);
        done->setEditable(false);
        row << done;
        for (const std::string& cell : tasks[i]) {
            auto* item = new QStandardItem(cellText(cell));
            item->setEditable(false);
            row << item;
        }
        model_->appendRow(row);
    }

    view_ = new QTableView(this);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setWordWrap(true);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(kTask, QHeaderView::Stretch);
    view_->setColumnWidth(kDone, 110);
    view_->setColumnWidth(kPersons, 170);
    view_->setColumnWidth(kDeadline, 130);
    view_->setAccessibleName(QStringLiteral("Zadania poprzedniej oceny"));
    intro->setBuddy(view_);
    view_->resizeRowsToContents();
    if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, kDone));

    auto* all = new QPushButton(QStringLiteral("Zaznacz &wszystkie"), this);
    auto* none = new QPushButton(QStringLiteral("&Odznacz wszystkie"), this);
    count_ = new QLabel(this);
    auto* tools = new QHBoxLayout;
    tools->addWidget(all);
    tools->addWidget(none);
    tools->addStretch();
    tools->addWidget(count_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Utwórz &nową ocenę"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(view_, 1);
    layout->addLayout(tools);
    layout->addWidget(buttons);
    nameControlsByTheirLabels(this);

    connect(all, &QPushButton::clicked, this, [this] { setAllFinished(true); });
    connect(none, &QPushButton::clicked, this, [this] { setAllFinished(false); });
    connect(model_, &QStandardItemModel::itemChanged, this, [this] { updateCount(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateCount();
    resize(820, 420);
}

std::vector<bool> FinishedTasksDialog::finished() const {
    std::vector<bool> out;
    for (int r = 0; r < model_->rowCount(); ++r)
        out.push_back(model_->item(r, kDone)->checkState() == Qt::Checked);
    return out;
}

void FinishedTasksDialog::setFinished(int task, bool done) {
    if (QStandardItem* item = model_->item(task, kDone))
        item->setCheckState(done ? Qt::Checked : Qt::Unchecked);
}

void FinishedTasksDialog::setAllFinished(bool done) {
    for (int r = 0; r < model_->rowCount(); ++r)
        setFinished(r, done);
}

void FinishedTasksDialog::updateCount() {
    int open = 0;
    for (bool done : finished())
        open += done ? 0 : 1;
    count_->setText(QStringLiteral("Niezrealizowane: %1 z %2").arg(open).arg(model_->rowCount()));
}

} // namespace tarnik
