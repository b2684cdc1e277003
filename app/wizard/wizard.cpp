#include "app/wizard/wizard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/helptopics.h"

namespace tarnik {

Wizard::Wizard(QWidget* parent) : QWidget(parent) {
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
    registerHelpTopics({{1100, "nawigacja.html#wstecz"}, {1200, "nawigacja.html#dalej"}});
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
    auto* area = new QScrollArea(stack_);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    pages_ << page;
    stack_->addWidget(area);
    nameControlsByTheirLabels(page);
}

int Wizard::indexOf(const WizardPage* page) const {
    for (int i = 0; i < pages_.size(); ++i)
        if (pages_[i] == page) return i;
    return -1;
}

void Wizard::showPage(int index, PageReason why) {
    if (index < 0 || index >= pages_.size() || index == current_) return;
    if (WizardPage* old = currentPage()) old->leave(why);
    current_ = index;
    stack_->setCurrentIndex(index);
    pages_[index]->enter(why);
    emit currentPageChanged(index);
}

void Wizard::beginReset() {
    emit resetBegun();
    if (WizardPage* old = currentPage()) old->leave(PageReason::Reset);
    current_ = -1;
    for (WizardPage* p : pages_)
        p->documentReset();
}

void Wizard::restart() {
    if (WizardPage* old = currentPage()) old->leave(PageReason::Reset);
    current_ = kPageGeneralData;
    stack_->setCurrentIndex(current_);
    pages_[current_]->enter(PageReason::Reset);
    setBackVisible(false);
    setNextVisible(true);
    emit currentPageChanged(current_);
}

void Wizard::storePendingEdit() {
    for (WizardPage* p : pages_)
        p->storePendingEdit();
}

void Wizard::walkPages() {
    const int start = current_;
    if (start < 0) return;
    const bool backVisible = !back_->isHidden();
    const bool nextVisible = !next_->isHidden();
    const int n = int(pages_.size());
    try {
        int index = start;
        for (int step = 0; step < n - start; ++step) {
            index = (index + 1) % n;
            showPage(index, PageReason::PrintWalk);
        }
        showPage(start, PageReason::PrintWalk);
    } catch (...) {
        // A page that cannot be left (its card cannot be stored) ends the walk: the user is
        // brought back where the walk began, or stays on that page when it cannot be left.
        try {
            showPage(start, PageReason::PrintWalk);
        } catch (...) {
        }
        back_->setVisible(backVisible);
        next_->setVisible(nextVisible);
        throw;
    }
    back_->setVisible(backVisible);
    next_->setVisible(nextVisible);
}

void Wizard::next() {
    if (current_ < 0 || current_ >= kLastWizardPage) return;
    if (!currentPage()->mayLeaveForward()) return;
    showPage(current_ + 1);
}

void Wizard::back() {
    if (current_ <= 0 || current_ > kLastWizardPage) return;
    if (!currentPage()->mayLeaveBackward()) return;
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

QSize Wizard::preferredPageSize() const {
    QSize s;
    for (const WizardPage* p : pages_)
        s = s.expandedTo(p->sizeHint());
    return s;
}

namespace {

// The name a caption gives its control: "&Nazwa:" names it "Nazwa:"; "&&" stands for one
// ampersand; the lines of a caption make one.
QString nameFromCaption(const QLabel* label) {
    QString caption = label->text();
    if (Qt::mightBeRichText(caption))
        caption = QTextDocumentFragment::fromHtml(caption).toPlainText();
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return caption.trimmed();
}

// Keeps the name of a caption's control equal to the caption when the program rewrites the
// caption ("Krotność NDS:" becomes "Krotność NDN:"). A label announces no change of its text,
// but it repaints whenever the text it shows changes and is shown with its page, and its control
// takes the focus before anybody reads its name: the name is brought up to date there. A name
// the control was given otherwise stays.
class CaptionFollower : public QObject {
public:
    CaptionFollower(QLabel* label, QWidget* control)
        : QObject(label), label_(label), given_(nameFromCaption(label)) {
        control->setAccessibleName(given_);
        label->installEventFilter(this);
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::Paint || t == QEvent::Show || t == QEvent::FocusIn) follow();
        return QObject::eventFilter(watched, event);
    }

private:
    void follow() {
        QWidget* control = label_->buddy();
        if (!control || control->accessibleName() != given_) return;
        const QString name = nameFromCaption(label_);
        if (name == given_) return;
        given_ = name;
        control->setAccessibleName(name);
    }

    QLabel* label_;
    QString given_;
};

} // namespace

void nameControlsByTheirLabels(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy || !buddy->accessibleName().isEmpty()) continue;
        new CaptionFollower(label, buddy);
    }
}

} // namespace tarnik
