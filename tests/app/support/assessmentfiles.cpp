#include "tests/app/support/assessmentfiles.h"

#include "app/platform/pathutil.h"
#include "core/base/errors.h"
#include "core/model/trkfile.h"
#include "core/rules/workers/workers.h"

namespace tarnik::testing {

bool writeAssessmentFile(const Assessment& a, const QString& path, QString* error) {
    try {
        saveTrkFile(a, toPath(path));
        return true;
    } catch (const FileError& e) {
        if (error) *error = QString::fromStdString(e.what());
        return false;
    }
}

bool writeFullAssessmentFile(const QString& path, const fixtures::FullAssessmentOptions& options,
                             QString* error) {
    return writeAssessmentFile(fixtures::fullAssessment(options), path, error);
}

void saveAssessmentFile(const Assessment& a, const QString& path) {
    saveTrkFile(a, toPath(path));
}

bool readAssessmentFile(const QString& path, Assessment& into, QString* error) {
    into.resetToNew();
    into.questions.clear();
    try {
        const TrkReadResult r = readTrkFile(into, toPath(path));
        UpdateWorkers(into);
        if (!r.ok() && error) *error = QString::fromStdString(r.message);
        return r.ok();
    } catch (const FileError& e) {
        if (error) *error = QString::fromStdString(e.what());
        return false;
    }
}

} // namespace tarnik::testing
