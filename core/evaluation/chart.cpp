#include "core/evaluation/chart.h"

#include <algorithm>

namespace tarnik {

void ChartModel::openData(int /*kind*/, int /*series*/, int points) {
    pending_.assign(static_cast<std::size_t>(std::max(0, points)), 0.0);
    updating_ = true;
}

void ChartModel::setThisSerie(int series) {
    series_ = series;
}

void ChartModel::putValue(int point, double value) {
    if (series_ != 0 || point < 0) return;
    std::vector<double>& target = updating_ ? pending_ : shown_.values;
    if (static_cast<std::size_t>(point) < target.size())
        target[static_cast<std::size_t>(point)] = value;
    if (!updating_) changed();
}

double ChartModel::getValue(int point) const {
    const std::vector<double>& source = updating_ ? pending_ : shown_.values;
    if (series_ != 0 || point < 0 || static_cast<std::size_t>(point) >= source.size()) return 0;
    return source[static_cast<std::size_t>(point)];
}

void ChartModel::closeData(int /*kind*/) {
    if (!updating_) return;
    shown_.values = pending_;
    updating_ = false;
    changed();
}

void ChartModel::setAxis(int setting, int value) {
    switch (setting) {
    case kAxisMin:
        shown_.axisMin = value;
        break;
    case kAxisMax:
        shown_.axisMax = value;
        break;
    case kAxisStep:
        shown_.axisStep = value;
        break;
    default:
        return;
    }
    changed();
}

void ChartModel::setLegendWidth(int width) {
    shown_.legend = width != 0;
    changed();
}

void ChartModel::setFontFace(const std::string& face) {
    shown_.fontFace = face;
    changed();
}

void ChartModel::changed() {
    if (onChanged) onChanged();
}

} // namespace tarnik
