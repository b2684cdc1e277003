// Cell properties of the aligned string grid: the records and their lookup.
#include "app/widgets/grid/cellproperties.h"

#include <algorithm>
#include <cstddef>

namespace tarnik {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

void insertEmpty(PropList& list, int index) {
    if (index >= 0 && at(index) < list.size()) list.insert(list.begin() + index, std::nullopt);
}

void eraseAt(PropList& list, int index) {
    if (index >= 0 && at(index) < list.size()) list.erase(list.begin() + index);
}

void shorten(PropList& list, int size) {
    if (size >= 0 && at(size) < list.size()) list.resize(at(size));
}

} // namespace

const TCellProperties* GridProperties::find(const PropList& list, int index) {
    if (index < 0 || at(index) >= list.size() || !list[at(index)]) return nullptr;
    return &*list[at(index)];
}

const TCellProperties* GridProperties::findCell(int col, int row) const {
    if (col < 0 || at(col) >= PropCell.size()) return nullptr;
    return find(PropCell[at(col)], row);
}

TCellProperties& GridProperties::record(PropList& list, int index) {
    index = std::max(index, 0);
    if (at(index) >= list.size()) list.resize(at(index) + 1);
    if (!list[at(index)]) list[at(index)].emplace();
    return *list[at(index)];
}

TCellProperties& GridProperties::cellRecord(int col, int row) {
    col = std::max(col, 0);
    if (at(col) >= PropCell.size()) PropCell.resize(at(col) + 1);
    return record(PropCell[at(col)], row);
}

ResolvedCell GridProperties::resolve(int col, int row, int fixedCols, int fixedRows,
                                     const GridDefaults& defaults) const {
    ResolvedCell out;
    out.fixed = col < fixedCols || row < fixedRows;
    const TCellProperties* chain[3] = {
        findCell(col, row),
        find(out.fixed ? PropFixedCol : PropCol, col),
        find(out.fixed ? PropFixedRow : PropRow, row),
    };

    GridAlignment alignment = alDefault;
    GridWordWrap wordwrap = ww_default;
    GridEditable editable = ge_notSet;
    for (const TCellProperties* p : chain) {
        if (!p) continue;
        if (alignment == alDefault) alignment = p->alignment;
        if (wordwrap == ww_default) wordwrap = p->wordwrap;
        if (editable == ge_notSet) editable = p->editable;
        if (!out.brush) out.brush = p->brush;
        if (!out.selectedBrush) out.selectedBrush = p->selectedBrush;
        if (!out.font) out.font = p->font;
        if (!out.selectedFont) out.selectedFont = p->selectedFont;
    }
    if (alignment == alDefault) alignment = defaults.alignment;
    if (wordwrap == ww_default) wordwrap = defaults.wordwrap;
    out.alignment = alignment == alDefault ? alLeft : alignment;
    out.wordwrap = wordwrap == ww_default ? ww_none : wordwrap;
    // Fixed cells hold the captions; they are never edited in place.
    out.editable = !out.fixed && (editable == ge_notSet ? defaults.editable : editable == ge_yes);
    return out;
}

void GridProperties::insertRow(int row) {
    insertEmpty(PropRow, row);
    insertEmpty(PropFixedRow, row);
    for (PropList& column : PropCell)
        insertEmpty(column, row);
}

void GridProperties::insertCol(int col) {
    insertEmpty(PropCol, col);
    insertEmpty(PropFixedCol, col);
    if (col >= 0 && at(col) < PropCell.size()) PropCell.insert(PropCell.begin() + col, PropList{});
}

void GridProperties::removeRow(int row) {
    eraseAt(PropRow, row);
    eraseAt(PropFixedRow, row);
    for (PropList& column : PropCell)
        eraseAt(column, row);
}

void GridProperties::truncate(int colCount, int rowCount) {
    shorten(PropCol, colCount);
    shorten(PropFixedCol, colCount);
    shorten(PropRow, rowCount);
    shorten(PropFixedRow, rowCount);
    if (colCount >= 0 && at(colCount) < PropCell.size()) PropCell.resize(at(colCount));
    for (PropList& column : PropCell)
        shorten(column, rowCount);
}

} // namespace tarnik
