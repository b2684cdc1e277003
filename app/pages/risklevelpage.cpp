#include "pages/risklevelpage.h"

#include "wizard.h"

namespace tarnik {

RiskLevelPage::RiskLevelPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Poziom ryzyka"), QStringLiteral("poziom-ryzyka.html"),
                 parent) {
    registerHelpTopics({{14500, "poziom-ryzyka.html#granice"}});
    addNotYetBuiltNote();
}

void RiskLevelPage::pageShown(PageReason) {
    // Showing the page makes Next visible again.
    wizard().setNextVisible(true);
}

} // namespace tarnik
