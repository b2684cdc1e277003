#include "pages/hazardcardpage.h"

namespace tarnik {

HazardCardPage::HazardCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta poziomu zagrożeń"),
                 QStringLiteral("karta-zagrozen.html"), parent) {
    registerHelpTopics(
        {{10500, "karta-zagrozen.html#parametry"}, {10600, "karta-zagrozen.html#przywroc"}});
    addNotYetBuiltNote();
}

} // namespace tarnik
