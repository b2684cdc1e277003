#pragma once
// Page 4, "Czynniki szkodliwe, niebezpieczne i uciążliwe": the choice of the factors present at the
// station.
#include "pages/wizardpage.h"

namespace tarnik {

class FactorsPage : public WizardPage {
    Q_OBJECT
public:
    explicit FactorsPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
