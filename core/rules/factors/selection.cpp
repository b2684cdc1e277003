#include "core/rules/factors/selection.h"

#include <algorithm>

#include "core/base/collation.h"
#include "core/rules/factors/catalogues.h"

namespace tarnik {

const char* addButtonCaption(int group) {
    switch (group) {
    case 0:
        return "Dodaj do czynników CHEMICZNYCH";
    case 1:
        return "Dodaj do PYŁÓW";
    case 2:
        return "Dodaj do czynników FIZYCZNYCH";
    case 3:
        return "Dodaj do czynników BIOLOGICZNYCH";
    default:
        return "Dodaj do czynników UCIĄŻLIWYCH";
    }
}

const char* factorGroupCaption(int group) {
    if (group < 0 || group >= kCatalogueCount) group = kCatalogueCount - 1;
    return kFactorGroupCaptions[static_cast<std::size_t>(group)];
}

std::int32_t CzIleZaznaczonych(const Assessment& a) {
    std::int32_t count = 0;
    for (int group = 0; group < kCatalogueCount; ++group)
        for (const FactorEntry& entry : a.factorList(group))
            if (entry.checked) ++count;
    return count;
}

std::string selectedCountText(std::int32_t count) {
    return "Liczba zaznaczonych czynników: " + std::to_string(count);
}

std::vector<const FactorEntry*> chosenFactors(const Assessment& a) {
    std::vector<const FactorEntry*> chosen;
    for (int group = 0; group < kCatalogueCount; ++group)
        for (const FactorEntry& entry : a.factorList(group))
            if (entry.checked) chosen.push_back(&entry);
    return chosen;
}

bool addFactorFromPage(Assessment& a, const std::filesystem::path& programDir,
                       const std::string& name, int group, bool permanent, DayNumber today) {
    if (!DodajCzynnik(a, name, group, today)) return false;
    if (permanent) saveGroupToCatalogue(programDir, a, group);
    return true;
}

FactorFilter::FactorFilter(std::string_view typed) : folded_(foldForSearch(typed)) {}

bool FactorFilter::matches(std::string_view name) const {
    if (folded_.empty()) return true;
    return foldForSearch(name).find(folded_) != std::string::npos;
}

std::vector<FactorToDescribe> factorsToDescribe(Assessment& a) {
    std::vector<FactorToDescribe> list;
    for (int group = 0; group < kCatalogueCount; ++group) {
        FactorList& entries = a.factorList(group);
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].checked && entries[i].record)
                list.push_back({entries[i].text, group, i, entries[i].record.get()});
    }
    std::stable_sort(list.begin(), list.end(), [](const auto& x, const auto& y) {
        return comparePolish(x.text, y.text, CaseMode::Insensitive) < 0;
    });
    return list;
}

std::size_t undescribedCount(const std::vector<FactorToDescribe>& list) {
    return static_cast<std::size_t>(
        std::count_if(list.begin(), list.end(), [](const auto& f) { return !f.described(); }));
}

std::string factorCountText(std::size_t count) {
    return "Liczba czynników: " + std::to_string(count);
}

std::string remainingText(std::size_t undescribed) {
    return "Pozostało do opisania " + std::to_string(undescribed) + " czynników";
}

bool allDescribed(const std::vector<FactorToDescribe>& list) {
    return undescribedCount(list) == 0;
}

} // namespace tarnik
