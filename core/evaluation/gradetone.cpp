#include "core/evaluation/gradetone.h"

#include "core/evaluation/evaluation.h"

namespace tarnik {

GradeTone riskGradeTone(std::string_view grade) {
    if (grade == kGradeVerySmall || grade == kGradeSmall) return GradeTone::Low;
    if (grade == kGradeMedium) return GradeTone::Medium;
    if (grade == kGradeLarge || grade == kGradeVeryLarge) return GradeTone::High;
    return GradeTone::None;
}

} // namespace tarnik
