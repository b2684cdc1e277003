#include "app/pages/factors/factorspage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/pages/factors/factorlistmodel.h"
#include "app/platform/datafolders.h"
#include "app/platform/pathutil.h"
#include "app/wizard/wizard.h"
#include "core/rules/factors/catalogues.h"
#include "core/rules/factors/selection.h"

namespace tarnik {

namespace {

// The radio texts with their mnemonics; the captions themselves come from the rules.
constexpr std::array<const char*, kCatalogueCount> kGroupMnemonics{
    "Czynniki &chemiczne", "P&yły", "Czynniki &fizyczne", "Czynniki &biologiczne",
    "Czynniki &uciążliwe "};

const QString kGroupHint = QStringLiteral("Wybierz grupę czynników do opisu");
const QString kListHint = QStringLiteral("Wskaż czynniki występujące na stanowisku pracy");

} // namespace

FactorsPage::FactorsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Czynniki szkodliwe, niebezpieczne i uciążliwe"),
                 QStringLiteral("czynniki.html"), parent) {
    // The group radio list.
    auto* groupBox = new QGroupBox(QStringLiteral("Grupa czynników:"), this);
    groupBox->setObjectName(QStringLiteral("RG501"));
    groupBox->setToolTip(kGroupHint);
    auto* gl = new QVBoxLayout(groupBox);
    groups_ = new QButtonGroup(this);
    for (int g = 0; g < kCatalogueCount; ++g) {
        auto* b = new QRadioButton(QString::fromUtf8(kGroupMnemonics[std::size_t(g)]), groupBox);
        // The caption as the rules have it (the last with its blank), for a screen reader.
        b->setAccessibleName(QString::fromUtf8(factorGroupCaption(g)));
        b->setToolTip(kGroupHint);
        setHelpContext(b, 8500);
        groups_->addButton(b, g);
        groupButtons_[std::size_t(g)] = b;
        gl->addWidget(b);
    }
    gl->addStretch(1);
    groupButtons_[0]->setChecked(true);
    setHelpContext(groupBox, 8500);

    // The heading, the filter and the five lists in one place.
    heading_ = new QLabel(QStringLiteral("Czynniki:"), this);
    heading_->setObjectName(QStringLiteral("LabelCzynniki"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("EdtSzukaj"));
    filter_->setClearButtonEnabled(true);
    for (QToolButton* clear : filter_->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Wyczyść filtr"));
    filter_->setPlaceholderText(QStringLiteral("fragment nazwy, np. olow"));
    filter_->setToolTip(QStringLiteral(
        "Pokazuje tylko czynniki, których nazwy zawierają wpisany tekst (wielkość liter i polskie "
        "znaki nie mają znaczenia). Zaznaczenia nie zmieniają się."));
    setHelpContext(filter_, 8540);
    auto* filterLabel = new QLabel(QStringLiteral("&Szukaj:"), this);
    filterLabel->setBuddy(filter_);
    stack_ = new QStackedWidget(this);
    for (int g = 0; g < kCatalogueCount; ++g) {
        auto* m =
            new FactorListModel([this, g]() -> FactorList& { return model().factorList(g); }, this);
        auto* f = new FactorFilterModel(this);
        f->setSourceModel(m);
        auto* view = new QListView(stack_);
        view->setObjectName(QStringLiteral("LB50%1").arg(g + 1));
        view->setModel(f);
        view->setUniformItemSizes(true);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setAccessibleName(QString::fromUtf8(factorGroupCaption(g)).trimmed());
        view->setToolTip(kListHint);
        setHelpContext(view, 8510);
        stack_->addWidget(view);
        models_[std::size_t(g)] = m;
        filters_[std::size_t(g)] = f;
        lists_[std::size_t(g)] = view;
        connect(m, &FactorListModel::tickChanged, this, [this] { tickChanged(); });
    }
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("LabelZaznaczone"));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading_);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    listColumn->addLayout(filterRow);
    listColumn->addWidget(stack_, 1);
    listColumn->addWidget(counter_);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(groupBox);
    top->addLayout(listColumn, 1);

    // A factor the catalogues lack.
    auto* addBox = new QGroupBox(this);
    auto* al = new QGridLayout(addBox);
    newFactor_ = new QLineEdit(addBox);
    newFactor_->setObjectName(QStringLiteral("Ed501"));
    newFactor_->setMaxLength(int(kStoredTextLength));
    setHelpContext(newFactor_, 8520);
    auto* newLabel = new QLabel(QStringLiteral("&Nowy czynnik:"), addBox);
    newLabel->setBuddy(newFactor_);
    add_ = new QPushButton(addBox);
    add_->setObjectName(QStringLiteral("Btn502"));
    add_->setAutoDefault(false);
    setHelpContext(add_, 8530);
    permanent_ = new QCheckBox(QStringLiteral("dodaj czynnik na stał&e "), addBox);
    permanent_->setObjectName(QStringLiteral("CB501"));
    permanent_->setChecked(true);
    setHelpContext(permanent_, 8530);
    auto* note = new QLabel(QString::fromUtf8(kPermanentAddNote), addBox);
    note->setWordWrap(true);
    al->addWidget(newLabel, 0, 0);
    al->addWidget(newFactor_, 0, 1);
    al->addWidget(add_, 0, 2);
    al->addWidget(permanent_, 1, 1, Qt::AlignTop);
    al->addWidget(note, 2, 1, 1, 2);
    al->setColumnStretch(1, 1);

    content()->addLayout(top, 1);
    content()->addWidget(addBox);

    // Tab order: the controls were made in the order of the page (group, filter, the visible
    // list, the new factor, its button and its option).

    registerHelpTopics({{8500, "czynniki.html#grupa"},
                        {8510, "czynniki.html#lista"},
                        {8520, "czynniki.html#nowy"},
                        {8530, "czynniki.html#nowy"},
                        {8540, "czynniki.html#szukaj"}});

    connect(groups_, &QButtonGroup::idClicked, this, [this](int id) { chooseGroup(id); });
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filters_[std::size_t(chosenGroup_)]->setFilterText(text);
    });
    connect(add_, &QPushButton::clicked, this, guard([this] { addFactor(); }));
    connect(newFactor_, &QLineEdit::returnPressed, this, guard([this] { addFactor(); }));

    showChosenGroup();
}

