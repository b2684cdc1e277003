#include "pages/acquaintancepage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/helpcontext.h"
#include "wizard.h"

namespace tarnik {

AcquaintancePage::AcquaintancePage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Lista osób zapoznanych z wynikami oceny ryzyka zawodowego"),
                 QStringLiteral("lista-osob.html"), parent) {
    registerHelpTopics({{17000, "lista-osob.html#drukuj"}});
    addNotYetBuiltNote();
    print_ = new QPushButton(QStringLiteral("Drukuj Ocenę"), this);
    print_->setObjectName(QStringLiteral("DrukujOcene"));
    print_->setEnabled(false);
    print_->setToolTip(
        QStringLiteral("Drukowanie zostanie dodane w kolejnym etapie prac nad programem."));
    print_->setAutoDefault(false);
    setHelpContext(print_, 17000);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(print_);
    content()->addLayout(row);
}

void AcquaintancePage::pageShown(PageReason) {
    // The last page of the wizard.
    wizard().setNextEnabled(false);
}

} // namespace tarnik
