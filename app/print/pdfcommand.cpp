#include "app/print/pdfcommand.h"

#include <QFileInfo>
#include <exception>

#include "app/platform/pathutil.h"
#include "app/print/reportprinting.h"
#include "core/base/errors.h"
#include "core/evaluation/recompute.h"
#include "core/model/convert.h"

namespace tarnik {

PdfCommandResult exportAssessmentPdf(const QString& in, const QString& out, const PrintRange& range,
                                     const SettingsStore& store) {
    // The report goes next to the assessment, never over it.
    if (sameExistingFile(in, out)) return {1, "Plik PDF nie może zastąpić pliku oceny."};

    Assessment a;
    Evaluation e;
    if (auto failure = openEvaluated(toPath(in), a, e)) return {1, std::move(*failure)};

    PrintOptions options;
    options.WczytajOpcjeZRejestru(store);
    ReportInput input(a, e, options);
    input.jobTitle = a.EdtStanowisko.empty() ? "Tarnik" : a.EdtStanowisko;
    try {
        const ReportResult r = writeReportPdf(out, input, range);
        if (r.pagesPrinted == 0)
            return {1, noPagesInRangeMessage(range, r.pageCount).toStdString()};
    } catch (const std::exception& error) {
        return {1, oneLine(error.what())};
    }
    return {0, {}};
}

} // namespace tarnik
