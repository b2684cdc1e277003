#include "core/evaluation/recompute.h"

#include "core/model/convert.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

bool recountWorkers(Assessment& a, Evaluation& e) {
    const bool typed = UpdateWorkers(a);
    e.workersRecounted(a);
    return typed;
}

void recomputeEvaluation(Assessment& a, Evaluation& e) {
    recountWorkers(a, e);
    e.recountHazardCard(a);
    e.recountAccidents(a);
    e.LiczUzupeln(a);
    e.recountRiskLevel(a);
}

std::optional<std::string> openEvaluated(const std::filesystem::path& in, Assessment& a,
                                         Evaluation& e) {
    a.questions.clear();
    if (auto failure = openForCommandLine(in, a)) return failure;
    e.afterDocumentLoaded(a);
    recomputeEvaluation(a, e);
    return std::nullopt;
}

} // namespace tarnik
