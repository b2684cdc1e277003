#include "core/rules/reflists/picking.h"

#include <algorithm>

namespace tarnik {

std::optional<std::vector<std::string>> pickedEntry(const RefList& list,
                                                    std::optional<std::size_t> row) {
    if (!row || *row >= list.rowCount()) return std::nullopt;
    const std::vector<std::string>& cells = list.row(*row);
    if (std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); }))
        return std::nullopt;
    return cells;
}

void removeReferenceRow(RefList& list, std::size_t row) {
    if (row >= list.rowCount()) return;
    const int columns = list.columnCount();
    if (list.rowCount() == 1) {
        for (int c = 0; c < columns; ++c)
            list.setCell(c, 0, std::string());
        return;
    }
    RefList kept(columns);
    kept.ensureRows(list.rowCount() - 1);
    std::size_t to = 0;
    for (std::size_t from = 0; from < list.rowCount(); ++from) {
        if (from == row) continue;
        for (int c = 0; c < columns; ++c)
            kept.setCell(c, to, list.cell(c, from));
        ++to;
    }
    list = std::move(kept);
}

} // namespace tarnik
