#pragma once
// Page 12, "Lista osób zapoznanych z wynikami oceny ryzyka zawodowego": the persons made
// acquainted with the result, and the button that prints the assessment. The last page of the
// wizard: Next is disabled here.
#include "pages/wizardpage.h"

class QPushButton;

namespace tarnik {

class AcquaintancePage : public WizardPage {
    Q_OBJECT
public:
    explicit AcquaintancePage(PageContext& ctx, QWidget* parent = nullptr);

    // "Drukuj Ocenę": does what the menu item "Drukuj" does, once printing is part of the
    // program.
    QPushButton* printButton() const { return print_; }

protected:
    void pageShown(PageReason why) override;

private:
    QPushButton* print_ = nullptr;
};

} // namespace tarnik
