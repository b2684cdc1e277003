#include "core/layout/drukowanie.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <stdexcept>

#include "core/base/text.h"

namespace tarnik {

// ---- styles ---------------------------------------------------------------------------------

TStyle& TStyles::Add(TStyle style) {
    styles_.push_back(std::make_unique<TStyle>(std::move(style)));
    return *styles_.back();
}

const TStyle* TStyles::Find(std::string_view name) const {
    for (const auto& s : styles_)
        if (s->name == name) return s.get();
    return nullptr;
}

void AddReportStyles(TStyles& styles, const std::string& face) {
    struct Row {
        const char* name;
        int points;
        bool bold;
        Colour colour;
        unsigned format;
        int spacing;
    };
    constexpr unsigned wrapLeft = kTextWordBreak;
    constexpr unsigned wrapCentre = kTextWordBreak | kTextCenter;
    constexpr unsigned wrapRight = kTextWordBreak | kTextRight;
    static const Row rows[] = {
        {"Normal", 10, false, kBlack, wrapLeft, 10},
        {"NormalMaly", 9, false, kBlack, wrapLeft, 5},
        {"NormalBardzoMaly", 6, false, kBlack, wrapLeft, 3},
        {"NormalRed", 9, false, kRed, wrapLeft, 5},
        {"Center", 10, false, kBlack, wrapCentre, 10},
        {"CenterBold", 10, true, kBlack, wrapCentre, 10},
        {"NBold", 10, true, kBlack, wrapLeft, 10},
        {"BigHeader", 16, true, kBlack, wrapCentre, 0},
        {"BigBigHeader", 22, true, kBlack, wrapCentre, 0},
        {"Z_Header", 8, true, kBlack, kTextCenter, 0},
        {"Header", 14, true, kBlack, wrapLeft, 0},
        {"TableText", 10, false, kBlack, wrapCentre, 0},
        {"TableGlowa", 9, true, kBlack, wrapCentre, 0},
        {"TableLeft", 10, false, kBlack, wrapLeft, 0},
        {"TableLeft8", 8, false, kBlack, wrapLeft, 0},
        {"TableRight", 10, false, kBlack, wrapRight, 0},
        {"TableMaly", 6, false, kBlack, wrapCentre, 0},
        {"TableMalyBottom", 6, false, kBlack, wrapCentre | kTextBottom, 0},
    };
    for (const Row& r : rows)
        styles.Add(TStyle{r.name, FontSpec{face, r.points, r.colour, r.bold}, r.spacing, r.format});
}

std::string StripPolishLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out += text[pos++];
            continue;
        }
        char base = 0;
        switch (decodeUtf8(text, pos)) {
        case U'ą':
            base = 'a';
            break;
        case U'ć':
            base = 'c';
            break;
        case U'ę':
            base = 'e';
            break;
        case U'ł':
            base = 'l';
            break;
        case U'ń':
            base = 'n';
            break;
        case U'ó':
            base = 'o';
            break;
        case U'ś':
            base = 's';
            break;
        case U'ż':
            base = 'z';
            break;
        case U'ź':
            base = 'z';
            break;
        case U'Ą':
            base = 'A';
            break;
        case U'Ć':
            base = 'C';
            break;
        case U'Ę':
            base = 'E';
            break;
        case U'Ł':
            base = 'L';
            break;
        case U'Ń':
            base = 'N';
            break;
        case U'Ó':
            base = 'O';
            break;
        case U'Ś':
            base = 'S';
            break;
        case U'Ż':
            base = 'Z';
            break;
        case U'Ź':
            base = 'Z';
            break;
        default:
            break;
        }
        if (base)
            out += base;
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

// ---- items ----------------------------------------------------------------------------------

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

// ---- register title block -------------------------------------------------------------------

