// GridRecords: the aligned string grid's property records, read and set whole.
#include "app/widgets/grid/gridrecords.h"

namespace tarnik {

namespace {

TCellProperties copyOf(const TCellProperties* p) {
    return p ? *p : TCellProperties{};
}

} // namespace

void GridRecords::store(PropList& list, int index, const TCellProperties& p) {
    if (index >= 0) GridProperties::record(list, index) = p;
    if (changed_) changed_();
}

TCellProperties GridRecords::cell(int col, int row) const {
    return copyOf(properties_.findCell(col, row));
}

void GridRecords::setCell(int col, int row, const TCellProperties& p) {
    if (col < 0 || row < 0) return;
    properties_.cellRecord(col, row) = p;
    if (changed_) changed_();
}

TCellProperties GridRecords::col(int col) const {
    return copyOf(GridProperties::find(properties_.PropCol, col));
}

void GridRecords::setCol(int col, const TCellProperties& p) {
    store(properties_.PropCol, col, p);
}

TCellProperties GridRecords::row(int row) const {
    return copyOf(GridProperties::find(properties_.PropRow, row));
}

void GridRecords::setRow(int row, const TCellProperties& p) {
    store(properties_.PropRow, row, p);
}

TCellProperties GridRecords::fixedCol(int col) const {
    return copyOf(GridProperties::find(properties_.PropFixedCol, col));
}

void GridRecords::setFixedCol(int col, const TCellProperties& p) {
    store(properties_.PropFixedCol, col, p);
}

TCellProperties GridRecords::fixedRow(int row) const {
    return copyOf(GridProperties::find(properties_.PropFixedRow, row));
}

void GridRecords::setFixedRow(int row, const TCellProperties& p) {
    store(properties_.PropFixedRow, row, p);
}

} // namespace tarnik
