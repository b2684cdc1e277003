#pragma once
// The register's rows written out: the JSON of `tarnik --register`, the table as CSV for
// spreadsheet programs set to Polish, and the due dates as an iCalendar file.
#include <string>
#include <vector>

#include "core/register/registerrow.h"

namespace tarnik {

// A JSON array of the rows in the given order (UTF-8, two-space indentation, ending with a line
// break). Keys per row: file, EdtZaklad, EdtStanowisko, EdtKStan, EdtNr, DTPOcena
// ("YYYY-MM-DD"), riskLevel, riskGrade, nextAssessment ("YYYY-MM-DD", "niezwłocznie", or null),
// examsOverdue, trainingsOverdue (on `today`), planTasks; a row that could not be read has file
// and error only.
std::string registerJson(const std::vector<RegisterRow>& rows, DayNumber today);

// The columns of the register window, in order, as the CSV's header.
const std::vector<std::string>& registerColumnTitles();

// The rows as CSV: UTF-8 with a byte order mark, fields separated by semicolons, CR LF line
// ends, a field quoted when it holds a semicolon, a quote or a line break; dates "YYYY-MM-DD".
std::string registerCsv(const std::vector<RegisterRow>& rows, DayNumber today);

// An iCalendar file (RFC 5545, CR LF, lines folded at 75 octets) with one all-day event per due
// date of the rows: the next assessment of each row that has a date, and each worker's next
// examination and the last day of their training. `stamp` is the DTSTAMP (UTC).
std::string registerICalendar(const std::vector<RegisterRow>& rows, DayNumber stamp);

} // namespace tarnik
