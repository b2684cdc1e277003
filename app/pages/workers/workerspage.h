#pragma once
// Page 3, "Pracownicy": the register of the workers employed on the station, the editor of one
// worker beside it, and the number of workers in each group. The editor is in one of three
// states (nothing edited, a new worker entered, a worker of the register edited); the page holds
// the state and the flow between the states, core decides the rest.
#include <array>
#include <optional>

#include "app/widgets/blinker.h"
#include "app/wizard/wizardpage.h"
#include "core/rules/workers/workereditor.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarnik {

class WorkerForm;
class WorkerListModel;
class WorkerListView;
struct WorkerRecord;

class WorkersPage : public WizardPage {
    Q_OBJECT
public:
    explicit WorkersPage(PageContext& ctx, QWidget* parent = nullptr);

    // "Nowy" (Btn4New) and the frame "Liczba pracowników": they blink when Next finds no
    // workers.
    QPushButton* newButton() const { return newButton_; }
    QGroupBox* countsFrame() const { return countsFrame_; }
    // "Dodaj" (BTN4Add) and "Usuń" (Btn4Del).
    QPushButton* addButton() const { return addButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    // "Cofnij usunięcie" (Ctrl+Z, and in the register's context menu): the worker last removed
    // with "Usuń" comes back at its place. Adding or storing a worker, typing a count, leaving
    // the page or replacing the document forgets the removal.
    QAction* undoDeleteAction() const { return undoDelete_; }
    // SE_m, SE_k, SE_kc, SE_ml by group 0..3, and SE_razem.
    QSpinBox* countEdit(int group) const { return counts_[static_cast<std::size_t>(group)]; }
    QLineEdit* totalEdit() const { return total_; }
    // The register (ListaPrac) and the edit fields.
    WorkerListView* list() const { return list_; }
    WorkerListModel* listModel() const { return listModel_; }
    WorkerForm* form() const { return form_; }

    // editorMode and currentWorker.
    WorkerEditorMode editorMode() const { return mode_; }
    const WorkerRecord* currentWorker() const { return current_; }

    // Next: the worker being added or edited is stored first, as on saving (the user may be
    // kept here by its question or a missing name); then, with no workers, the page says so,
    // makes "Nowy" and the count frame blink and keeps the user here.
    bool mayLeaveForward() override;
    // Back: the worker being added or edited is stored first, as on saving.
    bool mayLeaveBackward() override;
    Blinker& blinker() { return blinker_; }

    // Saving, closing and printing while a worker is open: a new worker is asked about
    // ("Czy chcesz dodać tego pracownika do listy?"), an edited one is saved. When that cannot
    // be done (a name is missing, and the page has said so) the command stops (ActionCancelled).
    // Fields left as they were cleared or loaded hold nothing to store.
    void storePendingEdit() override;
    void documentReset() override;

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;
    void pageHidden(PageReason why) override;

private:
    // storePendingEdit for the page's own buttons: false when the user stays with the worker.
    bool storedBeforeLeaving();
    void buildCounts();
    void arrangeTabOrder();

    // The three states.
    void PrPoczatekZaden();
    void PrPoczatekNowy();
    void PrPoczatekEdycji();
    void PrOdswiezPrzyciski();
    // Storing the fields; each shows its own message when a name is missing.
    bool PrDodajPrac();
    bool PrKoniecNowy();
    // On success `stored` (when given) is the record that now stands for the edited worker.
    bool PrKoniecEdycji(const WorkerRecord** stored = nullptr);

    // The buttons and the register.
    void Btn4NewClick();
    void BTN4AddClick();
    void Btn4DelClick();
    void undoDeletion();
    void forgetDeletion();
    void ListaPracClick(int row);
    // Takes the clicked entry (or none) into the editor.
    void takeEntry(const WorkerRecord* clicked);

    // UpdateWorkers: the counts from the register, or typed while it is empty.
    void updateWorkers();
    void showCounts();
    // SE_pracownicy: a count field's text changed.
    void countTyped(int group, const QString& text);
    // Shows the current worker selected in the register (nothing in the other states).
    void showSelection();

    WorkerListModel* listModel_ = nullptr;
    WorkerListView* list_ = nullptr;
    WorkerForm* form_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QGroupBox* countsFrame_ = nullptr;
    std::array<QSpinBox*, 4> counts_{};
    QLineEdit* total_ = nullptr;
    Blinker blinker_;
    QAction* undoDelete_ = nullptr;
    // The register as it stood before the last "Usuń", and the row removed.
    std::optional<WorkerList> beforeDeletion_;
    int deletedRow_ = -1;

    WorkerEditorMode mode_ = WorkerEditorMode::None;
    const WorkerRecord* current_ = nullptr;
};

} // namespace tarnik
