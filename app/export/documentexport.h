#pragma once
// The report as an editable office document (Word's DOCX, OpenDocument's ODT): laid out exactly as
// for the printer (the same builder, the same PDF device metrics), read back as a flowing document
// and written with its charts as PNG pictures at print resolution.
#include <QString>
#include <optional>

#include "core/export/officepart.h"
#include "core/report/report.h"

namespace tarnik {

class SettingsStore;

enum class OfficeFormat { Docx, Odt };

// The format a file name asks for by its suffix (either case); none for another suffix.
std::optional<OfficeFormat> officeFormatOf(const QString& path);
QString officeSuffix(OfficeFormat format); // "docx" / "odt"

struct OfficeReport {
    OfficeParts parts; // every part of the container, pictures included
    ReportCleanUps cleanUps;
    int pageCount = 0; // pages of the printed report
};

// The report of the input as the parts of an office document. The charts are painted at 300 dpi
// in the size the report gives them.
OfficeReport reportDocument(const ReportInput& in, OfficeFormat format);

// Writes the report into the file, whole or not at all (a temporary file in the same folder
// replaces the target). Throws FileError when the file cannot be written.
OfficeReport writeReportDocument(const QString& path, const ReportInput& in, OfficeFormat format);

// The name an office document of the assessment is offered under: as for the PDF, with the
// format's suffix.
QString suggestedDocumentName(const QString& station, const QString& assessmentFile,
                              const QString& fallbackFolder, OfficeFormat format);

struct DocumentCommandResult {
    int exitCode = 0;    // 0 on success, 1 on any failure
    std::string message; // one line for standard error, empty on success
};

// tarnik --docx / --odt: opens `in` as the program opens a file named on its command line,
// brings every value up to date (recomputeEvaluation) and writes the report with the stored print
// options to `out`. `in` is never written; `out` is written whole or not at all.
DocumentCommandResult exportAssessmentDocument(const QString& in, const QString& out,
                                               OfficeFormat format, const SettingsStore& store);

} // namespace tarnik
