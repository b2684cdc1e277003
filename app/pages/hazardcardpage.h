#pragma once
// Page 6, "Karta poziomu zagrożeń": the hazard level card and the exposure indices.
#include "pages/wizardpage.h"

namespace tarnik {

class HazardCardPage : public WizardPage {
    Q_OBJECT
public:
    explicit HazardCardPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
