#pragma once
// What the reference-list page does with a chosen row: the cells its "OK" hands to the calling
// page, and the removal of an entry ("Usuń wiersz").
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/rules/reflists/reflists.h"

namespace tarnik {

// The cells "OK" puts into the fields: those of the chosen row, one per column, empty ones
// included. Nothing when no row is chosen, the row lies outside the list, or every cell of it
// is empty (the empty row of a list without entries): the fields then stay as they are.
std::optional<std::vector<std::string>> pickedEntry(const RefList& list,
                                                    std::optional<std::size_t> row);

// "Usuń wiersz": the row goes and the rows below move up. The only row of a list is emptied
// instead, so that the grid keeps a row to type into; an emptied row is no entry and is not
// written to the file. A row outside the list changes nothing.
void removeReferenceRow(RefList& list, std::size_t row);

} // namespace tarnik
