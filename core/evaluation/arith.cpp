#include "core/evaluation/arith.h"

#include <algorithm>
#include <limits>

#include "core/base/text.h"

namespace tarnik::arith {

namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

// Magnitude of a 64-bit value (also of the smallest one).
std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

Wide wideMul(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLo = a & 0xFFFFFFFFu;
    const std::uint64_t aHi = a >> 32;
    const std::uint64_t bLo = b & 0xFFFFFFFFu;
    const std::uint64_t bHi = b >> 32;
    const std::uint64_t ll = aLo * bLo;
    const std::uint64_t lh = aLo * bHi;
    const std::uint64_t hl = aHi * bLo;
    const std::uint64_t hh = aHi * bHi;
    const std::uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    Wide r;
    r.lo = (mid << 32) | (ll & 0xFFFFFFFFu);
    r.hi = hh + (lh >> 32) + (hl >> 32) + (mid >> 32);
    return r;
}

// a div d for d > 0; the quotient saturates at 2^64 - 1.
std::uint64_t wideDiv(Wide a, std::uint64_t d) {
    if (a.hi >= d) return std::numeric_limits<std::uint64_t>::max();
    // Restoring division, one bit at a time; the quotient fits in 64 bits because hi < d.
    std::uint64_t rem = a.hi;
    std::uint64_t q = 0;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = (rem >> 63) != 0;
        rem = (rem << 1) | ((a.lo >> bit) & 1u);
        q <<= 1;
        if (carry || rem >= d) {
            rem -= d;
            q |= 1u;
        }
    }
    return q;
}

} // namespace

int clampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::int64_t addSat(std::int64_t a, std::int64_t b) {
    if (b > 0 && a > kInt64Max - b) return kInt64Max;
    if (b < 0 && a < kInt64Min - b) return kInt64Min;
    return a + b;
}

int mulDivToInt(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return 0;
    const bool negative = ((a < 0) != (b < 0)) != (c < 0);
    const std::uint64_t q = wideDiv(wideMul(magnitude(a), magnitude(b)), magnitude(c));
    constexpr std::uint64_t kBeyond =
        static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + 1;
    if (negative) return q >= kBeyond ? std::numeric_limits<int>::min() : -static_cast<int>(q);
    return q >= kBeyond ? std::numeric_limits<int>::max() : static_cast<int>(q);
}

Wide wideSquare(std::int64_t v) {
    const std::uint64_t m = magnitude(v);
    return wideMul(m, m);
}

Wide wideAdd(Wide a, Wide b) {
    Wide r;
    r.lo = a.lo + b.lo;
    r.hi = a.hi + b.hi + (r.lo < a.lo ? 1u : 0u);
    if (r.hi < a.hi)
        r = {std::numeric_limits<std::uint64_t>::max(), std::numeric_limits<std::uint64_t>::max()};
    return r;
}

std::int64_t wideDivToInt64(Wide a, std::uint64_t d) {
    if (d == 0) return 0;
    const std::uint64_t q = wideDiv(a, d);
    return q > static_cast<std::uint64_t>(kInt64Max) ? kInt64Max : static_cast<std::int64_t>(q);
}

std::optional<std::int64_t> parseIntegerText(std::string_view text) {
    const std::string t = trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negative = t[i] == '-';
        ++i;
    }
    if (i == t.size()) return std::nullopt;
    std::uint64_t value = 0;
    bool beyond = false;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(t[i] - '0');
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            beyond = true;
        else
            value = value * 10 + digit;
    }
    if (negative) {
        if (beyond || value > magnitude(kInt64Min)) return kInt64Min;
        return value == magnitude(kInt64Min) ? kInt64Min : -static_cast<std::int64_t>(value);
    }
    if (beyond || value > static_cast<std::uint64_t>(kInt64Max)) return kInt64Max;
    return static_cast<std::int64_t>(value);
}

std::pair<int, std::optional<std::string>> nonNegativeFromText(std::string_view text) {
    const std::optional<std::int64_t> v = parseIntegerText(text);
    if (!v || *v < 0) return {0, std::string("0")};
    const int held = clampToInt(*v);
    if (held != *v) return {held, std::to_string(held)};
    return {held, std::nullopt};
}

} // namespace tarnik::arith
