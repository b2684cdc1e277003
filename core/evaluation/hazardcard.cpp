#include "core/evaluation/hazardcard.h"

#include <algorithm>
#include <cstdint>

#include "core/evaluation/arith.h"

namespace tarnik {

using arith::clampToInt;
using arith::mulDivToInt;

std::array<int, 2> hazardChartScale(int largest) {
    std::int64_t m = std::max(0, largest);
    if (m % 1000 > 0) m = (m / 1000 + 1) * 1000;
    if (m > 0) return {clampToInt(m), clampToInt(m / 2)};
    return {2, 1};
}

HazardCard::HazardCard() {
    showIndexTexts();
}

int HazardCard::hazardCount(int row, int group) const {
    if (row < 1 || row > kHazardRowCount || group < 0 || group >= kWorkerGroupCount) return 0;
    return hazardCounts[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(group)];
}

void HazardCard::countFactors(const Assessment& a,
                              const std::vector<const FactorRecord*>& factors) {
    for (auto& row : hazardCounts)
        row.fill(0);
    for (const FactorRecord* f : factors) {
        if (!f) continue;
        for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
            const int k = f->hazardCategory[g];
            if (k < 1 || k > kHazardRowCount) continue;
            int& count = hazardCounts[static_cast<std::size_t>(k - 1)][g];
            count = clampToInt(std::int64_t{count} + 1);
        }
    }
    // Rows 1 to 6 and 8 put the whole group over the limits; rows 7 and 9 do not.
    constexpr std::array<int, 7> kOverLimitRows{1, 2, 3, 4, 5, 6, 8};
    for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
        std::int64_t over = 0;
        for (int r : kOverLimitRows)
            over += hazardCounts[static_cast<std::size_t>(r - 1)][g];
        overLimitWorkers[g] = over > 0 ? a.workerCounts[g] : 0;
        exposedWorkers[g] =
            clampToInt(std::int64_t{a.workerCounts[g]} - std::int64_t{overLimitWorkers[g]});
    }
}

void HazardCard::computeExposureIndices(const Assessment& a) {
    std::int64_t t = 0;
    for (int c : a.workerCounts)
        t += c;
    if (t == 0) t = 1;
    std::int64_t total = 0;
    for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
        std::int64_t s = 0;
        for (int r = 1; r <= kHazardRowCount; ++r)
            s = arith::addSat(s, std::int64_t{a.weight(r).get()} *
                                     hazardCounts[static_cast<std::size_t>(r - 1)][g]);
        groupExposureIndex[g] = mulDivToInt(s, a.workerCounts[g], t);
        total += groupExposureIndex[g];
    }
    totalExposureIndex = clampToInt(total);
}

void HazardCard::showIndexTexts() {
    ST701 = std::to_string(groupExposureIndex[0]);
    ST702 = std::to_string(groupExposureIndex[1]);
    ST703 = std::to_string(groupExposureIndex[2]);
    ST704 = std::to_string(groupExposureIndex[3]);
    ST705 = std::to_string(totalExposureIndex);
}

void HazardCard::showExposureIndices() {
    showIndexTexts();

    Chart1.openData(1, 1, kWorkerGroupCount);
    Chart1.setThisSerie(0);
    for (int g = 0; g < kWorkerGroupCount; ++g)
        Chart1.putValue(g, static_cast<double>(groupExposureIndex[static_cast<std::size_t>(g)]));
    Chart1.closeData(1);
    const int largest = *std::max_element(groupExposureIndex.begin(), groupExposureIndex.end());
    const std::array<int, 2> scale = hazardChartScale(largest);
    Chart1.setAxis(ChartModel::kAxisMax, scale[0]);
    Chart1.setAxis(ChartModel::kAxisStep, scale[1]);
    Chart1.setLegendWidth(0);
}

void HazardCard::workersRecounted(const Assessment& a) {
    if (a.ListaPrac.empty()) return;
    overLimitWorkers.fill(0);
    exposedWorkers.fill(0);
}

} // namespace tarnik
