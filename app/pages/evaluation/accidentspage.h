#pragma once
// Page 8, "Wypadki przy pracy": accidents at work and occupational diseases of the year before
// the assessment date, and the four indices derived from them. Every change of a figure is
// checked and recomputed by the evaluation at once.
#include <array>

#include "app/wizard/wizardpage.h"

class QLabel;

namespace tarnik {

class FieldSpinBox;

class AccidentsPage : public WizardPage {
    Q_OBJECT
public:
    explicit AccidentsPage(PageContext& ctx, QWidget* parent = nullptr);

    void documentReset() override;

    // SE901 .. SE905 (n = 901..905).
    FieldSpinBox* field(int n) const;
    // ST901 .. ST904 (n = 901..904).
    QLabel* indexLabel(int n) const;
    QLabel* periodLabel() const { return period_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    // SE901Change .. SE905Change.
    void fieldChanged(int n, const QString& raw);
    void fieldLeft(int n, const QString& raw);
    // The fields as the assessment holds them, except the one being typed in.
    void showFields(int typedField = 0);
    void showIndices();

    QLabel* period_ = nullptr;
    std::array<FieldSpinBox*, 5> fields_{};
    std::array<QLabel*, 4> indices_{};
};

} // namespace tarnik
