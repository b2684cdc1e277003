#pragma once
// The archival side of the report's PDF: the document properties as an XMP packet that declares
// PDF/A-1b, and an incremental update appended to the finished file that replaces its document
// information dictionary with one matching that packet (Qt's writer has no author or subject,
// and readers such as pdfinfo show the information dictionary).
#include <chrono>
#include <string>
#include <string_view>

namespace tarnik {

// The properties of the document, UTF-8. An empty text leaves its entry out.
struct PdfDocumentInfo {
    std::string title;
    std::string author;
    std::string subject;
    std::string creator;  // the program that made the document
    std::string producer; // the library that wrote the PDF
    std::chrono::system_clock::time_point created;
};

// A text as it goes into the properties: lines trimmed of blanks and joined by ", " (blank lines
// dropped), other control characters as spaces, invalid UTF-8 as U+FFFD.
std::string pdfPropertyText(std::string_view text);

// The properties with each text passed through pdfPropertyText.
PdfDocumentInfo normalizedPdfInfo(PdfDocumentInfo info);

// The creation time as a PDF date ("D:20240131120000+00'00'") and as an XMP date
// ("2024-01-31T12:00:00+00:00"), both in UTC, to the second.
std::string pdfDate(std::chrono::system_clock::time_point t);
std::string xmpDate(std::chrono::system_clock::time_point t);

// The XMP packet of the document (UTF-8): declaring PDF/A-1b (pdfaid 1, conformance B), with the
// title, author, subject, creator tool, producer and creation date of `info` (texts taken as they
// are).
std::string pdfaXmpPacket(const PdfDocumentInfo& info);

// The information dictionary holding the same entries as pdfaXmpPacket(info), texts as
// UTF-16BE hex strings with the byte order mark.
std::string pdfInfoDictionary(const PdfDocumentInfo& info);

// Appends to a complete PDF (classic cross-reference table, trailer with /Size, /Root, /Info
// and /ID) an update that replaces the object of its /Info with pdfInfoDictionary(info).
// Throws std::runtime_error, leaving `pdf` as it was, when the bytes are not such a PDF.
void appendInfoUpdate(std::string& pdf, const PdfDocumentInfo& info);

} // namespace tarnik
