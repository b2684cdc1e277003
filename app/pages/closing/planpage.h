#pragma once
// Page 11, "Plan poprawy warunków pracy": the plan of measures that improve the working
// conditions, a grid of tasks with the persons responsible and the deadline (the assessment's
// Plan). Enter moves through the cells and adds a row after the last one; "Usuń wiersz" in the
// context menu deletes the selected rows; empty rows go when the page is shown.
#include "app/wizard/wizardpage.h"

class QAction;

namespace tarnik {

class TAlignedGrid;

class PlanPage : public WizardPage {
    Q_OBJECT
public:
    explicit PlanPage(PageContext& ctx, QWidget* parent = nullptr);

    TAlignedGrid* Plan() const { return grid_; }
    // "Usuń wiersz" of the grid's context menu.
    QAction* removeRowsAction() const { return removeRows_; }

    // The text typed into the open cell editor goes into the plan.
    void storePendingEdit() override;
    void documentReset() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    void fillGrid();
    // An edit of the cell (col, row) ended.
    void cellEdited(int col, int row);
    void removeSelectedRows();

    TAlignedGrid* grid_ = nullptr;
    QAction* removeRows_ = nullptr;
};

} // namespace tarnik
