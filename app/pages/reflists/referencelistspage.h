#pragma once
// Page 13: the reference lists (establishments, persons, commission members, factors, measuring
// bodies, methods) in six tabs, reached only from the "Wstaw..." and "Wstaw z listy" buttons of
// other pages through the picker service, which hides Back and Next while it is open.
//
// Browsing: whole rows are selected; "OK" (or Enter, or a double click on a row) puts the
// selected row into the fields of the list whose tab is selected, on their own page, and
// returns to the calling page; "Anuluj" returns without changing a field. "Edytuj" switches
// every grid to cell editing ("OK" and "Anuluj" are disabled meanwhile); "Zakończ edycję"
// switches back and writes the user's copy of "podpowiedzi.txt". A write that fails is
// reported, and "OK" and "Anuluj" stay disabled until a later "Zakończ edycję" writes the file.
#include <array>

#include "app/wizard/wizardpage.h"
#include "core/rules/reflists/reflists.h"

class QAction;
class QPushButton;
class QTabWidget;

namespace tarnik {

class TAlignedGrid;

class ReferenceListsPage : public WizardPage {
    Q_OBJECT
public:
    explicit ReferenceListsPage(PageContext& ctx, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    TAlignedGrid* grid(int list) const { return grids_.at(std::size_t(list)); }
    QPushButton* editButton() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QAction* insertRowAction() const { return insertRow_; }
    QAction* removeRowAction() const { return removeRow_; }
    bool editing() const { return editing_; }

    // The text typed into an open cell editor goes into its list.
    void storePendingEdit() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    void buildGrid(int list);
    // The grid of a list shows the list's rows (one empty row when it has none).
    void fillGrid(int list);
    void setGridsEditing(bool on);
    // "Edytuj" / "Zakończ edycję".
    void toggleEditing();
    void finishEditing();
    void insertRow();
    void removeRow();
    // "OK" with the given grid row of the selected tab (-1: the grid's selected row).
    void accept(int row = -1);
    void cancel();
    int currentList() const;

    std::array<TAlignedGrid*, kRefListCount> grids_{};
    QTabWidget* tabs_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* insertRow_ = nullptr;
    QAction* removeRow_ = nullptr;
    bool editing_ = false;
};

} // namespace tarnik
