#pragma once
// Error types raised by the core. The program's general error handler shows their text.
#include <stdexcept>
#include <string>

namespace tarnik {

// A file could not be opened, read, created or written.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::string path = {})
        : std::runtime_error(message), path_(std::move(path)) {}
    const std::string& path() const noexcept { return path_; }

private:
    std::string path_;
};

// A text could not be converted to a number.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Polish description of a C errno value ("brak miejsca na dysku" ...).
std::string describeSystemError(int err);

// "Nie można otworzyć pliku „name”: reason." and friends.
std::string fileErrorMessage(const char* action, const std::string& path, int err);

// The message of a text that is not a decimal integer: "„abc” nie jest poprawną liczbą całkowitą."
std::string notAnIntegerMessage(const std::string& text);

} // namespace tarnik
