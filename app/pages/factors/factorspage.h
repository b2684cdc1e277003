#pragma once
// Page 4, "Czynniki szkodliwe, niebezpieczne i uciążliwe": the choice of the factors present at
// the station, group by group, and the factors the user adds to a group, for this assessment only
// or permanently. A filter above the visible list narrows it to the names containing the typed
// text.
#include <array>

#include "app/wizard/wizardpage.h"
#include "core/rules/factors/catalogues.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tarnik {

class FactorFilterModel;
class FactorListModel;

class FactorsPage : public WizardPage {
    Q_OBJECT
public:
    explicit FactorsPage(PageContext& ctx, QWidget* parent = nullptr);

    // The chosen group, 0..4 (RG501).
    int chosenGroup() const { return chosenGroup_; }
    // Chooses a group as a click on its radio button does.
    void chooseGroup(int group);

    QRadioButton* groupButton(int group) const;
    // The check list of a group (LB501 .. LB505); only the chosen group's list is visible.
    QListView* groupList(int group) const;
    // The list as the user sees it (through the filter), and the list of the assessment's entries.
    FactorFilterModel* filterModel(int group) const;
    FactorListModel* listModel(int group) const;
    QLabel* listHeading() const { return heading_; }
    QLineEdit* filterEdit() const { return filter_; }
    QLabel* counterLabel() const { return counter_; }
    QLineEdit* newFactorEdit() const { return newFactor_; }
    QPushButton* addButton() const { return add_; }
    QCheckBox* permanentCheck() const { return permanent_; }

    // The add button: the typed factor into the chosen group and, when "dodaj czynnik na stałe "
    // is ticked, into the group's catalogue. Throws FileError when the catalogue cannot be
    // written: the entry stays in the list, the edit keeps its text and the document is not
    // marked changed.
    void addFactor();

    void documentReset() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    // CZWidok: the chosen group's list the only visible one, the add button's caption and the
    // list heading by the group.
    void showChosenGroup();
    void tickChanged();

    int chosenGroup_ = 0;
    QButtonGroup* groups_ = nullptr;
    std::array<QRadioButton*, kCatalogueCount> groupButtons_{};
    std::array<QListView*, kCatalogueCount> lists_{};
    std::array<FactorListModel*, kCatalogueCount> models_{};
    std::array<FactorFilterModel*, kCatalogueCount> filters_{};
    QStackedWidget* stack_ = nullptr;
    QLabel* heading_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLabel* counter_ = nullptr;
    QLineEdit* newFactor_ = nullptr;
    QPushButton* add_ = nullptr;
    QCheckBox* permanent_ = nullptr;
};

} // namespace tarnik
