#pragma once
// Page 9, "Karta uzupełniajaca": the supplementary card indices.
#include "pages/wizardpage.h"

namespace tarnik {

class SupplementaryPage : public WizardPage {
    Q_OBJECT
public:
    explicit SupplementaryPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
