#include "core/evaluation/evaluation.h"

#include <algorithm>
#include <cstdint>

#include "core/base/text.h"
#include "core/evaluation/arith.h"

namespace tarnik {

using arith::clampToInt;
using arith::mulDivToInt;

namespace {

constexpr const char* kProbabilityCaption = "Wskaźnik prawdopodobieństwa: ";
constexpr const char* kPlanCaption = "Wskaźnik planu: ";
constexpr const char* kNextAssessment =
    "Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później niż ";

std::int64_t totalWorkers(const Assessment& a) {
    std::int64_t n = 0;
    for (int c : a.workerCounts)
        n += c;
    return n;
}

// The value a spin edit without bounds of its own takes from its text when it must stay at 0 or
// more: {value, text that replaces the field's text, if any}.
std::pair<int, std::optional<std::string>> nonNegativeFromText(std::string_view text) {
    const std::optional<std::int64_t> v = arith::parseIntegerText(text);
    if (!v || *v < 0) return {0, std::string("0")};
    const int held = clampToInt(*v);
    if (held != *v) return {held, std::to_string(held)};
    return {held, std::nullopt};
}

} // namespace

Evaluation::Evaluation() {
    showGroupIndices();
    ST901 = ST902 = ST903 = ST904 = "0";
    LB1001 = kProbabilityCaption;
    ST1002 = "wskaźnik realizacji planu poprawy:";
    ST1101 = "Poziom ryzyka: ";
    StaticText23 = "Ryzyko ";
    E1101 = "899";
    E1102 = "2999";
    E1103 = "4999";
    E1104 = "7999";
}

int Evaluation::hazardCount(int row, int group) const {
    if (row < 1 || row > kHazardRowCount || group < 0 || group >= kWorkerGroupCount) return 0;
    return hazardCounts[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(group)];
}

std::string Evaluation::recommendationsText() const {
    return joinCrLf(Memo6);
}

void Evaluation::modified() {
    if (onModified) onModified();
}

// ---------------------------------------------------------------------------------------------
// Hazard level card

void Evaluation::TabSheet7Show(Assessment& a,
                               const std::vector<const FactorRecord*>& factorsToDescribe) {
    for (auto& row : hazardCounts)
        row.fill(0);
    for (const FactorRecord* f : factorsToDescribe) {
        if (!f) continue;
        for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
            const int k = f->hazardCategory[g];
            if (k < 1 || k > kHazardRowCount) continue;
            int& count = hazardCounts[static_cast<std::size_t>(k - 1)][g];
            count = clampToInt(std::int64_t{count} + 1);
        }
    }
    // Rows 1 to 6 and 8 put the whole group over the limits; rows 7 and 9 do not.
    constexpr std::array<int, 7> kOverLimitRows{1, 2, 3, 4, 5, 6, 8};
    for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
        std::int64_t over = 0;
        for (int r : kOverLimitRows)
            over += hazardCounts[static_cast<std::size_t>(r - 1)][g];
        overLimitWorkers[g] = over > 0 ? a.workerCounts[g] : 0;
        exposedWorkers[g] =
            clampToInt(std::int64_t{a.workerCounts[g]} - std::int64_t{overLimitWorkers[g]});
    }
    PrzeliczWskaznikNarazenia(a);
}

std::array<int, 2> hazardChartScale(int largest) {
    std::int64_t m = std::max(0, largest);
    if (m % 1000 > 0) m = (m / 1000 + 1) * 1000;
    if (m > 0) return {clampToInt(m), clampToInt(m / 2)};
    return {2, 1};
}

int riskChartTop(int largest) {
    const std::int64_t m = std::max(0, largest);
    return clampToInt((m / 500 + 1) * 500);
}

void Evaluation::showGroupIndices() {
    ST701 = std::to_string(groupExposureIndex[0]);
    ST702 = std::to_string(groupExposureIndex[1]);
    ST703 = std::to_string(groupExposureIndex[2]);
    ST704 = std::to_string(groupExposureIndex[3]);
    ST705 = std::to_string(totalExposureIndex);
}

void Evaluation::PrzeliczWskaznikNarazenia(Assessment& a) {
    std::int64_t t = totalWorkers(a);
    if (t == 0) t = 1;
    std::int64_t total = 0;
    for (std::size_t g = 0; g < kWorkerGroupCount; ++g) {
        std::int64_t s = 0;
        for (int r = 1; r <= kHazardRowCount; ++r)
            s = arith::addSat(s, std::int64_t{a.weight(r).get()} *
                                     hazardCounts[static_cast<std::size_t>(r - 1)][g]);
        groupExposureIndex[g] = mulDivToInt(s, a.workerCounts[g], t);
        total += groupExposureIndex[g];
    }
    totalExposureIndex = clampToInt(total);

    // The total goes to the supplementary card; a new value there recomputes its indices.
    const int shown = a.SE1004.get();
    a.SE1004 = totalExposureIndex;
    if (a.SE1004.get() != shown) {
        LiczUzupeln(a);
        modified();
    }

    showGroupIndices();

    Chart1.openData(1, 1, kWorkerGroupCount);
    Chart1.setThisSerie(0);
    for (int g = 0; g < kWorkerGroupCount; ++g)
        Chart1.putValue(g, static_cast<double>(groupExposureIndex[static_cast<std::size_t>(g)]));
    Chart1.closeData(1);
    const int largest = *std::max_element(groupExposureIndex.begin(), groupExposureIndex.end());
    const std::array<int, 2> scale = hazardChartScale(largest);
    Chart1.setAxis(ChartModel::kAxisMax, scale[0]);
    Chart1.setAxis(ChartModel::kAxisStep, scale[1]);
    Chart1.setLegendWidth(0);
}

