#pragma once
// Page 2, "Zakres szkoleń bhp": the training plan of the station, the first periodic training
// (RG301) and the interval of the further ones (RG302), with the plan line ST301 beneath.
#include <array>

#include "app/wizard/wizardpage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tarnik {

class TrainingPage : public WizardPage {
    Q_OBJECT
public:
    explicit TrainingPage(PageContext& ctx, QWidget* parent = nullptr);

    QGroupBox* RG301() const { return first_; }
    QGroupBox* RG302() const { return further_; }
    QRadioButton* firstItem(int index) const { return firstItems_[std::size_t(index)]; }
    QRadioButton* furtherItem(int index) const { return furtherItems_[std::size_t(index)]; }
    QLabel* ST301() const { return plan_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    void firstClicked(int index);
    void furtherClicked(int index);

    QGroupBox* first_ = nullptr;
    QGroupBox* further_ = nullptr;
    QButtonGroup* firstGroup_ = nullptr;
    QButtonGroup* furtherGroup_ = nullptr;
    std::array<QRadioButton*, 3> firstItems_{};
    std::array<QRadioButton*, 7> furtherItems_{};
    QLabel* plan_ = nullptr;
};

} // namespace tarnik
