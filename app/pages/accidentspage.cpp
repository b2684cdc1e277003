#include "pages/accidentspage.h"

namespace tarnik {

AccidentsPage::AccidentsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Wypadki przy pracy"), QStringLiteral("wypadki.html"),
                 parent) {
    registerHelpTopics({{12500, "wypadki.html#dane"},
                        {12600, "wypadki.html#dane"},
                        {12700, "wypadki.html#dane"},
                        {12800, "wypadki.html#dane"},
                        {12900, "wypadki.html#choroby"}});
    addNotYetBuiltNote();
}

} // namespace tarnik
