#include "app/pages/closing/acquaintancepage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/platform/prompts.h"
#include "app/print/printcommand.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/wizard.h"
#include "core/rules/plan/plan.h"

namespace tarnik {

AcquaintancePage::AcquaintancePage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Lista osób zapoznanych z wynikami oceny ryzyka zawodowego"),
                 QStringLiteral("lista-osob.html"), parent) {
    registerHelpTopics({{17000, "lista-osob.html#drukuj"}});

    auto* intro = new QLabel(
        QStringLiteral("Należy wpisać imiona i nazwiska pracowników zapoznanych z wynikami oceny "
                       "ryzyka zawodowego. Na ostatniej stronie zostanie wydrukowana tabela z "
                       "miejscami na podpisy tych pracowników oraz podpis osoby zapoznającej "
                       "pracownika z ryzykiem zawodowym."),
        this);
    intro->setWordWrap(true);
    osoby_ = new LimitedTextEdit(int(kStoredTextLength), 8, this);
    osoby_->setPasteCut(PasteCut::WholeLines);
    osoby_->setObjectName(QStringLiteral("Osoby"));
    osoby_->setAccessibleName(heading());
    osoby_->setAccessibleDescription(intro->text());
    osoby_->setTabChangesFocus(true);
    osoby_->setLineWrapMode(QPlainTextEdit::NoWrap);

    addFromList_ = new QPushButton(QStringLiteral("Dodaj z &listy"), this);
    addFromList_->setObjectName(QStringLiteral("DodajZListy"));
    addFromList_->setAutoDefault(false);
    note_ = new QLabel(QStringLiteral("Dodaje imiona i nazwiska pracowników, które zostały wpisane "
                                      "na stronie \"Pracownicy\"."),
                       this);
    note_->setWordWrap(true);

    print_ = new QPushButton(QStringLiteral("Drukuj Ocenę"), this);
    print_->setObjectName(QStringLiteral("DrukujOcene"));
    print_->setAutoDefault(false);
    setHelpContext(print_, 17000);
    // "Drukuj Ocenę" does what the menu's "Drukuj" does.
    connect(print_, &QPushButton::clicked, &context().print, &PrintCommand::run);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addFromList_);
    buttons->addWidget(note_, 1);
    buttons->addSpacing(16);
    buttons->addWidget(print_);

    content()->addWidget(intro);
    content()->addWidget(osoby_, 1);
    content()->addLayout(buttons);

    connect(osoby_, &QPlainTextEdit::textChanged, this, [this] {
        if (loading()) return;
        model().Osoby = editorTextToModel(osoby_->toPlainText());
        markChanged();
    });
    connect(addFromList_, &QPushButton::clicked, this, guard([this] { addWorkers(); }));
}

void AcquaintancePage::loadFromModel() {
    osoby_->setPlainText(modelTextToEditor(model().Osoby));
}

void AcquaintancePage::pageShown(PageReason) {
    const bool workers = !model().ListaPrac.empty();
    addFromList_->setEnabled(workers);
    note_->setEnabled(workers);
    // The last page of the wizard.
    wizard().setNextEnabled(false);
}

void AcquaintancePage::addWorkers() {
    // The file keeps the list up to its stored length: only the names that fit are added,
    // whole, and the user hears how many did not.
    const AcquaintanceAddition merged =
        addWorkersToAcquaintanceList(model().Osoby, model().ListaPrac, kStoredTextLength);
    // The change handler stores the list and marks the document.
    if (merged.text != model().Osoby) osoby_->setPlainText(modelTextToEditor(merged.text));
    if (merged.leftOut > 0)
        showMessage(window(), kTitleWarning,
                    QString::fromStdString(namesLeftOutMessage(std::size_t(merged.leftOut),
                                                               std::size_t(kStoredTextLength))));
}

} // namespace tarnik
