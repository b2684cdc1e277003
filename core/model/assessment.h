#pragma once
// The assessment: the one document the program edits, the occupational risk assessment of one
// work station. Fields bear the names of the controls that edit them (EdtZaklad, SE901, RG301 ...).
//
// Texts are UTF-8; a multi-line value keeps its lines joined by CR LF, as the file does. Length
// limits ("stored <= 255") apply when the assessment is written to a file, not in memory.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/base/dates.h"
#include "core/model/ranged.h"
#include "core/rules/checklist/checklist.h"

namespace tarnik {

// Worker groups, always in this order.
enum WorkerGroup { kMen = 0, kWomen = 1, kPregnantOrNursing = 2, kJuveniles = 3 };
constexpr int kWorkerGroupCount = 4;

// The longest text the file keeps of a field: names, codes, the one-line fields and the short
// multi-line texts (a line break, CR LF, counts as two characters). The editors stop there.
inline constexpr std::size_t kStoredTextLength = 255;
// The longest text the file keeps of each multiple on the measurement card (Ed607..Ed610).
inline constexpr std::size_t kStoredMultipleLength = 10;

// Factor groups (factorGroup values).
enum FactorGroupId {
    kChemical = 1,
    kDust = 2,
    kPhysical = 3,
    kBiological = 4,
    kOnerous = 5,
    kLighting = 6,
    kElectricCurrent = 7,
};
constexpr int kCatalogueCount = 5;

struct PersonEntry {
    std::string surname;
    std::string firstName;
    std::string position;
    friend bool operator==(const PersonEntry&, const PersonEntry&) = default;
};

// One factor: its name and the data of its measurement card.
struct FactorRecord {
    bool described = false;
    std::string name;
    std::string Ed602;       // code
    int descriptionForm = 0; // RG601: 0 measurement card, 1 supplementary card
    DayNumber DTP601 = 0;    // date of measurement
    std::string ED603;       // place
    std::string Ed604;       // performer
    std::string Ed605;       // method
    std::string Ed606;       // result
    std::string Ed607;       // multiple of the limit, general
    std::string Ed608;       // ... women
    std::string Ed609;       // ... pregnant or nursing women
    std::string Ed610;       // ... juveniles
    int RG603 = 0;
    int RG604 = 0;
    int RG605 = 0;
    int RG606 = 0;
    int RG602 = 0; // meets the requirements: 0 "Tak", 1 "Nie"
    int factorGroup = kChemical;
    std::string Mem611;                                  // short characteristic
    bool CB601 = true;                                   // acceptable
    bool CB602 = false;                                  // unacceptable for all groups
    bool CB603 = false;                                  // ... women
    bool CB604 = false;                                  // ... pregnant or nursing women
    bool CB605 = false;                                  // ... juveniles
    bool CB606 = false;                                  // mutagenic or carcinogenic
    bool CB607 = false;                                  // bacterial or viral infection
    std::array<int, kWorkerGroupCount> hazardCategory{}; // hazard-card row per group, 0 = none

    friend bool operator==(const FactorRecord&, const FactorRecord&) = default;
};

// An entry of a factor list: the text shown (the catalogue line, whole), the tick, the record.
struct FactorEntry {
    std::string text;
    bool checked = false;
    std::unique_ptr<FactorRecord> record;

    FactorEntry() = default;
    FactorEntry(std::string t, bool c, std::unique_ptr<FactorRecord> r)
        : text(std::move(t)), checked(c), record(std::move(r)) {}
    FactorEntry(const FactorEntry& o)
        : text(o.text), checked(o.checked),
          record(o.record ? std::make_unique<FactorRecord>(*o.record) : nullptr) {}
    FactorEntry& operator=(const FactorEntry& o) {
        if (this != &o) *this = FactorEntry(o);
        return *this;
    }
    FactorEntry(FactorEntry&&) noexcept = default;
    FactorEntry& operator=(FactorEntry&&) noexcept = default;

