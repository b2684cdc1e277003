#pragma once
// Page 5, "Karta pomiaru czynników": the measurement card of each chosen factor.
#include "pages/wizardpage.h"

namespace tarnik {

class MeasurementCardPage : public WizardPage {
    Q_OBJECT
public:
    explicit MeasurementCardPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
