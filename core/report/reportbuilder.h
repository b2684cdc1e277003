#pragma once
// ReportBuilder: one run of the report builder and the building blocks its sections share.
//
// The run holds the document under construction, its style sheet and the unit of one millimetre.
// Each section lives in the file of its group (reporttitle.cpp, reportforma.cpp, reportformb.cpp,
// reportworkers.cpp, reportcard.cpp, reportsecond.cpp); the order of the sections is in report.cpp.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/layout/canvas.h"
#include "core/layout/items.h"
#include "core/layout/pagination.h"
#include "core/report/report.h"
#include "core/rules/factors/selection.h"

namespace tarnik {

class ReportBuilder {
public:
    ReportBuilder(Canvas& canvas, const ReportInput& in, ReportLayout& out);

    // Set-up: styles, page geometry, running header, the first page.
    void setUp();
    void titlePage();
    void legalBasis();
    void formA();
    void formB();
    void hazardCard();
    void checklist();
    void accidents();
    void riskLevel();
    void indicatorChart();
    void improvementPlan();
    void acquaintanceList();

    void log(const std::string& line) const;
    TDoc& doc() const { return *out_.doc; }

protected:
    // ---- building blocks (reportblocks.cpp) ---------------------------------------------
    // Open to documents laid out the same way (the comparison of two assessments).
    struct TableShape {
        std::vector<int> columns;
        int innerMm = 2;
        bool border = true;
        int width = 0; // 0: the usable width
    };
    // One cell of a row: its text and style.
    using Cell = std::pair<std::string, const char*>;

    std::unique_ptr<TTextItem> textItem(std::string text, std::string_view style) const;
    std::unique_ptr<TTable> table(const TableShape& shape) const;
    static void row(TTable& t, std::initializer_list<Cell> cells);
    static void row(TTable& t, const std::vector<Cell>& cells);
    // AddPair: a row of label and value in one style, unless either is blank. True when added.
    static bool pair(TTable& t, const std::string& label, const std::string& value,
                     const char* style);
    // A table of one row: label and value, both "TableLeft".
    std::unique_ptr<TTable> labelValue(const std::vector<int>& columns, int innerMm, bool border,
                                       const std::string& label, const std::string& value) const;

    // A paragraph of the usable width, placed with page breaking.
    void paragraph(std::string text, std::string_view style);
    void blanks(int count, std::string_view style);

    // The heading group: the heading waits for the first block of its section, and both are
    // placed as one item so that a heading never ends a page alone.
    // `level` is its place in the outline of documents that keep one (1: a section).
    void beginHeading(std::string text, std::string_view style, int level = 1);
    // Something more that must stay with the heading (a table's header).
    void addToHeading(std::unique_ptr<TItem> item);
    // Places an item: with the waiting heading when there is one, else by itself. An item
    // taller than a page is placed in parts (placeInParts), so that nothing runs off a page.
    void place(std::unique_ptr<TItem> item);
    void placeWhole(std::unique_ptr<TItem> item);
    void flushHeading();
    // A table whose rows are placed one by one: every page it goes on to begins with its column
    // headings again. `header` makes a copy of the header rows; endContinuedTable ends it.
    void continueTable(std::function<std::unique_ptr<TTable>()> header);
    // Marks every row of the table as its column headings.
    static std::unique_ptr<TTable> headings(std::unique_ptr<TTable> t);
    void endContinuedTable();
    // What must stand above the next item on the current page: the waiting heading, and the
    // repeated column headings of a continued table when this page does not have them yet.
    int heightAbove() const;

    // ---- items taller than a page (reportsplit.cpp) -----------------------------------------
    // The room of a page that holds only its running header.
    int freshPageRoom() const { return doc().usableHeight - pageHeaderHeight_; }
    bool pageIsFresh() const;
    // A group goes item by item, a table row by row, and a row or a paragraph still too tall is
    // cut between its words into parts that each fill the room left on a page.
    void placeInParts(std::unique_ptr<TItem> item);
    // Cuts the texts of the cells of one row (a paragraph is a row of one cell) into parts;
    // `make` builds the item of one part from the cells' texts.
    void
    placeTextsInParts(const std::vector<std::string>& texts,
                      const std::function<std::unique_ptr<TItem>(std::vector<std::string>)>& make);

    // A table of a header and many rows: placed whole when it fits on a page, otherwise split
    // into parts that each fill a page and repeat the header, so that no row runs off a page.
    // `header` adds the header rows to a table, `body` adds body row i.
    void placeLongTable(const TableShape& shape, const std::function<void(TTable&)>& header,
                        std::size_t rows, const std::function<void(TTable&, std::size_t)>& body);

    // ---- shared sections ------------------------------------------------------------------
    // The person table under its heading (reportworkers.cpp).
    void personTable(const char* heading, const std::vector<PersonEntry>& people, bool signature);
    void workerBlocks(bool registerForm);
    // Form A's factor summary and worker counts (reportforma.cpp).
    void factorSummary();
    void workerCounts();
    void workerBlock(const WorkerRecord& w, bool registerForm, int interval);
    void trainingScope();
    // The ten station-description memos, each a table of its own when it holds text.
    void memoTables(int innerMm, bool border);
    // The measurement card of form A and the factor block of form B (reportcard.cpp).
    // The strenuous list's cards begin with a blank line of their own.
    std::unique_ptr<TGroup> measurementCard(const FactorRecord& f, bool chemicalList,
                                            bool leadingBlank) const;
    std::unique_ptr<TGroup> factorBlock(const FactorRecord& f) const;

    int mm(int n) const { return n * mm_; }
    Rect innerMm(int n) const { return Rect{mm(n), mm(n), mm(n), mm(n)}; }
    Assessment& a() const { return in_.assessment; }
    const Evaluation& e() const { return in_.evaluation; }

    Canvas& canvas_;
    const ReportInput& in_;
    ReportLayout& out_;
    int mm_ = 1;
    int W_ = 0;                // usable width
    int pageHeaderHeight_ = 0; // room the running header takes on a page
    std::unique_ptr<TGroup> heading_;
    std::function<std::unique_ptr<TTable>()> tableHeader_; // of the continued table
    std::size_t tableHeaderPage_ = 0; // the last page that shows its column headings
    std::vector<FactorToDescribe> lb601_;
};

} // namespace tarnik
