#include "app/pages/workers/workerspage.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/pages/workers/workerform.h"
#include "app/pages/workers/workerlistmodel.h"
#include "app/pages/workers/workerlistview.h"
#include "app/platform/prompts.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "core/evaluation/recompute.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

// The edit inside a count field, whose text the page follows as it is typed.
QLineEdit* editOf(QSpinBox* spin) {
    return spin->findChild<QLineEdit*>();
}

QPushButton* pageButton(const QString& text, const char* name, int help, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    setHelpContext(b, help);
    return b;
}

} // namespace

WorkersPage::WorkersPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Pracownicy"), QStringLiteral("pracownicy.html"), parent) {
    registerHelpTopics({{7500, "pracownicy.html#lista"},
                        {7600, "pracownicy.html#przyciski"},
                        {7610, "pracownicy.html#przyciski"},
                        {7710, "pracownicy.html#przyciski"},
                        {7720, "pracownicy.html#dane"},
                        {7730, "pracownicy.html#dane"},
                        {7740, "pracownicy.html#grupa"},
                        {7750, "pracownicy.html#dane"},
                        {7760, "pracownicy.html#zatrudnienie"},
                        {7770, "pracownicy.html#kwalifikacje"},
                        {7780, "pracownicy.html#badania"},
                        {7790, "pracownicy.html#badania"},
                        {7800, "pracownicy.html#szkolenia"},
                        {7810, "pracownicy.html#szkolenia"},
                        {7910, "pracownicy.html#liczba"},
                        {7911, "pracownicy.html#liczba"},
                        {7912, "pracownicy.html#liczba"},
                        {7913, "pracownicy.html#liczba"},
                        {7914, "pracownicy.html#liczba"}});

    listModel_ = new WorkerListModel(model(), this);
    list_ = new WorkerListView(this);
    list_->setObjectName(QStringLiteral("ListaPrac"));
    list_->setAccessibleName(QStringLiteral("Lista pracowników"));
    list_->setModel(listModel_);
    // The surname takes the room the list is given; the note needs no more than its words.
    QHeaderView* header = list_->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(WorkerListModel::kSurname, QHeaderView::Stretch);
    list_->setColumnWidth(WorkerListModel::kFirstName, 80);
    list_->setColumnWidth(
        WorkerListModel::kNote,
        list_->fontMetrics().horizontalAdvance(QStringLiteral("badanie, szkolenie")) + 16);
    list_->setMinimumWidth(240);
    list_->setMinimumHeight(list_->verticalHeader()->defaultSectionSize() * 5 +
                            list_->horizontalHeader()->sizeHint().height() + 4);
    list_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setHelpContext(list_, 7500);

    newButton_ = pageButton(QStringLiteral("&Nowy"), "Btn4New", 7600, this);
    addButton_ = pageButton(QStringLiteral("Dod&aj"), "BTN4Add", 7610, this);
    removeButton_ = pageButton(QStringLiteral("&Usuń"), "Btn4Del", 7710, this);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(newButton_);
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);

    buildCounts();
    // "Nowy" and the counts keep their place while they blink.
    for (QWidget* w : {static_cast<QWidget*>(newButton_), static_cast<QWidget*>(countsFrame_)}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(list_, 1);
    left->addLayout(buttons);
    left->addWidget(countsFrame_);

    form_ = new WorkerForm(model(), this);

    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addLayout(left, 2);
    row->addWidget(form_, 3);
    content()->addLayout(row, 1);

    blinker_.setTargets(QList<QWidget*>{newButton_, countsFrame_});
    arrangeTabOrder();

    connect(list_, &WorkerListView::entryRequested, this,
            [this](int entry) { runGuarded([this, entry] { ListaPracClick(entry); }, window()); });
    connect(newButton_, &QPushButton::clicked, this, guard([this] { Btn4NewClick(); }));
    connect(addButton_, &QPushButton::clicked, this, guard([this] { BTN4AddClick(); }));
    connect(removeButton_, &QPushButton::clicked, this, guard([this] { Btn4DelClick(); }));
    // Enter in a text field of a new worker adds it, as "Dodaj" does.
    for (QLineEdit* e : {form_->firstNameEdit(), form_->surnameEdit(), form_->positionEdit()})
        connect(e, &QLineEdit::returnPressed, this, guard([this] {
                    if (mode_ == WorkerEditorMode::New) BTN4AddClick();
                }));

    undoDelete_ = new QAction(QStringLiteral("Cofnij usunięcie"), this);
    undoDelete_->setObjectName(QStringLiteral("CofnijUsuniecie"));
    undoDelete_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    // Anywhere on the page; a text field with the focus keeps Ctrl+Z for its own typing.
    undoDelete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    undoDelete_->setEnabled(false);
    addAction(undoDelete_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    list_->addAction(undoDelete_);
    connect(undoDelete_, &QAction::triggered, this, guard([this] { undoDeletion(); }));
    PrOdswiezPrzyciski();
}

void WorkersPage::buildCounts() {
    countsFrame_ = new QGroupBox(QStringLiteral("&Liczba pracowników"), this);
    countsFrame_->setObjectName(QStringLiteral("GroupLiczba"));
    auto* g = new QGridLayout(countsFrame_);
    g->setContentsMargins(6, 4, 6, 6);
    g->setVerticalSpacing(3);
    const QString captions[4] = {QStringLiteral("mężczyzn"), QStringLiteral("kobiet"),
                                 QStringLiteral("kobiet w ciąży\nlub w okresie karmienia"),
                                 QStringLiteral("młodocianych")};
    const char* names[4] = {"SE_m", "SE_k", "SE_kc", "SE_ml"};
    for (int i = 0; i < 4; ++i) {
        auto* spin = new FieldSpinBox(countsFrame_);
        spin->setObjectName(QString::fromLatin1(names[i]));
        spin->setRange(0, 9999);
        spin->setMinimumWidth(80);
        setHelpContext(spin, 7910 + i);
        auto* label = new QLabel(captions[i], countsFrame_);
        label->setBuddy(spin);
        g->addWidget(label, i, 0);
        g->addWidget(spin, i, 1);
        counts_[static_cast<std::size_t>(i)] = spin;
        // The text as it is typed (an emptied field, a lone sign), and the value as the arrows
        // or the program set it.
        connect(editOf(spin), &QLineEdit::textChanged, this,
                [this, i](const QString& text) { countTyped(i, text); });
        connect(spin, &QSpinBox::valueChanged, this,
                [this, i](int value) { countTyped(i, QString::number(value)); });
    }
    total_ = new QLineEdit(countsFrame_);
    total_->setObjectName(QStringLiteral("SE_razem"));
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    total_->setMinimumWidth(80);
    setHelpContext(total_, 7914);
    auto* totalLabel = new QLabel(QStringLiteral("<b>RAZEM</b>"), countsFrame_);
    totalLabel->setBuddy(total_);
    g->addWidget(totalLabel, 4, 0);
    g->addWidget(total_, 4, 1);
    g->setColumnStretch(0, 1);
}

void WorkersPage::arrangeTabOrder() {
    QList<QWidget*> order{list_, newButton_, addButton_, removeButton_};
    for (QSpinBox* s : counts_)
        order << s;
    order << form_->tabOrder();
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

bool WorkersPage::storedBeforeLeaving() {
    try {
        storePendingEdit();
    } catch (const ActionCancelled&) {
        return false;
    }
    return true;
}

bool WorkersPage::mayLeaveForward() {
    if (!storedBeforeLeaving()) return false;
    if (!workersMissing(model())) return true;
    showMessage(window(), QString::fromUtf8(kWorkersMissingTitle),
                QString::fromUtf8(kWorkersMissingMessage));
    blinker_.start();
    return false;
}

bool WorkersPage::mayLeaveBackward() {
    return storedBeforeLeaving();
}

void WorkersPage::storePendingEdit() {
    if (!isCurrent() || !form_->edited()) return;
    if (mode_ == WorkerEditorMode::New) {
        if (!PrKoniecNowy()) throw ActionCancelled();
        PrPoczatekZaden();
    } else if (mode_ == WorkerEditorMode::Edit) {
        const WorkerRecord* stored = nullptr;
        if (!PrKoniecEdycji(&stored)) throw ActionCancelled();
        // The saved worker stays open, as it now stands in the register.
        current_ = stored;
        PrPoczatekEdycji();
    }
}

void WorkersPage::documentReset() {
    forgetDeletion();
    mode_ = WorkerEditorMode::None;
    current_ = nullptr;
    listModel_->detach();
}

void WorkersPage::loadFromModel() {
    listModel_->reload();
    showCounts();
}

void WorkersPage::pageShown(PageReason) {
    PrPoczatekZaden();
    updateWorkers();
}

void WorkersPage::pageHidden(PageReason why) {
    // A document being replaced needs no counts, and nothing of it is kept.
    if (why == PageReason::Reset) return;
    forgetDeletion();
    updateWorkers();
    // Next and Back have stored the worker; the editor starts empty when the page comes back.
    mode_ = WorkerEditorMode::None;
    current_ = nullptr;
    form_->clear();
    form_->setEditing(false);
}

// ---------------------------------------------------------------------------------------------
// The three states

void WorkersPage::PrPoczatekZaden() {
    mode_ = WorkerEditorMode::None;
    current_ = nullptr;
    PrOdswiezPrzyciski();
    form_->clear();
    form_->setEditing(false);
    showSelection();
    updateWorkers();
}

void WorkersPage::PrPoczatekNowy() {
    mode_ = WorkerEditorMode::New;
    current_ = nullptr;
    PrOdswiezPrzyciski();
    form_->clear();
    form_->setEditing(true);
    // The defaults may already be out of date against the assessment date.
    form_->showCurrentWarnings();
    showSelection();
    form_->firstNameEdit()->setFocus(Qt::OtherFocusReason);
}

void WorkersPage::PrPoczatekEdycji() {
    mode_ = WorkerEditorMode::Edit;
    PrOdswiezPrzyciski();
    if (current_) form_->load(*current_);
    form_->setEditing(true);
    showSelection();
    updateWorkers();
}

void WorkersPage::PrOdswiezPrzyciski() {
    const WorkerEditorButtons b = workerEditorButtons(mode_);
    removeButton_->setEnabled(b.remove);
    addButton_->setEnabled(b.add);
    newButton_->setEnabled(b.newWorker);
    if (isCurrent()) {
        wizard().setBackEnabled(true);
        wizard().setNextEnabled(true);
    }
}

void WorkersPage::showSelection() {
    list_->showEntry(mode_ == WorkerEditorMode::Edit ? listModel_->rowOf(current_) : -1);
}

// ---------------------------------------------------------------------------------------------
// Storing the fields

bool WorkersPage::PrDodajPrac() {
    const int scroll = list_->verticalScrollBar()->value();
    const WorkerStoreResult r = listModel_->add(form_->fields());
    if (!r.ok) {
        showMessage(window(), QString::fromUtf8(kIncompleteWorkerTitle),
                    QString::fromUtf8(r.message));
        return false;
    }
    forgetDeletion();
    markChanged();
    // The register shows where the new worker went.
    list_->verticalScrollBar()->setValue(scroll);
    list_->scrollTo(listModel_->index(static_cast<int>(r.index), 0));
    return true;
}

bool WorkersPage::PrKoniecNowy() {
    if (!askYesNo(window(), QString::fromUtf8(kAddWorkerQuestionTitle),
                  QString::fromUtf8(kAddWorkerQuestion)))
        return true; // the new worker is discarded
    return PrDodajPrac();
}

bool WorkersPage::PrKoniecEdycji(const WorkerRecord** stored) {
    const int scroll = list_->verticalScrollBar()->value();
    const bool edited = form_->edited();
    const WorkerStoreResult r = listModel_->replace(listModel_->rowOf(current_), form_->fields());
    if (!r.ok) {
        showMessage(window(), QString::fromUtf8(kIncompleteWorkerTitle),
                    QString::fromUtf8(r.message));
        // The user stays on the same worker.
        showSelection();
        return false;
    }
    // A worker stored as it was loaded leaves the register as the removal left it.
    if (edited) forgetDeletion();
    markChanged();
    list_->verticalScrollBar()->setValue(scroll);
    current_ = nullptr;
    form_->clear();
    if (stored) *stored = listModel_->recordAt(static_cast<int>(r.index));
    return true;
}

// ---------------------------------------------------------------------------------------------
// The buttons and the register

void WorkersPage::Btn4NewClick() {
    if (mode_ == WorkerEditorMode::None) {
        PrPoczatekNowy();
    } else if (mode_ == WorkerEditorMode::Edit) {
        if (PrKoniecEdycji()) PrPoczatekNowy();
    }
}

void WorkersPage::BTN4AddClick() {
    if (PrDodajPrac()) {
        PrPoczatekZaden();
        // Ready for the next worker.
        newButton_->setFocus(Qt::OtherFocusReason);
    }
    updateWorkers();
}

void WorkersPage::Btn4DelClick() {
    const int row = listModel_->rowOf(current_);
    if (row >= 0) {
        beforeDeletion_ = model().ListaPrac;
        deletedRow_ = row;
        current_ = nullptr;
        listModel_->remove(row);
        markChanged();
        undoDelete_->setEnabled(true);
    }
    PrPoczatekZaden();
    updateWorkers();
    // The disabled "Usuń" cannot keep the focus: the register takes it, where Ctrl+Z undoes.
    list_->setFocus(Qt::OtherFocusReason);
}

void WorkersPage::undoDeletion() {
    if (!beforeDeletion_) return;
    // The worker open in the editor is found again in the restored register.
    int openRow = listModel_->rowOf(current_);
    if (openRow >= deletedRow_) ++openRow;
    const WorkerList restored = std::move(*beforeDeletion_);
    const int row = deletedRow_;
    forgetDeletion();
    listModel_->restore(restored);
    current_ = openRow >= 0 ? listModel_->recordAt(openRow) : nullptr;
    markChanged();
    showSelection();
    list_->scrollTo(listModel_->index(row, 0));
    updateWorkers();
}

void WorkersPage::forgetDeletion() {
    beforeDeletion_.reset();
    deletedRow_ = -1;
    if (undoDelete_) undoDelete_->setEnabled(false);
}

void WorkersPage::ListaPracClick(int row) {
    const WorkerRecord* clicked = listModel_->recordAt(row);
    switch (workerSwitchStep(mode_, clicked == current_)) {
    case WorkerSwitchStep::Nothing:
        showSelection();
        break;
    case WorkerSwitchStep::Take:
        takeEntry(clicked);
        break;
    case WorkerSwitchStep::EndEdit:
        if (PrKoniecEdycji()) takeEntry(clicked);
        break;
    case WorkerSwitchStep::EndNew:
        if (PrKoniecNowy())
            takeEntry(clicked);
        else
            showSelection();
        break;
    }
    updateWorkers();
}

void WorkersPage::takeEntry(const WorkerRecord* clicked) {
    const int before = list_->shownEntry();
    current_ = clicked;
    if (current_)
        PrPoczatekEdycji();
    else
        PrPoczatekZaden();
    // A change of the register's selection counts as a change of the document.
    if (list_->shownEntry() != before) markChanged();
}

// ---------------------------------------------------------------------------------------------
// The counts

void WorkersPage::updateWorkers() {
    // Counts taken from the register void the hazard card's split of the workers until the card
    // is shown again.
    const bool typed = recountWorkers(model(), document().evaluation());
    for (QSpinBox* s : counts_)
        s->setEnabled(typed);
    showCounts();
}

void WorkersPage::showCounts() {
    LoadingScope scope(this);
    for (int i = 0; i < 4; ++i)
        counts_[static_cast<std::size_t>(i)]->setValue(model().countField(i).get());
    total_->setText(QString::fromStdString(model().SE_razem));
}

void WorkersPage::countTyped(int group, const QString& text) {
    if (loading()) return;
    const std::optional<std::string> shown = SE_pracownicy(model(), group, text.toStdString());
    if (shown) {
        // An emptied field shows "0" (selected, so that typing replaces it).
        LoadingScope scope(this);
        QSpinBox* spin = counts_[static_cast<std::size_t>(group)];
        spin->setValue(model().countField(group).get());
        QLineEdit* edit = editOf(spin);
        if (edit->text() != QString::fromStdString(*shown))
            edit->setText(QString::fromStdString(*shown));
        edit->selectAll();
    }
    total_->setText(QString::fromStdString(model().SE_razem));
    forgetDeletion();
    markChanged();
}

} // namespace tarnik
