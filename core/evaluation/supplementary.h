#pragma once
// The supplementary card: the probability index from the probability and consequence points
// (SE1001, SE1002) over the number of the assessment, and for a repeated assessment the plan
// index from the total exposure index (SE1004, passed on by the hazard card) and the tasks of the
// improvement plan (SE1003, SE1005, SE1006). The expert index (SE1007) waits for the risk level.
#include <string>
#include <string_view>

#include "core/evaluation/fieldedit.h"
#include "core/model/assessment.h"

namespace tarnik {

class SupplementaryCard {
public:
    SupplementaryCard();

    int probabilityIndex = 0;
    int planIndex = 0;

    std::string LB1001; // "Wskaźnik prawdopodobieństwa: " ...
    std::string ST1002; // "Wskaźnik planu: " ...

    // The two indices and their texts.
    void LiczUzupeln(const Assessment& a);

    // The plan group of the page is shown for a repeated assessment only.
    static bool planGroupVisible(const Assessment& a);
    // The text of field 1001..1006 stored (SE1004 is set by the hazard card only): a negative
    // number or a text that is not an integer becomes 0. Any other field changes nothing.
    static FieldEdit storeSupplementaryFigure(Assessment& a, int field, std::string_view text);
    // The expert index takes any integer; a text that is not one counts as 0.
    static void storeExpertIndex(Assessment& a, std::string_view text);
};

} // namespace tarnik
