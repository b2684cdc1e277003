#include "core/evaluation/refresh.h"

#include <vector>

#include "core/rules/factors/selection.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

void refreshEvaluation(Assessment& a, Evaluation& e) {
    // The worker page: the counts from the register when it holds workers.
    UpdateWorkers(a);
    e.workersRecounted(a);

    // The measurement card page rebuilds its list from the ticks; the hazard card counts it.
    const std::vector<FactorToDescribe> list = factorsToDescribe(a);
    std::vector<const FactorRecord*> records;
    records.reserve(list.size());
    for (const FactorToDescribe& f : list)
        records.push_back(f.record);
    e.TabSheet7Show(a, records);

    e.TabSheet9Show(a);
    e.LiczUzupeln(a);
    e.TabSheet11Show(a);
}

} // namespace tarnik
