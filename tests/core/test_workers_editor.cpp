#include "core/rules/workers/workereditor.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::ymd;

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
    EXPECT_EQ(workerSwitchStep(WorkerEditorMode::None, false), WorkerSwitchStep::Take);
    EXPECT_EQ(workerSwitchStep(WorkerEditorMode::None, true), WorkerSwitchStep::Take);
    // A new worker is asked about first.
    EXPECT_EQ(workerSwitchStep(WorkerEditorMode::New, false), WorkerSwitchStep::EndNew);
    // An edited worker is saved first, unless it is the one clicked again.
    EXPECT_EQ(workerSwitchStep(WorkerEditorMode::Edit, false), WorkerSwitchStep::EndEdit);
    EXPECT_EQ(workerSwitchStep(WorkerEditorMode::Edit, true), WorkerSwitchStep::Nothing);
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

TEST(WorkerEditor, PeriodicTrainingDatesAreGivenOnlyWithTheirYes) {
    WorkerRecord w;
    w.RB406 = true;
    w.RB407 = false;
    EXPECT_TRUE(firstPeriodicDateGiven(w));
    EXPECT_FALSE(furtherPeriodicDateGiven(w));
    w.RB406 = false;
    w.RB407 = true;
    EXPECT_FALSE(firstPeriodicDateGiven(w));
    EXPECT_TRUE(furtherPeriodicDateGiven(w));
}

TEST(WorkerEditor, NoFurtherTrainingTakesTheFirstTrainingsDate) {
    WorkerRecord w;
    w.DTP403 = ymd(2004, 3, 10);
    w.DTP404 = ymd(2005, 1, 20);

    // A first periodic training given: "nie" copies its date.
    w.RB406 = true;
    w.RB407 = true;
    answerFurtherPeriodicTraining(w, false);
    EXPECT_FALSE(w.RB407);
    EXPECT_FALSE(furtherPeriodicDateGiven(w));
    EXPECT_EQ(w.DTP404, ymd(2004, 3, 10));

    // "tak" keeps the date that stands.
    w.DTP404 = ymd(2005, 1, 20);
    answerFurtherPeriodicTraining(w, true);
    EXPECT_TRUE(w.RB407);
    EXPECT_EQ(w.DTP404, ymd(2005, 1, 20));

    // No first periodic training: "nie" leaves the date alone.
    w.RB406 = false;
    answerFurtherPeriodicTraining(w, false);
    EXPECT_FALSE(w.RB407);
    EXPECT_EQ(w.DTP404, ymd(2005, 1, 20));
}
