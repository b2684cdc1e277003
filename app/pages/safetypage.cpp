#include "pages/safetypage.h"

namespace tarnik {

SafetyPage::SafetyPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Ocena stanu bhp"), QStringLiteral("stan-bhp.html"), parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
