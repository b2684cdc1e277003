#pragma once
// The command line: options handled without a window, and the file to open at start-up.
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "app/export/documentexport.h"
#include "core/base/dates.h"
#include "core/layout/printrange.h"

namespace tarnik {

struct CommandLine {
    enum class Mode {
        Window,
        Help,
        Convert,
        Summary,
        Pdf,
        Document,
        Workbook,
        Register,
        Next,
        Compare,
        Error
    };
    Mode mode = Mode::Window;
    QString fileToOpen;  // Window: the assessment to open at start-up, if any
    QString convertOut;  // Convert: the file to write
    QString convertIn;   // Convert: the file to read
    QString summaryIn;   // Summary: the assessment to evaluate
    QString pdfOut;      // Pdf: the PDF file to write
    QString pdfIn;       // Pdf: the assessment to print
    PrintRange pdfRange; // Pdf: the pages to write (all unless --pages)
    QString documentOut; // Document: the office document to write
    QString documentIn;  // Document: the assessment to write it of
    OfficeFormat documentFormat = OfficeFormat::Docx; // Document: --docx or --odt
    QString workbookOut;                              // Workbook: the spreadsheet to write
    QString workbookIn;             // Workbook: the assessment whose plan and workers it holds
    QString registerFolder;         // Register: the folder of assessments
    std::optional<DayNumber> today; // Register, Next: the day taken as today (--today)
    QString nextOut;                // Next: the new assessment to write
    QString nextIn;                 // Next: the previous assessment
    QString nextDone;               // Next: the finished tasks (--done), as typed
    QString compareOld;             // Compare: the previous assessment
    QString compareNew;             // Compare: the new assessment
    QString error;                  // Error: what was wrong
};

// Parses the arguments after the program name.
CommandLine parseCommandLine(const QStringList& args);

QString helpText();

// Runs a mode that needs no window (help, convert, summary, pdf, register, next, compare, errors)
// and returns the exit status. The PDF is drawn by the toolkit without a display: when no
// application object exists yet, one is made on the offscreen platform for the run.
int runWithoutWindow(const CommandLine& cl, std::FILE* out, std::FILE* err);

} // namespace tarnik
