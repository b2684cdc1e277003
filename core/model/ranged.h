#pragma once
// An integer field that holds its value within its bounds, the way a spin edit does: setting a
// value outside the bounds brings it to the nearest bound.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace tarnik {

class RangedInt {
public:
    constexpr RangedInt(int min, int max, int value) : min_(min), max_(max), value_(value) {
        set(value);
    }

    constexpr int get() const { return value_; }
    constexpr operator int() const { return value_; }
    constexpr int min() const { return min_; }
    constexpr int max() const { return max_; }

    // Stores v brought within the bounds.
    constexpr void set(std::int64_t v) {
        value_ = static_cast<int>(std::clamp<std::int64_t>(v, min_, std::max(min_, max_)));
    }
    constexpr RangedInt& operator=(std::int64_t v) {
        set(v);
        return *this;
    }

    // New bounds; the value is brought within them.
    constexpr void setBounds(int min, int max) {
        min_ = min;
        max_ = max;
        set(value_);
    }
    // New bounds without touching the value (used while several linked values are restored).
    constexpr void setBoundsKeepValue(int min, int max) {
        min_ = min;
        max_ = max;
    }

    friend constexpr bool operator==(const RangedInt& a, const RangedInt& b) {
        return a.value_ == b.value_;
    }

private:
    int min_;
    int max_;
    int value_;
};

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

} // namespace tarnik