    friend bool operator==(const FactorEntry& a, const FactorEntry& b) {
        return a.text == b.text && a.checked == b.checked &&
               (a.record && b.record ? *a.record == *b.record : a.record == b.record);
    }
};
using FactorList = std::vector<FactorEntry>;

struct WorkerRecord {
    std::string Ed401;         // first name
    std::string Ed402;         // surname
    int workerCategory = kMen; // 0..3
    std::string Ed403;         // position
    DayNumber DTP401 = 0;      // employment
    bool RB402 = true;         // qualifications adequate
    bool RB403 = true;         // medical examinations adequate
    DayNumber DTP402 = 0;      // next examination
    bool RB404 = true;         // general training
    bool RB405 = true;         // station training
    bool RB406 = true;         // first periodic training
    DayNumber DTP403 = 0;
    bool RB407 = true; // further periodic training
    DayNumber DTP404 = 0;
    bool examinationCurrent = false;
    bool trainingCurrent = false;
    bool trainingCurrent2 = false; // always stored equal to trainingCurrent

    friend bool operator==(const WorkerRecord&, const WorkerRecord&) = default;
};

// The worker register, kept sorted by surname (Polish order, case-sensitive), then by first
// name; workers that compare equal keep the order in which they came.
class WorkerList {
public:
    WorkerList() = default;
    WorkerList(const WorkerList& o);
    WorkerList& operator=(const WorkerList& o);
    WorkerList(WorkerList&&) noexcept = default;
    WorkerList& operator=(WorkerList&&) noexcept = default;

    // Inserts the record in its sorted place and returns that index.
    std::size_t insert(std::unique_ptr<WorkerRecord> record);
    void removeAt(std::size_t index);
    void clear() { items_.clear(); }

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const WorkerRecord& operator[](std::size_t i) const { return *items_[i]; }
    WorkerRecord& operator[](std::size_t i) { return *items_[i]; }
    // Index of the entry holding this record, or size() when it is not in the list.
    std::size_t indexOf(const WorkerRecord* record) const;

    friend bool operator==(const WorkerList& a, const WorkerList& b);

private:
    std::vector<std::unique_ptr<WorkerRecord>> items_;
};

// Ordering of the register.
bool workerSortsBefore(const WorkerRecord& a, const WorkerRecord& b);

using PlanRow = std::array<std::string, 3>; // task, responsible persons, deadline

struct Assessment {
    // A new assessment dated today, or dated the given day.
    Assessment();
    explicit Assessment(DayNumber today);

    // Every field takes its New value: lists emptied, checklist emptied, one empty plan row,
    // the assessment date today.
    void resetToNew();
    void resetToNew(DayNumber today);

    // 1. General data.
    std::string EdtZaklad; // multi-line
    std::string EdtRegon;
    RangedInt EdtNr{1, 999, 1};
    std::string EdtStanowisko;
    std::string EdtKStan;
    RangedInt EdtLStan{1, 999, 1};
    DayNumber DTPOcena = 0;
    std::string EdtJednostka;
    std::vector<PersonEntry> ListOdpow;
    std::vector<PersonEntry> ListKomisja;

    // 2. Station description.
    std::string Ed201;
    std::string Ed202;
    std::string Ed203;
    std::array<std::string, 10> memos; // mm204 .. mm213
    std::string& mm(int n) { return memos[static_cast<std::size_t>(n - 204)]; }
    const std::string& mm(int n) const { return memos[static_cast<std::size_t>(n - 204)]; }

    // 3. Training scope.
    RangedInt RG301{0, 2, 0};
    RangedInt RG302{0, 6, 0};

    // 4. Workers.
    WorkerList ListaPrac;
    RangedInt SE_m{0, 9999, 0};
    RangedInt SE_k{0, 9999, 0};
    RangedInt SE_kc{0, 9999, 0};
    RangedInt SE_ml{0, 9999, 0};
    std::string SE_razem = "0";
    std::array<int, kWorkerGroupCount> workerCounts{};
    RangedInt& countField(int group);
    const RangedInt& countField(int group) const;
    // Sets the four count fields, the total text and workerCounts together.
    void setWorkerCounts(const std::array<int, kWorkerGroupCount>& counts);

    // 5. Factor lists, one per catalogue.
    FactorList LB501; // chemical
    FactorList LB502; // dusts
    FactorList LB503; // physical (also lighting and electric current read from a file)
    FactorList LB504; // biological
    FactorList LB505; // onerous
    FactorList& factorList(int catalogue);             // 0..4
    const FactorList& factorList(int catalogue) const; // 0..4

