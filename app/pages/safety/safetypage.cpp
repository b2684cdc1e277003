#include "app/pages/safety/safetypage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/pages/safety/checklistmodel.h"
#include "app/pages/safety/checklistview.h"
#include "core/rules/checklist/checklist.h"

namespace tarnik {

namespace {

constexpr int kHelpNewQuestion = 11500;
constexpr int kHelpAnswer = 11600;

} // namespace

SafetyPage::SafetyPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Ocena stanu bhp"), QStringLiteral("stan-bhp.html"), parent) {
    registerHelpTopics({{kHelpNewQuestion, "stan-bhp.html#nowe-pytanie"},
                        {kHelpAnswer, "stan-bhp.html#odpowiedz"},
                        {11700, "stan-bhp.html#pytania"}});

    model_ = new ChecklistModel([this]() -> const Checklist& { return model().questions; }, this);
    view_ = new ChecklistView(this);
    view_->setObjectName(QStringLiteral("ScrollBox1"));
    view_->setModel(model_);
    view_->setAccessibleName(QStringLiteral("Odpowiedź:"));
    view_->setAccessibleDescription(QStringLiteral("Pytania oceny stanu bhp z polami odpowiedzi"));
    view_->setToolTip(QStringLiteral("Kliknij pole odpowiedzi albo naciśnij spację, aby zmienić "
                                     "odpowiedź: TAK, NIE, brak odpowiedzi. Klawisz T odpowiada "
                                     "TAK, N odpowiada NIE, Delete usuwa odpowiedź."));
    setHelpContext(view_, kHelpAnswer);
    content()->addWidget(view_, 1);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    // The file keeps a question to its stored length: typing stops there.
    edit_->setMaxLength(int(kStoredTextLength));
    const QString hint =
        QStringLiteral("Wpisz pytanie, którego nie ma na liście i wciśnij przycisk \"Dodaj\".");
    edit_->setToolTip(hint);
    edit_->setPlaceholderText(hint);
    setHelpContext(edit_, kHelpNewQuestion);
    add_ = new QPushButton(QStringLiteral("Dod&aj"), this);
    add_->setObjectName(QStringLiteral("Button1"));
    add_->setAutoDefault(false);
    setHelpContext(add_, kHelpNewQuestion);
    auto* label = new QLabel(QStringLiteral("&Nowe pytanie:"), this);
    label->setBuddy(edit_);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(label);
    row->addWidget(edit_, 1);
    row->addWidget(add_);
    content()->addLayout(row);

    setTabOrder(view_, edit_);
    setTabOrder(edit_, add_);

    connect(view_, &ChecklistView::answerStepRequested, this,
            [this](int r) { runGuarded([&] { stepAnswer(r); }, window()); });
    connect(view_, &ChecklistView::answerSetRequested, this, [this](int r, const QString& answer) {
        runGuarded([&] { setAnswer(r, answer); }, window());
    });
    connect(add_, &QPushButton::clicked, this, guard([this] { addQuestion(); }));
    connect(edit_, &QLineEdit::returnPressed, this, guard([this] { addQuestion(); }));
}

void SafetyPage::documentReset() {
    // The rows point into the checklist that is being replaced.
    model_->clear();
    stale_ = true;
}

void SafetyPage::loadFromModel() {
    if (stale_ || model_->rowCount() != int(model().questions.questionCount())) {
        model_->reload();
        stale_ = false;
    } else {
        // The same questions: the answers are shown again, the list stays where it was.
        model_->refreshAnswers();
    }
}

void SafetyPage::stepAnswer(int row) {
    Checklist& list = model().questions;
    if (row < 0 || std::size_t(row) >= list.questionCount()) return;
    list.stepAnswer(std::size_t(row));
    model_->answerChanged(row);
    markChanged();
}

void SafetyPage::setAnswer(int row, const QString& answer) {
    Checklist& list = model().questions;
    if (row < 0 || std::size_t(row) >= list.questionCount()) return;
    std::string text = answer.toStdString();
    if (list[std::size_t(row)].answer == text) return;
    list.setAnswer(std::size_t(row), std::move(text));
    model_->answerChanged(row);
    markChanged();
}

void SafetyPage::addQuestion() {
    const QString typed = edit_->text();
    const std::optional<std::size_t> added =
        addTypedQuestion(model().questions, typed.toStdString());
    edit_->clear();
    if (!added) return;
    // The new question goes below the last one; the list stays where the user has it.
    QScrollBar* bar = view_->verticalScrollBar();
    const int position = bar->value();
    model_->appended();
    bar->setValue(position);
    markChanged();
}

} // namespace tarnik
