#pragma once
// The texts the report composes from the records.
//
// They are the result and interpretation lines of a measurement card, the verdict of a described
// factor, a worker's trainings, the fixed texts of the legal basis and the training scope, and the
// clean-ups of the improvement plan and the acquaintance list.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/assessment.h"

namespace tarnik {

// The seven acts of the legal-basis page, in order.
extern const std::array<const char*, 7> kLegalBasisActs;
inline constexpr const char* kLegalBasisHeading = "Podstawa prawna analizy ryzyka zawodowego\r\n";
inline constexpr const char* kLegalBasisIntro =
    "Wymagania dotyczące oceny ryzyka zawodowego przez pracodawcę i działań z tego zakresu "
    "określają następujące akty prawne:";

// The training plan as the report states it: by RG301 (0..2) and by RG302 (0..6).
extern const std::array<const char*, 3> kFirstTrainingScope;
extern const std::array<const char*, 7> kFurtherTrainingScope;

// The nine row captions of the printed hazard level card.
extern const std::array<const char*, 9> kHazardCardRows;

// The fixed bounds of the first and the last risk band (Edit6, Edit5).
inline constexpr const char* kLowestBandFrom = "0";
inline constexpr const char* kHighestBandTo = "i więcej";

// The result text R and the interpretation I of a factor's measurement card.
struct CardTexts {
    std::string result;
    std::string interpretation;
};
CardTexts measurementCardTexts(const FactorRecord& f);

// The four interpretation lines of a measured chemical, dust or physical factor, one per worker
// group, joined by CR LF: "P", "C" and "R" (either case) name the exceeded limit or the effect,
// anything else is printed as the multiple of the limit.
std::string interpretationLines(const FactorRecord& f);

// "Spełnia wymagania" (RG602 0), "Nie spełnia wymagań" (1), otherwise empty.
std::string requirementVerdict(int RG602);

// The verdict text of a factor described on the supplementary card.
std::string verdictText(const FactorRecord& f);

// A worker's completed trainings ("ogólne, stanowiskowe, ..."), the periodic ones only when the
// station has a periodic interval; empty when none. Without its final comma, with its final
// blank.
std::string completedTrainings(const WorkerRecord& w, int periodicIntervalMonths);
// The trainings that are not completed, in the same form; the periodic ones count as missing
// only when the periodic training is not current.
std::string missingTrainings(const WorkerRecord& w, int periodicIntervalMonths);
// The dates of the periodic trainings done, "Data p(i)erwszego szkolenia okresowego: ..." —
// the register form keeps its old spelling "piewszego".
std::string periodicTrainingDates(const WorkerRecord& w, int periodicIntervalMonths,
                                  bool registerForm);
// Both copies of the training flag are set.
bool trainingIsCurrent(const WorkerRecord& w);

} // namespace tarnik
