#pragma once
// TRejestrNaglowek: the title block of the measurement register, a row of three columns.
#include <array>
#include <string>
#include <string_view>

#include "core/layout/canvas.h"
#include "core/layout/items.h"

namespace tarnik {

// The three-column title block of the measurement register: twelve cells, four per column.
class TRejestrNaglowek : public TRow {
public:
    explicit TRejestrNaglowek(TDoc& doc) : TRow(doc) {}

    // Creates the twelve cells from the fields below (again, when called again).
    void Build();

    int Height() override;
    void Draw(int x, int y) override;

    // "[" + character (two blanks for a blank) + "] " for each of the first six characters of
    // the text, padded with blanks.
    static std::string Boxed(std::string_view text);

    std::array<int, 12> cellHeights{};
    std::string regon;
    std::string station;
    std::string location;
    std::string cardNumber = "      ";
    std::string registerDate = "      ";
    int totalWidth = 0;
    Rect cellInner;
};

} // namespace tarnik
