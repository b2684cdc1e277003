#include "core/reassessment/comparison.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <tuple>

#include "core/base/text.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/recompute.h"
#include "core/evaluation/summary.h"
#include "core/model/convert.h"
#include "core/register/registerrow.h"
#include "core/report/reporttexts.h"
#include "core/rules/plan/plan.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

// An assessment with its figures brought up to date as printing does, on a copy of its own.
struct Evaluated {
    Assessment a;
    Evaluation e;
    explicit Evaluated(const Assessment& document) : a(document) {
        e.afterDocumentLoaded(a);
        recomputeEvaluation(a, e);
    }
};

using Value = std::optional<std::string>;

void addIfDifferent(std::vector<Difference>& out, const std::string& key,
                    const std::string& caption, const Value& oldValue, const Value& newValue) {
    if (oldValue != newValue) out.push_back({key, caption, oldValue, newValue});
}

// The worker groups as the hazard card's legend names them.
constexpr std::array<const char*, kWorkerGroupCount> kGroupNames{
    "mężczyźni", "kobiety", "kobiety w ciąży lub w okresie karmienia", "młodociani"};
// The worker counts as the worker page captions them.
constexpr std::array<const char*, kWorkerGroupCount> kCountCaptions{
    "Liczba pracowników: mężczyzn", "Liczba pracowników: kobiet",
    "Liczba pracowników: kobiet w ciąży lub w okresie karmienia",
    "Liczba pracowników: młodocianych"};
constexpr std::array<const char*, kWorkerGroupCount> kCountFields{"SE_m", "SE_k", "SE_kc", "SE_ml"};
constexpr std::array<const char*, kWorkerGroupCount> kGroupKeys{"men", "women", "pregnantOrNursing",
                                                                "juveniles"};
constexpr std::array<const char*, 10> kMemoCaptions{"Rodzaj produkcji",
                                                    "Technologia",
                                                    "Materiały, surowce",
                                                    "Maszyny, urządzenia i narzędzia",
                                                    "Podstawowe zagrożenia",
                                                    "Opis pracy - czynności",
                                                    "Sposób wykonywania pracy",
                                                    "Czas pracy z podziałem na czynności",
                                                    "Środki ochrony indywidualnej",
                                                    "Środki ochrony zbiorowej"};

