#include "pages/trainingpage.h"

#include "wizard.h"

namespace tarnik {

TrainingPage::TrainingPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Zakres szkoleń bhp"), QStringLiteral("szkolenia.html"),
                 parent) {
    registerHelpTopics({{6500, "szkolenia.html#zakres"}});
    addNotYetBuiltNote();
}

void TrainingPage::pageShown(PageReason) {
    // Showing the page enables Next.
    wizard().setNextEnabled(true);
}

} // namespace tarnik
