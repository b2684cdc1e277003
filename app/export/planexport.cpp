#include "app/export/planexport.h"

#include <QDateTime>

#include "app/export/officezip.h"
#include "app/print/reportprinting.h"
#include "core/export/planworkbook.h"

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

} // namespace tarnik
