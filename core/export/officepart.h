#pragma once
// One file inside an office document's ZIP container (DOCX, ODT, XLSX): its path in the
// container and its bytes. The container is written by the program (app/export/officezip.h).
#include <string>
#include <vector>

namespace tarnik {

struct OfficePart {
    std::string path;  // "word/document.xml", "mimetype", ...
    std::string bytes; // UTF-8 XML, or a picture's bytes
    // Kept uncompressed (ODF's "mimetype", which must also come first).
    bool stored = false;
};

using OfficeParts = std::vector<OfficePart>;

} // namespace tarnik
