#pragma once
// Helpers shared by the core tests: a private temporary folder, raw file bytes, dates, and a
// counter of the changes the evaluation reports.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/base/cp1250.h"
#include "core/base/dates.h"
#include "core/evaluation/evaluation.h"

namespace tarnik::test_support {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("tarnik_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes raw bytes.
    void putBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out << bytes;
    }
    // Writes UTF-8 text as Windows-1250 bytes, unchanged otherwise.
    void putText(const std::string& name, const std::string& utf8) const {
        putBytes(name, utf8ToCp1250(utf8));
    }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Raw file bytes: a little-endian 32-bit integer, written and read.
inline std::string int32Bytes(std::int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] =
            static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

inline std::int32_t int32At(const std::string& s, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(
                 static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]))
             << (8 * i);
    return static_cast<std::int32_t>(u);
}

// A counted string str[n] as the file holds it (ASCII text).
inline std::string counted(const std::string& text, std::size_t n) {
    std::string s(1, static_cast<char>(text.size()));
    s += text;
    s.append(n - text.size(), '\0');
    return s;
}

inline DayNumber ymd(int y, int m, int d) {
    return dayNumberFromCivil(y, m, d);
}

// Counts how often an evaluation marks the document changed.
struct ModifiedCounter {
    int calls = 0;
    void attach(Evaluation& e) {
        e.onModified = [this] { ++calls; };
    }
};

} // namespace tarnik::test_support
