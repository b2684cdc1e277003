#include "app/pages/cards/measurementcardpage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/pages/cards/describelistmodel.h"
#include "app/pages/cards/factorcardeditor.h"
#include "app/pages/cards/measurementbox.h"
#include "app/platform/prompts.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/pickerservice.h"
#include "core/rules/factors/cards.h"
#include "core/rules/factors/selection.h"
#include "core/rules/reflists/reflists.h"

namespace tarnik {

namespace {

QString cell(const std::vector<std::string>& cells, std::size_t i) {
    return i < cells.size() ? modelTextToEditor(cells[i]) : QString();
}

} // namespace

MeasurementCardPage::MeasurementCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta pomiaru czynników"),
                 QStringLiteral("karta-pomiaru.html"), parent) {
    // The factors to describe.
    listModel_ = new DescribeListModel(this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("LB601"));
    list_->setModel(listModel_);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The hint; an entry's tooltip is its whole name, which a narrow list may cut short.
    const QString hint = QStringLiteral(
        "Wybierz czynnik do opisania, a następnie opisz go w okienku po prawej stronie. ");
    list_->setToolTip(hint);
    setHelpContext(list_, 9500);
    auto* listLabel = new QLabel(QStringLiteral("Czynniki do opisani&a:"), this);
    listLabel->setBuddy(list_);
    listLabel->setToolTip(hint);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("LabelLiczba"));
    count_->setWordWrap(true);
    remaining_ = new QLabel(this);
    remaining_->setObjectName(QStringLiteral("LabelPozostalo"));
    remaining_->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
    left->addWidget(count_);
    left->addWidget(remaining_);

    card_ = new FactorCardEditor(this);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addLayout(left, 3);
    columns->addWidget(card_, 5);
    content()->addLayout(columns, 1);

    registerHelpTopics({{9500, "karta-pomiaru.html#lista"},
                        {9510, "karta-pomiaru.html#nazwa"},
                        {9520, "karta-pomiaru.html#kod"},
                        {9530, "karta-pomiaru.html#forma"},
                        {9540, "karta-pomiaru.html#charakterystyka"},
                        {9550, "karta-pomiaru.html#uzupelniajaca"},
                        {9560, "karta-pomiaru.html#uzupelniajaca"},
                        {9570, "karta-pomiaru.html#uzupelniajaca"},
                        {9580, "karta-pomiaru.html#uzupelniajaca"},
                        {9700, "karta-pomiaru.html#pomiar"},
                        {9710, "karta-pomiaru.html#pomiar"},
                        {9720, "karta-pomiaru.html#pomiar"},
                        {9730, "karta-pomiaru.html#pomiar"},
                        {9740, "karta-pomiaru.html#pomiar"},
                        {9750, "karta-pomiaru.html#wymagania"},
                        {9760, "karta-pomiaru.html#krotnosc"}});

    // The pickers of the reference lists fill the card's controls; the card is stored as always.
    context().picker.setTarget(kRefFactors, [this](const std::vector<std::string>& cells) {
        card_->insertCode(cell(cells, 1), cell(cells, 2));
    });
    context().picker.setTarget(kRefPerformers, [this](const std::vector<std::string>& cells) {
        card_->insertPerformer(cell(cells, 0));
    });
    context().picker.setTarget(kRefMethods, [this](const std::vector<std::string>& cells) {
        card_->insertMethod(cell(cells, 0));
    });
    connect(card_->codeInsertButton(), &QPushButton::clicked, this,
            guard([this] { context().picker.open(this, kRefFactors); }));
    connect(card_->measurement()->performerInsertButton(), &QPushButton::clicked, this,
            guard([this] { context().picker.open(this, kRefPerformers); }));
    connect(card_->measurement()->methodInsertButton(), &QPushButton::clicked, this,
            guard([this] { context().picker.open(this, kRefMethods); }));

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (movingList_) return;
                factorChosen(now.row());
            });

    card_->showEmpty(model().DTPOcena);
    card_->setCardEnabled(false);
}

void MeasurementCardPage::pageShown(PageReason) {
    current_ = nullptr;
    card_->setCardEnabled(false);
    refreshFactors();
    count_->setText(QString::fromStdString(factorCountText(listModel_->factors().size())));
}

void MeasurementCardPage::pageHidden(PageReason why) {
    if (why != PageReason::Reset && current_) storeCard();
    current_ = nullptr;
}

void MeasurementCardPage::documentReset() {
    current_ = nullptr;
    listModel_->clear();
    card_->setCardEnabled(false);
}

bool MeasurementCardPage::mayLeaveForward() {
    storePendingEdit();
    if (allDescribed(factorsToDescribe(model()))) {
        current_ = nullptr;
        return true;
    }
    showMessage(window(), QString::fromUtf8(kNotAllDescribedTitle),
                QString::fromUtf8(kNotAllDescribedMessage));
    return false;
}

void MeasurementCardPage::storePendingEdit() {
    if (current_) storeCard();
}

void MeasurementCardPage::refreshFactors() {
    {
        const bool was = movingList_;
        movingList_ = true;
        listModel_->setFactors(factorsToDescribe(model()));
        movingList_ = was;
    }
    updateTicks();
    if (!current_) card_->showEmpty(model().DTPOcena);
}

void MeasurementCardPage::updateTicks() {
    listModel_->refreshTicks();
    remaining_->setText(
        QString::fromStdString(remainingText(undescribedCount(listModel_->factors()))));
    markChanged();
}

void MeasurementCardPage::storeCard() {
    if (current_) {
        card_->checkFocusedMultiplicity();
        try {
            KrtAktualizujCzynnik(*current_, card_->input());
        } catch (...) {
            // What was stored before the error shows in the ticks.
            updateTicks();
            throw;
        }
    }
    updateTicks();
}

void MeasurementCardPage::editFactor(FactorRecord* record) {
    current_ = record;
    card_->showFactor(*record);
}

void MeasurementCardPage::selectFactor(int row) {
    const QModelIndex index = listModel_->index(row, 0);
    if (!index.isValid()) return;
    list_->setCurrentIndex(index);
}

void MeasurementCardPage::factorChosen(int row) {
    FactorRecord* record = listModel_->record(row);
    if (!record || record == current_) return;
    const bool switched = runGuarded(
        [this, record] {
            if (current_) storeCard();
            editFactor(record);
        },
        window());
    if (switched) return;
    // The card could not be stored: it stays on its factor, and so does the list, once the
    // click that moved it is over.
    QTimer::singleShot(0, this, [this] { showCurrentInList(); });
}

void MeasurementCardPage::showCurrentInList() {
    const int row = listModel_->rowOf(current_);
    movingList_ = true;
    if (row >= 0)
        list_->setCurrentIndex(listModel_->index(row, 0));
    else
        list_->clearSelection();
    movingList_ = false;
}

} // namespace tarnik
