#pragma once
// Page 6, "Karta poziomu zagrożeń": the hazard level card and the exposure indices. Showing the
// page recounts the described factors into the nine rows and four worker groups; leaving a
// weight ("Parametr") recomputes the indices from the counts as they stand; "Przywróć" brings
// back the default weights. The numbers and the chart come from the evaluation.
#include <array>

#include "app/wizard/wizardpage.h"
#include "core/evaluation/evaluation.h"

class QLabel;
class QPushButton;

namespace tarnik {

class ChartWidget;
class FieldSpinBox;

// The row captions of the card, in row order.
extern const std::array<const char*, kHazardRowCount> kHazardRowCaptions;

class HazardCardPage : public WizardPage {
    Q_OBJECT
public:
    explicit HazardCardPage(PageContext& ctx, QWidget* parent = nullptr);

    // The weight field p1 .. p9 of row 1..9.
    FieldSpinBox* weightField(int row) const;
    // The count label of row 1..9 and group 0..3.
    QLabel* countLabel(int row, int group) const;
    // ST701 .. ST709 (n = 701..709).
    QLabel* indexLabel(int n) const;
    QPushButton* restoreButton() const { return restore_; }
    ChartWidget* chart() const { return chart_; }

    // A weight typed but not yet left is taken as if the field had been left.
    void storePendingEdit() override;
    void documentReset() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    // A weight typed but not yet left counts as left when the page is left.
    void pageHidden(PageReason why) override;

private:
    // p1Change .. p9Change, with the text the field had.
    void weightLeft(int row, const QString& raw);
    // Button10Click ("Przywróć").
    void restoreWeights();
    void showWeights();
    // The counts and indices as the evaluation holds them.
    void showResults();

    std::array<FieldSpinBox*, kHazardRowCount> weights_{};
    std::array<std::array<QLabel*, kWorkerGroupCount>, kHazardRowCount> counts_{};
    std::array<QLabel*, 9> indices_{}; // ST701 .. ST709
    QPushButton* restore_ = nullptr;
    ChartWidget* chart_ = nullptr;
};

} // namespace tarnik
