#pragma once
// Bringing every evaluation value up to date the way printing does when it walks the wizard's
// pages from the first one: the worker counts from the register, the factors to describe from
// the ticks, the hazard card recount and exposure indices, the accident indices, the
// supplementary indices, the risk level, its grade and the recommendations. The report and the
// command line take their figures from here, so they match what the pages show.
#include "core/evaluation/evaluation.h"
#include "core/model/assessment.h"

namespace tarnik {

// Runs the show handlers of the worker page, the measurement card page, the hazard card, the
// accident page, the supplementary card and the risk level page, in page order. Changes the
// assessment as those pages do: workerCounts follow the register, SE1004 takes the new total
// exposure index.
void refreshEvaluation(Assessment& a, Evaluation& e);

} // namespace tarnik
