#pragma once
// Page 11, "Plan poprawy warunków pracy": the plan of measures that improve the working
// conditions, a grid of tasks with the persons responsible and the deadline (the assessment's
// Plan). Enter moves through the cells and adds a row after the last one; "Usuń wiersz" in the
// context menu deletes the selected rows; empty rows go when the page is shown.
#include <optional>
#include <vector>

#include "app/wizard/wizardpage.h"
#include "core/model/assessment.h"

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
    // "Cofnij usunięcie" (Ctrl+Z, and in the grid's context menu): the rows last deleted with
    // "Usuń wiersz" come back at their place. In the open cell editor Ctrl+Z undoes the typing
    // first and the deletion only when the cell has nothing of its own to undo. Any other edit
    // of the plan, leaving the page or replacing the document forgets the deletion.
    QAction* undoDeleteAction() const { return undoDelete_; }

    // The text typed into the open cell editor goes into the plan.
    void storePendingEdit() override;
    void documentReset() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    void fillGrid();
    // An edit of the cell (col, row) ended.
    void cellEdited(int col, int row);
    void removeSelectedRows();
    void undoDeletion();
    void forgetDeletion();
    // Puts the focus back into the grid with its editor open on the current cell.
    void refocusGrid();

    TAlignedGrid* grid_ = nullptr;
    QAction* removeRows_ = nullptr;
    QAction* undoDelete_ = nullptr;
    // The plan as it stood before the last "Usuń wiersz", and the first grid row deleted.
    std::optional<std::vector<PlanRow>> beforeDeletion_;
    int deletedFirst_ = -1;
};

} // namespace tarnik
