#include "core/rules/workers/workereditor.h"

namespace tarnik {

WorkerEditorButtons workerEditorButtons(WorkerEditorMode mode) {
    WorkerEditorButtons b;
    b.remove = mode == WorkerEditorMode::Edit;
    b.add = mode == WorkerEditorMode::New;
    b.newWorker = mode != WorkerEditorMode::New;
    return b;
}

WorkerClickStep workerClickStep(WorkerEditorMode mode, bool clickedIsCurrent) {
    switch (mode) {
    case WorkerEditorMode::None:
        return WorkerClickStep::Take;
    case WorkerEditorMode::New:
        return WorkerClickStep::EndNew;
    case WorkerEditorMode::Edit:
        return clickedIsCurrent ? WorkerClickStep::Nothing : WorkerClickStep::EndEdit;
    }
    return WorkerClickStep::Nothing;
}

std::string workerAttentionNote(const WorkerRecord& w) {
    const bool examination = !w.examinationCurrent;
    const bool training = !(w.trainingCurrent && w.trainingCurrent2);
    if (examination && training) return "badanie, szkolenie";
    if (examination) return "badanie";
    if (training) return "szkolenie";
    return {};
}

} // namespace tarnik
