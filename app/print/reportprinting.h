#pragma once
// The report on Qt's devices: into a PDF file written whole or not at all, with the pictures in
// the proportions of the charts on screen, and the name a PDF of the assessment is offered.
#include <QByteArray>
#include <QPdfWriter>
#include <QString>
#include <functional>

#include "app/print/pdfarchive.h"
#include "app/print/qtcanvas.h"
#include "core/report/report.h"

class QWidget;

namespace tarnik {

// The layout model's canvas on a PDF writer, a sheet per page.
class PdfWriterCanvas : public QtCanvas {
public:
    explicit PdfWriterCanvas(QPdfWriter& writer);

protected:
    void prepareJob(const std::string& title) override;
    bool startSheet() override;

private:
    QPdfWriter& writer_;
};

// The document properties of the report's PDF: the title names the station, the author is the
// assessing unit, the subject the establishment (blank ones left out), created now.
PdfDocumentInfo reportPdfInfo(const Assessment& a);

// A printed document of the program (the report, the comparison of two assessments): lays its
// pages out on the canvas it is given and prints them there.
using PdfBuild = std::function<ReportResult(Canvas&)>;

// The document laid out and printed into PDF/A-1b bytes (A4, 600 dpi) with the properties
// `info`. `result.ok` is false when the PDF could not be produced; throws std::runtime_error when
// Qt's output cannot be completed as PDF/A.
struct PdfReport {
    QByteArray bytes;
    ReportResult result;
};
PdfReport renderPdf(const PdfDocumentInfo& info, const PdfBuild& build);

// Writes the document into the PDF file: through a temporary file in the same folder that then
// replaces the target, so that a failure leaves no half-written file (and an older file whole).
// Nothing is written when the document printed no page. Throws FileError when the file cannot be
// written, and a plain runtime_error when the PDF cannot be produced.
ReportResult writePdf(const QString& path, const PdfDocumentInfo& info, const PdfBuild& build);

// The same for the report of an assessment, with the properties of reportPdfInfo.
PdfReport renderReportPdf(const ReportInput& in, const PrintRange& range);
ReportResult writeReportPdf(const QString& path, const ReportInput& in,
                            const PrintRange& range = PrintRange::all());

// The message of a range that holds no page of a report of `pageCount` pages.
QString noPagesInRangeMessage(const PrintRange& range, int pageCount);

// The file name a PDF of the assessment is offered under: the station's name made safe for a
// file name (the assessment file's own name when the station has none, else "ocena"), with
// ".pdf", in the folder of the assessment file, or in `fallbackFolder` for an untitled one.
QString suggestedPdfName(const QString& station, const QString& assessmentFile,
                         const QString& fallbackFolder);

} // namespace tarnik
