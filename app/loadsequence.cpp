#include "loadsequence.h"

#include "factors/catalogues.h"
#include "model/dates.h"
#include "pathutil.h"

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
