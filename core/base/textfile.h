#pragma once
// The program's plain text files: Windows-1250 on disk, UTF-8 in memory, lines ending in CR LF.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik {

enum class LineBreaks {
    // Catalogues and questions: a line ends at CR and one LF right after it is skipped; a lone
    // LF is part of the line; a byte 0x1A ends the file.
    CrThenLf,
    // Reference lists: CR, LF and CR LF each end a line.
    CrOrLf,
};

// Splits raw bytes into lines (still in the file's encoding). A last line without an ending
// counts when it is not empty; an empty file has no lines.
std::vector<std::string> splitLines(std::string_view bytes, LineBreaks breaks);

// The lines of a shipped data file (a catalogue, the questions), in UTF-8: CR LF, LF and CR each
// end a line, whichever editor saved the file; a byte 0x1A ends the file. Throws FileError.
std::vector<std::string> readDataFileLines(const std::filesystem::path& path);

// Reads the whole file (throws FileError with a Polish message when it is missing or
// unreadable) and returns its bytes.
std::string readFileBytes(const std::filesystem::path& path);

// Storage for readFileBytes that a reader going through many files keeps from one file to the
// next, so that each file costs one copy of its bytes and no fresh memory.
class ReadBuffer {
public:
    // Room for at least n bytes; what it held before is not kept.
    char* reserve(std::size_t n);
    // Gives the memory back when a file far larger than the usual ones left it big.
    void shrinkAbove(std::size_t limit);

private:
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
};

// The same into a kept buffer: the bytes stay valid until the buffer is used again.
std::string_view readFileBytes(const std::filesystem::path& path, ReadBuffer& buffer);

// Reads a Windows-1250 text file as UTF-8 lines. Throws FileError.
std::vector<std::string> readTextLines(const std::filesystem::path& path, LineBreaks breaks);

// Writes UTF-8 lines as Windows-1250, each followed by CR LF. Writes through a temporary file in
// the same folder that then replaces the target, so a failed write leaves the old file whole.
// Throws FileError.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Where a writer puts its bytes. write() throws FileError when the bytes cannot be written.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

// Replaces the file with what produce() writes: the bytes go to a temporary file in the same
// folder, which is flushed, closed and then renamed over the target. Any failure (the folder
// cannot be written, a full disk, an exception from produce) removes the temporary file, leaves
// the old file untouched and throws FileError (other exceptions from produce pass through).
void writeFileAtomically(const std::filesystem::path& path,
                         const std::function<void(ByteSink&)>& produce);
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace tarnik
