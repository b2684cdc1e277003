#pragma once
// Page 0, "Dane ogólne": the establishment, the station, the date and the assessing unit, the
// persons responsible for safety on the station and the members of the assessing commission.
#include "app/widgets/limitedtextedit.h"
#include "app/wizard/wizardpage.h"

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarnik {

class PersonListBox;

class GeneralDataPage : public WizardPage {
    Q_OBJECT
public:
    explicit GeneralDataPage(PageContext& ctx, QWidget* parent = nullptr);

    // The picker of the reference lists puts an establishment into the page.
    void setEstablishment(const QString& name, const QString& regon);

    QPlainTextEdit* EdtZaklad() const { return zaklad_; }
    QLineEdit* EdtRegon() const { return regon_; }
    QSpinBox* EdtNr() const { return nr_; }
    QLineEdit* EdtStanowisko() const { return stanowisko_; }
    QLineEdit* EdtKStan() const { return kstan_; }
    QSpinBox* EdtLStan() const { return lstan_; }
    QDateEdit* DTPOcena() const { return date_; }
    QLineEdit* EdtJednostka() const { return jednostka_; }
    QPushButton* insertEstablishmentButton() const { return insertEstablishment_; }
    PersonListBox* responsiblePersons() const { return odpow_; }
    PersonListBox* commission() const { return komisja_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    void establishmentChanged();

    LimitedTextEdit* zaklad_ = nullptr;
    QLineEdit* regon_ = nullptr;
    QSpinBox* nr_ = nullptr;
    QLineEdit* stanowisko_ = nullptr;
    QLineEdit* kstan_ = nullptr;
    QSpinBox* lstan_ = nullptr;
    QDateEdit* date_ = nullptr;
    QLineEdit* jednostka_ = nullptr;
    QPushButton* insertEstablishment_ = nullptr;
    PersonListBox* odpow_ = nullptr;
    PersonListBox* komisja_ = nullptr;
};

} // namespace tarnik