std::string TRejestrNaglowek::Boxed(std::string_view text) {
    const std::u32string chars = utf8ToU32(text);
    std::string out;
    for (std::size_t i = 0; i < 6; ++i) {
        const char32_t c = i < chars.size() ? chars[i] : U' ';
        out += '[';
        if (c == U' ')
            out += "  ";
        else
            appendUtf8(out, c);
        out += "] ";
    }
    return out;
}

void TRejestrNaglowek::Build() {
    cells.clear();
    const int quarter = totalWidth / 4;
    const int half = totalWidth / 2;
    const auto add = [&](std::string cellText, std::string_view styleName, int width) {
        auto cell = std::make_unique<TCell>(doc());
        cell->styles = styles;
        cell->inner = cellInner;
        cell->SetStyle(requireStyle(styleName));
        cell->outer = Rect{0, 0, width, 0};
        cell->text = std::move(cellText);
        Add(std::move(cell));
    };
    add(" \r\n \r\n \r\n \r\n ", "TableText", quarter);
    add("pieczęć zakładu pracy", "TableMalyBottom", quarter);
    add(regon, "TableText", quarter);
    add("nr statystyczny REGON", "TableMalyBottom", quarter);
    add("REJESTR", "TableGlowa", half);
    add("wyników badań i pomiarów czynników szkodliwych dla zdrowia na stanowisku pracy",
        "TableText", half);
    add("\r\n" + station, "TableText", half);
    add(std::string(108, '.') + "\r\n(nazwa lub symbol stanowiska pracy", "TableMalyBottom", half);
    add("Nr karty\r\n" + Boxed(cardNumber), "TableText", quarter);
    add("Data założenia rejestru\r\n" + Boxed(registerDate), "TableText", quarter);
    add("Lokalizacja stanowiska pracy", "TableMaly", quarter);
    add(location, "TableText", quarter);
}

int TRejestrNaglowek::Height() {
    if (cells.size() != 12) throw std::logic_error("the register block is not built");
    for (std::size_t i = 0; i < 12; ++i)
        cellHeights[i] = cells[i]->Height();
    const auto columnHeight = [&](std::size_t first) {
        return cellHeights[first] + cellHeights[first + 1] + cellHeights[first + 2] +
               cellHeights[first + 3];
    };
    const int c1 = columnHeight(0);
    const int c2 = columnHeight(4);
    const int c3 = columnHeight(8);
    const int a = std::max({c1, c2, c3});
    const auto grow = [&](std::size_t i, int by) {
        cellHeights[i] += by;
        stretch(*cells[i], cellHeights[i]);
    };
    if (c1 < a) {
        const int d = (a - c1) / 2;
        grow(0, d);
        grow(2, d);
    }
    if (c2 < a) grow(6, a - c2);
    if (c3 < a) grow(11, a - c3);
    height = a + a / 10;
    lastHeight_ = height;
    return height;
}

void TRejestrNaglowek::Draw(int x, int y) {
    if (cells.size() != 12) return;
    const int w1 = cells[0]->outer.width();
    const int w2 = cells[4]->outer.width();
    const int w3 = cells[8]->outer.width();
    const int bottom = y + cellHeights[0] + cellHeights[1] + cellHeights[2] + cellHeights[3];
    Canvas& c = canvas();
    c.rectangle(Rect{x, y, x + w1 + w2 + w3, bottom});
    c.rectangle(Rect{x, y, x + w1, bottom});
    c.rectangle(Rect{x, y, x + w1, y + cellHeights[0] + cellHeights[1]});
    c.rectangle(Rect{x + w1, y, x + w1 + w2, bottom});
    c.rectangle(Rect{x + w1 + w2, y, x + w1 + w2 + w3, bottom});
    c.rectangle(Rect{x + w1 + w2, y + cellHeights[8], x + w1 + w2 + w3,
                     y + cellHeights[8] + cellHeights[9]});
    int cx = x;
    for (std::size_t column = 0; column < 3; ++column) {
        int cy = y;
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t i = column * 4 + k;
            cells[i]->Draw(cx, cy);
            cy += cellHeights[i];
        }
        cx += cells[column * 4]->outer.width();
    }
}

