#pragma once
// The card of page 5 for the factor being described: the group "Czynnik" (name, code, short
// characteristic), the form of description, and below it either the measurement card ("Pomiar")
// or the supplementary card, in the same place. The editor shows a factor's card and gives back
// what the controls hold; storing it into the record is the page's.
#include <QWidget>

#include "core/rules/factors/cards.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tarnik {

class MeasurementBox;
class SupplementaryBox;

class FactorCardEditor : public QWidget {
    Q_OBJECT
public:
    explicit FactorCardEditor(QWidget* parent = nullptr);

    // KrtCzynnikDoEdycji: the card enabled, every field of the record shown (the supplementary
    // boxes set one by one under their rules), the card laid out for the factor's group.
    void showFactor(const FactorRecord& record);
    // The card while no factor is selected: empty, "karta pomiaru", "Spełnia wymagania:" "Tak",
    // every box cleared, dated `assessmentDate`.
    void showEmpty(DayNumber assessmentDate);
    // The card groups and the form choice.
    void setCardEnabled(bool on);
    bool cardEnabled() const { return enabled_; }

    // What the controls hold, as KrtAktualizujCzynnik takes it.
    CardInput input() const;
    // The multiplicity edit that has the focus is checked as if it were left: a command given
    // from the keyboard (Alt+D, Ctrl+S) leaves the focus where it is, and the card it stores
    // must not differ from the one a click would store.
    void checkFocusedMultiplicity();

    // The pickers: the chosen row into the controls (not stored until the card is).
    void insertCode(const QString& code, const QString& characteristic);
    void insertPerformer(const QString& performer);
    void insertMethod(const QString& method);

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* codeEdit() const { return code_; }
    QPlainTextEdit* characteristicEdit() const { return characteristic_; }
    QPushButton* codeInsertButton() const { return codeInsert_; }
    QRadioButton* measurementFormButton() const { return formMeasurement_; }
    QRadioButton* supplementaryFormButton() const { return formSupplementary_; }
    MeasurementBox* measurement() const { return measurement_; }
    SupplementaryBox* supplementary() const { return supplementary_; }
    // Whether the supplementary card is the one shown.
    bool showsSupplementary() const;

private:
    void showForm(int form);
    void setForm(int form);
    // TestujNDS when a multiplicity edit loses the focus.
    void checkMultiplicity(int column);

    QGroupBox* factorBox_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* code_ = nullptr;
    QPushButton* codeInsert_ = nullptr;
    QPlainTextEdit* characteristic_ = nullptr;
    QWidget* formChoice_ = nullptr;
    QButtonGroup* form_ = nullptr;
    QRadioButton* formMeasurement_ = nullptr;
    QRadioButton* formSupplementary_ = nullptr;
    QStackedWidget* cards_ = nullptr;
    MeasurementBox* measurement_ = nullptr;
    SupplementaryBox* supplementary_ = nullptr;
    bool enabled_ = true;
    bool formChoiceAllowed_ = true;
    // The factor's group, for the multiplicity check; 0 while no factor is shown.
    int factorGroup_ = 0;
    // The hidden choices RG603 .. RG606, kept as loaded.
    CardInput hidden_;
};

} // namespace tarnik
