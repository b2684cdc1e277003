#pragma once
// The report as an OpenDocument text (ODT): the parts of a flowing document.
#include <string>

#include "core/export/flowdocument.h"
#include "core/export/officepart.h"

namespace tarnik {

// Every part of the document: "mimetype" first and stored, then content.xml, styles.xml,
// meta.xml, settings.xml and META-INF/manifest.xml (which lists the pictures). The pictures are
// referred to under odtPicturePath and are not among the parts: the program adds their PNG bytes.
OfficeParts odtParts(const FlowDocument& doc);

// "Pictures/" + pictureFileName(index).
std::string odtPicturePath(int index);

} // namespace tarnik
