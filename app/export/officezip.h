#pragma once
// The ZIP container of an office document (DOCX, ODT, XLSX), made by libzip in memory and written
// to its file whole or not at all.
#include <QString>
#include <string>

#include "core/export/officepart.h"

namespace tarnik {

// The container's bytes: the parts in their order, each compressed unless it asks to be stored.
// Throws std::runtime_error when libzip fails.
std::string zipContainer(const OfficeParts& parts);

// Writes the container to `path` through a temporary file in the same folder that then replaces
// the target. Throws FileError when the file cannot be written (an older file stays whole).
void writeOfficeFile(const QString& path, const OfficeParts& parts);

} // namespace tarnik
