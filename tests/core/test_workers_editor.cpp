#include "core/rules/workers/workereditor.h"

#include <gtest/gtest.h>

using namespace tarnik;

TEST(WorkerEditor, ButtonsFollowTheMode) {
    const WorkerEditorButtons none = workerEditorButtons(WorkerEditorMode::None);
    EXPECT_FALSE(none.remove);
    EXPECT_FALSE(none.add);
    EXPECT_TRUE(none.newWorker);
    const WorkerEditorButtons entering = workerEditorButtons(WorkerEditorMode::New);
    EXPECT_FALSE(entering.remove);
    EXPECT_TRUE(entering.add);
    EXPECT_FALSE(entering.newWorker);
    const WorkerEditorButtons editing = workerEditorButtons(WorkerEditorMode::Edit);
    EXPECT_TRUE(editing.remove);
    EXPECT_FALSE(editing.add);
    EXPECT_TRUE(editing.newWorker);
}

TEST(WorkerEditor, ClickOnTheRegister) {
    // Nothing open: the clicked entry (or none) is taken at once, whatever it is.
    EXPECT_EQ(workerClickStep(WorkerEditorMode::None, false), WorkerClickStep::Take);
    EXPECT_EQ(workerClickStep(WorkerEditorMode::None, true), WorkerClickStep::Take);
    // A new worker is asked about first.
    EXPECT_EQ(workerClickStep(WorkerEditorMode::New, false), WorkerClickStep::EndNew);
    // An edited worker is saved first, unless it is the one clicked again.
    EXPECT_EQ(workerClickStep(WorkerEditorMode::Edit, false), WorkerClickStep::EndEdit);
    EXPECT_EQ(workerClickStep(WorkerEditorMode::Edit, true), WorkerClickStep::Nothing);
}

TEST(WorkerEditor, AttentionNoteFollowsTheStoredFlags) {
    WorkerRecord w;
    w.examinationCurrent = true;
    w.trainingCurrent = w.trainingCurrent2 = true;
    EXPECT_EQ(workerAttentionNote(w), "");
    w.examinationCurrent = false;
    EXPECT_EQ(workerAttentionNote(w), "badanie");
    w.trainingCurrent = false;
    EXPECT_EQ(workerAttentionNote(w), "badanie, szkolenie");
    w.examinationCurrent = true;
    EXPECT_EQ(workerAttentionNote(w), "szkolenie");
    // Either copy of the training flag unset counts as not current.
    w.trainingCurrent = true;
    w.trainingCurrent2 = false;
    EXPECT_EQ(workerAttentionNote(w), "szkolenie");
}