    // 7. Hazard level card weights.
    RangedInt p1{0, 9999, 5000};
    RangedInt p2{0, 9999, 3000};
    RangedInt p3{0, 9999, 1000};
    RangedInt p4{0, 9999, 3000};
    RangedInt p5{0, 9999, 3000};
    RangedInt p6{0, 9999, 100};
    RangedInt p7{0, 9999, 10};
    RangedInt p8{0, 9999, 1000};
    RangedInt p9{0, 9999, 10};
    RangedInt& weight(int row);             // 1..9
    const RangedInt& weight(int row) const; // 1..9
    static constexpr std::array<int, 9> kDefaultWeights{5000, 3000, 1000, 3000, 3000,
                                                        100,  10,   1000, 10};

    // 8. Safety-state checklist.
    Checklist questions;

    // 9. Accidents and occupational diseases (kept at 0 or more).
    RangedInt SE901{0, kIntMax, 0};
    RangedInt SE902{0, kIntMax, 0};
    RangedInt SE903{0, kIntMax, 0};
    RangedInt SE904{0, kIntMax, 0};
    RangedInt SE905{0, kIntMax, 0};

    // 10. Supplementary card. SE1001..SE1005 are kept at 0 or more; SE1006 and the expert
    // index SE1007 take any value.
    RangedInt SE1001{0, kIntMax, 0};
    RangedInt SE1002{0, kIntMax, 0};
    RangedInt SE1003{0, kIntMax, 0};
    RangedInt SE1004{0, kIntMax, 0};
    RangedInt SE1005{0, kIntMax, 0};
    int SE1006 = 0;
    int SE1007 = 0;
    std::string Memo1;

    // 11. Lower limits of the risk bands "małe", "średnie", "duże", "bardzo duże". Each keeps a
    // gap of 2 to its neighbours through its moving bounds.
    RangedInt SE1101{3, 2998, 900};
    RangedInt SE1102{903, 4997, 3000};
    RangedInt SE1103{3003, 7997, 5000};
    RangedInt SE1104{5003, 9999999, 8000};
    RangedInt& bandLimit(int k);             // 1..4
    const RangedInt& bandLimit(int k) const; // 1..4
    static constexpr int kBandLimitFloor = 3;
    static constexpr int kBandLimitCeiling = 9999999;
    static constexpr int kBandLimitGap = 2;
    // Restores four stored limits exactly: the bounds are widened first, the four values set,
    // then the bounds derived from them. Values that break the order are mended into the
    // nearest ordered set (each at least 2 above the one before).
    void restoreBandLimits(int a, int b, int c, int d);
    // The bounds each limit gets from its neighbours: SE1101 from 3, SE1104 up to 9999999.
    void deriveBandBounds();

    // 12. Improvement plan: at least one data row at all times.
    std::vector<PlanRow> Plan;
    // Inserts a row before the last row, as rows read from a file are placed.
    void insertPlanRowBeforeLast(PlanRow row);

    // 13. Acquaintance list, one person per line (CR LF).
    std::string Osoby;

    friend bool operator==(const Assessment&, const Assessment&) = default;
};

// A fresh FactorRecord for a catalogue line (catalogue 0..4): name cut to 255 characters,
// measured today, factorGroup from the catalogue or, for the lighting and electric-current
// names, 6 or 7.
std::unique_ptr<FactorRecord> newFactorRecord(const std::string& name, int catalogue,
                                              DayNumber today);

// factorGroup of a factor of the given name from catalogue 0..4: the catalogue number plus one,
// except that the names "oświetlenie - natężenie" and "oświetlenie - równomierność" give 6 and
// "prąd elektryczny" gives 7, compared whole after folding A-Z (only) to small letters.
int factorGroupForName(const std::string& name, int catalogue);

// The catalogue list (0..4) into which a factor of this group is put when read from a file:
// groups 6 and 7 go to the physical list; -1 for a group outside 1..7.
int catalogueForFactorGroup(int factorGroup);

} // namespace tarnik
