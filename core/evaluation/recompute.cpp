#include "core/evaluation/recompute.h"

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

} // namespace tarnik
