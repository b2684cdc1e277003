#pragma once
// The evaluation: the chain of indices from the hazard level card to the risk level, with the
// texts that the evaluation pages show and the two charts.
//
// Every value keeps what it was given until the operation that computes it runs again, because
// the report prints the values as they stand: the hazard card recounts only when it is shown
// (TabSheet7Show), a weight change recomputes the exposure indices without recounting
// (PrzeliczWskaznikNarazenia), the accident indices follow LiczWypadki, the supplementary indices
// LiczUzupeln, the level LiczRyzyko, and a band limit change re-grades without recomputing the
// level (ZmianaRyzyka).
//
// Arithmetic is integer throughout: divisions truncate toward zero, every divisor is tested,
// products and sums are formed in 64 bits or wider, and a result outside the 32-bit range is
// held at the nearest 32-bit bound.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/model/assessment.h"

namespace tarnik {

constexpr int kHazardRowCount = 9;

// The five risk grades, from the lowest band up.
inline constexpr const char* kGradeVerySmall = "BARDZO MAŁE";
inline constexpr const char* kGradeSmall = "MAŁE";
inline constexpr const char* kGradeMedium = "ŚREDNIE";
inline constexpr const char* kGradeLarge = "DUŻE";
inline constexpr const char* kGradeVeryLarge = "BARDZO DUŻE";

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

class Evaluation {
public:
    Evaluation();

    // ---- Values -------------------------------------------------------------------------
    // Hazard level card: factors per row (index 0 = row 1) and worker group.
    std::array<std::array<int, kWorkerGroupCount>, kHazardRowCount> hazardCounts{};
    std::array<int, kWorkerGroupCount> groupExposureIndex{};
    int totalExposureIndex = 0;
    std::array<int, kWorkerGroupCount> overLimitWorkers{};
    std::array<int, kWorkerGroupCount> exposedWorkers{};
    // Accidents and occupational diseases.
    int frequencyIndex = 0;
    int severityIndex = 0;
    int fatalityAddend = 0;
    int correctedSeverityIndex = 0;
    int diseaseIndex = 0;
    // Supplementary card.
    int probabilityIndex = 0;
    int planIndex = 0;
    // Risk level. expertIndex is SE1007 as it stood when the level was computed.
    int safetyIndex = 0;
    int protectionIndex = 0;
    int expertIndex = 0;
    int riskLevel = 0;
    std::string riskGrade; // empty until the first grading

    int hazardCount(int row, int group) const; // row 1..9, group 0..3; 0 outside

    // ---- Texts the pages show -----------------------------------------------------------
    std::string ST701, ST702, ST703, ST704; // group exposure indices
    std::string ST705;                      // total exposure index
    std::string Label81;                    // the period of the accident figures
    std::string ST901, ST902, ST903, ST904; // frequency, severity, corrected, disease
    std::string LB1001;                     // "Wskaźnik prawdopodobieństwa: " ...
    std::string ST1002;                     // "Wskaźnik planu: " ...
    std::string ST1101;                     // "Poziom ryzyka: " ...
    std::string StaticText23;               // "Ryzyko " ...
    std::string E1101, E1102, E1103, E1104; // the "DO" column of the band table
    std::vector<std::string> Memo7;         // the values beside the risk chart's legend
    std::vector<std::string> Memo6;         // the recommendations
    // Memo6 as one text, lines joined by CR LF, as the report and the memo take it.
    std::string recommendationsText() const;

    // The two charts: Chart1 the four group indices, Chart2 the ten values of the risk level.
    ChartModel Chart1;
    ChartModel Chart2;

    // Called whenever an operation changes the document (SetSaved with false): the handlers of
    // the input fields, and a new total exposure index passed to SE1004.
    std::function<void()> onModified;

    // ---- Hazard level card ---------------------------------------------------------------
    // The page is shown: recounts hazardCounts from the factors to describe (every entry,
    // described or not), moves the workers of every group with a factor in rows 1-6 or 8 into
    // overLimitWorkers, then PrzeliczWskaznikNarazenia. A pending measurement card must have been
    // stored by the caller first.
    void TabSheet7Show(Assessment& a, const std::vector<const FactorRecord*>& factorsToDescribe);
    // Recomputes the exposure indices from the last counts, the weights and the worker counts,
    // passes the total to SE1004 (recomputing the supplementary indices and marking the document
    // when it differs) and redraws Chart1. Does not recount.
    void PrzeliczWskaznikNarazenia(Assessment& a);
    // Leaving the weight field of row 1..9 (p1Change .. p9Change): the text is taken as the
    // weight (not an integer: 0, its lower bound; held within 0..9999), the indices are
    // recomputed and the document marked. Returns the text the field shows afterwards.
    std::string pChange(Assessment& a, int row, std::string_view text);
    // "Przywróć": the nine default weights, then PrzeliczWskaznikNarazenia.
    void Button10Click(Assessment& a);
    // The worker page has recounted the workers (UpdateWorkers): with workers in the register
    // the split into overLimitWorkers and exposedWorkers is void (0) until the card is shown.
    void workersRecounted(const Assessment& a);

