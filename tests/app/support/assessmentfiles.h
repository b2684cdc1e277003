#pragma once
// Saving and opening assessment files in the widget tests, with Qt paths and messages. The
// sample assessments themselves are the shared fixtures (tests/support/fixtures.h).
#include <QString>

#include "core/model/assessment.h"
#include "tests/support/fixtures.h"

namespace tarnik::testing {

// Writes the assessment to `path` as the program saves it. False, with the reason in `error`
// (when given), when the file cannot be written.
[[nodiscard]] bool writeAssessmentFile(const Assessment& a, const QString& path,
                                       QString* error = nullptr);

// Writes fixtures::fullAssessment(options) to `path`; as writeAssessmentFile.
[[nodiscard]] bool writeFullAssessmentFile(const QString& path,
                                           const fixtures::FullAssessmentOptions& options = {},
                                           QString* error = nullptr);

// Writes the assessment to `path` as the program saves it; throws FileError when it cannot.
void saveAssessmentFile(const Assessment& a, const QString& path);

// Opens a .trk file as the program does: `into` cleared to New without questions, the file
// read, the worker counts brought in line with the register. False, with the message in `error`,
// when the file could not be read whole.
[[nodiscard]] bool readAssessmentFile(const QString& path, Assessment& into,
                                      QString* error = nullptr);

} // namespace tarnik::testing
