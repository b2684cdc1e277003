#include "core/evaluation/accidents.h"

#include <cstdint>

#include "core/evaluation/arith.h"

namespace tarnik {

using arith::clampToInt;
using arith::mulDivToInt;

std::string accidentPeriodLine(DayNumber assessmentDate) {
    return "Wpisz dane za okres od  " + formatPolishDate(addDays(assessmentDate, -365)) + "  do  " +
           formatPolishDate(assessmentDate);
}

AccidentIndices::AccidentIndices() {
    ST901 = ST902 = ST903 = ST904 = "0";
}

void AccidentIndices::recountAccidents(const Assessment& a) {
    Label81 = accidentPeriodLine(a.DTPOcena);
    LiczWypadki(a);
}

void AccidentIndices::LiczWypadki(const Assessment& a) {
    std::int64_t n = 0;
    for (int c : a.workerCounts)
        n += c;
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

bool AccidentIndices::accidentDetailsEnabled(const Assessment& a) {
    return a.SE901.get() != 0;
}

FieldEdit AccidentIndices::storeAccidentFigure(Assessment& a, int field, std::string_view text) {
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
        return {};
    }
    auto [value, replacement] = arith::nonNegativeFromText(text);
    *target = value;
    if (field == 901 && value == 0) {
        // No accidents: the dependent figures are cleared (and closed for input).
        a.SE902 = 0;
        a.SE903 = 0;
        a.SE904 = 0;
    }
    return {true, std::move(replacement)};
}

} // namespace tarnik
