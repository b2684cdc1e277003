#pragma once
// The improvement plan ("Plan poprawy warunków pracy") and the register of workers with their
// examination and training dates as a spreadsheet (XLSX): every part of the workbook, for the
// program to put into its ZIP container (app/export/planexport.h).
#include <array>
#include <optional>

#include "core/base/dates.h"
#include "core/export/officepart.h"
#include "core/model/assessment.h"

namespace tarnik {

inline constexpr const char* kPlanSheetName = "Plan poprawy";
inline constexpr const char* kWorkersSheetName = "Pracownicy";

// Both sheets open with their title, the station and the assessment date, a blank row, and
// then the table's heading in this row; the table's rows follow it.
inline constexpr int kWorkbookHeadingRow = 5;

// The plan's columns: the task's number as the next assessment counts the tasks (the plan's
// non-empty rows, 1, 2, ...), then the three columns of the printed plan.
inline constexpr std::array<const char*, 4> kPlanColumns{
    "Lp.", "Opis przedsięwzięcia (zadania)", "Osoby odpowiedzialne", "Termin realizacji"};

// The register's columns, in the words of the worker page and the report's worker blocks. The
// deadlines are those the training rules compute (core/rules/workers/training.h): the first
// periodic training's, when the station's plan sets one, and the next further training's; "Uwagi"
// is the register's note of what is not current.
inline constexpr std::array<const char*, 16> kWorkerColumns{
    "Lp.",
    "Nazwisko",
    "Imię",
    "Grupa",
    "Stanowisko",
    "Data zatrudnienia",
    "Kwalifikacje odpowiednie",
    "Profilaktyczne badania lekarskie odpowiednie",
    "Data następnego badania",
    "Szkolenie ogólne",
    "Szkolenie stanowiskowe",
    "Data pierwszego szkolenia okresowego",
    "Termin pierwszego szkolenia okresowego",
    "Data kolejnego szkolenia okresowego",
    "Termin kolejnego szkolenia okresowego",
    "Uwagi"};

// Every part of the workbook: [Content_Types].xml, the relationships, xl/workbook.xml,
// xl/styles.xml, the sheets "Plan poprawy" (xl/worksheets/sheet1.xml) and "Pracownicy"
// (sheet2.xml), docProps/core.xml and docProps/app.xml. `created` (a day number whose fraction
// is the time of day, UTC) dates the document. The plan's empty rows are left out; the
// assessment is not changed. Every date is a date cell ("dd.mm.yyyy"); a date that was never
// given (a periodic training not done, a day 0) is an empty cell, and a day before 1 March 1900,
// which has no serial every spreadsheet reads alike, its "dd.mm.yyyy" text.
OfficeParts planWorkbookParts(const Assessment& a, DayNumber created);

} // namespace tarnik
