#pragma once
// The hazard level card: the described factors counted into nine rows and four worker groups,
// the workers of each group over the limits or merely exposed, the exposure indices weighted by
// the nine weights ("Parametr") and the chart of the four group indices (Chart1).
//
// The counts keep what they were given until the card is recounted (the card's page is shown);
// a weight change recomputes the indices from the counts as they stand.
#include <array>
#include <string>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/model/assessment.h"

namespace tarnik {

constexpr int kHazardRowCount = 9;

// The scale of the hazard card's chart for its largest value: {maximum, gridline step}.
std::array<int, 2> hazardChartScale(int largest);

class HazardCard {
public:
    HazardCard();

    // Factors per row (index 0 = row 1) and worker group.
    std::array<std::array<int, kWorkerGroupCount>, kHazardRowCount> hazardCounts{};
    std::array<int, kWorkerGroupCount> groupExposureIndex{};
    int totalExposureIndex = 0;
    std::array<int, kWorkerGroupCount> overLimitWorkers{};
    std::array<int, kWorkerGroupCount> exposedWorkers{};

    std::string ST701, ST702, ST703, ST704; // group exposure indices
    std::string ST705;                      // total exposure index
    // The four group indices.
    ChartModel Chart1;

    int hazardCount(int row, int group) const; // row 1..9, group 0..3; 0 outside

    // Counts the factors of the list (every entry, described or not) into hazardCounts and moves
    // the workers of every group with a factor in rows 1-6 or 8 into overLimitWorkers, the rest
    // into exposedWorkers. The indices are left as they are.
    void countFactors(const Assessment& a, const std::vector<const FactorRecord*>& factors);
    // The exposure indices from the last counts, the weights and the worker counts.
    void computeExposureIndices(const Assessment& a);
    // ST701 .. ST705 and Chart1 from the indices.
    void showExposureIndices();
    // The worker page has recounted the workers (UpdateWorkers): with workers in the register
    // the split into overLimitWorkers and exposedWorkers is void (0) until the card is recounted.
    void workersRecounted(const Assessment& a);

private:
    void showIndexTexts();
};

} // namespace tarnik
