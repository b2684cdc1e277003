#include "pages/measurementcardpage.h"

namespace tarnik {

MeasurementCardPage::MeasurementCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta pomiaru czynników"),
                 QStringLiteral("karta-pomiaru.html"), parent) {
    addNotYetBuiltNote();
}

} // namespace tarnik
