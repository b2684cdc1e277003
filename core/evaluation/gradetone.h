#pragma once
// How strongly a risk grade calls for action, so that the risk level page can show the grade in
// the colour of its band: the two lowest grades need no improvement plan, "ŚREDNIE" needs one,
// "DUŻE" and "BARDZO DUŻE" need it at once.
#include <string_view>

namespace tarnik {

enum class GradeTone {
    None,   // not graded yet (or not one of the five grades)
    Low,    // "BARDZO MAŁE", "MAŁE"
    Medium, // "ŚREDNIE"
    High,   // "DUŻE", "BARDZO DUŻE"
};

GradeTone riskGradeTone(std::string_view grade);

} // namespace tarnik
