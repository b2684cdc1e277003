#include "app/export/planexport.h"

#include <QDateTime>

#include <QFileInfo>
#include <exception>

#include "app/export/officezip.h"
#include "app/platform/pathutil.h"
#include "app/print/reportprinting.h"
#include "core/evaluation/recompute.h"
#include "core/export/planworkbook.h"
#include "core/model/convert.h"

namespace tarnik {

namespace {

// Now, in UTC, as a day number with the time of day as its fraction.
DayNumber nowUtc() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto days = static_cast<double>(QDate(1899, 12, 30).daysTo(now.date()));
    return days + now.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

void writePlanWorkbook(const QString& path, const Assessment& a) {
    writeOfficeFile(path, planWorkbookParts(a, nowUtc()));
}

QString suggestedWorkbookName(const QString& station, const QString& assessmentFile,
                              const QString& fallbackFolder) {
    QString name = suggestedPdfName(station, assessmentFile, fallbackFolder);
    name.chop(4); // ".pdf"
    return name + QStringLiteral(" - plan.xlsx");
}

DocumentCommandResult exportAssessmentWorkbook(const QString& in, const QString& out) {
    if (sameExistingFile(in, out)) return {1, "Skoroszyt nie może zastąpić pliku oceny."};
    Assessment a;
    Evaluation e;
    if (auto failure = openEvaluated(toPath(in), a, e)) return {1, std::move(*failure)};
    try {
        writePlanWorkbook(out, a);
    } catch (const std::exception& error) {
        return {1, oneLine(error.what())};
    }
    return {0, {}};
}

} // namespace tarnik
