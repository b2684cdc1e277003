#include "app/pages/general/trainingpage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/wizard/wizard.h"
#include "core/rules/workers/training.h"

namespace tarnik {

namespace {

// A radio group of the page: its buttons one under another.
template <std::size_t N>
QGroupBox* radioGroup(const QString& title, const char* name,
                      const std::array<const char*, N>& items, QButtonGroup*& group,
                      std::array<QRadioButton*, N>& buttons, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(4);
    for (std::size_t i = 0; i < N; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(items[i]), box);
        b->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        group->addButton(b, int(i));
        layout->addWidget(b);
        buttons[i] = b;
    }
    return box;
}

} // namespace

TrainingPage::TrainingPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Zakres szkoleń bhp"), QStringLiteral("szkolenia.html"),
                 parent) {
    registerHelpTopics({{6500, "szkolenia.html#zakres"}});
    first_ = radioGroup(QStringLiteral("Pierwsze &szkolenie okresowe"), "RG301",
                        kFirstTrainingItems, firstGroup_, firstItems_, this);
    further_ = radioGroup(QStringLiteral("&Kolejne szkolenia okresowe"), "RG302",
                          kFurtherTrainingItems, furtherGroup_, furtherItems_, this);
    setHelpContext(first_, 6500);
    setHelpContext(further_, 6500);

    plan_ = new QLabel(this);
    plan_->setObjectName(QStringLiteral("ST301"));
    QFont f = plan_->font();
    f.setBold(true);
    plan_->setFont(f);
    plan_->setWordWrap(true);
    setHelpContext(plan_, 6500);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(first_, 1, Qt::AlignTop);
    groups->addWidget(further_, 1, Qt::AlignTop);
    content()->addLayout(groups);
    content()->addSpacing(6);
    content()->addWidget(plan_);
    content()->addStretch(1);

    connect(firstGroup_, &QButtonGroup::idClicked, this, [this](int i) { firstClicked(i); });
    connect(furtherGroup_, &QButtonGroup::idClicked, this, [this](int i) { furtherClicked(i); });
}

void TrainingPage::loadFromModel() {
    firstItems_[std::size_t(model().RG301.get())]->setChecked(true);
    furtherItems_[std::size_t(model().RG302.get())]->setChecked(true);
}

void TrainingPage::pageShown(PageReason) {
    plan_->setText(QString::fromStdString(planTextInMonths(model().RG302.get())));
    wizard().setNextEnabled(true);
}

void TrainingPage::firstClicked(int index) {
    if (loading()) return;
    // The further trainings stay open whatever the first one needs.
    further_->setEnabled(true);
    const bool changed = model().RG301.get() != index;
    model().RG301 = index;
    plan_->setText(QString::fromStdString(planTextInMonthsOrYears(model().RG302.get())));
    if (changed) markChanged();
}

void TrainingPage::furtherClicked(int index) {
    if (loading()) return;
    const bool changed = model().RG302.get() != index;
    model().RG302 = index;
    plan_->setText(QString::fromStdString(planTextInMonthsOrYears(model().RG302.get())));
    if (changed) markChanged();
}

} // namespace tarnik
