#pragma once
// The words of a PDF file with their boxes, read back with `pdftotext -bbox` (poppler-utils),
// for tests that measure where the printed report puts things on the sheet.
#include <QList>
#include <QString>

namespace tarnik::testing {

struct PdfWord {
    int page = 0; // 1-based
    QString text;
    double xMin = 0; // points from the sheet's top-left corner
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct PdfWords {
    bool ok = false; // read; `error` says why not (pdftotext missing or failing included)
    QString error;
    double pageWidth = 0; // points, of the first page
    double pageHeight = 0;
    int pageCount = 0;
    QList<PdfWord> words; // in reading order, page by page

    QList<PdfWord> onPage(int page) const;
    // The first word that equals `text` on a page (any page for 0); null when none does.
    const PdfWord* find(const QString& text, int page = 0) const;
};

// Runs pdftotext -bbox on the file, waiting at most `timeoutMs`.
PdfWords pdfWords(const QString& pdfFile, int timeoutMs = 60000);

} // namespace tarnik::testing
