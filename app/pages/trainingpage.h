#pragma once
// Page 2, "Zakres szkoleń bhp": the training scope of the station.
#include "pages/wizardpage.h"

namespace tarnik {

class TrainingPage : public WizardPage {
    Q_OBJECT
public:
    explicit TrainingPage(PageContext& ctx, QWidget* parent = nullptr);

protected:
    void pageShown(PageReason why) override;
};

} // namespace tarnik
