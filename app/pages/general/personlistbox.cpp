#include "app/pages/general/personlistbox.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"

namespace tarnik {

namespace {

QTreeWidgetItem* itemFor(const PersonEntry& p) {
    return new QTreeWidgetItem(QStringList{QString::fromStdString(p.surname),
                                           QString::fromStdString(p.firstName),
                                           QString::fromStdString(p.position)});
}

} // namespace

PersonListBox::PersonListBox(const QString& title,
                             std::function<std::vector<PersonEntry>&()> persons,
                             std::function<void()> changed, const HelpNumbers& help,
                             QWidget* parent)
    : QGroupBox(title, parent), persons_(std::move(persons)), changed_(std::move(changed)) {
    list_ = new QTreeWidget(this);
    // The list is named by the title of its box.
    list_->setAccessibleName(QString(title).remove(QLatin1Char('&')));
    list_->setColumnCount(3);
    list_->setHeaderLabels(
        {QStringLiteral("Nazwisko"), QStringLiteral("Imię"), QStringLiteral("Stanowisko")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionsMovable(false);
    list_->setColumnWidth(0, 120);
    list_->setColumnWidth(1, 100);
    // Tab skips the list; the box's mnemonic or a click reaches it.
    list_->setFocusPolicy(Qt::ClickFocus);
    // The selection stays visible when the list loses the focus.
    QPalette pal = list_->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(pal);
    list_->setMinimumHeight(list_->fontMetrics().lineSpacing() * 4 + 12);
    list_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    firstName_ = new QLineEdit(this);
    surname_ = new QLineEdit(this);
    position_ = new QLineEdit(this);
    add_ = new QPushButton(QStringLiteral("Dodaj"), this);
    remove_ = new QPushButton(QStringLiteral("Usuń"), this);
    insert_ = new QPushButton(QStringLiteral("Wstaw..."), this);
    for (QPushButton* b : {add_, remove_, insert_})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(list_, 0, 0, 1, 3);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addWidget(insert_);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 3, 3, 1);
    const QString captions[3] = {QStringLiteral("Imię:"), QStringLiteral("Nazwisko:"),
                                 QStringLiteral("Stanowisko:")};
    QLineEdit* edits[3] = {firstName_, surname_, position_};
    for (QLineEdit* e : edits)
        e->setMaxLength(int(kStoredTextLength));
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setBuddy(edits[i]);
        grid->addWidget(label, 1, i);
        grid->addWidget(edits[i], 2, i);
    }
    grid->setRowStretch(0, 1);

    setHelpContext(list_, help.list);
    setHelpContext(add_, help.add);
    setHelpContext(remove_, help.remove);
    setHelpContext(firstName_, help.firstName);
    setHelpContext(surname_, help.surname);
    setHelpContext(position_, help.position);

    connect(firstName_, &QLineEdit::textChanged, this, [this] { updateAddButton(); });
    connect(surname_, &QLineEdit::textChanged, this, [this] { updateAddButton(); });
    connect(add_, &QPushButton::clicked, this, [this] { addEntry(); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeEntry(); });
    connect(insert_, &QPushButton::clicked, this, &PersonListBox::insertRequested);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
    // Enter in one of the three edits adds the entry when it may be added.
    for (QLineEdit* e : edits)
        connect(e, &QLineEdit::returnPressed, this, [this] {
            if (add_->isEnabled()) addEntry();
        });
    undo_ = new QAction(QStringLiteral("Cofnij usunięcie"), this);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    // Within the box; a text field with the focus keeps Ctrl+Z for its own typing.
    undo_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    undo_->setEnabled(false);
    addAction(undo_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    list_->addAction(undo_);
    connect(undo_, &QAction::triggered, this, [this] { undoRemove(); });
    updateAddButton();
    remove_->setEnabled(false);
}

void PersonListBox::load() {
    forgetRemoved();
    loading_ = true;
    list_->clear();
    for (const PersonEntry& p : persons_())
        list_->addTopLevelItem(itemFor(p));
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    loading_ = false;
}

void PersonListBox::pageShown() {
    remove_->setEnabled(false);
    updateAddButton();
}

void PersonListBox::setNewEntry(const QString& firstName, const QString& surname,
                                const QString& position) {
    firstName_->setText(firstName);
    surname_->setText(surname);
    position_->setText(position);
}

bool PersonListBox::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        list_->setFocus(Qt::ShortcutFocusReason);
        if (!list_->currentItem() && list_->topLevelItemCount() > 0)
            list_->setCurrentItem(list_->topLevelItem(0));
        return true;
    }
    return QGroupBox::event(e);
}

void PersonListBox::updateAddButton() {
    add_->setEnabled(!firstName_->text().isEmpty() && !surname_->text().isEmpty());
}

void PersonListBox::addEntry() {
    if (firstName_->text().isEmpty() || surname_->text().isEmpty()) return;
    PersonEntry p{surname_->text().toStdString(), firstName_->text().toStdString(),
                  position_->text().toStdString()};
    persons_().push_back(p);
    list_->addTopLevelItem(itemFor(p));
    forgetRemoved();
    firstName_->clear();
    surname_->clear();
    position_->clear();
    changed_();
    firstName_->setFocus(Qt::OtherFocusReason);
}

void PersonListBox::removeEntry() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) item = list_->selectedItems().value(0);
    if (!item) return;
    const int row = list_->indexOfTopLevelItem(item);
    auto& persons = persons_();
    if (row < 0 || row >= static_cast<int>(persons.size())) return;
    removed_.emplace(row, persons[std::size_t(row)]);
    persons.erase(persons.begin() + row);
    loading_ = true;
    delete list_->takeTopLevelItem(row);
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    loading_ = false;
    remove_->setEnabled(false);
    undo_->setEnabled(true);
    // The focus stays in the box (the disabled "Usuń" cannot keep it), where Ctrl+Z undoes.
    list_->setFocus(Qt::OtherFocusReason);
    changed_();
}

void PersonListBox::undoRemove() {
    if (!removed_) return;
    auto& persons = persons_();
    const auto [row, person] = *removed_;
    forgetRemoved();
    const int at = std::min(row, static_cast<int>(persons.size()));
    persons.insert(persons.begin() + at, person);
    loading_ = true;
    list_->insertTopLevelItem(at, itemFor(person));
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    loading_ = false;
    remove_->setEnabled(false);
    changed_();
}

void PersonListBox::forgetRemoved() {
    removed_.reset();
    if (undo_) undo_->setEnabled(false);
}

void PersonListBox::selectionChanged() {
    if (loading_) return;
    remove_->setEnabled(!list_->selectedItems().isEmpty());
    changed_();
}

} // namespace tarnik