std::string Evaluation::pChange(Assessment& a, int row, std::string_view text) {
    if (row < 1 || row > kHazardRowCount) return std::string(text);
    a.weight(row) = arith::parseIntegerText(text).value_or(0);
    PrzeliczWskaznikNarazenia(a);
    modified();
    return std::to_string(a.weight(row).get());
}

void Evaluation::Button10Click(Assessment& a) {
    for (int r = 1; r <= kHazardRowCount; ++r)
        a.weight(r) = Assessment::kDefaultWeights[static_cast<std::size_t>(r - 1)];
    PrzeliczWskaznikNarazenia(a);
}

void Evaluation::workersRecounted(const Assessment& a) {
    if (a.ListaPrac.empty()) return;
    overLimitWorkers.fill(0);
    exposedWorkers.fill(0);
}

// ---------------------------------------------------------------------------------------------
// Accidents and occupational diseases

std::string accidentPeriodLine(DayNumber assessmentDate) {
    return "Wpisz dane za okres od  " + formatPolishDate(addDays(assessmentDate, -365)) + "  do  " +
           formatPolishDate(assessmentDate);
}

void Evaluation::TabSheet9Show(const Assessment& a) {
    Label81 = accidentPeriodLine(a.DTPOcena);
    LiczWypadki(a);
}

void Evaluation::LiczWypadki(const Assessment& a) {
    const std::int64_t n = totalWorkers(a);
    frequencyIndex = severityIndex = correctedSeverityIndex = diseaseIndex = 0;
    if (n > 0) {
        frequencyIndex = mulDivToInt(a.SE902.get(), 1000, n);
        diseaseIndex = mulDivToInt(a.SE905.get(), 1000, n);
    }
    fatalityAddend = clampToInt(std::int64_t{a.SE903.get()} * 1000);
    if (a.SE901.get() > 0) severityIndex = a.SE904.get() / a.SE901.get();
    correctedSeverityIndex = clampToInt(std::int64_t{severityIndex} + fatalityAddend);

    ST901 = std::to_string(frequencyIndex);
    ST902 = std::to_string(severityIndex);
    ST903 = std::to_string(correctedSeverityIndex);
    ST904 = std::to_string(diseaseIndex);
}

bool Evaluation::accidentDetailsEnabled(const Assessment& a) {
    return a.SE901.get() != 0;
}

std::optional<std::string> Evaluation::accidentFieldChange(Assessment& a, int field,
                                                           std::string_view text) {
    RangedInt* target = nullptr;
    switch (field) {
    case 901:
        target = &a.SE901;
        break;
    case 902:
        target = &a.SE902;
        break;
    case 903:
        target = &a.SE903;
        break;
    case 904:
        target = &a.SE904;
        break;
    case 905:
        target = &a.SE905;
        break;
    default:
        return std::nullopt;
    }
    auto [value, replacement] = nonNegativeFromText(text);
    *target = value;
    if (field == 901 && value == 0) {
        // No accidents: the dependent figures are cleared (and closed for input).
        a.SE902 = 0;
        a.SE903 = 0;
        a.SE904 = 0;
    }
    LiczWypadki(a);
    modified();
    return replacement;
}

// ---------------------------------------------------------------------------------------------
// Supplementary card

void Evaluation::LiczUzupeln(const Assessment& a) {
    const int nr = a.EdtNr.get();
    probabilityIndex = nr != 0 ? mulDivToInt(a.SE1001.get(), a.SE1002.get(), nr) : 0;
    planIndex = 0;
    if (nr > 1 && a.SE1003.get() > 0 && a.SE1005.get() > 0) {
        // A negative number of unrealised tasks (an old file may hold one) counts as none.
        const int unrealised = std::max(0, a.SE1006);
        planIndex =
            mulDivToInt(a.SE1004.get(), unrealised, std::int64_t{a.SE1003.get()} * a.SE1005.get());
    }
    LB1001 = kProbabilityCaption + std::to_string(probabilityIndex);
    ST1002 = kPlanCaption + std::to_string(planIndex);
}

