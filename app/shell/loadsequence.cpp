#include "app/shell/loadsequence.h"

#include "app/platform/pathutil.h"
#include "core/base/dates.h"
#include "core/rules/factors/catalogues.h"

namespace tarnik {

LoadSequence defaultLoadSequence() {
    return [](Assessment& a, const QString& programDir, LoadOccasion occasion) {
        loadQuestionsAndCatalogues(toPath(programDir), a,
                                   occasion == LoadOccasion::Startup ? QuestionLines::CutTo255
                                                                     : QuestionLines::Whole,
                                   todayDayNumber());
    };
}

} // namespace tarnik
