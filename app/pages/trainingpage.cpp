#include "pages/trainingpage.h"

#include "wizard.h"

namespace tarnik {

TrainingPage::TrainingPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Zakres szkoleń bhp"), QStringLiteral("szkolenia.html"),
                 parent) {
    addNotYetBuiltNote();
}

void TrainingPage::pageShown() {
    // Showing the page enables Next.
    wizard().setNextEnabled(true);
}

} // namespace tarnik
