#include "core/evaluation/risklevel.h"

#include <algorithm>
#include <cstdint>

#include "core/base/text.h"
#include "core/evaluation/arith.h"

namespace tarnik {

using arith::clampToInt;
using arith::mulDivToInt;

namespace {

constexpr const char* kNextAssessment =
    "Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później niż ";

} // namespace

NextAssessmentRule nextAssessmentRule(std::string_view grade) {
    using Timing = NextAssessmentRule::Timing;
    if (grade == kGradeSmall) return {Timing::WithinDays, 730};
    if (grade == kGradeMedium) return {Timing::WithinDays, 365};
    if (grade == kGradeLarge) return {Timing::WithinDays, 180};
    if (grade == kGradeVeryLarge) return {Timing::Immediately, 0};
    return {};
}

int riskChartTop(int largest) {
    const std::int64_t m = std::max(0, largest);
    return clampToInt((m / 500 + 1) * 500);
}

RiskLevelCard::RiskLevelCard() {
    ST1101 = "Poziom ryzyka: ";
    StaticText23 = "Ryzyko ";
    E1101 = "899";
    E1102 = "2999";
    E1103 = "4999";
    E1104 = "7999";
}

std::string RiskLevelCard::recommendationsText() const {
    return joinCrLf(Memo6);
}

int RiskLevelCard::WskaznikBHP(const Assessment& a) {
    std::int64_t yes = 0;
    std::int64_t no = 0;
    for (const Question& q : a.questions.questions()) {
        if (q.answer == kAnswerYes) ++yes;
        if (q.answer == kAnswerNo) ++no;
    }
    return yes + no > 0 ? mulDivToInt(no, 1000, yes + no) : 0;
}

int RiskLevelCard::WskaznikOchron(const Assessment& a, int totalExposureIndex) {
    std::int64_t yes = 0;
    std::int64_t no = 0;
    for (int n = kFirstProtectionQuestion; n <= kLastProtectionQuestion; ++n) {
        const std::string answer = a.questions.answerAt(static_cast<std::size_t>(n));
        if (answer == kAnswerYes) ++yes;
        if (answer == kAnswerNo) ++no;
    }
    return yes + no > 0 ? mulDivToInt(no, totalExposureIndex, yes + no) : 0;
}

void RiskLevelCard::LiczRyzyko(const Assessment& a, const HazardCard& hazard,
                               const AccidentIndices& accidents,
                               const SupplementaryCard& supplementary) {
    safetyIndex = WskaznikBHP(a);
    protectionIndex = WskaznikOchron(a, hazard.totalExposureIndex);
    expertIndex = a.SE1007;

    const std::array<int, 8> components{hazard.totalExposureIndex,
                                        accidents.frequencyIndex,
                                        accidents.correctedSeverityIndex,
                                        accidents.diseaseIndex,
                                        safetyIndex,
                                        protectionIndex,
                                        supplementary.probabilityIndex,
                                        supplementary.planIndex};
    std::int64_t sum = 0;
    arith::Wide squares;
    for (int c : components) {
        sum += c;
        squares = arith::wideAdd(squares, arith::wideSquare(c));
    }
    if (sum <= 0) {
        riskLevel = 0; // the expert index is then ignored
    } else {
        const std::int64_t selfWeighted =
            arith::wideDivToInt64(squares, static_cast<std::uint64_t>(sum));
        riskLevel = clampToInt(arith::addSat(arith::addSat(sum, selfWeighted) / 2, expertIndex));
    }

    ST1101 = "Poziom ryzyka: " + std::to_string(riskLevel);

    const std::array<int, 10> shown{hazard.totalExposureIndex,
                                    accidents.frequencyIndex,
                                    accidents.severityIndex,
                                    accidents.diseaseIndex,
                                    safetyIndex,
                                    protectionIndex,
                                    supplementary.probabilityIndex,
                                    supplementary.planIndex,
                                    expertIndex,
                                    riskLevel};
    Memo7.assign(1, " ");
    for (int v : shown)
        Memo7.push_back(" " + std::to_string(v));

    Chart2.openData(1, 1, static_cast<int>(shown.size()));
    Chart2.setThisSerie(0);
    for (std::size_t i = 0; i < shown.size(); ++i)
        Chart2.putValue(static_cast<int>(i), static_cast<double>(shown[i]));
    Chart2.closeData(1);
    double largest = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        largest = std::max(largest, Chart2.getValue(static_cast<int>(i)));
    const int top = riskChartTop(clampToInt(static_cast<std::int64_t>(largest)));
    Chart2.setAxis(ChartModel::kAxisMax, top);
    Chart2.setAxis(ChartModel::kAxisStep, top / 5);
    Chart2.setAxis(ChartModel::kAxisMin, 0);
    // The legend of the ten values stands beside the chart (Memo5), on the page and in the
    // printed report: the chart has none.
    Chart2.setLegendWidth(0);
}

std::string RiskLevelCard::OcenRyzyko(const Assessment& a) const {
    if (riskLevel < a.SE1101.get()) return kGradeVerySmall;
    if (riskLevel < a.SE1102.get()) return kGradeSmall;
    if (riskLevel < a.SE1103.get()) return kGradeMedium;
    if (riskLevel < a.SE1104.get()) return kGradeLarge;
    return kGradeVeryLarge;
}

void RiskLevelCard::ZmianaRyzyka(Assessment& a) {
    riskGrade = OcenRyzyko(a);
    StaticText23 = "Ryzyko " + riskGrade;
    a.SE1101.setBounds(Assessment::kBandLimitFloor,
                       std::max(Assessment::kBandLimitFloor, a.SE1101.max()));
    AktualizujOpisRyzyka(a);
    E1101 = std::to_string(std::int64_t{a.SE1101.get()} - 1);
    E1102 = std::to_string(std::int64_t{a.SE1102.get()} - 1);
    E1103 = std::to_string(std::int64_t{a.SE1103.get()} - 1);
    E1104 = std::to_string(std::int64_t{a.SE1104.get()} - 1);
}

void RiskLevelCard::AktualizujOpisRyzyka(const Assessment& a) {
    Memo6.clear();
    for (int n = kFirstProtectionQuestion; n <= kLastProtectionQuestion; ++n) {
        if (a.questions.answerAt(static_cast<std::size_t>(n)) == kAnswerNo) {
            Memo6.emplace_back("UWAGA: Pracownicy nie stosują środków ochrony indywidualnej");
            break;
        }
    }
    const auto due = [&] {
        return kNextAssessment +
               formatPolishDate(addDays(a.DTPOcena, nextAssessmentRule(riskGrade).days));
    };
    if (riskGrade == kGradeVerySmall) {
        Memo6.emplace_back("Nie trzeba przeprowadzać kolejnych ocen ryzyka zawodowego o ile "
                           "warunki pracy na stanowisku nie ulegną zmianie.");
    } else if (riskGrade == kGradeSmall) {
        Memo6.push_back(due());
    } else if (riskGrade == kGradeMedium) {
        Memo6.push_back(due());
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Należy opracować plan poprawy warunków pracy");
    } else if (riskGrade == kGradeLarge) {
        Memo6.push_back(due());
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Należy opracowav plan poprawy warunków pracy");
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Należy dokonać tego niezwłocznie");
    } else if (riskGrade == kGradeVeryLarge) {
        Memo6.emplace_back("Należy opracować plan poprawy warunków pracy");
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Należy dokonać tego niezwłocznie");
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Uwaga: Do czasu zrealizowania planu naprawczego praca na stanowisku "
                           "powinna zostać wstrzymana");
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Kolejną ocenę ryzyka zawodowego należy przeprowadzić niezwłocznie po "
                           "realizacji planu poprawy warunków pracy");
    }
}

FieldEdit RiskLevelCard::moveBandLimit(Assessment& a, int k, std::string_view text, bool leaving) {
    if (k < 1 || k > 4) return {};
    RangedInt& limit = a.bandLimit(k);
    std::optional<std::string> replacement;
    std::int64_t value = 0;
    if (trim(text).empty()) {
        value = limit.min();
        replacement = std::to_string(value);
    } else if (limit.min() == limit.max()) {
        value = limit.min();
        replacement = std::to_string(value);
    } else {
        const std::optional<std::int64_t> v = arith::parseIntegerText(text);
        if (!v) return {}; // not a number at all: limits and bounds stay as they are
        value = *v;
    }
    limit.set(value);
    if (leaving) replacement = std::to_string(limit.get());
    if (replacement && *replacement == text) replacement.reset();

    const int held = limit.get();
    if (k > 1) {
        RangedInt& below = a.bandLimit(k - 1);
        below.setBounds(below.min(), held - Assessment::kBandLimitGap);
    }
    if (k < 4) {
        RangedInt& above = a.bandLimit(k + 1);
        above.setBounds(held + Assessment::kBandLimitGap, above.max());
    }
    ZmianaRyzyka(a);
    return {true, std::move(replacement)};
}

} // namespace tarnik
