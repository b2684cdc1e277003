#pragma once
// How a new assessment gets its questions and factor catalogues: "pytania.txt", then the five
// catalogues, each read from the user's changed copy when there is one, else from the shipped
// data folder (programDir). The sequence stops at the first file that is missing or unreadable
// and throws FileError; what was read before stays.
#include <QString>
#include <functional>

#include "core/model/assessment.h"

namespace tarnik {

enum class LoadOccasion {
    Startup,       // at start-up questions are cut to 255 characters
    NewAssessment, // for "Nowy" the question lines are taken whole
};

using LoadSequence =
    std::function<void(Assessment& a, const QString& programDir, LoadOccasion occasion)>;

// The program's loading sequence.
LoadSequence defaultLoadSequence();

} // namespace tarnik
