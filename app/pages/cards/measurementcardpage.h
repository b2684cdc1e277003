#pragma once
// Page 5, "Karta pomiaru czynników": every chosen factor in alphabetical order, and the card of
// the factor being described. The card is stored into the factor's record when another factor is
// chosen, when the page is left, before Next and on the pending-edit route (saving, the question
// "Zapisać zmiany?", printing); storing computes whether the factor is described and its rows of
// the hazard level card.
#include "app/wizard/wizardpage.h"

class QLabel;
class QListView;

namespace tarnik {

class DescribeListModel;
class FactorCardEditor;
struct FactorRecord;

class MeasurementCardPage : public WizardPage {
    Q_OBJECT
public:
    explicit MeasurementCardPage(PageContext& ctx, QWidget* parent = nullptr);

    // Next: the open card is stored, then every listed factor must be described ("Nie są
    // opisane wszystkie czynniki.").
    bool mayLeaveForward() override;
    // The open card into its record (KrtAktualizujCzynnik), then the ticks. Throws
    // ConversionError for a multiple that is neither a letter of the rules nor a number; what
    // came before it is stored.
    void storePendingEdit() override;
    void documentReset() override;
    // While a picker stands in for the page, the card and its edit stay as they are.
    bool keepsEditDuringPicker() const override { return true; }

    // The factor being described (currentFactor), null when none is.
    FactorRecord* currentFactor() const { return current_; }
    // Chooses the factor of a row of the list, as a click on it does: the open card is stored
    // first; when that fails the error is shown and the card stays on its factor.
    void selectFactor(int row);

    QListView* factorList() const { return list_; }
    DescribeListModel* factorListModel() const { return listModel_; }
    QLabel* countLabel() const { return count_; }
    QLabel* remainingLabel() const { return remaining_; }
    FactorCardEditor* card() const { return card_; }

protected:
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    // KrtOdswiezCzynniki.
    void refreshFactors();
    // KrtAktualizujPtaszki.
    void updateTicks();
    // KrtAktualizujCzynnik: the card into the current factor, then the ticks in any case.
    void storeCard();
    // KrtCzynnikDoEdycji.
    void editFactor(FactorRecord* record);
    // LB601Click: the list's current row changed to `row`.
    void factorChosen(int row);
    // The list shows the current factor as its current row again.
    void showCurrentInList();

    FactorRecord* current_ = nullptr;
    QListView* list_ = nullptr;
    DescribeListModel* listModel_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* remaining_ = nullptr;
    FactorCardEditor* card_ = nullptr;
    // Set while the page itself moves the list's current row.
    bool movingList_ = false;
};

} // namespace tarnik
