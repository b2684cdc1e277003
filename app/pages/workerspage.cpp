#include "pages/workerspage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document.h"
#include "help/helpcontext.h"
#include "prompts.h"
#include "wizard.h"
#include "workers/workers.h"

namespace tarnik {

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
    auto* row = new QHBoxLayout;
    row->setSpacing(12);

    auto* left = new QVBoxLayout;
    auto* note = new QLabel(
        QStringLiteral("Rejestr pracowników (lista z danymi, szkoleniami i badaniami) zostanie "
                       "dodany w kolejnym etapie prac nad programem. Do tego czasu wpisz liczbę "
                       "pracowników w poszczególnych grupach w ramce „Liczba pracowników”."),
        this);
    note->setObjectName(QStringLiteral("notYetBuilt"));
    note->setWordWrap(true);
    left->addWidget(note);
    newButton_ = new QPushButton(QStringLiteral("Nowy"), this);
    newButton_->setObjectName(QStringLiteral("Btn4New"));
    newButton_->setEnabled(false);
    newButton_->setToolTip(QStringLiteral("Rejestr pracowników zostanie dodany w kolejnym etapie "
                                          "prac nad programem."));
    newButton_->setAutoDefault(false);
    setHelpContext(newButton_, 7600);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton_);
    buttons->addStretch(1);
    left->addLayout(buttons);
    left->addStretch(1);
    row->addLayout(left, 1);

    countsFrame_ = new QGroupBox(QStringLiteral("&Liczba pracowników"), this);
    auto* g = new QGridLayout(countsFrame_);
    const QString captions[4] = {QStringLiteral("mężczyzn"), QStringLiteral("kobiet"),
                                 QStringLiteral("kobiet w ciąży\nlub w okresie karmienia"),
                                 QStringLiteral("młodocianych")};
    const char* names[4] = {"SE_m", "SE_k", "SE_kc", "SE_ml"};
    for (int i = 0; i < 4; ++i) {
        auto* spin = new QSpinBox(countsFrame_);
        spin->setObjectName(QString::fromLatin1(names[i]));
        spin->setRange(0, 9999);
        setHelpContext(spin, 7910 + i);
        auto* label = new QLabel(captions[i], countsFrame_);
        label->setBuddy(spin);
        g->addWidget(label, i, 0);
        g->addWidget(spin, i, 1);
        counts_[static_cast<std::size_t>(i)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, [this, i](int v) {
            if (loading()) return;
            // SE_pracownicy: the total follows at once.
            SE_pracownicy(model(), i, std::to_string(v));
            showCounts();
            markChanged();
        });
    }
    total_ = new QLineEdit(countsFrame_);
    total_->setObjectName(QStringLiteral("SE_razem"));
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    setHelpContext(total_, 7914);
    auto* totalLabel = new QLabel(QStringLiteral("<b>RAZEM</b>"), countsFrame_);
    totalLabel->setBuddy(total_);
    g->addWidget(totalLabel, 4, 0);
    g->addWidget(total_, 4, 1);
    row->addWidget(countsFrame_, 0, Qt::AlignTop);

    content()->addLayout(row, 1);
    blinker_.setTargets(QList<QWidget*>{newButton_, countsFrame_});
}

bool WorkersPage::mayLeaveForward() {
    if (!workersMissing(model())) return true;
    showMessage(window(), QString::fromUtf8(kWorkersMissingTitle),
                QString::fromUtf8(kWorkersMissingMessage));
    blinker_.start();
    return false;
}

void WorkersPage::loadFromModel() {
    showCounts();
}

void WorkersPage::pageShown(PageReason) {
    updateWorkers();
    // The page's own button refresh enables Back and Next.
    wizard().setBackEnabled(true);
    wizard().setNextEnabled(true);
}

void WorkersPage::pageHidden(PageReason why) {
    // A document being replaced needs no counts any more.
    if (why == PageReason::Reset) return;
    updateWorkers();
}

void WorkersPage::updateWorkers() {
    const bool typed = UpdateWorkers(model());
    // Counts taken from the register void the hazard card's split of the workers until the card
    // is shown again.
    document().evaluation().workersRecounted(model());
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

} // namespace tarnik
