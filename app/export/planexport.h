#pragma once
// The improvement plan and the register of workers exported as a spreadsheet (XLSX).
#include <QString>

#include "app/export/documentexport.h"
#include "core/model/assessment.h"

namespace tarnik {

// Writes the workbook of the assessment (core/export/planworkbook.h) to `path`, whole or not at
// all: an older file there is replaced only once the new one is complete. Throws FileError when
// the file cannot be written.
void writePlanWorkbook(const QString& path, const Assessment& a);

// The file name the workbook is offered under: as the report's PDF is named (the station's name
// made safe for a file name, else the assessment file's own name, else "ocena"), followed by
// " - plan.xlsx", in the folder of the assessment file, or in `fallbackFolder` for an untitled
// one.
QString suggestedWorkbookName(const QString& station, const QString& assessmentFile,
                              const QString& fallbackFolder);

// tarnik --xlsx: the workbook of an assessment file, opened as the program opens a file named on
// its command line. `in` is never written; `out` is written whole or not at all.
DocumentCommandResult exportAssessmentWorkbook(const QString& in, const QString& out);

} // namespace tarnik
