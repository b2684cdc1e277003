#pragma once
// The printed report of the whole assessment: its input, its result and the calls that build it.
//
// BuildReport lays the report out on the page-layout model (core/layout) section by section — title
// page, legal basis, the general part in the register form (A) or the standard form (B), the hazard
// level card, the checklist, accidents and the supplementary card, the risk level, the indicator
// chart, the improvement plan and the acquaintance list — writing a progress line for each step,
// and prints the chosen pages.
//
// The report prints the evaluation as it stands: the caller brings it up to date first (the
// program and the command line run recomputeEvaluation). Two sections tidy the document before
// they are laid out, and the pages show the result: empty rows of the improvement plan are dropped
// and the acquaintance list loses blanks and empty lines.
#include <functional>
#include <memory>
#include <string>

#include "core/evaluation/evaluation.h"
#include "core/layout/canvas.h"
#include "core/layout/pagination.h"
#include "core/layout/printrange.h"
#include "core/layout/styles.h"
#include "core/model/assessment.h"
#include "core/report/printoptions.h"

namespace tarnik {

// The on-screen size of a chart in any unit: the printed picture keeps its proportions.
struct ChartProportions {
    int width = 0;
    int height = 0;
    bool valid() const { return width > 0 && height > 0; }
};

// The size the charts are designed for, used when no chart is on screen (the command line).
inline constexpr ChartProportions kChartDesignSize{400, 260};

// One progress entry; an entry holding CR LF shows as more than one line.
using ReportLog = std::function<void(const std::string&)>;

struct ReportInput {
    ReportInput(Assessment& a, const Evaluation& e, const PrintOptions& o)
        : assessment(a), evaluation(e), options(o), chartFontFace(o.fontFace()) {}

    // The document; the clean-ups of the plan and the acquaintance list change it.
    Assessment& assessment;
    const Evaluation& evaluation;
    // Read when the report reaches them: legal basis, register form, signature spacing, Polish
    // letters and the font face.
    const PrintOptions& options;
    // The proportions of the charts as they were last laid out on screen (the design size when
    // they never were) and the font face of their texts, the print options' face.
    ChartProportions chart1 = kChartDesignSize; // the hazard level card's chart
    ChartProportions chart2 = kChartDesignSize; // the indicator chart
    std::string chartFontFace;
    ReportLog log; // may be empty
    // Called at the start when the options ask for the progress window.
    std::function<void()> showProgress;
    // The title of the print job.
    std::string jobTitle = "Tarnik";
};

// What the clean-ups changed in the document.
struct ReportCleanUps {
    bool planChanged = false;         // rows removed or the empty row added back
    bool acquaintanceChanged = false; // the text of Osoby changed
};

// A laid-out report: its styles and its document (the print job is open on the canvas).
struct ReportLayout {
    TStyles styles;
    std::unique_ptr<TDoc> doc;
    ReportCleanUps cleanUps;
};

// Lays the whole report out on the canvas without printing it. Writes the progress lines up to
// the end of the acquaintance list.
std::unique_ptr<ReportLayout> LayOutReport(Canvas& canvas, const ReportInput& in);

struct ReportResult {
    bool ok = false;      // the print job ended without a failure of the canvas
    int pageCount = 0;    // pages of the whole report
    int pagesPrinted = 0; // pages of the range that the report has
    ReportCleanUps cleanUps;
};

// Lays the report out and prints the pages of the range on the canvas (BuildReport), with the
// closing progress lines. "Dane przesłane do drukarki" is written only when the job succeeded.
ReportResult BuildReport(Canvas& canvas, const ReportInput& in,
                         const PrintRange& range = PrintRange::all());

// Progress entries written when the print job fails.
inline constexpr const char* kReportPrintFailed = "Drukowanie nie powiodło się";

} // namespace tarnik
