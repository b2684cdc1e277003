#include "wizard.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "document.h"
#include "errorhandler.h"
#include "factors/cards.h"
#include "factors/selection.h"
#include "help/helpcontext.h"
#include "model/text.h"
#include "pages/wizardpage.h"
#include "prompts.h"

namespace tarnik {

Wizard::Wizard(Document& document, QWidget* parent) : QWidget(parent), document_(document) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    stack_ = new QStackedWidget(this);
    layout->addWidget(stack_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 2, 16, 8);
    back_ = new QPushButton(QStringLiteral("  Ws&tecz"), this);
    next_ = new QPushButton(QStringLiteral("&Dalej  "), this);
    back_->setObjectName(QStringLiteral("BtnPrev"));
    next_->setObjectName(QStringLiteral("BtnNext"));
    for (QPushButton* b : {back_, next_}) {
        b->setMinimumWidth(113);
        b->setAutoDefault(false);
        // Next stays in its place while Back is hidden.
        QSizePolicy sp = b->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        b->setSizePolicy(sp);
    }
    setHelpContext(back_, 1100);
    setHelpContext(next_, 1200);
    buttons->addWidget(back_);
    buttons->addSpacing(12);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(back_, &QPushButton::clicked, this, guarded([this] { back(); }));
    connect(next_, &QPushButton::clicked, this, guarded([this] { next(); }));
}

void Wizard::addPage(WizardPage* page) {
    pages_ << page;
    stack_->addWidget(page);
}

void Wizard::showPage(int index) {
    if (index < 0 || index >= pages_.size() || index == current_) return;
    if (WizardPage* old = currentPage()) old->pageHidden();
    current_ = index;
    stack_->setCurrentIndex(index);
    pages_[index]->enter();
    emit currentPageChanged(index);
}

void Wizard::restart() {
    if (current_ != kPageGeneralData) {
        showPage(kPageGeneralData);
    } else if (WizardPage* p = currentPage()) {
        p->enter();
    }
    setBackVisible(false);
    setNextVisible(true);
}

void Wizard::documentReset() {
    for (WizardPage* p : pages_)
        p->documentReset();
}

bool Wizard::mayLeaveForward() {
    if (current_ == kPageMeasurementCards) {
        currentPage()->commitPending();
        if (!allDescribed(factorsToDescribe(document_.assessment()))) {
            showMessage(window(), kTitleWarning, QString::fromUtf8(kNotAllDescribedMessage));
            return false;
        }
    }
    if (current_ == kPageWorkers) {
        // The total is the sum of the four counts; a text that is no number counts as none.
        int total = 0;
        if (!parseInt32(document_.assessment().SE_razem, total)) total = 0;
        if (total <= 0) {
            showMessage(window(), kTitleNoData, kWorkersMissingMessage);
            blinker_.start();
            return false;
        }
    }
    return true;
}

void Wizard::next() {
    if (current_ < 0 || current_ >= kLastWizardPage) return;
    if (!mayLeaveForward()) return;
    showPage(current_ + 1);
}

void Wizard::back() {
    if (current_ <= 0 || current_ > kLastWizardPage) return;
    showPage(current_ - 1);
}

void Wizard::setNextEnabled(bool on) {
    next_->setEnabled(on);
}

void Wizard::setNextVisible(bool on) {
    next_->setVisible(on);
}

void Wizard::setBackEnabled(bool on) {
    back_->setEnabled(on);
}

void Wizard::setBackVisible(bool on) {
    back_->setVisible(on);
}

} // namespace tarnik
