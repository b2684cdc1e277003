// GridCells: the aligned string grid's content without its widget.
#include "app/widgets/grid/gridcells.h"

#include <algorithm>
#include <cstddef>

namespace tarnik {

namespace {

const std::string kEmpty;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

GridCells::GridCells() {
    texts_.assign(at(rowCount_), std::vector<std::string>(at(colCount_)));
}

void GridCells::reshape(int cols, int rows) {
    if (observer_) observer_->aboutToReset();
    colCount_ = cols;
    rowCount_ = rows;
    texts_.resize(at(rows));
    for (auto& row : texts_)
        row.resize(at(cols));
    props_.truncate(cols, rows);
    if (observer_) observer_->reset();
}

void GridCells::setColCount(int n) {
    n = std::max(n, fixedCols_ + 1);
    if (n != colCount_) reshape(n, rowCount_);
}

void GridCells::setRowCount(int n) {
    n = std::max(n, fixedRows_ + 1);
    if (n != rowCount_) reshape(colCount_, n);
}

void GridCells::setFixedCols(int n) {
    n = std::max(n, 0);
    if (n == fixedCols_) return;
    if (observer_) observer_->aboutToReset();
    fixedCols_ = n;
    if (colCount_ <= n) {
        colCount_ = n + 1;
        for (auto& row : texts_)
            row.resize(at(colCount_));
    }
    if (observer_) observer_->reset();
}

void GridCells::setFixedRows(int n) {
    n = std::max(n, 0);
    if (n == fixedRows_) return;
    if (observer_) observer_->aboutToReset();
    fixedRows_ = n;
    if (rowCount_ <= n) {
        rowCount_ = n + 1;
        texts_.resize(at(rowCount_), std::vector<std::string>(at(colCount_)));
    }
    if (observer_) observer_->reset();
}

void GridCells::clear(int rows) {
    if (observer_) observer_->aboutToReset();
    rowCount_ = std::max(rows, fixedRows_ + 1);
    // The captions of the fixed rows stay; the rest is emptied.
    texts_.resize(at(rowCount_));
    for (int r = 0; r < rowCount_; ++r) {
        auto& row = texts_[at(r)];
        row.resize(at(colCount_));
        if (r < fixedRows_) continue;
        for (int c = fixedCols_; c < colCount_; ++c)
            row[at(c)].clear();
    }
    props_.truncate(colCount_, rowCount_);
    if (observer_) observer_->reset();
}

const std::string& GridCells::cell(int col, int row) const {
    if (!contains(col, row)) return kEmpty;
    return texts_[at(row)][at(col)];
}

void GridCells::setCell(int col, int row, std::string text) {
    if (!contains(col, row)) return;
    texts_[at(row)][at(col)] = std::move(text);
}

std::vector<std::string> GridCells::rowTexts(int row) const {
    if (row < 0 || row >= rowCount_) return std::vector<std::string>(at(colCount_));
    return texts_[at(row)];
}

void GridCells::setRowTexts(int row, const std::vector<std::string>& texts) {
    if (row < 0 || row >= rowCount_) return;
    for (int c = 0; c < colCount_ && at(c) < texts.size(); ++c)
        texts_[at(row)][at(c)] = texts[at(c)];
}

int GridCells::InsertRow(int row) {
    row = std::clamp(row, fixedRows_, rowCount_);
    if (observer_) observer_->rowAboutToBeInserted(row);
    props_.insertRow(row);
    texts_.insert(texts_.begin() + row, std::vector<std::string>(at(colCount_)));
    ++rowCount_;
    if (observer_) observer_->rowInserted(row);
    return row;
}

bool GridCells::RemoveRow(int row) {
    if (row < fixedRows_ || row >= rowCount_ || rowCount_ - fixedRows_ <= 1) return false;
    if (observer_) observer_->rowAboutToBeRemoved(row);
    props_.removeRow(row);
    texts_.erase(texts_.begin() + row);
    --rowCount_;
    if (observer_) observer_->rowRemoved(row);
    return true;
}

int GridCells::InsertCol(int col) {
    col = std::clamp(col, fixedCols_, colCount_);
    if (observer_) observer_->colAboutToBeInserted(col);
    props_.insertCol(col);
    for (auto& row : texts_)
        row.insert(row.begin() + col, std::string());
    ++colCount_;
    if (observer_) observer_->colInserted(col);
    return col;
}

} // namespace tarnik
