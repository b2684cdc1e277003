#include "core/base/textfile.h"

#include "core/base/cp1250.h"
#include "core/base/errors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace tarnik {

namespace fs = std::filesystem;

namespace {

std::string displayPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The errno of a failed C call; some library paths fail without setting it.
int lastError() {
    return errno != 0 ? errno : EIO;
}

[[noreturn]] void throwFileError(const char* action, const fs::path& path, int err) {
    throw FileError(fileErrorMessage(action, displayPath(path), err), displayPath(path));
}

[[maybe_unused]] int errnoOf(const std::error_code& ec) {
    const std::error_condition condition = ec.default_error_condition();
    if (condition.category() == std::generic_category()) return condition.value();
    return ec.value();
}

std::FILE* openFile(const fs::path& path, bool forWriting) {
#if defined(_WIN32)
    if (!forWriting) return _wfopen(path.c_str(), L"rb");
    // The C runtime's fopen has no "x" (create only if new) on every Windows: the file is
    // created exclusively first, then given a stream.
    const int fd =
        _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return file;
#else
    return std::fopen(path.c_str(), forWriting ? "wbx" : "rb");
#endif
}

// Closes the file when the reader leaves early.
struct FileCloser {
    std::FILE* file;
    ~FileCloser() {
        if (file) std::fclose(file);
    }
};

#if defined(_WIN32)
// The C library's error number for the error of the last Windows call.
int errnoOfWindowsError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

// Puts the finished file in place of the target. Another program that holds the target open
// (a viewer, a virus scanner looking at it) may let go a moment later, so a refusal is tried
// again a few times before it is reported.
int replaceFile(const fs::path& temp, const fs::path& target) {
    DWORD error = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (MoveFileExW(temp.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
        Sleep(50);
    }
    return errnoOfWindowsError(error);
}
#endif

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned long long seed = [] {
        std::random_device device;
        return (static_cast<unsigned long long>(device()) << 32) ^ device() ^
               static_cast<unsigned long long>(
                   std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    const unsigned long long value = seed ^ (0x9E3779B97F4A7C15ULL * (counter.fetch_add(1) + 1));
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", value);
    return text;
}

class FileSink : public ByteSink {
public:
    FileSink(std::FILE* file, const fs::path& target) : file_(file), target_(target) {}
    void write(std::string_view bytes) override {
        if (bytes.empty()) return;
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
            throwFileError("zapisać", target_, lastError());
    }

private:
    std::FILE* file_;
    const fs::path& target_;
};

} // namespace

std::vector<std::string> splitLines(std::string_view bytes, LineBreaks breaks) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    const std::size_t size = bytes.size();
    if (breaks == LineBreaks::CrThenLf) {
        while (pos < size) {
            const char c = bytes[pos];
            if (c == '\x1A') break;
            if (c == '\r') {
                lines.emplace_back(bytes.substr(start, pos - start));
                ++pos;
                if (pos < size && bytes[pos] == '\n') ++pos;
                start = pos;
            } else {
                ++pos;
            }
        }
    } else {
        while (pos < size) {
            const char c = bytes[pos];
            if (c == '\r' || c == '\n') {
                lines.emplace_back(bytes.substr(start, pos - start));
                ++pos;
                if (c == '\r' && pos < size && bytes[pos] == '\n') ++pos;
                start = pos;
            } else {
                ++pos;
            }
        }
    }
    if (pos > start) lines.emplace_back(bytes.substr(start, pos - start));
    return lines;
}

char* ReadBuffer::reserve(std::size_t n) {
    if (n > capacity_) {
        // Not initialised: every byte handed out is written by the reader first.
        data_ = std::make_unique_for_overwrite<char[]>(n);
        capacity_ = n;
    }
    return data_.get();
}

void ReadBuffer::shrinkAbove(std::size_t limit) {
    if (capacity_ > limit) {
        data_.reset();
        capacity_ = 0;
    }
}

std::string_view readFileBytes(const fs::path& path, ReadBuffer& buffer) {
    errno = 0;
    std::FILE* file = openFile(path, false);
    if (!file) throwFileError("otworzyć", path, lastError());
    FileCloser closer{file};

    // Straight into the buffer at the size the file has now; a file that grows meanwhile is
    // read to its end in steps.
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    std::size_t room = !ec && size < (1ULL << 31) ? static_cast<std::size_t>(size) + 1 : 65536;
    std::size_t used = 0;
    char* data = buffer.reserve(room);
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(data + used, 1, room - used, file);
        used += got;
        if (used < room) {
            if (std::ferror(file)) throwFileError("odczytać", path, lastError());
            break;
        }
        std::unique_ptr<char[]> kept = std::make_unique_for_overwrite<char[]>(used);
        std::copy(data, data + used, kept.get());
        room *= 2;
        data = buffer.reserve(room);
        std::copy(kept.get(), kept.get() + used, data);
    }
    return {data, used};
}

