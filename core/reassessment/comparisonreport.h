#pragma once
// The comparison of two assessments as a printed document, laid out on the same page-layout
// model as the report (core/layout) so that the printer, the preview and the PDF get the same
// pages: a title, the two assessments compared, then one bordered table per section that has
// differences ("Dane ogólne", "Pracownicy", "Czynniki", "Wskaźniki i poziom ryzyka", "Plan poprawy
// warunków pracy") with the columns "Pozycja", "Poprzednia ocena", "Nowa ocena" repeated on every
// page a table goes on to; "Brak różnic." when there is none. The running header and the page
// numbers as in the report; the print options' font face and Polish-letter setting apply.
#include "core/layout/canvas.h"
#include "core/layout/printrange.h"
#include "core/reassessment/comparison.h"
#include "core/report/printoptions.h"
#include "core/report/report.h"

namespace tarnik {

// Lays the comparison out and prints the pages of the range on the canvas. The job's title is
// "Porównanie ocen".
ReportResult BuildComparisonReport(Canvas& canvas, const AssessmentComparison& comparison,
                                   const PrintOptions& options,
                                   const PrintRange& range = PrintRange::all());

} // namespace tarnik
