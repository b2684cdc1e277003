#pragma once
// Page 7, "Ocena stanu bhp": the safety-state questionnaire.
#include "pages/wizardpage.h"

namespace tarnik {

class SafetyPage : public WizardPage {
    Q_OBJECT
public:
    explicit SafetyPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
