#pragma once
// tarnik --pdf: the report of an assessment file written to a PDF without a window.
#include <QString>
#include <string>

#include "core/layout/printrange.h"

namespace tarnik {

class SettingsStore;

struct PdfCommandResult {
    int exitCode = 0;    // 0 on success, 1 on any failure
    std::string message; // one line for standard error, empty on success
};

// Opens `in` as the program opens a file named on its command line, brings every value up to
// date with the sequence printing uses (recomputeEvaluation), and writes the report with the
// stored print options (`store`) to `out`, the charts in the design size. `in` is never written;
// `out` is written whole or not at all (a file that is not an assessment, a damaged one, a range
// without pages, a PDF that cannot be written: exit code 1 and nothing written). Needs a running
// QGuiApplication.
PdfCommandResult exportAssessmentPdf(const QString& in, const QString& out, const PrintRange& range,
                                     const SettingsStore& store);

} // namespace tarnik
