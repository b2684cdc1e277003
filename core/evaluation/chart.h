#pragma once
// The data side of a bar chart: one series of values, a value axis with a minimum, a maximum
// and a gridline step, a legend that may be switched off and the font face of its texts. It is
// driven the way the charting control of the evaluation pages is driven: the values are replaced
// between openData and closeData, then the axis is fixed. The screen widget and the printed
// report both paint what data() holds.
#include <functional>
#include <string>
#include <vector>

namespace tarnik {

struct ChartData {
    std::vector<double> values; // the one series, in point order
    double axisMin = 0;
    double axisMax = 0; // 0 with axisStep 0: not fixed yet, the painter picks a scale
    double axisStep = 0;
    bool legend = true;
    std::string fontFace = "Arial";
    friend bool operator==(const ChartData&, const ChartData&) = default;
};

class ChartModel {
public:
    enum AxisSetting { kAxisMin = 0, kAxisMax = 1, kAxisStep = 2 };

    // Starts replacing the values: `points` values of series 0 (only one series is kept).
    void openData(int kind, int series, int points);
    // Selects the series that later value calls address (ThisSerie).
    void setThisSerie(int series);
    // Sets / reads one point of the selected series. Points outside the series are ignored
    // (put) or read as 0 (get).
    void putValue(int point, double value);
    double getValue(int point) const;
    // Ends the update: the chart shows the new values.
    void closeData(int kind);
    // Fixes one value-axis setting (0 minimum, 1 maximum, 2 gridline step).
    void setAxis(int setting, int value);
    // A legend width of 0 hides the legend.
    void setLegendWidth(int width);
    void setFontFace(const std::string& face);

    const ChartData& data() const { return shown_; }
    bool updating() const { return updating_; }

    // Called whenever what the chart shows changes (after closeData, an axis setting, the
    // legend or the font).
    std::function<void()> onChanged;

private:
    void changed();

    ChartData shown_;
    std::vector<double> pending_;
    bool updating_ = false;
    int series_ = 0;
};

} // namespace tarnik
