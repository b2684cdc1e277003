#include "app/wizard/wizardpage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helptopics.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"

namespace tarnik {

WizardPage::WizardPage(PageContext& ctx, const QString& heading, const QString& helpPage,
                       QWidget* parent)
    : QWidget(parent), ctx_(ctx), heading_(heading), helpPage_(helpPage) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 4);
    outer->setSpacing(6);
    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("pageHeading"));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    title->setFont(f);
    title->setWordWrap(true);
    outer->addWidget(title);
    content_ = new QVBoxLayout;
    content_->setSpacing(6);
    outer->addLayout(content_, 1);
}

bool WizardPage::ignores(PageReason why) const {
    return why == PageReason::Picker && keepsEditDuringPicker() && ctx_.picker.flag();
}

void WizardPage::enter(PageReason why) {
    if (ignores(why)) return;
    {
        LoadingScope scope(this);
        loadFromModel();
    }
    pageShown(why);
}

void WizardPage::leave(PageReason why) {
    if (ignores(why)) return;
    pageHidden(why);
}

bool WizardPage::isCurrent() const {
    return ctx_.wizard.currentPage() == this;
}

Assessment& WizardPage::model() const {
    return ctx_.document.assessment();
}

void WizardPage::markChanged() {
    if (!loading()) ctx_.document.SetSaved(false);
}

void WizardPage::registerHelpTopics(std::initializer_list<std::pair<int, const char*>> topics) {
    tarnik::registerHelpTopics(topics);
}

void WizardPage::addNotYetBuiltNote() {
    auto* note = new QLabel(
        QStringLiteral("Ta strona jest jeszcze w budowie: jej pola i obliczenia zostaną dodane "
                       "w kolejnym etapie prac nad programem."),
        this);
    note->setObjectName(QStringLiteral("notYetBuilt"));
    note->setWordWrap(true);
    content_->addWidget(note);
    content_->addStretch(1);
}

} // namespace tarnik
