#pragma once
// A report run on the fixed-metric test canvas, and helpers that read the laid-out document:
// the texts of a page in order, the page a text stands on, the table a cell belongs to.
#include <memory>
#include <string>
#include <vector>

#include "core/base/settings.h"
#include "core/evaluation/recompute.h"
#include "core/report/report.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"
#include "tests/support/testcanvas.h"

namespace tarnik::report_test {

// An A4 page of 2100 × 2970 px: one millimetre is 10 px, a 10-point line 40 px (as on paper).
struct ReportRun {
    ReportRun() : a(fixtures::reportAssessment()) {
        options.WczytajOpcjeZRejestru(store); // an empty store: every option on
    }

    // The values brought up to date as printing from the first page does.
    void refresh() {
        e.afterDocumentLoaded(a);
        recomputeEvaluation(a, e);
    }

    ReportInput input() {
        ReportInput in(a, e, options);
        in.chart1 = chart1;
        in.chart2 = chart2;
        in.log = [this](const std::string& line) { log.push_back(line); };
        return in;
    }
    std::unique_ptr<ReportLayout> layOut() {
        log.clear();
        return LayOutReport(canvas, input());
    }
    ReportResult print(const PrintRange& range = PrintRange::all()) {
        log.clear();
        canvas.clearRecords();
        return BuildReport(canvas, input(), range);
    }

    // Options without the legal basis, in form A (register) or B.
    void plainForm(bool registerForm) {
        options.setLegalBasis(false, store);
        options.setRegisterForm(registerForm, store);
    }

    TestCanvas canvas{2100, 2970, 4};
    MemorySettingsStore store;
    PrintOptions options;
    Assessment a;
    Evaluation e;
    ChartProportions chart1{400, 260};
    ChartProportions chart2{600, 300};
    std::vector<std::string> log;
};

// Every text item under an item, in drawing order.
void collectTexts(const TItem& item, std::vector<const TTextItem*>& out);
std::vector<std::string> pageTexts(const TPage& page);
std::vector<std::string> allTexts(const TDoc& doc);
// 1-based number of the first page holding exactly this text, 0 when none does.
int pageOf(const TDoc& doc, const std::string& text);
// How many text items hold exactly this text.
int countText(const TDoc& doc, const std::string& text);
// The table holding a cell with exactly this text (null when none does).
const TTable* tableWithCell(const TDoc& doc, const std::string& text);
// The texts of one row of a table.
std::vector<std::string> rowTexts(const TTable& table, std::size_t row);
// The top-level item of its page that holds the text (a group, a table or a paragraph).
const TItem* placedItemWith(const TDoc& doc, const std::string& text);
// Every item placed on the pages in order, without the running headers.
std::vector<const TItem*> placedItems(const TDoc& doc);
// The seven-row measurement card of the factor of this name.
const TTable* cardOf(const TDoc& doc, const std::string& name);
// The texts of an item, in order.
std::vector<std::string> textsOf(const TItem& item);
inline bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// A worker with every training done and current; a ticked factor of catalogue list 0..4.
inline std::unique_ptr<WorkerRecord> worker(const std::string& first, const std::string& last,
                                            int category = kMen) {
    return fixtures::currentWorker(first, last, category);
}
using fixtures::tickFactor;

} // namespace tarnik::report_test
