#pragma once
// The one sequence that brings every evaluation value up to date, in the order of the wizard's
// pages: the worker counts from the register, the hazard card recounted from the factors the
// ticks list and its exposure indices, the accident indices, the supplementary indices, the risk
// level, its grade and the recommendations. Printing (after its walk through the pages), the PDF
// of the command line and the summary take their figures from here; the pages run the same
// steps when they are shown, so what they show is what is printed.
#include <filesystem>
#include <optional>
#include <string>

#include "core/evaluation/evaluation.h"
#include "core/model/assessment.h"

namespace tarnik {

// The worker page's step: the counts from the register when it holds workers (UpdateWorkers),
// which voids the hazard card's split of the workers. Returns whether the counts are typed (the
// register is empty).
bool recountWorkers(Assessment& a, Evaluation& e);

// The whole sequence: recountWorkers, recountHazardCard, recountAccidents, LiczUzupeln and
// recountRiskLevel. Changes the assessment as those steps do: workerCounts follow the register,
// SE1004 takes the new total exposure index.
void recomputeEvaluation(Assessment& a, Evaluation& e);

// Opens an assessment file as the program opens a file named on its command line
// (openForCommandLine) and brings every value up to date with the sequence above, for the
// headless commands that print or export it. The failure as one line, or nothing.
std::optional<std::string> openEvaluated(const std::filesystem::path& in, Assessment& a,
                                         Evaluation& e);

} // namespace tarnik
