#include "core/rules/workers/workereditor.h"

namespace tarnik {

WorkerEditorButtons workerEditorButtons(WorkerEditorMode mode) {
    WorkerEditorButtons b;
    b.remove = mode == WorkerEditorMode::Edit;
    b.add = mode == WorkerEditorMode::New;
    b.newWorker = mode != WorkerEditorMode::New;
    return b;
}

WorkerSwitchStep workerSwitchStep(WorkerEditorMode mode, bool sameWorker) {
    switch (mode) {
    case WorkerEditorMode::None:
        return WorkerSwitchStep::Take;
    case WorkerEditorMode::New:
        return WorkerSwitchStep::EndNew;
    case WorkerEditorMode::Edit:
        return sameWorker ? WorkerSwitchStep::Nothing : WorkerSwitchStep::EndEdit;
    }
    return WorkerSwitchStep::Nothing;
}

std::string workerAttentionNote(const WorkerRecord& w) {
    const bool examination = !w.examinationCurrent;
    const bool training = !(w.trainingCurrent && w.trainingCurrent2);
    if (examination && training) return "badanie, szkolenie";
    if (examination) return "badanie";
    if (training) return "szkolenie";
    return {};
}

bool firstPeriodicDateGiven(const WorkerRecord& w) {
    return w.RB406;
}

bool furtherPeriodicDateGiven(const WorkerRecord& w) {
    return w.RB407;
}

void answerFurtherPeriodicTraining(WorkerRecord& w, bool done) {
    w.RB407 = done;
    if (!done && firstPeriodicDateGiven(w)) w.DTP404 = w.DTP403;
}

} // namespace tarnik
