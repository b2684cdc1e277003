#pragma once
// The rules behind the factor selection page ("Czynniki szkodliwe, niebezpieczne i uciążliwe")
// and the list of the measurement card page: the count of ticked factors, the captions that
// depend on the chosen group, adding a factor typed by the user, and the list of factors to
// describe (LB601) rebuilt from the ticks.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// The group radio list "Grupa czynników:", by group index 0..4 (the last keeps its blank).
inline constexpr std::array<const char*, kCatalogueCount> kFactorGroupCaptions{
    "Czynniki chemiczne", "Pyły", "Czynniki fizyczne", "Czynniki biologiczne",
    "Czynniki uciążliwe "};
inline constexpr const char* kPermanentAddCaption = "dodaj czynnik na stałe ";
inline constexpr const char* kPermanentAddNote =
    "Czynnik dodany na stałe będzie znajdował się na liście przy każdej nowej ocenie ryzyka "
    "(nie trzeba będzie dopisywać go ręcznie).";

// The caption of the add button for the chosen group (CZWidok): 0 "Dodaj do czynników
// CHEMICZNYCH", 1 "Dodaj do PYŁÓW", 2 "Dodaj do czynników FIZYCZNYCH", 3 "Dodaj do czynników
// BIOLOGICZNYCH", 4 and any other value "Dodaj do czynników UCIĄŻLIWYCH".
const char* addButtonCaption(int group);
// The list heading for the chosen group: its radio text (the onerous one for any other value).
const char* factorGroupCaption(int group);

// CzIleZaznaczonych: the number of ticked entries over the five lists.
std::int32_t CzIleZaznaczonych(const Assessment& a);
// "Liczba zaznaczonych czynników: " and the count. The page enables Next when the count is 1 or
// more.
std::string selectedCountText(std::int32_t count);

// The chosen factors: the ticked entries in the order chemical, dust, physical, biological,
// onerous and, within a list, list order.
std::vector<const FactorEntry*> chosenFactors(const Assessment& a);

// The add button after its text check: `name` is the edit's text, not trimmed; an
// empty one adds nothing (false). Otherwise DodajCzynnik into the chosen group and, when
// `permanent` ("dodaj czynnik na stałe " ticked), the group's list is written to its catalogue
// in the program's folder (saveGroupToCatalogue). Returns true when a factor was added; the
// page then empties its edit and marks the assessment modified. When the catalogue cannot be
// written, FileError is thrown after the entry was added: the entry stays in the list, and the
// page keeps its edit and does not mark the assessment.
bool addFactorFromPage(Assessment& a, const std::filesystem::path& programDir,
                       const std::string& name, int group, bool permanent, DayNumber today);

// The filter above the visible factor list: a name is shown when it contains the typed text, with
// letter case and the Polish diacritics ignored ("olow" finds "Ołów i jego związki", "ZELAZ"
// finds "tlenki żelaza"). An empty text shows every name. Blanks count as typed. Filtering only
// chooses what is shown: ticks, order and counts stay as they are.
class FactorFilter {
public:
    FactorFilter() = default;
    explicit FactorFilter(std::string_view typed);
    bool empty() const { return folded_.empty(); }
    bool matches(std::string_view name) const;

private:
    std::string folded_;
};

// One line of the measurement card page's list (LB601).
struct FactorToDescribe {
    std::string text;      // the entry's text (the catalogue line)
    int group = 0;         // the list it comes from, 0..4
    std::size_t index = 0; // its position in that list
    FactorRecord* record = nullptr;
    bool described() const { return record && record->described; }
};

// KrtOdswiezCzynniki's list: every ticked entry of the five lists, sorted alphabetically without
// regard to case (Polish order); entries that compare equal keep the order of chosenFactors.
std::vector<FactorToDescribe> factorsToDescribe(Assessment& a);

// Number of listed factors not described yet.
std::size_t undescribedCount(const std::vector<FactorToDescribe>& list);
// "Liczba czynników: " and the number of listed factors.
std::string factorCountText(std::size_t count);
// "Pozostało do opisania " + the number of factors not described + " czynników".
std::string remainingText(std::size_t undescribed);
// The forward check: the wizard may leave the page when every listed factor is described;
// otherwise it shows kNotAllDescribedMessage (cards.h) and stays.
bool allDescribed(const std::vector<FactorToDescribe>& list);

} // namespace tarnik
