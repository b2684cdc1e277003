#pragma once
// The text of a PDF file, read back with pdftotext (poppler-utils), for the printing tests.
#include <QString>

namespace tarnik::testing {

struct PdfText {
    bool available = false; // pdftotext was found; a test fails when it was not
    bool ok = false;        // the text was read; `error` says why not
    QString text;           // UTF-8 text, pages ended by form feeds
    QString error;
};

// Runs pdftotext on the file, waiting at most `timeoutMs`.
PdfText pdfText(const QString& pdfFile, int timeoutMs = 60000);

} // namespace tarnik::testing
