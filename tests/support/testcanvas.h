#pragma once
// A canvas with fixed, predictable metrics that records what is drawn on it, so that layout and
// pagination can be checked without a printer or a toolkit. A line of text in a font of p points
// is p × pxPerPoint pixels high and every character is half as wide.
#include <string>
#include <vector>

#include "core/layout/canvas.h"
#include "core/layout/textlayout.h"

namespace tarnik {

class TestCanvas : public Canvas {
public:
    struct DrawnLine {
        std::string text;
        int x = 0;
        int y = 0;
    };
    struct DrawnText {
        int sheet = 0;
        std::string text; // as passed to drawText
        Rect rect;
        unsigned format = 0;
        FontSpec font;
        std::vector<DrawnLine> lines;
    };
    struct DrawnRect {
        int sheet = 0;
        Rect rect;
        PenState pen;
        BrushState brush;
    };
    struct DrawnChart {
        int sheet = 0;
        ChartData chart;
        Rect rect;
    };

    explicit TestCanvas(int pageWidth = 2000, int pageHeight = 2800, int pxPerPoint = 10);

    int pageWidth() const override { return pageWidth_; }
    int pageHeight() const override { return pageHeight_; }
    void setFont(const FontSpec& font) override { font_ = font; }
    FontSpec font() const override { return font_; }
    PenState pen() const override { return pen_; }
    void setPen(const PenState& pen) override { pen_ = pen; }
    BrushState brush() const override { return brush_; }
    void setBrush(const BrushState& brush) override { brush_ = brush; }
    void rectangle(const Rect& r) override;
    int drawText(std::string_view text, Rect& r, unsigned format) override;
    bool drawChart(const ChartData& chart, const Rect& r) override;
    bool beginDoc(const std::string& title) override;
    bool newSheet() override;
    bool endDoc() override;
    void abortDoc() override;
    bool printing() const override { return printing_; }

    // The metrics, for tests that compute expected sizes.
    int lineHeight(int points) const { return points * pxPerPoint_; }
    int charWidth(int points) const { return points * pxPerPoint_ / 2; }

    // When set, drawChart throws, as a chart that fails while painting.
    bool failCharts = false;

    // What happened, in order. Job events are "begin <title>", "sheet", "end" and "abort".
    std::vector<std::string> jobLog;
    std::vector<DrawnText> texts;
    std::vector<DrawnRect> rects;
    std::vector<DrawnChart> charts;
    // Measuring calls of drawText (kTextCalcRect).
    int measureCount = 0;

    // Sheets fed by the last job: every sheet begun, the first one only when something was
    // drawn on it or a second one followed.
    int sheetsFed() const;
    // The texts drawn on one sheet (0 = first of the job), in order.
    std::vector<std::string> textsOnSheet(int sheet) const;
    // Forgets everything recorded (not the current font, pen and brush).
    void clearRecords();

private:
    class Measure : public TextMeasure {
    public:
        explicit Measure(const TestCanvas& canvas) : canvas_(canvas) {}
        int textWidth(std::string_view text) const override;
        int lineHeight() const override;

    private:
        const TestCanvas& canvas_;
    };

    void requireJob(const char* what) const;

    int pageWidth_;
    int pageHeight_;
    int pxPerPoint_;
    FontSpec font_;
    PenState pen_;
    BrushState brush_;
    bool printing_ = false;
    int sheet_ = 0;
    bool drawnOnSheet_ = false;
    int jobSheets_ = 0;
};

} // namespace tarnik
