// The order of the report's sections, and the print at the end of the run.
#include "core/report/report.h"

#include "core/report/reportbuilder.h"

namespace tarnik {

std::unique_ptr<ReportLayout> LayOutReport(Canvas& canvas, const ReportInput& in) {
    auto out = std::make_unique<ReportLayout>();
    ReportBuilder b(canvas, in, *out);
    b.setUp();
    b.titlePage();
    if (in.options.legalBasis()) b.legalBasis();
    if (in.options.registerForm())
        b.formA();
    else
        b.formB();
    b.hazardCard();
    b.checklist();
    b.accidents();
    b.riskLevel();
    b.indicatorChart();
    b.improvementPlan();
    b.acquaintanceList();
    return out;
}

ReportResult BuildReport(Canvas& canvas, const ReportInput& in, const PrintRange& range) {
    const auto log = [&in](const char* line) {
        if (in.log) in.log(line);
    };
    std::unique_ptr<ReportLayout> layout = LayOutReport(canvas, in);
    ReportResult result;
    result.cleanUps = layout->cleanUps;
    TDoc& doc = *layout->doc;
    result.pageCount = doc.pageCount;
    for (int page = 1; page <= doc.pageCount; ++page)
        if (range.includes(page)) ++result.pagesPrinted;

    log("\r\nPrzygotowanie dokumentu do druku zakończone\r\n");
    log("--------------------------------------");
    log("Początek drukowania (przesyłanie danych do drukarki)");
    result.ok = doc.Print(range);
    log("--------------------------------------");
    log(result.ok ? "Dane przesłane do drukarki" : kReportPrintFailed);
    log("--------------------------------------");
    return result;
}

} // namespace tarnik
