#pragma once
// The report as a Word document (Office Open XML, DOCX): the XML parts of a flowing document.
#include <string>

#include "core/export/flowdocument.h"
#include "core/export/officepart.h"

namespace tarnik {

// Every XML part of the document ([Content_Types].xml, the relationships, word/document.xml,
// word/styles.xml, the running header, settings, fonts, docProps). The pictures are referred to
// under docxPicturePath and are not among the parts: the program adds their PNG bytes.
OfficeParts docxParts(const FlowDocument& doc);

// "word/media/" + pictureFileName(index).
std::string docxPicturePath(int index);

} // namespace tarnik