    // ---- Accidents and occupational diseases ---------------------------------------------
    // The page is shown: the period line into Label81, then LiczWypadki.
    void TabSheet9Show(const Assessment& a);
    void LiczWypadki(const Assessment& a);
    // SE901Change .. SE905Change (field 901..905), on each change and on leaving: a negative
    // number or a text that is not an integer becomes 0; SE901 at 0 clears SE902..SE904; then
    // LiczWypadki and the document is marked. Returns the text that must replace the field's
    // text, if any.
    std::optional<std::string> accidentFieldChange(Assessment& a, int field, std::string_view text);
    // SE902..SE904 are open for input only while SE901 is not 0.
    static bool accidentDetailsEnabled(const Assessment& a);

    // ---- Supplementary card ----------------------------------------------------------------
    void LiczUzupeln(const Assessment& a);
    // SE1001Change .. SE1006Change (field 1001..1006; SE1004 is set by the hazard card only):
    // a negative number or a text that is not an integer becomes 0, then LiczUzupeln and the
    // document is marked. Returns the text that must replace the field's text, if any.
    std::optional<std::string> supplementaryFieldChange(Assessment& a, int field,
                                                        std::string_view text);
    // SE1007Change: the expert index takes any integer (a text that is not one counts as 0);
    // nothing is computed, the document is marked.
    void SE1007Change(Assessment& a, std::string_view text);
    // TabSheet10Show: the plan group is shown for a repeated assessment only.
    static bool planGroupVisible(const Assessment& a);

    // ---- Risk level ------------------------------------------------------------------------
    // The page is shown: LiczRyzyko, then ZmianaRyzyka.
    void TabSheet11Show(Assessment& a);
    // Share of "NIE" answers in the whole checklist, per mille.
    static int WskaznikBHP(const Assessment& a);
    // The total exposure index weighted by the share of "NIE" among questions 34 to 38.
    int WskaznikOchron(const Assessment& a) const;
    // safetyIndex, protectionIndex and riskLevel; ST1101, Memo7 and Chart2.
    void LiczRyzyko(const Assessment& a);
    // The grade of the current riskLevel against the current band limits.
    std::string OcenRyzyko(const Assessment& a) const;
    // Re-grades without recomputing the level: riskGrade, StaticText23, the lower bound of
    // SE1101, the recommendations and the "DO" texts.
    void ZmianaRyzyka(Assessment& a);
    // Rewrites Memo6 from riskGrade, the protection answers and the assessment date.
    void AktualizujOpisRyzyka(const Assessment& a);
    // SE1101Change .. SE1104Change (k = 1..4), on each change, and with `leaving` when the field
    // loses focus. An empty text gives the lower bound, equal bounds give that bound, a number is
    // held within the field's bounds; the neighbours' bounds follow with a gap of 2, then
    // ZmianaRyzyka and the document is marked. A text that is not an integer changes nothing.
    // Returns the text that must replace the field's text, if any (on leaving: the value).
    std::optional<std::string> bandLimitChange(Assessment& a, int k, std::string_view text,
                                               bool leaving = false);

    // ---- Document --------------------------------------------------------------------------
    // After New, Open or the start-up open has filled the document: what the input fields'
    // change handlers do when the values arrive (accident and supplementary indices, the grade,
    // the "DO" texts and the recommendations). The hazard card and the level are not recomputed.
    void afterDocumentLoaded(Assessment& a);

private:
    void modified();
    void showGroupIndices();
};

// The period line of the accident page for the assessment date D:
// "Wpisz dane za okres od  " + (D - 365 days) + "  do  " + D.
std::string accidentPeriodLine(DayNumber assessmentDate);

// The scale of the hazard card's chart for its largest value: {maximum, gridline step}.
std::array<int, 2> hazardChartScale(int largest);
// The top of the risk chart's value axis: the next multiple of 500 strictly above `largest`.
int riskChartTop(int largest);

} // namespace tarnik
