#pragma once
// Page 10, "Poziom ryzyka": the risk level, its grade and the recommendations.
#include "pages/wizardpage.h"

namespace tarnik {

class RiskLevelPage : public WizardPage {
    Q_OBJECT
public:
    explicit RiskLevelPage(PageContext& ctx, QWidget* parent = nullptr);

protected:
    void pageShown(PageReason why) override;
};

} // namespace tarnik
