#pragma once
// The worker register ("Pracownicy"): checking and storing the edited worker, removing one, and
// the worker counts per group. The register itself is Assessment::ListaPrac (a WorkerList kept
// sorted by surname in the case-sensitive Polish order); the three-state editor belongs to the
// page, which keeps the edited fields in a WorkerRecord and calls these rules.
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// The items of RG401, by workerCategory.
inline constexpr std::array<const char*, 4> kWorkerCategoryItems{
    "mężczyzna", "kobieta", "kobieta w ciąży lub w okresie karmienia", "młodociany"};

// Messages of the worker page.
inline constexpr const char* kIncompleteWorkerMessage =
    "Dane pracownika niekompletne. Brakuje imienia lub nazwiska.";
inline constexpr const char* kIncompleteWorkerEditMessage =
    "Dane pracownika niekompletne. Brakuje imienia lub nazwiska. Uzupełnij dane lub usuń tego "
    "pracownika z listy wciskając przycisk \"Usuń\".";
inline constexpr const char* kIncompleteWorkerTitle = "Brak danych";
// PrKoniecNowy's question (buttons Yes and No; the title is a single blank).
inline constexpr const char* kAddWorkerQuestion = "Czy chcesz dodać tego pracownika do listy?";
inline constexpr const char* kAddWorkerQuestionTitle = " ";
// The wizard's check before it leaves the worker page: four lines joined by CR LF.
inline constexpr const char* kWorkersMissingMessage =
    "Brakuje danych na temat pracowników.\r\n"
    "Do prawidłowego obliczenia ryzyka potrzebna jest liczba pracowników w poszczególnych "
    "grupach.\r\n"
    "Proszę wprowadzić dane pracowników pracujących na ocenianym stanowisku, albo wpisać "
    "liczbę\r\n"
    "pracowników zaliczonych do odpowiednich grup.";
inline constexpr const char* kWorkersMissingTitle = "Brak danych";

// The edit fields as PrWyczyscEdycje leaves them: empty texts, "mężczyzna", every "tak" button
// selected, the four dates the assessment date.
WorkerRecord clearedWorkerFields(DayNumber assessmentDate);

// Both names present: a name is missing only when its text is empty (it is not trimmed, so a
// single blank counts as a name).
bool workerNamesComplete(const WorkerRecord& fields);

// "Imię Nazwisko" as lists and calendars name a worker: both trimmed, one of them alone when the
// other is blank.
std::string workerName(const WorkerRecord& w);

// A record made from the edit fields: texts cut to 255 characters, examinationCurrent and both
// copies of trainingCurrent computed against the assessment's plan and date at this moment.
std::unique_ptr<WorkerRecord> makeWorkerRecord(const Assessment& a, const WorkerRecord& fields);

// What a store of the edit fields came to.
struct WorkerStoreResult {
    bool ok = false;
    std::size_t index = 0;         // where the worker now stands in ListaPrac (when ok)
    const char* message = nullptr; // to show when not ok, with kIncompleteWorkerTitle
};

// The forward check of the worker page: the workers are missing when the total SE_razem, read
// as an integer, is 0 or less (a text that is no integer counts as none).
bool workersMissing(const Assessment& a);

// PrDodajPrac: checks the names (kIncompleteWorkerMessage when one is missing, nothing changes)
// and inserts a new record made from the fields in its sorted place.
WorkerStoreResult PrDodajPrac(Assessment& a, const WorkerRecord& fields);

// PrKoniecEdycji: ends the edit of the worker at `index`. With a name missing nothing changes and
// the result carries kIncompleteWorkerEditMessage (the caller must not go on). Otherwise the
// entry is replaced by a new record made from the fields, in its sorted place, with the currency
// flags computed again; the register is never left half-changed. An index outside the register
// adds the fields as a new worker.
WorkerStoreResult PrKoniecEdycji(Assessment& a, std::size_t index, const WorkerRecord& fields);

// PrUsunPrac: removes the worker at `index`; false when there is none there.
bool PrUsunPrac(Assessment& a, std::size_t index);

// The "Usuń" button: PrUsunPrac, UpdateWorkers and, when the register is now empty, all four
// counts and the total set to 0.
void deleteWorker(Assessment& a, std::size_t index);

// UpdateWorkers: with an empty register the four typed counts stand (SE_razem their sum,
// workerCounts their values); otherwise the counts are those of the register by workerCategory
// and replace whatever was typed. Returns whether the count fields may be edited (register
// empty). The evaluation's exposedWorkers and overLimitWorkers, which UpdateWorkers also zeroes
// when the register is not empty, are not in this module: the caller zeroes them.
bool UpdateWorkers(Assessment& a);

// Whether the four count fields are typed in (register empty) or derived and locked.
bool workerCountsEditable(const Assessment& a);

// SE_pracownicy: the count field of `group` (0..3) now shows `text`. An empty text counts as 0
// and the field is to show "0"; a number is brought within 0..9999; a text that is no number
// (a lone "-" or "+" while typing) keeps the previous counts. Then SE_razem is the sum of the
// four fields and workerCounts take their values. Returns the text the field must show when it
// is not what was typed ("0" for an empty one, the bound for a number beyond it), else nullopt.
std::optional<std::string> SE_pracownicy(Assessment& a, int group, std::string_view text);

} // namespace tarnik
