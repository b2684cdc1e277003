#include "app/register/registerfiles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "app/platform/pathutil.h"
#include "core/base/errors.h"

namespace tarnik {

namespace fs = std::filesystem;

namespace {

bool isAssessmentFile(const fs::path& p) {
    std::string ext = p.extension().string();
    if (ext.size() != 4) return false;
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".trk";
}

std::string relativeName(const fs::path& path, const fs::path& root) {
    const QString rel = fromPath(path.lexically_relative(root));
    return QDir::fromNativeSeparators(rel).toStdString();
}

} // namespace

bool stamp(const fs::path& p, qint64& size, qint64& mtime) {
#ifdef _WIN32
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return false;
    const auto bytes = fs::file_size(p, ec);
    if (ec) return false;
    const auto written = fs::last_write_time(p, ec);
    if (ec) return false;
    size = static_cast<qint64>(bytes);
    mtime = static_cast<qint64>(written.time_since_epoch().count());
#else
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    size = static_cast<qint64>(st.st_size);
    mtime = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
    return true;
}

std::vector<FoundFile> findFiles(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        throw FileError("Nie można odczytać folderu „" + folder.toStdString() + "”.",
                        folder.toStdString());
    const fs::path root = toPath(folder);
    std::vector<FoundFile> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        throw FileError("Nie można odczytać folderu „" + folder.toStdString() + "”.",
                        folder.toStdString());
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            ec.clear();
            continue;
        }
        const fs::directory_entry& entry = *it;
        if (!isAssessmentFile(entry.path())) continue;
        FoundFile f;
        f.path = entry.path();
        if (!stamp(f.path, f.size, f.mtime)) continue;
        f.relative = relativeName(f.path, root);
        files.push_back(std::move(f));
    }
    return files;
}

} // namespace tarnik
