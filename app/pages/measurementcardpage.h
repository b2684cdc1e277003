#pragma once
// Page 5, "Karta pomiaru czynników": the measurement card of each chosen factor.
#include "pages/wizardpage.h"

namespace tarnik {

class MeasurementCardPage : public WizardPage {
    Q_OBJECT
public:
    explicit MeasurementCardPage(PageContext& ctx, QWidget* parent = nullptr);

    // Next: every listed factor must be described ("Nie są opisane wszystkie czynniki.").
    bool mayLeaveForward() override;
    // While a picker stands in for the page, the card and its edit stay as they are.
    bool keepsEditDuringPicker() const override { return true; }
};

} // namespace tarnik
