#pragma once
// Page 9, "Karta uzupełniajaca": the probability of an accident and the gravity of its
// consequences, the realisation of the improvement plan of the previous assessment (shown from
// the second assessment of the station on), and the expert index with its justification.
#include <array>

#include "app/wizard/wizardpage.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarnik {

class FieldSpinBox;

// The point scales beside the two probability fields, as the page shows them.
extern const std::array<const char*, 6> kProbabilityScale;
extern const std::array<const char*, 5> kConsequenceScale;

class SupplementaryPage : public WizardPage {
    Q_OBJECT
public:
    explicit SupplementaryPage(PageContext& ctx, QWidget* parent = nullptr);

    void documentReset() override;

    // SE1001, SE1002, SE1003, SE1005, SE1006, SE1007 (n = 1001..1007, not 1004).
    FieldSpinBox* field(int n) const;
    // SE1004, the total exposure index of this assessment (not editable).
    QLineEdit* currentExposureField() const { return se1004_; }
    QPlainTextEdit* justification() const { return memo1_; }
    QLabel* probabilityLabel() const { return lb1001_; }
    QLabel* planLabel() const { return st1002_; }
    QGroupBox* planGroup() const { return planGroup_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    // SE1001Change .. SE1006Change.
    void fieldChanged(int n, const QString& raw);
    void fieldLeft(int n, const QString& raw);
    // SE1007Change.
    void expertChanged(const QString& raw);
    void showFields(int typedField = 0);
    void showIndices();

    std::array<FieldSpinBox*, 7> fields_{}; // by n - 1001; SE1004 has none
    QLineEdit* se1004_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* lb1001_ = nullptr;
    QLabel* st1002_ = nullptr;
    QGroupBox* planGroup_ = nullptr;
};

} // namespace tarnik
