#pragma once
// Page 8, "Wypadki przy pracy": accidents at work and occupational diseases.
#include "pages/wizardpage.h"

namespace tarnik {

class AccidentsPage : public WizardPage {
    Q_OBJECT
public:
    explicit AccidentsPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
