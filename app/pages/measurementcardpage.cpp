#include "pages/measurementcardpage.h"

#include "factors/cards.h"
#include "factors/selection.h"
#include "prompts.h"

namespace tarnik {

MeasurementCardPage::MeasurementCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta pomiaru czynników"),
                 QStringLiteral("karta-pomiaru.html"), parent) {
    registerHelpTopics({{9500, "karta-pomiaru.html#lista"},
                        {9510, "karta-pomiaru.html#nazwa"},
                        {9520, "karta-pomiaru.html#kod"},
                        {9530, "karta-pomiaru.html#forma"},
                        {9540, "karta-pomiaru.html#charakterystyka"},
                        {9550, "karta-pomiaru.html#uzupelniajaca"},
                        {9560, "karta-pomiaru.html#uzupelniajaca"},
                        {9570, "karta-pomiaru.html#uzupelniajaca"},
                        {9580, "karta-pomiaru.html#uzupelniajaca"},
                        {9700, "karta-pomiaru.html#pomiar"},
                        {9710, "karta-pomiaru.html#pomiar"},
                        {9720, "karta-pomiaru.html#pomiar"},
                        {9730, "karta-pomiaru.html#pomiar"},
                        {9740, "karta-pomiaru.html#pomiar"},
                        {9750, "karta-pomiaru.html#wymagania"},
                        {9760, "karta-pomiaru.html#krotnosc"}});
    addNotYetBuiltNote();
}

bool MeasurementCardPage::mayLeaveForward() {
    storePendingEdit();
    if (allDescribed(factorsToDescribe(model()))) return true;
    showMessage(window(), QString::fromUtf8(kNotAllDescribedTitle),
                QString::fromUtf8(kNotAllDescribedMessage));
    return false;
}

} // namespace tarnik
