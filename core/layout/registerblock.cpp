// The cells, heights and frame lines of the measurement register's title block.
#include "core/layout/registerblock.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/base/text.h"

namespace tarnik {

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

} // namespace tarnik
