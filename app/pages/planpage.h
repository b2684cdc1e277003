#pragma once
// Page 11, "Plan poprawy warunków pracy": the plan of measures that improve the working conditions.
#include "pages/wizardpage.h"

namespace tarnik {

class PlanPage : public WizardPage {
    Q_OBJECT
public:
    explicit PlanPage(PageContext& ctx, QWidget* parent = nullptr);

protected:
    void pageShown(PageReason why) override;
};

} // namespace tarnik
