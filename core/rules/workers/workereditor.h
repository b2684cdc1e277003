#pragma once
// The decisions of the worker page's three-state editor: which buttons the page offers in each
// state, what a click on the register does, and the note the register shows beside a worker whose
// stored examination or periodic training is not current. The page holds the state and the
// fields; these tell it what to do.
#include <string>

#include "core/model/assessment.h"

namespace tarnik {

// editorMode: nothing is being edited (the fields are cleared and disabled), a new worker is
// being entered, or a worker of the register is being edited.
enum class WorkerEditorMode { None = 0, New = 1, Edit = 2 };

// PrOdswiezPrzyciski: "Usuń" only while a worker is edited, "Dodaj" only while a new one is
// entered, "Nowy" except while a new one is entered.
struct WorkerEditorButtons {
    bool remove = false;
    bool add = false;
    bool newWorker = false;
};
WorkerEditorButtons workerEditorButtons(WorkerEditorMode mode);

// ListaPracClick: what comes before the clicked entry (or the empty space) is taken into the
// editor. EndEdit and EndNew end the open edit first (PrKoniecEdycji, PrKoniecNowy) and go on
// only when that allows it.
enum class WorkerClickStep {
    Nothing, // the worker being edited was clicked again
    Take,    // take the clicked entry (or none) straight away
    EndEdit, // save the edited worker first
    EndNew,  // ask about the new worker first
};
WorkerClickStep workerClickStep(WorkerEditorMode mode, bool clickedIsCurrent);

// The "Uwagi" column of the register: "badanie" when the stored examination is not current,
// "szkolenie" when the stored periodic training is not (both copies of trainingCurrent must be
// set), "badanie, szkolenie" for both, empty for a worker whose record is in order. It follows
// the stored flags, as the report does.
std::string workerAttentionNote(const WorkerRecord& w);

} // namespace tarnik
