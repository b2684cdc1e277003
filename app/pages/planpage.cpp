#include "pages/planpage.h"

#include "wizard.h"

namespace tarnik {

PlanPage::PlanPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Plan poprawy warunków pracy"), QStringLiteral("plan.html"),
                 parent) {
    registerHelpTopics({{15500, "plan.html#tabela"}});
    addNotYetBuiltNote();
}

void PlanPage::pageShown(PageReason) {
    // Showing the page enables Next.
    wizard().setNextEnabled(true);
}

} // namespace tarnik
