#include "pages/referencelistspage.h"

#include "pathutil.h"
#include "wizard.h"

namespace tarnik {

ReferenceListsPage::ReferenceListsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Listy podpowiedzi"), QStringLiteral("podpowiedzi.html"),
                 parent) {
    addNotYetBuiltNote();
}

void ReferenceListsPage::loadLists() {
    readReferenceLists(toPath(programDir()) / kReferenceListsFileName, lists_);
}

void ReferenceListsPage::pageShown() {
    wizard().setBackVisible(false);
    wizard().setNextVisible(false);
}

void ReferenceListsPage::pageHidden() {
    wizard().setBackVisible(true);
    wizard().setNextVisible(true);
}

} // namespace tarnik
