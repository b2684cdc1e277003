#include "pages/factorspage.h"

namespace tarnik {

FactorsPage::FactorsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Czynniki szkodliwe, niebezpieczne i uciążliwe"),
                 QStringLiteral("czynniki.html"), parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