// ---- pages and the document -----------------------------------------------------------------

TItem& TPage::Add(std::unique_ptr<TItem> item) {
    items.push_back(std::move(item));
    return *items.back();
}

TDoc::TDoc(Canvas& canvas, std::string jobTitle)
    : canvas_(canvas), jobTitle_(std::move(jobTitle)), savedPen_(canvas.pen()),
      savedBrush_(canvas.brush()) {
    if (!canvas_.printing()) beganJob_ = canvas_.beginDoc(jobTitle_);
}

TDoc::~TDoc() {
    // A document destroyed before it printed (a report that failed half-way) must not leave its
    // print job open.
    if (!printed_ && beganJob_ && canvas_.printing()) canvas_.abortDoc();
    canvas_.setPen(savedPen_);
    canvas_.setBrush(savedBrush_);
}

void TDoc::SetMargins(int left, int right, int top, int bottom) {
    leftMargin = left;
    rightMargin = right;
    topMargin = top;
    bottomMargin = bottom;
    usableWidth = canvas_.pageWidth() - left - right;
    usableHeight = canvas_.pageHeight() - top - bottom;
}

void TDoc::NewPage() {
    auto page = std::make_unique<TPage>();
    ++pageCount;
    page->leftMargin = leftMargin;
    page->rightMargin = rightMargin;
    page->topMargin = topMargin;
    page->bottomMargin = bottomMargin;
    page->usableHeight = usableHeight;
    page->usableWidth = usableWidth;
    usedHeight = 0;
    pageHasItems_ = false;
    if (!(pageCount == 1 && noHeaderOnFirstPage)) {
        std::string header = headerText;
        const std::string number = std::to_string(pageCount);
        for (std::size_t at = header.find("&p"); at != std::string::npos;
             at = header.find("&p", at + number.size()))
            header.replace(at, 2, number);
        const auto headerLine = [&](std::string lineText) {
            auto item = std::make_unique<TTextItem>(*this);
            item->Setup(std::move(lineText), "Z_Header", usableWidth);
            item->inner = Rect{5, 25, 5, 25};
            usedHeight += item->Height();
            page->Add(std::move(item));
        };
        headerLine(std::move(header));
        auto rule = std::make_unique<TRct>(*this);
        rule->width = usableWidth;
        rule->height = 1;
        usedHeight += rule->Height();
        page->Add(std::move(rule));
        headerLine(" ");
    }
    pages.push_back(std::move(page));
}

TItem& TDoc::AddItem(std::unique_ptr<TItem> item) {
    const int h = item->Height();
    // An item too tall for any page goes on the page just begun rather than leaving it blank.
    if (pages.empty() || (usedHeight + h > usableHeight && pageHasItems_)) NewPage();
    usedHeight += h;
    pageHasItems_ = true;
    return pages.back()->Add(std::move(item));
}

TTextItem& TDoc::AddText(std::string text, std::string_view styleName) {
    auto item = std::make_unique<TTextItem>(*this);
    item->Setup(std::move(text), styleName, usableWidth);
    return AddItem(std::move(item));
}

void TDoc::drawPage(const TPage& page) {
    const int x = page.leftMargin;
    int y = page.topMargin;
    for (const auto& item : page.items) {
        item->Draw(x, y);
        y += item->lastHeight();
    }
}

bool TDoc::Print(const PrintRange& range) {
    if (!canvas_.printing()) canvas_.beginDoc(jobTitle_);
    bool sheetUsed = false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!range.includes(static_cast<int>(i) + 1)) continue;
        if (sheetUsed) canvas_.newSheet();
        drawPage(*pages[i]);
        sheetUsed = true;
    }
    printed_ = true;
    return canvas_.endDoc();
}

} // namespace tarnik