std::optional<std::string> Evaluation::supplementaryFieldChange(Assessment& a, int field,
                                                                std::string_view text) {
    if (field < 1001 || field > 1006) return std::nullopt;
    auto [value, replacement] = nonNegativeFromText(text);
    switch (field) {
    case 1001:
        a.SE1001 = value;
        break;
    case 1002:
        a.SE1002 = value;
        break;
    case 1003:
        a.SE1003 = value;
        break;
    case 1004:
        a.SE1004 = value;
        break;
    case 1005:
        a.SE1005 = value;
        break;
    default:
        a.SE1006 = value;
        break;
    }
    LiczUzupeln(a);
    modified();
    return replacement;
}

void Evaluation::SE1007Change(Assessment& a, std::string_view text) {
    a.SE1007 = clampToInt(arith::parseIntegerText(text).value_or(0));
    modified();
}

bool Evaluation::planGroupVisible(const Assessment& a) {
    return a.EdtNr.get() >= 2;
}

// ---------------------------------------------------------------------------------------------
// Risk level

int Evaluation::WskaznikBHP(const Assessment& a) {
    std::int64_t yes = 0;
    std::int64_t no = 0;
    for (const Question& q : a.questions.questions()) {
        if (q.answer == kAnswerYes) ++yes;
        if (q.answer == kAnswerNo) ++no;
    }
    return yes + no > 0 ? mulDivToInt(no, 1000, yes + no) : 0;
}

int Evaluation::WskaznikOchron(const Assessment& a) const {
    std::int64_t yes = 0;
    std::int64_t no = 0;
    for (int n = kFirstProtectionQuestion; n <= kLastProtectionQuestion; ++n) {
        const std::string answer = a.questions.answerAt(static_cast<std::size_t>(n));
        if (answer == kAnswerYes) ++yes;
        if (answer == kAnswerNo) ++no;
    }
    return yes + no > 0 ? mulDivToInt(no, totalExposureIndex, yes + no) : 0;
}

void Evaluation::LiczRyzyko(const Assessment& a) {
    safetyIndex = WskaznikBHP(a);
    protectionIndex = WskaznikOchron(a);
    expertIndex = a.SE1007;

    const std::array<int, 8> components{totalExposureIndex, frequencyIndex, correctedSeverityIndex,
                                        diseaseIndex,       safetyIndex,    protectionIndex,
                                        probabilityIndex,   planIndex};
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

    const std::array<int, 10> shown{
        totalExposureIndex, frequencyIndex,   severityIndex, diseaseIndex, safetyIndex,
        protectionIndex,    probabilityIndex, planIndex,     expertIndex,  riskLevel};
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
}

std::string Evaluation::OcenRyzyko(const Assessment& a) const {
    if (riskLevel < a.SE1101.get()) return kGradeVerySmall;
    if (riskLevel < a.SE1102.get()) return kGradeSmall;
    if (riskLevel < a.SE1103.get()) return kGradeMedium;
    if (riskLevel < a.SE1104.get()) return kGradeLarge;
    return kGradeVeryLarge;
}

void Evaluation::ZmianaRyzyka(Assessment& a) {
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

void Evaluation::AktualizujOpisRyzyka(const Assessment& a) {
    Memo6.clear();
    for (int n = kFirstProtectionQuestion; n <= kLastProtectionQuestion; ++n) {
        if (a.questions.answerAt(static_cast<std::size_t>(n)) == kAnswerNo) {
            Memo6.emplace_back("UWAGA: Pracownicy nie stosują środków ochrony indywidualnej");
            break;
        }
    }
    const auto due = [&](int days) {
        return kNextAssessment + formatPolishDate(addDays(a.DTPOcena, days));
    };
    if (riskGrade == kGradeVerySmall) {
        Memo6.emplace_back("Nie trzeba przeprowadzać kolejnych ocen ryzyka zawodowego o ile "
                           "warunki pracy na stanowisku nie ulegną zmianie.");
    } else if (riskGrade == kGradeSmall) {
        Memo6.push_back(due(730));
    } else if (riskGrade == kGradeMedium) {
        Memo6.push_back(due(365));
        Memo6.emplace_back(" ");
        Memo6.emplace_back("Należy opracować plan poprawy warunków pracy");
    } else if (riskGrade == kGradeLarge) {
        Memo6.push_back(due(180));
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

std::optional<std::string> Evaluation::bandLimitChange(Assessment& a, int k, std::string_view text,
                                                       bool leaving) {
    if (k < 1 || k > 4) return std::nullopt;
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
        if (!v) return std::nullopt; // not a number at all: limits and bounds stay as they are
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
    modified();
    return replacement;
}

void Evaluation::TabSheet11Show(Assessment& a) {
    LiczRyzyko(a);
    ZmianaRyzyka(a);
}

// ---------------------------------------------------------------------------------------------

void Evaluation::afterDocumentLoaded(Assessment& a) {
    LiczWypadki(a);
    LiczUzupeln(a);
    ZmianaRyzyka(a);
}

} // namespace tarnik
