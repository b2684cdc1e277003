#include "pages/referencelistspage.h"

namespace tarnik {

ReferenceListsPage::ReferenceListsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Listy podpowiedzi"), QStringLiteral("podpowiedzi.html"),
                 parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
