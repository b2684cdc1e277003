// The printed comparison: the report's page set-up, running header, styles and page breaking,
// with a table of its own per section of differences.
#include "core/reassessment/comparisonreport.h"

#include "core/evaluation/evaluation.h"
#include "core/report/reportbuilder.h"

namespace tarnik {

namespace {

constexpr const char* kJobTitle = "Porównanie ocen";
constexpr const char* kNoValue = "—";

// What the report builder reads besides the canvas: an assessment that only names the station
// for the running header, and the print options.
struct ComparisonInput {
    Assessment assessment;
    Evaluation evaluation;
    ReportInput input;

    ComparisonInput(const AssessmentComparison& c, const PrintOptions& options)
        : input(assessment, evaluation, options) {
        assessment.EdtStanowisko =
            c.station.empty() ? std::string(kJobTitle) : std::string(kJobTitle) + " – " + c.station;
        input.jobTitle = kJobTitle;
    }
};

class ComparisonBuilder : private ComparisonInput, public ReportBuilder {
public:
    ComparisonBuilder(Canvas& canvas, const AssessmentComparison& c, const PrintOptions& options,
                      ReportLayout& out)
        : ComparisonInput(c, options), ReportBuilder(canvas, input, out), c_(c) {}

    void build() {
        paragraph("Porównanie ocen ryzyka zawodowego\r\n", "BigHeader");
        auto titles = table({{1, 3}, 2, false});
        row(*titles, {{"Poprzednia ocena:", "NBold"}, {c_.oldTitle, "TableLeft"}});
        row(*titles, {{"Nowa ocena:", "NBold"}, {c_.newTitle, "TableLeft"}});
        place(std::move(titles));
        if (c_.empty()) {
            paragraph("\r\nBrak różnic.", "Normal");
            return;
        }
        section("Dane ogólne", c_.general);
        section("Pracownicy", c_.workers);
        section("Czynniki", c_.factors);
        section("Wskaźniki i poziom ryzyka", c_.figures);
        section("Plan poprawy warunków pracy", c_.plan);
    }

private:
    // The section's heading and its table, the column headings again on every page it goes on to.
    void section(const char* title, const std::vector<Difference>& list) {
        if (list.empty()) return;
        beginHeading(std::string("\r\n") + title + "\r\n", "Header");
        const auto header = [this] {
            auto t = table({{2, 2, 2}, 2, true});
            row(*t, {{"Pozycja", "TableGlowa"},
                     {"Poprzednia ocena", "TableGlowa"},
                     {"Nowa ocena", "TableGlowa"}});
            return t;
        };
        addToHeading(header());
        continueTable(header);
        for (const Difference& d : list) {
            auto t = table({{2, 2, 2}, 2, true});
            row(*t, {{d.caption, "TableLeft"},
                     {d.oldValue.value_or(kNoValue), "TableLeft"},
                     {d.newValue.value_or(kNoValue), "TableLeft"}});
            place(std::move(t));
        }
        endContinuedTable();
    }

    const AssessmentComparison& c_;
};

} // namespace

ReportResult BuildComparisonReport(Canvas& canvas, const AssessmentComparison& comparison,
                                   const PrintOptions& options, const PrintRange& range) {
    ReportLayout layout;
    ComparisonBuilder builder(canvas, comparison, options, layout);
    builder.setUp();
    builder.build();
    ReportResult result;
    TDoc& doc = *layout.doc;
    result.pageCount = doc.pageCount;
    for (int page = 1; page <= doc.pageCount; ++page)
        if (range.includes(page)) ++result.pagesPrinted;
    result.ok = doc.Print(range);
    return result;
}

} // namespace tarnik
