#pragma once
// A fixed "today" for a test: while the object lives, todayDayNumber() gives the chosen day, so
// that new assessments, dates shown and currency checks do not depend on the clock.
#include <optional>

#include "core/base/dates.h"
#include "tests/support/fixtures.h"

namespace tarnik::testing {

class FixedToday {
public:
    explicit FixedToday(DayNumber day = fixtures::kFullAssessmentDate)
        : previous_(todayForTesting()) {
        setTodayForTesting(day);
    }
    ~FixedToday() { setTodayForTesting(previous_); }
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;

private:
    std::optional<DayNumber> previous_;
};

} // namespace tarnik::testing
