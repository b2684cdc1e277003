#include "core/model/assessment.h"

#include <algorithm>

#include "core/base/collation.h"
#include "core/base/text.h"

namespace tarnik {

// ---------------------------------------------------------------------------------------------
// Worker register

bool workerSortsBefore(const WorkerRecord& a, const WorkerRecord& b) {
    const int bySurname = comparePolish(a.Ed402, b.Ed402, CaseMode::Sensitive);
    if (bySurname != 0) return bySurname < 0;
    return comparePolish(a.Ed401, b.Ed401, CaseMode::Sensitive) < 0;
}

WorkerList::WorkerList(const WorkerList& o) {
    items_.reserve(o.items_.size());
    for (const auto& r : o.items_)
        items_.push_back(std::make_unique<WorkerRecord>(*r));
}

WorkerList& WorkerList::operator=(const WorkerList& o) {
    if (this != &o) *this = WorkerList(o);
    return *this;
}

std::size_t WorkerList::insert(std::unique_ptr<WorkerRecord> record) {
    // Files list their workers in sorted order, so appending is the common case.
    if (items_.empty() || !workerSortsBefore(*record, *items_.back())) {
        items_.push_back(std::move(record));
        return items_.size() - 1;
    }
    auto at =
        std::upper_bound(items_.begin(), items_.end(), record,
                         [](const auto& a, const auto& b) { return workerSortsBefore(*a, *b); });
    const auto index = static_cast<std::size_t>(at - items_.begin());
    items_.insert(at, std::move(record));
    return index;
}

void WorkerList::removeAt(std::size_t index) {
    if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t WorkerList::indexOf(const WorkerRecord* record) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == record) return i;
    return items_.size();
}

bool operator==(const WorkerList& a, const WorkerList& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i])) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Factors

int factorGroupForName(const std::string& name, int catalogue) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (folded == "oświetlenie - natężenie" || folded == "oświetlenie - równomierność")
        return kLighting;
    if (folded == "prąd elektryczny") return kElectricCurrent;
    return catalogue + 1;
}

std::unique_ptr<FactorRecord> newFactorRecord(const std::string& name, int catalogue,
                                              DayNumber today) {
    auto r = std::make_unique<FactorRecord>();
    r->name = utf8Left(name, 255);
    r->DTP601 = wholeDay(today);
    r->factorGroup = factorGroupForName(name, catalogue);
    return r;
}

int catalogueForFactorGroup(int factorGroup) {
    switch (factorGroup) {
    case kChemical:
        return 0;
    case kDust:
        return 1;
    case kPhysical:
    case kLighting:
    case kElectricCurrent:
        return 2;
    case kBiological:
        return 3;
    case kOnerous:
        return 4;
    default:
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Assessment

Assessment::Assessment() : Assessment(todayDayNumber()) {}

Assessment::Assessment(DayNumber today) : DTPOcena(wholeDay(today)), Plan(1) {}

void Assessment::resetToNew() {
    resetToNew(todayDayNumber());
}

void Assessment::resetToNew(DayNumber today) {
    *this = Assessment(today);
}

RangedInt& Assessment::countField(int group) {
    switch (group) {
    case kMen:
        return SE_m;
    case kWomen:
        return SE_k;
    case kPregnantOrNursing:
        return SE_kc;
    default:
        return SE_ml;
    }
}

const RangedInt& Assessment::countField(int group) const {
    return const_cast<Assessment*>(this)->countField(group);
}

void Assessment::setWorkerCounts(const std::array<int, kWorkerGroupCount>& counts) {
    long long total = 0;
    for (int g = 0; g < kWorkerGroupCount; ++g) {
        countField(g).set(counts[static_cast<std::size_t>(g)]);
        workerCounts[static_cast<std::size_t>(g)] = countField(g).get();
        total += countField(g).get();
    }
    SE_razem = std::to_string(total);
}

FactorList& Assessment::factorList(int catalogue) {
    switch (catalogue) {
    case 0:
        return LB501;
    case 1:
        return LB502;
    case 2:
        return LB503;
    case 3:
        return LB504;
    default:
        return LB505;
    }
}

const FactorList& Assessment::factorList(int catalogue) const {
    return const_cast<Assessment*>(this)->factorList(catalogue);
}

RangedInt& Assessment::weight(int row) {
    switch (row) {
    case 1:
        return p1;
    case 2:
        return p2;
    case 3:
        return p3;
    case 4:
        return p4;
    case 5:
        return p5;
    case 6:
        return p6;
    case 7:
        return p7;
    case 8:
        return p8;
    default:
        return p9;
    }
}

const RangedInt& Assessment::weight(int row) const {
    return const_cast<Assessment*>(this)->weight(row);
}

RangedInt& Assessment::bandLimit(int k) {
    switch (k) {
    case 1:
        return SE1101;
    case 2:
        return SE1102;
    case 3:
        return SE1103;
    default:
        return SE1104;
    }
}

const RangedInt& Assessment::bandLimit(int k) const {
    return const_cast<Assessment*>(this)->bandLimit(k);
}

void Assessment::deriveBandBounds() {
    for (int k = 1; k <= 4; ++k) {
        const int lo = k == 1 ? kBandLimitFloor : bandLimit(k - 1).get() + kBandLimitGap;
        const int hi = k == 4 ? kBandLimitCeiling : bandLimit(k + 1).get() - kBandLimitGap;
        bandLimit(k).setBoundsKeepValue(lo, std::max(lo, hi));
    }
    for (int k = 1; k <= 4; ++k)
        bandLimit(k).set(bandLimit(k).get());
}

void Assessment::restoreBandLimits(int a, int b, int c, int d) {
    const std::array<int, 4> stored{a, b, c, d};
    // Each limit lies between the floor (or its predecessor + 2) and the ceiling less the room
    // its successors need; an ordered set passes through unchanged.
    long long previous = kBandLimitFloor - kBandLimitGap;
    for (int k = 1; k <= 4; ++k) {
        const long long lo = previous + kBandLimitGap;
        const long long hi = kBandLimitCeiling - static_cast<long long>(4 - k) * kBandLimitGap;
        const long long v = std::clamp<long long>(stored[static_cast<std::size_t>(k - 1)], lo, hi);
        bandLimit(k).setBoundsKeepValue(kBandLimitFloor, kBandLimitCeiling);
        bandLimit(k).set(v);
        previous = v;
    }
    deriveBandBounds();
}

void Assessment::insertPlanRowBeforeLast(PlanRow row) {
    if (Plan.empty()) Plan.emplace_back();
    Plan.insert(Plan.end() - 1, std::move(row));
}

} // namespace tarnik
