#pragma once
// Page 3, "Pracownicy": the register of the workers employed on the station and the number of
// workers in each group. The register and its editor come in a later step; the group counts
// ("Liczba pracowników") and the "Nowy" button, which the wizard makes blink when the counts are
// missing, are here.
#include <array>

#include "blinker.h"
#include "pages/wizardpage.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarnik {

class WorkersPage : public WizardPage {
    Q_OBJECT
public:
    explicit WorkersPage(PageContext& ctx, QWidget* parent = nullptr);

    // "Nowy" (Btn4New) and the frame "Liczba pracowników": they blink when Next finds no
    // workers.
    QPushButton* newButton() const { return newButton_; }
    QGroupBox* countsFrame() const { return countsFrame_; }
    // SE_m, SE_k, SE_kc, SE_ml by group 0..3, and SE_razem.
    QSpinBox* countEdit(int group) const { return counts_[static_cast<std::size_t>(group)]; }
    QLineEdit* totalEdit() const { return total_; }

    // Next: with no workers the page says so, makes "Nowy" and the count frame blink and keeps
    // the user here.
    bool mayLeaveForward() override;
    Blinker& blinker() { return blinker_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    // UpdateWorkers: the counts from the register, or typed while it is empty.
    void updateWorkers();
    void showCounts();

    QPushButton* newButton_ = nullptr;
    QGroupBox* countsFrame_ = nullptr;
    std::array<QSpinBox*, 4> counts_{};
    QLineEdit* total_ = nullptr;
    Blinker blinker_;
};

} // namespace tarnik
