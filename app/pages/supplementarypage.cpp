#include "pages/supplementarypage.h"

namespace tarnik {

SupplementaryPage::SupplementaryPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta uzupełniajaca"),
                 QStringLiteral("karta-uzupelniajaca.html"), parent) {
    registerHelpTopics({{13500, "karta-uzupelniajaca.html#prawdopodobienstwo"},
                        {13600, "karta-uzupelniajaca.html#prawdopodobienstwo"},
                        {13700, "karta-uzupelniajaca.html#plan"},
                        {13720, "karta-uzupelniajaca.html#plan"},
                        {13730, "karta-uzupelniajaca.html#plan"},
                        {13800, "karta-uzupelniajaca.html#ekspert"},
                        {13900, "karta-uzupelniajaca.html#ekspert"}});
    addNotYetBuiltNote();
}

} // namespace tarnik