template <std::size_t N> std::string item(const std::array<const char*, N>& items, int index) {
    return items[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
}

// "Jan Kowalski, kierownik; Anna Nowak" — the persons of a list in their order.
std::string personsText(const std::vector<PersonEntry>& people) {
    std::string out;
    for (const PersonEntry& p : people) {
        std::string name = trim(p.firstName);
        const std::string surname = trim(p.surname);
        if (!surname.empty()) name += name.empty() ? surname : " " + surname;
        const std::string position = trim(p.position);
        if (!position.empty()) name += name.empty() ? position : ", " + position;
        if (!out.empty()) out += "; ";
        out += name;
    }
    return out;
}

std::vector<Difference> generalDifferences(const Assessment& o, const Assessment& n) {
    std::vector<Difference> out;
    const auto text = [&](const char* key, const char* caption, const std::string& a,
                          const std::string& b) { addIfDifferent(out, key, caption, a, b); };
    text("EdtZaklad", "Nazwa zakładu", o.EdtZaklad, n.EdtZaklad);
    text("EdtRegon", "Regon", o.EdtRegon, n.EdtRegon);
    text("EdtNr", "Nr kolejny oceny stanowiska", std::to_string(o.EdtNr.get()),
         std::to_string(n.EdtNr.get()));
    text("EdtStanowisko", "Nazwa stanowiska", o.EdtStanowisko, n.EdtStanowisko);
    text("EdtKStan", "Kod stanowiska", o.EdtKStan, n.EdtKStan);
    text("EdtLStan", "Liczba stanowisk", std::to_string(o.EdtLStan.get()),
         std::to_string(n.EdtLStan.get()));
    text("DTPOcena", "Data oceny", formatPolishDate(o.DTPOcena), formatPolishDate(n.DTPOcena));
    text("EdtJednostka", "Nazwa jednostki dokonującej oceny ryzyka", o.EdtJednostka,
         n.EdtJednostka);
    text("ListOdpow", "Osoby odpowiedzialne za stan bezpieczeństwa na stanowisku",
         personsText(o.ListOdpow), personsText(n.ListOdpow));
    text("ListKomisja", "Skład komisji", personsText(o.ListKomisja), personsText(n.ListKomisja));
    text("Ed201", "Wydział", o.Ed201, n.Ed201);
    text("Ed202", "Hala/pomieszczenie", o.Ed202, n.Ed202);
    text("Ed203", "Ustawienie – lokalizacja", o.Ed203, n.Ed203);
    for (int m = 204; m <= 213; ++m)
        text(("mm" + std::to_string(m)).c_str(), kMemoCaptions[static_cast<std::size_t>(m - 204)],
             o.mm(m), n.mm(m));
    text("RG301", "Pierwsze szkolenie okresowe", item(kFirstTrainingItems, o.RG301.get()),
         item(kFirstTrainingItems, n.RG301.get()));
    text("RG302", "Kolejne szkolenia okresowe", item(kFurtherTrainingItems, o.RG302.get()),
         item(kFurtherTrainingItems, n.RG302.get()));
    return out;
}

// Pairs the items of two lists that share a name, the first of a name with the first, the second
// with the second, and so on; calls `both` for each pair, `onlyOld` and `onlyNew` for the rest,
// in the order of the older list and then of the newer one.
template <class T>
void pairByName(const std::vector<T>& older, const std::vector<T>& newer,
                const std::function<std::string(const T&)>& name,
                const std::function<void(const T*, const T*)>& visit) {
    std::map<std::string, std::vector<std::size_t>> newByName;
    for (std::size_t i = 0; i < newer.size(); ++i)
        newByName[name(newer[i])].push_back(i);
    std::map<std::string, std::size_t> taken;
    std::vector<bool> used(newer.size(), false);
    for (const T& o : older) {
        const std::string key = name(o);
        const auto it = newByName.find(key);
        std::size_t& next = taken[key];
        if (it != newByName.end() && next < it->second.size()) {
            const std::size_t j = it->second[next++];
            used[j] = true;
            visit(&o, &newer[j]);
        } else {
            visit(&o, nullptr);
        }
    }
    for (std::size_t j = 0; j < newer.size(); ++j)
        if (!used[j]) visit(nullptr, &newer[j]);
}

std::vector<Difference> workerDifferences(const Assessment& o, const Assessment& n) {
    std::vector<Difference> out;
    const auto workersOf = [](const Assessment& a) {
        std::vector<const WorkerRecord*> list;
        for (std::size_t i = 0; i < a.ListaPrac.size(); ++i)
            list.push_back(&a.ListaPrac[i]);
        return list;
    };
    using W = const WorkerRecord*;
    pairByName<W>(
        workersOf(o), workersOf(n), [](const W& w) { return workerName(*w); },
        [&](const W* before, const W* after) {
            const W& w = before ? *before : *after;
            const std::string name = workerName(*w);
            const auto group = [](const W* x) -> Value {
                if (!x) return std::nullopt;
                return item(kWorkerCategoryItems, (*x)->workerCategory);
            };
            addIfDifferent(out, name, name, group(before), group(after));
        });
    if (o.ListaPrac.empty() && n.ListaPrac.empty()) {
        for (int g = 0; g < kWorkerGroupCount; ++g) {
            const auto i = static_cast<std::size_t>(g);
            addIfDifferent(out, kCountFields[i], kCountCaptions[i],
                           std::to_string(o.countField(g).get()),
                           std::to_string(n.countField(g).get()));
        }
    }
    return out;
}

// A factor of one of the lists, named as the list shows it, in the catalogue that a file puts it
// into (so that a factor read back from a file stands where it stood).
struct FactorRef {
    std::string name;
    const FactorEntry* entry;
};

std::vector<FactorRef> factorsOf(const Assessment& a, int catalogue) {
    std::vector<FactorRef> out;
    for (int list = 0; list < kCatalogueCount; ++list) {
        for (const FactorEntry& f : a.factorList(list)) {
            const int home = f.record ? catalogueForFactorGroup(f.record->factorGroup) : list;
            if ((home < 0 ? list : home) != catalogue) continue;
            out.push_back({f.record ? f.record->name : f.text, &f});
        }
    }
    return out;
}

std::string hazardRowText(int row) {
    if (row < 1 || row > static_cast<int>(kHazardCardRows.size())) return "brak";
    return std::to_string(row) + ". " + kHazardCardRows[static_cast<std::size_t>(row - 1)];
}

std::vector<Difference> factorDifferences(const Assessment& o, const Assessment& n) {
    std::vector<Difference> out;
    for (int catalogue = 0; catalogue < kCatalogueCount; ++catalogue) {
        pairByName<FactorRef>(
            factorsOf(o, catalogue), factorsOf(n, catalogue),
            [](const FactorRef& f) { return f.name; },
            [&](const FactorRef* before, const FactorRef* after) {
                const std::string& name = (before ? before : after)->name;
                const bool wasTicked = before && before->entry->checked;
                const bool isTicked = after && after->entry->checked;
                if (wasTicked != isTicked) {
                    const auto state = [](const FactorRef* f) -> Value {
                        if (!f) return std::nullopt;
                        return f->entry->checked ? "zaznaczony" : "nie zaznaczony";
                    };
                    out.push_back({name, name, state(before), state(after)});
                    return;
                }
                if (!wasTicked) return;
                const FactorRecord* r1 = before->entry->record.get();
                const FactorRecord* r2 = after->entry->record.get();
                for (std::size_t g = 0; g < kGroupNames.size(); ++g) {
                    const int row1 = r1 ? r1->hazardCategory[g] : 0;
                    const int row2 = r2 ? r2->hazardCategory[g] : 0;
                    const std::string caption = name + " — " + kGroupNames[g];
                    addIfDifferent(out, caption, caption, hazardRowText(row1), hazardRowText(row2));
                }
            });
    }
    return out;
}

Value nextAssessmentText(const Evaluated& x) {
    const NextAssessment next = nextAssessmentOf(x.e.riskGrade, x.a.DTPOcena);
    switch (next.kind) {
    case NextAssessment::Kind::None:
        return std::nullopt;
    case NextAssessment::Kind::Immediately:
        return "niezwłocznie";
    case NextAssessment::Kind::On:
        break;
    }
    return formatPolishDate(next.date);
}

std::vector<Difference> figureDifferences(const Evaluated& o, const Evaluated& n) {
    std::vector<Difference> out;
    const auto number = [&](const std::string& key, const std::string& caption, int a, int b) {
        addIfDifferent(out, key, caption, std::to_string(a), std::to_string(b));
    };
    for (std::size_t g = 0; g < kGroupNames.size(); ++g)
        number(std::string("groupExposureIndex.") + kGroupKeys[g],
               std::string("Wskaźnik narażenia — ") + kGroupNames[g], o.e.groupExposureIndex[g],
               n.e.groupExposureIndex[g]);
    number("totalExposureIndex", "Łączny wskaźnik narażenia", o.e.totalExposureIndex,
           n.e.totalExposureIndex);
    number("frequencyIndex", "Wskaźnik częstotliwości", o.e.frequencyIndex, n.e.frequencyIndex);
    number("severityIndex", "Wskaźnik ciężkości", o.e.severityIndex, n.e.severityIndex);
    number("correctedSeverityIndex",
           "Wskaźnik ciężkości skorygowany o liczbę wypadków śmiertelnych",
           o.e.correctedSeverityIndex, n.e.correctedSeverityIndex);
    number("diseaseIndex", "Wskaźnik chorób zawodowych", o.e.diseaseIndex, n.e.diseaseIndex);
    number("probabilityIndex", "Wskaźnik prawdopodobieństwa", o.e.probabilityIndex,
           n.e.probabilityIndex);
    number("planIndex", "Wskaźnik planu", o.e.planIndex, n.e.planIndex);
    number("safetyIndex", "Wskaźnik bhp", o.e.safetyIndex, n.e.safetyIndex);
    number("protectionIndex", "Wskaźnik ochrony", o.e.protectionIndex, n.e.protectionIndex);
    number("expertIndex", "Wskaźnik eksperta", o.e.expertIndex, n.e.expertIndex);
    number("riskLevel", "Poziom ryzyka", o.e.riskLevel, n.e.riskLevel);
    addIfDifferent(out, "riskGrade", "Ryzyko", o.e.riskGrade, n.e.riskGrade);
    addIfDifferent(out, "nextAssessment", "Termin następnej oceny", nextAssessmentText(o),
                   nextAssessmentText(n));
    return out;
}

std::vector<Difference> planDifferences(const Assessment& o, const Assessment& n) {
    std::vector<Difference> out;
    const auto tasksOf = [](const Assessment& a) {
        std::vector<const PlanRow*> rows;
        for (const PlanRow& r : a.Plan)
            if (!planRowEmpty(r)) rows.push_back(&r);
        return rows;
    };
    const bool finished = n.EdtNr.get() > o.EdtNr.get();
    using R = const PlanRow*;
    pairByName<R>(
        tasksOf(o), tasksOf(n), [](const R& r) { return trim((*r)[0]); },
        [&](const R* before, const R* after) {
            const std::string task = trim((**(before ? before : after))[0]);
            if (!before) {
                out.push_back({task, task, std::nullopt, "dodane"});
                return;
            }
            if (!after) {
                out.push_back({task, task, "w planie", finished ? "zrealizowane" : "usunięte"});
                return;
            }
            const std::string persons = task + " — osoby odpowiedzialne";
            addIfDifferent(out, persons, persons, trim((**before)[1]), trim((**after)[1]));
            const std::string deadline = task + " — termin realizacji";
            addIfDifferent(out, deadline, deadline, trim((**before)[2]), trim((**after)[2]));
        });
    return out;
}

std::string titleOf(const Assessment& a) {
    std::string title =
        "Ocena nr " + std::to_string(a.EdtNr.get()) + " z " + formatPolishDate(a.DTPOcena);
    const std::string station = trim(a.EdtStanowisko);
    if (!station.empty()) title += " (" + station + ")";
    return title;
}

void jsonList(std::string& out, const char* name, const char* keyName,
              const std::vector<Difference>& list, bool last) {
    out += "  ";
    out += jsonString(name);
    out += ": [";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Difference& d = list[i];
        out += i == 0 ? "\n    {" : ",\n    {";
        out += jsonString(keyName) + ": " + jsonString(d.key);
        out += ", \"old\": " + (d.oldValue ? jsonString(*d.oldValue) : std::string("null"));
        out += ", \"new\": " + (d.newValue ? jsonString(*d.newValue) : std::string("null"));
        out += "}";
    }
    out += list.empty() ? "]" : "\n  ]";
    out += last ? "\n" : ",\n";
}

} // namespace

