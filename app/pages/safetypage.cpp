#include "pages/safetypage.h"

namespace tarnik {

SafetyPage::SafetyPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Ocena stanu bhp"), QStringLiteral("stan-bhp.html"), parent) {
    registerHelpTopics({{11500, "stan-bhp.html#nowe-pytanie"},
                        {11600, "stan-bhp.html#odpowiedz"},
                        {11700, "stan-bhp.html#pytania"}});
    addNotYetBuiltNote();
}

} // namespace tarnik
