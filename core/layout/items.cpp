// Measuring and drawing the printable items: paragraphs, rows, tables, groups, rectangles and
// chart pictures.
#include "core/layout/items.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "core/layout/pagination.h"
#include "core/layout/polishletters.h"

namespace tarnik {

TItem::TItem(TDoc& doc) : styles(doc.styles), doc_(doc) {}

Canvas& TItem::canvas() const {
    return doc_.canvas();
}

const TStyle& TItem::requireStyle(std::string_view name) const {
    const TStyle* style = styles ? styles->Find(name) : nullptr;
    if (!style) throw std::invalid_argument("no text style named \"" + std::string(name) + "\"");
    return *style;
}

TTextItem::TTextItem(TDoc& doc) : TItem(doc) {}

void TTextItem::SetStyle(const TStyle& s) {
    style = &s;
    format = s.format;
}

void TTextItem::Setup(std::string newText, std::string_view styleName, int width) {
    SetStyle(requireStyle(styleName));
    outer = Rect{0, 0, width, 20};
    text = std::move(newText);
}

void TTextItem::applyLetters() {
    if (!doc().printPolishLetters) text = StripPolishLetters(text);
}

int TTextItem::Height() {
    if (!style) throw std::logic_error("a text item without a style");
    textRect = Rect{outer.left + inner.left, outer.top + inner.top, outer.right - inner.right,
                    outer.bottom - inner.bottom};
    const int right = textRect.right;
    canvas().setFont(style->font);
    applyLetters();
    const int h = canvas().drawText(text, textRect, format | kTextCalcRect);
    textRect.right = right; // the text box keeps the whole inner width
    outer = Rect{textRect.left - inner.left, textRect.top - inner.top, textRect.right + inner.right,
                 textRect.bottom + inner.bottom};
    lastHeight_ = h + inner.top + inner.bottom + style->spacing;
    return lastHeight_;
}

void TTextItem::Draw(int x, int y) {
    if (!style) throw std::logic_error("a text item without a style");
    // The style's spacing is empty room above the item: the border and the text sit below it.
    const int top = y + style->spacing;
    if (border)
        canvas().rectangle(
            Rect{x + outer.left, top + outer.top, x + outer.right, top + outer.bottom});
    canvas().setFont(style->font);
    applyLetters();
    Rect r{x + textRect.left, top + textRect.top, x + textRect.right, top + textRect.bottom};
    canvas().drawText(text, r, format & ~static_cast<unsigned>(kTextCalcRect));
}

TTextItem& TRow::Add(std::unique_ptr<TTextItem> cell) {
    cells.push_back(std::move(cell));
    return *cells.back();
}

void TRow::stretch(TTextItem& cell, int h) {
    const int spacing = cell.style ? cell.style->spacing : 0;
    cell.outer.bottom = cell.outer.top + h - spacing;
    cell.textRect.bottom = cell.outer.bottom - cell.inner.bottom;
}

int TRow::Height() {
    height = 0;
    for (const auto& cell : cells)
        height = std::max(height, cell->Height());
    for (const auto& cell : cells)
        stretch(*cell, height);
    lastHeight_ = height;
    return height;
}

void TRow::Draw(int x, int y) {
    for (const auto& cell : cells) {
        cell->Draw(x, y);
        x += cell->outer.width();
    }
}

void TTable::SetColumns(std::vector<int> columnProportions) {
    if (columnProportions.empty()) throw std::invalid_argument("a table needs a column");
    std::int64_t sum = 0;
    for (int p : columnProportions) {
        if (p < 0) throw std::invalid_argument("a negative column proportion");
        sum += p;
    }
    if (sum == 0) throw std::invalid_argument("column proportions that add up to 0");
    proportions = std::move(columnProportions);
    const std::size_t n = proportions.size();
    columnWidths.assign(n, 0);
    columnWidths[n - 1] = width;
    for (std::size_t j = 0; j + 1 < n; ++j) {
        const double share =
            static_cast<double>(static_cast<std::int64_t>(proportions[j]) * width) /
            static_cast<double>(sum);
        columnWidths[j] = static_cast<int>(share); // truncated toward zero
        columnWidths[n - 1] -= columnWidths[j];
    }
}

TRow& TTable::NewRow() {
    rows.push_back(std::make_unique<TRow>(doc()));
    rows.back()->styles = styles;
    currentRow = rows.back().get();
    currentColumn = 0;
    return *currentRow;
}

TCell& TTable::AddCell(std::string cellText, std::string_view styleName) {
    if (!currentRow) throw std::logic_error("a table cell before the first row");
    if (currentColumn >= static_cast<int>(columnWidths.size()))
        throw std::logic_error("more cells in a row than the table has columns");
    auto cell = std::make_unique<TCell>(doc());
    cell->styles = styles;
    cell->inner = inner;
    cell->border = border;
    cell->text = std::move(cellText);
    cell->SetStyle(requireStyle(styleName));
    cell->outer.right = columnWidths[static_cast<std::size_t>(currentColumn)];
    TCell& ref = *cell;
    currentRow->Add(std::move(cell));
    ++currentColumn;
    return ref;
}

int TTable::Height() {
    int h = 0;
    for (const auto& row : rows)
        h += row->Height();
    lastHeight_ = h;
    return h;
}

void TTable::Draw(int x, int y) {
    for (const auto& row : rows) {
        row->Draw(x, y);
        y += row->height;
    }
}

TItem& TGroup::Add(std::unique_ptr<TItem> item) {
    items.push_back(std::move(item));
    return *items.back();
}

int TGroup::Height() {
    int h = 0;
    for (const auto& item : items)
        h += item->Height();
    lastHeight_ = h;
    return h;
}

void TGroup::Draw(int x, int y) {
    for (const auto& item : items) {
        item->Draw(x, y);
        y += item->lastHeight();
    }
}

int TRct::Height() {
    lastHeight_ = height;
    return height;
}

void TRct::Draw(int x, int y) {
    canvas().rectangle(Rect{x, y, x + width, y + height});
}

int TChart::Height() {
    lastHeight_ = height;
    return height;
}

void TChart::Draw(int x, int y) {
    if (!chart) return;
    try {
        ChartData data = chart->data();
        if (!fontFace.empty()) data.fontFace = fontFace;
        canvas().drawChart(data, Rect{x, y, x + width, y + height});
    } catch (...) {
        // The picture is left out; the page goes on without it.
    }
}

} // namespace tarnik
