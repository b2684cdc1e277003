#pragma once
// The text of a PDF file, read back with pdftotext (poppler-utils), for the printing tests.
#include <QString>
#include <QStringList>

namespace tarnik::testing {

struct PdfText {
    bool available = false; // pdftotext was found; a test fails when it was not
    bool ok = false;        // the text was read; `error` says why not
    QString text;           // UTF-8 text, pages ended by form feeds
    QString error;
};

// Runs pdftotext on the file, waiting at most `timeoutMs`.
PdfText pdfText(const QString& pdfFile, int timeoutMs = 60000);

// What another tool (pdfinfo, pdffonts, qpdf ...) printed.
struct ToolRun {
    bool available = false; // the tool was found; a test fails when it was not
    bool finished = false;  // it ran to its end within the time; `error` says why not
    int exitCode = -1;
    QString out; // standard output, UTF-8
    QString err; // standard error
    QString error;
};

// Runs `tool` with `args`, waiting at most `timeoutMs`.
ToolRun runTool(const QString& tool, const QStringList& args, int timeoutMs = 60000);

} // namespace tarnik::testing
