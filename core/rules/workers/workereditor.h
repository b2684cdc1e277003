#pragma once
// The decisions of the worker page's three-state editor: which buttons the page offers in each
// state, what comes before another worker is taken into the editor, and the note the register shows
// beside a worker whose stored examination or periodic training is not current. The page holds the
// state and the fields; these tell it what to do.
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

// What comes before another entry of the register (or none) is taken into the editor, as when
// the register is clicked. EndEdit and EndNew end the open edit first (PrKoniecEdycji,
// PrKoniecNowy) and go on only when that allows it; `sameWorker` is true when the entry is the
// worker already in the editor.
enum class WorkerSwitchStep {
    Nothing, // the entry is the worker being edited
    Take,    // take the entry (or none) straight away
    EndEdit, // save the edited worker first
    EndNew,  // ask about the new worker first
};
WorkerSwitchStep workerSwitchStep(WorkerEditorMode mode, bool sameWorker);

// The date of a periodic training is given only while its "tak" is chosen: that of the first
// periodic training (DTP403) with RB406, that of the last further one (DTP404) with RB407. The
// page opens a date for typing only while the worker is edited and its training is given.
bool firstPeriodicDateGiven(const WorkerRecord& w);
bool furtherPeriodicDateGiven(const WorkerRecord& w);

// The answer about the further periodic trainings ("tak" RB407, "nie" RB417). With "nie", and a
// first periodic training given, the further trainings' date becomes the first one's; without
// a first periodic training the date stays as it was.
void answerFurtherPeriodicTraining(WorkerRecord& w, bool done);

// The "Uwagi" column of the register: "badanie" when the stored examination is not current,
// "szkolenie" when the stored periodic training is not (both copies of trainingCurrent must be
// set), "badanie, szkolenie" for both, empty for a worker whose record is in order. It follows
// the stored flags, as the report does.
std::string workerAttentionNote(const WorkerRecord& w);

} // namespace tarnik
