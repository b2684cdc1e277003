#include "app/shell/loadsequence.h"

#include "app/platform/datafolders.h"
#include "app/platform/pathutil.h"
#include "core/base/dates.h"
#include "core/rules/factors/catalogues.h"

namespace tarnik {

LoadSequence defaultLoadSequence() {
    return [](Assessment& a, const QString& programDir, LoadOccasion occasion) {
        // Each file from the user's changed copy when there is one, else the shipped one.
        const auto fileFor = [&programDir](const std::string& name) {
            return toPath(dataFileToRead(programDir, QString::fromStdString(name)));
        };
        loadQuestionsAndCatalogues(fileFor, a,
                                   occasion == LoadOccasion::Startup ? QuestionLines::CutTo255
                                                                     : QuestionLines::Whole,
                                   todayDayNumber());
    };
}

} // namespace tarnik
