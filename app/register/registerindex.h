#pragma once
// The register's index: an SQLite database (Qt SQL, driver QSQLITE) of the rows of every
// assessment file of a folder, keyed by the file's path, size and modification time, so that a
// rescan reads only the files that are new or changed.
//
// The folder of assessment files stays the only truth: the index may be deleted or damaged at
// any time and is then rebuilt without a word. An index object uses its own database connection
// and belongs to the thread that created it.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/register/registerrow.h"

namespace tarnik {

// The index file in the user's cache folder.
QString defaultRegisterIndexFile();

class RegisterIndex {
public:
    explicit RegisterIndex(const QString& databaseFile);
    ~RegisterIndex();
    RegisterIndex(const RegisterIndex&) = delete;
    RegisterIndex& operator=(const RegisterIndex&) = delete;

    // Called after each file looked at with the files done and the files in all; returning false
    // cancels the scan.
    using Progress = std::function<bool(int done, int total)>;

    // Brings the index up to date with every .trk file of the folder and its subfolders and
    // gives their rows sorted by `file`; nullopt when cancelled (what was read so far is kept).
    // Throws FileError when the folder cannot be read.
    std::optional<std::vector<RegisterRow>> scan(const QString& folder,
                                                 const Progress& progress = {});
    // Reads one file of the folder again (after the program saved it) and gives its row.
    RegisterRow refresh(const QString& folder, const QString& file);
    // How many assessment files the last scan read (the others came from the index).
    int filesReadByLastScan() const;

private:
    struct Impl;
    Impl* d;
};

} // namespace tarnik
