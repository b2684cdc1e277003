#pragma once
// Page 10, "Poziom ryzyka": the risk level combined from every index, its grade against the four
// band limits the user may move, the recommendations that follow from the grade, and the chart
// of the ten values. Showing the page computes the level; moving a limit re-grades it.
#include <array>

#include "app/wizard/wizardpage.h"

class QLabel;
class QPlainTextEdit;

namespace tarnik {

class ChartWidget;
class FieldSpinBox;

class RiskLevelPage : public WizardPage {
    Q_OBJECT
public:
    explicit RiskLevelPage(PageContext& ctx, QWidget* parent = nullptr);

    QLabel* levelLabel() const { return st1101_; }
    QLabel* gradeLabel() const { return grade_; }
    // SE1101 .. SE1104 (k = 1..4).
    FieldSpinBox* limitField(int k) const;
    // E1101 .. E1104 (k = 1..4).
    QLabel* upperLabel(int k) const;
    QLabel* legend() const { return memo5_; }
    QLabel* values() const { return memo7_; }
    QPlainTextEdit* recommendations() const { return memo6_; }
    ChartWidget* chart() const { return chart_; }

    // A limit typed but not yet left is taken as if it had been left.
    void storePendingEdit() override;
    void documentReset() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    // SE1101Change .. SE1104Change: on each change, and on leaving with the text as typed.
    void limitChanged(int k, const QString& text, bool leaving);
    // The bounds and values of the four limits as the assessment holds them, except the text of
    // the one being typed in.
    void showLimits(int typedLimit = 0);
    // The level, the values beside the legend.
    void showLevel();
    // The grade, the recommendations and the "DO" texts.
    void showGrade();

    QLabel* st1101_ = nullptr;
    QLabel* grade_ = nullptr;
    std::array<FieldSpinBox*, 4> limits_{};
    std::array<QLabel*, 4> uppers_{};
    QLabel* memo5_ = nullptr;
    QLabel* memo7_ = nullptr;
    QPlainTextEdit* memo6_ = nullptr;
    ChartWidget* chart_ = nullptr;
};

} // namespace tarnik