QRadioButton* FactorsPage::groupButton(int group) const {
    return group >= 0 && group < kCatalogueCount ? groupButtons_[std::size_t(group)] : nullptr;
}

QListView* FactorsPage::groupList(int group) const {
    return group >= 0 && group < kCatalogueCount ? lists_[std::size_t(group)] : nullptr;
}

FactorFilterModel* FactorsPage::filterModel(int group) const {
    return group >= 0 && group < kCatalogueCount ? filters_[std::size_t(group)] : nullptr;
}

FactorListModel* FactorsPage::listModel(int group) const {
    return group >= 0 && group < kCatalogueCount ? models_[std::size_t(group)] : nullptr;
}

void FactorsPage::chooseGroup(int group) {
    if (group < 0 || group >= kCatalogueCount) return;
    chosenGroup_ = group;
    groupButtons_[std::size_t(group)]->setChecked(true);
    // A new group starts unfiltered.
    filter_->clear();
    for (FactorFilterModel* f : filters_)
        f->setFilterText(QString());
    showChosenGroup();
}

void FactorsPage::showChosenGroup() {
    stack_->setCurrentIndex(chosenGroup_);
    QString caption = QString::fromUtf8(addButtonCaption(chosenGroup_));
    caption.insert(3, QLatin1Char('&')); // "Dod&aj do ..."
    add_->setText(caption);
    heading_->setText(QString::fromUtf8(factorGroupCaption(chosenGroup_)));
}

void FactorsPage::loadFromModel() {
    for (FactorListModel* m : models_)
        m->reload();
}

void FactorsPage::pageShown(PageReason) {
    // The counter and Next keep their state until the next tick change.
    showChosenGroup();
}

void FactorsPage::documentReset() {
    for (FactorListModel* m : models_)
        m->detach();
    // A new or opened assessment starts with the first group, unfiltered, and no count shown.
    chooseGroup(0);
    counter_->clear();
}

void FactorsPage::tickChanged() {
    const std::int32_t count = CzIleZaznaczonych(model());
    counter_->setText(QString::fromStdString(selectedCountText(count)));
    wizard().setNextEnabled(count >= 1);
    markChanged();
}

void FactorsPage::addFactor() {
    const QString name = newFactor_->text();
    if (name.isEmpty()) return;
    const int group = chosenGroup_;
    FactorListModel* m = models_[std::size_t(group)];
    // The entry is in the list before the catalogue is written, also when that fails.
    struct ShowAppended {
        FactorListModel* m;
        ~ShowAppended() { m->showAppended(); }
    };
    bool added = false;
    {
        ShowAppended show{m};
        // A factor added "na stałe" goes into the user's copy of the catalogue.
        const QString catalogue = QString::fromUtf8(kCatalogueFileNames[std::size_t(group)]);
        const QString folder = permanent_->isChecked()
                                   ? QFileInfo(dataFileToWrite(programDir(), catalogue)).path()
                                   : programDir();
        added = addFactorFromPage(model(), toPath(folder), name.toStdString(), group,
                                  permanent_->isChecked(), todayDayNumber());
    }
    if (!added) return;
    newFactor_->clear();
    markChanged();
    const QModelIndex last =
        filters_[std::size_t(group)]->mapFromSource(m->index(m->rowCount() - 1, 0));
    if (last.isValid()) lists_[std::size_t(group)]->scrollTo(last);
}

} // namespace tarnik
