#pragma once
// The assessment files of a register's folder as found on disk: every .trk file of the folder and
// its subfolders, with the size and the time of its last write that the index keys them by.
#include <QString>
#include <QtGlobal>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnik {

struct FoundFile {
    std::string relative; // with "/" separators, UTF-8
    std::filesystem::path path;
    qint64 size = 0;
    qint64 mtime = 0; // nanoseconds (or the file system's own tick) of the last write
};

// The size and the time of the last write of a regular file, from one look at it; false for
// anything else or a file that cannot be looked at.
bool stamp(const std::filesystem::path& p, qint64& size, qint64& mtime);

// Every assessment file of the folder and its subfolders. Subfolders that cannot be entered are
// passed over; the folder itself must be readable (FileError otherwise).
std::vector<FoundFile> findFiles(const QString& folder);

} // namespace tarnik
