#pragma once
// The rules of the last two wizard pages: the improvement plan ("Plan poprawy warunków pracy")
// and the list of persons acquainted with the result ("Lista osób zapoznanych z wynikami oceny
// ryzyka zawodowego"). The pages and the report apply them to the assessment's Plan and Osoby.
#include <string>
#include <string_view>
#include <vector>

#include "core/model/assessment.h"

namespace tarnik {

// A plan row whose three cells, joined, are empty.
bool planRowEmpty(const PlanRow& row);

// When the plan page is shown and before the plan is printed: the rows are examined from the
// last up to the first, and each empty row is removed as long as more than one row remains. A
// plan without any row gets one empty row. Returns whether anything changed.
bool removeEmptyPlanRows(std::vector<PlanRow>& plan);

// "Usuń wiersz" on the rows firstRow..lastRow of the plan grid, numbered as the grid shows them
// (row 0 is the header, grid row i is plan[i - 1]): the rows are deleted from the last up to
// the first. Nothing happens when the selection touches the header row; the last remaining row
// is never deleted. Returns the number of rows deleted.
int deletePlanRows(std::vector<PlanRow>& plan, int firstRow, int lastRow);

// The lines of a multi-line text (CR LF, lone CR or LF); a line break at the very end starts no
// further line, and an empty text has no lines.
std::vector<std::string> textLines(const std::string& text);

// "Dodaj z listy": the lines of Osoby sorted without regard to letter case in Polish order,
// with the line "first name surname" of every worker, in the register's order, that does not
// stand there yet in any letter case, each in its sorted place. Lines that stand twice stay
// twice, empty lines stay and sort first. The lines are joined by CR LF.
std::string addWorkersToAcquaintanceList(const std::string& osoby, const WorkerList& workers);

// The same within a length the list may not pass (its characters, each CR LF counting two):
// the workers' lines, in the register's order, are added as long as the whole list stays within
// `limit`; a line that would pass it is left out whole, and a shorter one after it may still
// fit. `leftOut` counts the workers not added for want of room.
struct AcquaintanceAddition {
    std::string text;
    std::size_t leftOut = 0;
};
AcquaintanceAddition addWorkersToAcquaintanceList(const std::string& osoby,
                                                  const WorkerList& workers, std::size_t limit);

// How many of the leading lines, joined by CR LF, fit in `room` characters (a line break counts
// two): a list is cut only between whole lines, never inside a name.
std::size_t wholeLinesThatFit(const std::vector<std::string>& lines, std::size_t room);

// What the user is told when `count` names of a list (or `count` characters of `what`, such as
// "wklejonego tekstu") did not fit a text of at most `limit` characters, with the verb and the
// noun in the form Polish gives the number: "Nie zmieściła się 1 osoba", "... 2 osoby", "... 5
// osób"; "Nie zmieścił się 1 znak", "... 3 znaki", "... 12 znaków".
std::string namesLeftOutMessage(std::size_t count, std::size_t limit);
std::string charactersLeftOutMessage(std::size_t count, std::string_view what, std::size_t limit);

// Before the list is printed: every line trimmed of blanks, and lines then empty dropped.
std::string cleanAcquaintanceList(const std::string& osoby);

} // namespace tarnik