std::string readFileBytes(const fs::path& path) {
    ReadBuffer buffer;
    return std::string(readFileBytes(path, buffer));
}

std::vector<std::string> readDataFileLines(const fs::path& path) {
    std::string bytes = readFileBytes(path);
    if (const std::size_t end = bytes.find('\x1A'); end != std::string::npos) bytes.resize(end);
    std::vector<std::string> lines = splitLines(bytes, LineBreaks::CrOrLf);
    for (std::string& line : lines)
        line = cp1250ToUtf8(line);
    return lines;
}

std::vector<std::string> readTextLines(const fs::path& path, LineBreaks breaks) {
    std::vector<std::string> lines = splitLines(readFileBytes(path), breaks);
    for (std::string& line : lines)
        line = cp1250ToUtf8(line);
    return lines;
}

void writeTextLines(const fs::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += utf8ToCp1250(line);
        bytes += "\r\n";
    }
    writeFileAtomically(path, bytes);
}

void writeFileAtomically(const fs::path& path, const std::function<void(ByteSink&)>& produce) {
    if (path.filename().empty()) throwFileError("zapisać", path, EISDIR);

    // Replace the file a link points to, not the link itself.
    fs::path target = path;
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) target = resolved;
    }

    fs::path temp;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temp = target;
        temp += ".tmp" + uniqueSuffix();
        errno = 0;
        file = openFile(temp, true);
        if (!file && errno != EEXIST) break;
    }
    if (!file) throwFileError("utworzyć", path, lastError());

    // From here on every way out either renames the temporary file or removes it.
    auto discard = [&](bool closeFirst) {
        if (closeFirst) std::fclose(file);
        std::error_code ignored;
        fs::remove(temp, ignored);
    };

    try {
        FileSink sink(file, path);
        produce(sink);
    } catch (...) {
        discard(true);
        throw;
    }

    errno = 0;
    if (std::fflush(file) != 0) {
        const int err = lastError();
        discard(true);
        throwFileError("zapisać", path, err);
    }
    // On the disk before it replaces the old file.
    errno = 0;
#if defined(__unix__) || defined(__APPLE__)
    const bool onDisk = ::fsync(::fileno(file)) == 0;
#elif defined(_WIN32)
    const bool onDisk = _commit(_fileno(file)) == 0;
#else
    const bool onDisk = true;
#endif
    if (!onDisk) {
        const int err = lastError();
        discard(true);
        throwFileError("zapisać", path, err);
    }
    errno = 0;
    if (std::fclose(file) != 0) {
        const int err = lastError();
        discard(false);
        throwFileError("zapisać", path, err);
    }

    // Keep the old file's permissions on the new one.
    const fs::file_status oldStatus = fs::status(target, ec);
    if (!ec && fs::is_regular_file(oldStatus))
        fs::permissions(temp, oldStatus.permissions(), fs::perm_options::replace, ec);

#if defined(_WIN32)
    if (const int err = replaceFile(temp, target)) {
        discard(false);
        throwFileError("zapisać", path, err);
    }
#else
    fs::rename(temp, target, ec);
    if (ec) {
        discard(false);
        throwFileError("zapisać", path, errnoOf(ec));
    }
#endif
}

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
    writeFileAtomically(path, [bytes](ByteSink& sink) { sink.write(bytes); });
}

} // namespace tarnik
