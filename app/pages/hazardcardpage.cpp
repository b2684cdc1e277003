#include "pages/hazardcardpage.h"

namespace tarnik {

HazardCardPage::HazardCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta poziomu zagrożeń"),
                 QStringLiteral("karta-zagrozen.html"), parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
