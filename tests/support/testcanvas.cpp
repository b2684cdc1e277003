#include "tests/support/testcanvas.h"

#include <stdexcept>

#include "core/base/text.h"

namespace tarnik {

TestCanvas::TestCanvas(int pageWidth, int pageHeight, int pxPerPoint)
    : pageWidth_(pageWidth), pageHeight_(pageHeight), pxPerPoint_(pxPerPoint) {}

int TestCanvas::Measure::textWidth(std::string_view text) const {
    return static_cast<int>(utf8Length(text)) * canvas_.charWidth(canvas_.font_.points);
}

int TestCanvas::Measure::lineHeight() const {
    return canvas_.lineHeight(canvas_.font_.points);
}

void TestCanvas::requireJob(const char* what) const {
    if (!printing_) throw std::logic_error(std::string(what) + " outside a print job");
}

void TestCanvas::rectangle(const Rect& r) {
    requireJob("rectangle");
    drawnOnSheet_ = true;
    rects.push_back({sheet_, r, pen_, brush_});
}

int TestCanvas::drawText(std::string_view text, Rect& r, unsigned format) {
    const Measure measure(*this);
    if (format & kTextCalcRect) {
        ++measureCount;
        return runDrawText(text, r, format, measure, {});
    }
    requireJob("drawText");
    drawnOnSheet_ = true;
    DrawnText drawn{sheet_, std::string(text), r, format, font_, {}};
    const int h = runDrawText(text, r, format, measure, [&](const PlacedLine& line) {
        drawn.lines.push_back({std::string(line.text), line.x, line.y});
    });
    texts.push_back(std::move(drawn));
    return h;
}

bool TestCanvas::drawChart(const ChartData& chart, const Rect& r) {
    requireJob("drawChart");
    if (failCharts) throw std::runtime_error("the chart failed while painting");
    drawnOnSheet_ = true;
    charts.push_back({sheet_, chart, r});
    return true;
}

bool TestCanvas::beginDoc(const std::string& title) {
    if (printing_) return false;
    printing_ = true;
    sheet_ = 0;
    jobSheets_ = 0;
    drawnOnSheet_ = false;
    jobLog.push_back("begin " + title);
    return true;
}

bool TestCanvas::newSheet() {
    requireJob("newSheet");
    ++sheet_;
    drawnOnSheet_ = false;
    jobLog.emplace_back("sheet");
    return true;
}

bool TestCanvas::endDoc() {
    if (!printing_) return false;
    printing_ = false;
    jobSheets_ = sheet_ + ((sheet_ > 0 || drawnOnSheet_) ? 1 : 0);
    jobLog.emplace_back("end");
    return true;
}

void TestCanvas::abortDoc() {
    if (!printing_) return;
    printing_ = false;
    jobSheets_ = 0;
    jobLog.emplace_back("abort");
}

int TestCanvas::sheetsFed() const {
    return jobSheets_;
}

std::vector<std::string> TestCanvas::textsOnSheet(int sheet) const {
    std::vector<std::string> out;
    for (const DrawnText& t : texts)
        if (t.sheet == sheet) out.push_back(t.text);
    return out;
}

void TestCanvas::clearRecords() {
    jobLog.clear();
    texts.clear();
    rects.clear();
    charts.clear();
    measureCount = 0;
}

} // namespace tarnik
