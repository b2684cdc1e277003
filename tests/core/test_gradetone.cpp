// The colour tone of the risk grade follows the band the level falls into.
#include <gtest/gtest.h>

#include "core/evaluation/evaluation.h"
#include "core/evaluation/gradetone.h"

using namespace tarnik;

namespace {

GradeTone toneOfLevel(int level) {
    Assessment a(38061);
    a.questions.clear();
    Evaluation e;
    e.totalExposureIndex = level; // a single component x gives the level x
    e.recountRiskLevel(a);
    EXPECT_EQ(e.riskLevel, level);
    return riskGradeTone(e.riskGrade);
}

} // namespace

TEST(GradeTone, FollowsTheBandsOnEachSideOfTheirLimits) {
    EXPECT_EQ(toneOfLevel(0), GradeTone::Low);
    EXPECT_EQ(toneOfLevel(2999), GradeTone::Low);
    EXPECT_EQ(toneOfLevel(3000), GradeTone::Medium);
    EXPECT_EQ(toneOfLevel(4999), GradeTone::Medium);
    EXPECT_EQ(toneOfLevel(5000), GradeTone::High);
    EXPECT_EQ(toneOfLevel(8000), GradeTone::High);
}

TEST(GradeTone, NoToneBeforeGradingOrForOtherTexts) {
    EXPECT_EQ(riskGradeTone(""), GradeTone::None);
    EXPECT_EQ(riskGradeTone("małe"), GradeTone::None);
    EXPECT_EQ(riskGradeTone("DUŻE "), GradeTone::None);
}
