#pragma once
// Page 12, "Lista osób zapoznanych z wynikami oceny ryzyka zawodowego": the persons made
// acquainted with the result (the assessment's Osoby, one per line), "Dodaj z listy", which adds
// the workers of the register, and the button that prints the assessment. The last page of the
// wizard: Next is disabled here.
#include "app/widgets/limitedtextedit.h"
#include "app/wizard/wizardpage.h"

class QLabel;
class QPushButton;

namespace tarnik {

class AcquaintancePage : public WizardPage {
    Q_OBJECT
public:
    explicit AcquaintancePage(PageContext& ctx, QWidget* parent = nullptr);

    LimitedTextEdit* Osoby() const { return osoby_; }
    QPushButton* addFromListButton() const { return addFromList_; }
    QLabel* addFromListNote() const { return note_; }
    // "Drukuj Ocenę": does what the menu item "Drukuj" does, once printing is part of the
    // program.
    QPushButton* printButton() const { return print_; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    void addWorkers();

    LimitedTextEdit* osoby_ = nullptr;
    QPushButton* addFromList_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* print_ = nullptr;
};

} // namespace tarnik
