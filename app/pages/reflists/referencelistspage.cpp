#include "app/pages/reflists/referencelistspage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/platform/datafolders.h"
#include "app/platform/pathutil.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "core/rules/reflists/picking.h"

namespace tarnik {

namespace {

const char* const kGridNames[kRefListCount] = {"SAGZakl",     "SAGOdp",       "SAGKomBHP",
                                               "SAGCzynniki", "SAGWykonawcy", "SAGMetody"};

const QString kEditCaption = QStringLiteral("&Edytuj");
const QString kFinishCaption = QStringLiteral("&Zakończ edycję");

} // namespace

ReferenceListsPage::ReferenceListsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Listy podpowiedzi"), QStringLiteral("podpowiedzi.html"),
                 parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControlPodpowiedzi"));
    tabs_->setUsesScrollButtons(true);
    insertRow_ = new QAction(QStringLiteral("Wstaw wiersz"), this);
    removeRow_ = new QAction(QStringLiteral("Usuń wiersz"), this);
    for (int i = 0; i < kRefListCount; ++i)
        buildGrid(i);

    edit_ = new QPushButton(kEditCaption, this);
    edit_->setObjectName(QStringLiteral("BtnEdytuj"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    cancel_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnAnuluj"));
    for (QPushButton* b : {edit_, ok_, cancel_})
        b->setAutoDefault(false);
    // "Zakończ edycję" must fit where "Edytuj" stands.
    edit_->setMinimumWidth(
        std::max(edit_->sizeHint().width(),
                 edit_->fontMetrics().horizontalAdvance(QStringLiteral("Zakończ edycję")) + 32));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(edit_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    content()->addWidget(tabs_, 1);
    content()->addLayout(buttons);

    insertRow_->setEnabled(false);
    removeRow_->setEnabled(false);
    connect(insertRow_, &QAction::triggered, this, guard([this] { insertRow(); }));
    connect(removeRow_, &QAction::triggered, this, guard([this] { removeRow(); }));
    connect(edit_, &QPushButton::clicked, this, guard([this] { toggleEditing(); }));
    connect(ok_, &QPushButton::clicked, this, guard([this] { accept(); }));
    connect(cancel_, &QPushButton::clicked, this, guard([this] { cancel(); }));
}

void ReferenceListsPage::buildGrid(int list) {
    const RefListInfo& info = refListInfo(list);
    auto* g = new TAlignedGrid(tabs_);
    grids_[std::size_t(list)] = g;
    g->setObjectName(QString::fromLatin1(kGridNames[list]));
    g->setAccessibleName(QString::fromUtf8(info.tabCaption));
    g->setColCount(info.columnCount);
    g->setFixedRows(1);
    g->setRowCount(2);
    for (int c = 0; c < info.columnCount; ++c) {
        const RefColumn& col = info.columns[std::size_t(c)];
        g->setCell(c, 0, col.caption);
        g->setColWidth(c, col.width);
    }
    TCellProperties captions;
    captions.alignment = alCenter;
    g->records().setFixedRow(0, captions);
    g->setAutoAdjustLastCol(true);
    g->setEditMultiline(info.multiline);
    // Long entries end in an ellipsis; the whole text is the cell's hint.
    g->setWordwrap(ww_ellipsis);
    const int line = g->fontMetrics().lineSpacing();
    g->setDefaultRowHeight(info.multiline ? 2 * line + 8 : line + 8);
    g->setOptions(TAlignedGrid::RowSelect);
    g->addContextAction(insertRow_);
    g->addContextAction(removeRow_);
    tabs_->addTab(g, QString::fromUtf8(info.tabCaption));

    connect(g, &TAlignedGrid::OnAfterEdit, this, [this, list, g](int col, int row) {
        if (loading() || row < 1) return;
        context().referenceLists[list].setCell(col, std::size_t(row - 1), g->cell(col, row));
    });
    // Enter or a double click on a row, while browsing: as "OK".
    connect(g, &TAlignedGrid::rowChosen, this,
            [this](int row) { runGuarded([this, row] { accept(row); }, window()); });
}

int ReferenceListsPage::currentList() const {
    return std::max(0, tabs_->currentIndex());
}

void ReferenceListsPage::fillGrid(int list) {
    LoadingScope scope(this);
    TAlignedGrid* g = grid(list);
    const RefList& entries = context().referenceLists[list];
    std::vector<std::vector<std::string>> rows;
    rows.reserve(entries.rowCount());
    for (std::size_t r = 0; r < entries.rowCount(); ++r)
        rows.push_back(entries.row(r));
    const int col = std::max(0, g->currentCol());
    const int row = std::max(1, g->currentRow());
    g->setDataRows(rows);
    g->setCurrentCell(std::min(col, g->colCount() - 1), std::min(row, g->rowCount() - 1));
}

void ReferenceListsPage::loadFromModel() {
    for (int i = 0; i < kRefListCount; ++i)
        fillGrid(i);
}

void ReferenceListsPage::pageShown(PageReason) {
    if (context().picker.isOpen()) tabs_->setCurrentIndex(context().picker.requestedList());
    grid(currentList())->setFocus(Qt::OtherFocusReason);
}

void ReferenceListsPage::pageHidden(PageReason why) {
    if (!editing_) return;
    if (why == PageReason::Reset) {
        // Every editing period ends with the file written, also when a new document takes
        // the window away from the lists.
        runGuarded([this] { finishEditing(); }, window());
        return;
    }
    storePendingEdit();
}

void ReferenceListsPage::storePendingEdit() {
    for (TAlignedGrid* g : grids_)
        g->commitPendingEdit();
}

void ReferenceListsPage::setGridsEditing(bool on) {
    for (TAlignedGrid* g : grids_) {
        g->setOptions(on ? TAlignedGrid::Editing | TAlignedGrid::AlwaysShowEditor
                         : TAlignedGrid::RowSelect);
        if (g->currentRow() < 1) g->setCurrentCell(0, 1);
    }
    insertRow_->setEnabled(on);
    removeRow_->setEnabled(on);
}

void ReferenceListsPage::toggleEditing() {
    if (editing_) {
        finishEditing();
        return;
    }
    editing_ = true;
    setGridsEditing(true);
    edit_->setText(kFinishCaption);
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    TAlignedGrid* g = grid(currentList());
    g->setFocus(Qt::OtherFocusReason);
    g->openEditor();
}

void ReferenceListsPage::finishEditing() {
    storePendingEdit();
    editing_ = false;
    setGridsEditing(false);
    edit_->setText(kEditCaption);
    writeReferenceLists(
        toPath(dataFileToWrite(programDir(), QString::fromUtf8(kReferenceListsFileName))),
        context().referenceLists);
    ok_->setEnabled(true);
    cancel_->setEnabled(true);
}

void ReferenceListsPage::insertRow() {
    const int list = currentList();
    TAlignedGrid* g = grid(list);
    g->commitPendingEdit();
    RefList& entries = context().referenceLists[list];
    // The grid's empty row of a list without entries counts as a row of it.
    entries.ensureRows(std::size_t(g->rowCount() - 1));
    entries.appendRow();
    fillGrid(list);
    g->setCurrentCell(0, g->rowCount() - 1);
    g->setFocus(Qt::OtherFocusReason);
    if (editing_) g->openEditor();
}

void ReferenceListsPage::removeRow() {
    const int list = currentList();
    TAlignedGrid* g = grid(list);
    g->commitPendingEdit();
    const int row = g->currentRow();
    if (row < 1) return;
    removeReferenceRow(context().referenceLists[list], std::size_t(row - 1));
    fillGrid(list);
    g->setFocus(Qt::OtherFocusReason);
    if (editing_) g->openEditor();
}

void ReferenceListsPage::accept(int row) {
    if (editing_ || !ok_->isEnabled()) return;
    const int list = currentList();
    if (row < 0) row = grid(list)->selectedRows().first;
    std::optional<std::size_t> entry;
    if (row >= 1) entry = std::size_t(row - 1);
    const auto cells = pickedEntry(context().referenceLists[list], entry);
    // Without an entry to insert the picker returns as "Anuluj" does: no field changes.
    if (!cells) {
        context().picker.cancel();
        return;
    }
    context().picker.accept(list, *cells);
}

void ReferenceListsPage::cancel() {
    if (editing_ || !cancel_->isEnabled()) return;
    context().picker.cancel();
}

} // namespace tarnik
