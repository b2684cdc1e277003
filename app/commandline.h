#pragma once
// The command line: options handled without a window, and the file to open at start-up.
#include <QString>
#include <QStringList>
#include <cstdio>

namespace tarnik {

struct CommandLine {
    enum class Mode { Window, Help, Convert, Summary, Error };
    Mode mode = Mode::Window;
    QString fileToOpen; // Window: the assessment to open at start-up, if any
    QString convertOut; // Convert: the file to write
    QString convertIn;  // Convert: the file to read
    QString summaryIn;  // Summary: the assessment to evaluate
    QString error;      // Error: what was wrong
};

// Parses the arguments after the program name.
CommandLine parseCommandLine(const QStringList& args);

QString helpText();

// Runs a mode that needs no window (help, convert, summary, errors) and returns the exit status.
int runWithoutWindow(const CommandLine& cl, std::FILE* out, std::FILE* err);

} // namespace tarnik
