#include "pages/factorspage.h"

namespace tarnik {

FactorsPage::FactorsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Czynniki szkodliwe, niebezpieczne i uciążliwe"),
                 QStringLiteral("czynniki.html"), parent) {
    registerHelpTopics({{8500, "czynniki.html#grupa"},
                        {8510, "czynniki.html#lista"},
                        {8520, "czynniki.html#nowy"},
                        {8530, "czynniki.html#nowy"}});
    addNotYetBuiltNote();
}

} // namespace tarnik