AssessmentComparison compareAssessments(const Assessment& older, const Assessment& newer) {
    const Evaluated o(older);
    const Evaluated n(newer);
    AssessmentComparison c;
    c.oldTitle = titleOf(older);
    c.newTitle = titleOf(newer);
    c.station = newer.EdtStanowisko;
    c.general = generalDifferences(o.a, n.a);
    c.workers = workerDifferences(o.a, n.a);
    c.factors = factorDifferences(o.a, n.a);
    c.figures = figureDifferences(o, n);
    c.plan = planDifferences(o.a, n.a);
    return c;
}

bool assessedBefore(const Assessment& a, const Assessment& b) {
    if (a.EdtNr.get() != b.EdtNr.get()) return a.EdtNr.get() < b.EdtNr.get();
    return wholeDay(a.DTPOcena) <= wholeDay(b.DTPOcena);
}

std::string comparisonJson(const AssessmentComparison& c) {
    std::string out = "{\n";
    jsonList(out, "general", "field", c.general, false);
    jsonList(out, "workers", "name", c.workers, false);
    jsonList(out, "factors", "name", c.factors, false);
    jsonList(out, "figures", "field", c.figures, false);
    jsonList(out, "plan", "name", c.plan, true);
    return out + "}\n";
}

ComparisonFilesResult compareTrkFiles(const std::filesystem::path& older,
                                      const std::filesystem::path& newer) {
    Assessment a[2];
    const std::filesystem::path* paths[2] = {&older, &newer};
    for (int i = 0; i < 2; ++i) {
        a[i].questions.clear();
        if (auto failure = openForCommandLine(*paths[i], a[i])) {
            const std::u8string text = paths[i]->u8string();
            const std::string name(text.begin(), text.end());
            if (failure->find(name) == std::string::npos) *failure = name + ": " + *failure;
            return {1, std::move(*failure), {}};
        }
    }
    return {0, {}, comparisonJson(compareAssessments(a[0], a[1]))};
}

} // namespace tarnik
