#include "core/evaluation/supplementary.h"

#include <algorithm>
#include <cstdint>

#include "core/evaluation/arith.h"

namespace tarnik {

using arith::mulDivToInt;

namespace {

constexpr const char* kProbabilityCaption = "Wskaźnik prawdopodobieństwa: ";
constexpr const char* kPlanCaption = "Wskaźnik planu: ";

} // namespace

SupplementaryCard::SupplementaryCard() {
    LB1001 = kProbabilityCaption;
    ST1002 = "wskaźnik realizacji planu poprawy:";
}

void SupplementaryCard::LiczUzupeln(const Assessment& a) {
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

bool SupplementaryCard::planGroupVisible(const Assessment& a) {
    return a.EdtNr.get() >= 2;
}

FieldEdit SupplementaryCard::storeSupplementaryFigure(Assessment& a, int field,
                                                      std::string_view text) {
    if (field < 1001 || field > 1006) return {};
    auto [value, replacement] = arith::nonNegativeFromText(text);
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
    return {true, std::move(replacement)};
}

void SupplementaryCard::storeExpertIndex(Assessment& a, std::string_view text) {
    a.SE1007 = arith::clampToInt(arith::parseIntegerText(text).value_or(0));
}

} // namespace tarnik
