#pragma once
// Integer arithmetic of the evaluation: every division truncates toward zero, products are formed
// without overflow, and a result that leaves the 32-bit range is held at the nearest 32-bit
// bound instead of wrapping.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tarnik::arith {

// v held within the range of a signed 32-bit integer.
int clampToInt(std::int64_t v);

// a + b held within the 64-bit range.
std::int64_t addSat(std::int64_t a, std::int64_t b);

// (a × b) div c, truncating toward zero, exact for every 64-bit a, b and c (the product is
// formed in 128 bits), held within the 32-bit range. The caller tests that c is not 0; for
// c = 0 the result is 0.
int mulDivToInt(std::int64_t a, std::int64_t b, std::int64_t c);

// Unsigned 128-bit accumulator for sums of squares.
struct Wide {
    std::uint64_t hi = 0;
    std::uint64_t lo = 0;
};
Wide wideSquare(std::int64_t v);
Wide wideAdd(Wide a, Wide b);
// a div d (d > 0), held at the largest 64-bit signed value.
std::int64_t wideDivToInt64(Wide a, std::uint64_t d);

// The integer a spin edit reads from its text: optional blanks around, an optional sign and
// decimal digits. Digits beyond the 64-bit range are held at the nearest 64-bit bound. Anything
// else (an empty text, a lone sign, letters, a decimal point) gives no value.
std::optional<std::int64_t> parseIntegerText(std::string_view text);

// The value a spin edit without bounds of its own takes from its text when it must stay at 0 or
// more: {value, text that replaces the field's text, if any}. A negative number or a text that
// is not an integer gives 0 (shown as "0"), a number beyond the 32-bit range its bound.
std::pair<int, std::optional<std::string>> nonNegativeFromText(std::string_view text);

} // namespace tarnik::arith
