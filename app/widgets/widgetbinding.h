#pragma once
// Conversions between the assessment's values and the controls that show them.
#include <QDate>
#include <QString>
#include <string>

#include "core/base/dates.h"

namespace tarnik {

// A multi-line text of the model (lines joined by CR LF) for a text box, and back.
inline QString modelTextToEditor(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

inline std::string editorTextToModel(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t.toStdString();
}

inline QDate dateFromDayNumber(DayNumber dn) {
    const CivilDate c = civilFromDayNumber(dn);
    return QDate(c.year, c.month, c.day);
}

inline DayNumber dayNumberFromDate(const QDate& d) {
    return dayNumberFromCivil(d.year(), d.month(), d.day());
}

} // namespace tarnik
