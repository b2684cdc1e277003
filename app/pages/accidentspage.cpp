#include "pages/accidentspage.h"

namespace tarnik {

AccidentsPage::AccidentsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Wypadki przy pracy"), QStringLiteral("wypadki.html"),
                 parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
