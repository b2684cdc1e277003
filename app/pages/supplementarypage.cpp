#include "pages/supplementarypage.h"

namespace tarnik {

SupplementaryPage::SupplementaryPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta uzupełniajaca"),
                 QStringLiteral("karta-uzupelniajaca.html"), parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
