#pragma once
// The risk level: the indices of the other cards with the safety index (the share of "NIE" in
// the checklist), the protection index and the expert index combined into one level, its grade
// against the four band limits, the recommendations that follow from the grade and the chart of
// the ten values (Chart2).
//
// The level keeps its value until it is computed again (the risk level page is shown); a band
// limit change re-grades the level as it stands (ZmianaRyzyka).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/evaluation/accidents.h"
#include "core/evaluation/chart.h"
#include "core/evaluation/fieldedit.h"
#include "core/evaluation/hazardcard.h"
#include "core/evaluation/supplementary.h"
#include "core/model/assessment.h"

namespace tarnik {

// The five risk grades, from the lowest band up.
inline constexpr const char* kGradeVerySmall = "BARDZO MAŁE";
inline constexpr const char* kGradeSmall = "MAŁE";
inline constexpr const char* kGradeMedium = "ŚREDNIE";
inline constexpr const char* kGradeLarge = "DUŻE";
inline constexpr const char* kGradeVeryLarge = "BARDZO DUŻE";

// When the recommendations want the next assessment, by the grade: "BARDZO MAŁE" needs none while
// the conditions stay, "MAŁE", "ŚREDNIE" and "DUŻE" one within 730, 365 and 180 days of the
// assessment date, "BARDZO DUŻE" one immediately after the plan is carried out. A text that is
// no grade (a level never graded) needs none.
struct NextAssessmentRule {
    enum class Timing { NotNeeded, Immediately, WithinDays };
    Timing timing = Timing::NotNeeded;
    int days = 0; // with WithinDays
};
NextAssessmentRule nextAssessmentRule(std::string_view grade);

// The fixed legend beside the risk chart (Memo5).
inline constexpr std::array<const char*, 10> kRiskChartLegend{"  1 - wskaźnik narażenia",
                                                              "  2 - wskaźnik częstotliwości",
                                                              "  3 - wskaźnik ciężkości",
                                                              "  4 - wskaźnik chorób zawodowych",
                                                              "  5 - wskaźnik bhp",
                                                              "  6 - wskaźnik ochrony",
                                                              "  7 - wskaźnik prawdopodobieństwa",
                                                              "  8 - wskaźnik planu",
                                                              "  9 - wskaźnik eksperta",
                                                              "10 - poziom ryzyka"};

// The checklist positions (1-based) of the personal-protection questions.
constexpr int kFirstProtectionQuestion = 34;
constexpr int kLastProtectionQuestion = 38;

// The top of the risk chart's value axis: the next multiple of 500 strictly above `largest`.
int riskChartTop(int largest);

class RiskLevelCard {
public:
    RiskLevelCard();

    // expertIndex is SE1007 as it stood when the level was computed.
    int safetyIndex = 0;
    int protectionIndex = 0;
    int expertIndex = 0;
    int riskLevel = 0;
    std::string riskGrade; // empty until the first grading

    std::string ST1101;                     // "Poziom ryzyka: " ...
    std::string StaticText23;               // "Ryzyko " ...
    std::string E1101, E1102, E1103, E1104; // the "DO" column of the band table
    std::vector<std::string> Memo7;         // the values beside the risk chart's legend
    std::vector<std::string> Memo6;         // the recommendations
    // Memo6 as one text, lines joined by CR LF, as the report and the memo take it.
    std::string recommendationsText() const;
    // The ten values of the level.
    ChartModel Chart2;

    // Share of "NIE" answers in the whole checklist, per mille.
    static int WskaznikBHP(const Assessment& a);
    // The total exposure index weighted by the share of "NIE" among questions 34 to 38.
    static int WskaznikOchron(const Assessment& a, int totalExposureIndex);
    // safetyIndex, protectionIndex and riskLevel from the indices of the other cards as they
    // stand; ST1101, Memo7 and Chart2.
    void LiczRyzyko(const Assessment& a, const HazardCard& hazard, const AccidentIndices& accidents,
                    const SupplementaryCard& supplementary);
    // The grade of the current riskLevel against the current band limits.
    std::string OcenRyzyko(const Assessment& a) const;
    // Re-grades without recomputing the level: riskGrade, StaticText23, the lower bound of
    // SE1101, the recommendations and the "DO" texts.
    void ZmianaRyzyka(Assessment& a);
    // Rewrites Memo6 from riskGrade, the protection answers and the assessment date.
    void AktualizujOpisRyzyka(const Assessment& a);
    // The text of band limit k = 1..4 stored, on each change and with `leaving` when the field
    // loses focus. An empty text gives the lower bound, equal bounds give that bound, a number is
    // held within the field's bounds; the neighbours' bounds follow with a gap of 2, then
    // ZmianaRyzyka. A text that is not an integer changes nothing. The replacement is the text
    // the field must show instead of its own (on leaving: the value).
    FieldEdit moveBandLimit(Assessment& a, int k, std::string_view text, bool leaving);
};

} // namespace tarnik
