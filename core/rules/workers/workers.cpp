#include "core/rules/workers/workers.h"

#include "core/base/text.h"
#include "core/rules/workers/training.h"

namespace tarnik {

namespace {

void refreshTotal(Assessment& a) {
    long long total = 0;
    for (int g = 0; g < kWorkerGroupCount; ++g) {
        a.workerCounts[static_cast<std::size_t>(g)] = a.countField(g).get();
        total += a.countField(g).get();
    }
    a.SE_razem = std::to_string(total);
}

} // namespace

WorkerRecord clearedWorkerFields(DayNumber assessmentDate) {
    WorkerRecord w;
    w.workerCategory = kMen;
    w.RB402 = w.RB403 = w.RB404 = w.RB405 = w.RB406 = w.RB407 = true;
    w.DTP401 = w.DTP402 = w.DTP403 = w.DTP404 = assessmentDate;
    return w;
}

bool workerNamesComplete(const WorkerRecord& fields) {
    return !fields.Ed401.empty() && !fields.Ed402.empty();
}

std::string workerName(const WorkerRecord& w) {
    const std::string first = trim(w.Ed401);
    const std::string last = trim(w.Ed402);
    if (first.empty()) return last;
    if (last.empty()) return first;
    return first + " " + last;
}

std::unique_ptr<WorkerRecord> makeWorkerRecord(const Assessment& a, const WorkerRecord& fields) {
    auto r = std::make_unique<WorkerRecord>(fields);
    r->Ed401 = utf8Left(fields.Ed401, 255);
    r->Ed402 = utf8Left(fields.Ed402, 255);
    r->Ed403 = utf8Left(fields.Ed403, 255);
    r->examinationCurrent = examinationCurrentFor(a, fields);
    r->trainingCurrent = trainingCurrentFor(a, fields);
    r->trainingCurrent2 = r->trainingCurrent;
    return r;
}

bool workersMissing(const Assessment& a) {
    int total = 0;
    if (!parseInt32(a.SE_razem, total)) total = 0;
    return total <= 0;
}

WorkerStoreResult PrDodajPrac(Assessment& a, const WorkerRecord& fields) {
    WorkerStoreResult result;
    if (!workerNamesComplete(fields)) {
        result.message = kIncompleteWorkerMessage;
        return result;
    }
    result.index = a.ListaPrac.insert(makeWorkerRecord(a, fields));
    result.ok = true;
    return result;
}

WorkerStoreResult PrKoniecEdycji(Assessment& a, std::size_t index, const WorkerRecord& fields) {
    WorkerStoreResult result;
    if (!workerNamesComplete(fields)) {
        result.message = kIncompleteWorkerEditMessage;
        return result;
    }
    // The new record is made before the old one goes, so nothing can fail in between.
    auto record = makeWorkerRecord(a, fields);
    PrUsunPrac(a, index);
    result.index = a.ListaPrac.insert(std::move(record));
    result.ok = true;
    return result;
}

bool PrUsunPrac(Assessment& a, std::size_t index) {
    if (index >= a.ListaPrac.size()) return false;
    a.ListaPrac.removeAt(index);
    return true;
}

void deleteWorker(Assessment& a, std::size_t index) {
    PrUsunPrac(a, index);
    UpdateWorkers(a);
    if (a.ListaPrac.empty()) a.setWorkerCounts({0, 0, 0, 0});
}

bool UpdateWorkers(Assessment& a) {
    if (a.ListaPrac.empty()) {
        refreshTotal(a);
        return true;
    }
    std::array<int, kWorkerGroupCount> counts{};
    for (std::size_t i = 0; i < a.ListaPrac.size(); ++i) {
        const int category = a.ListaPrac[i].workerCategory;
        if (category >= 0 && category < kWorkerGroupCount)
            ++counts[static_cast<std::size_t>(category)];
    }
    a.setWorkerCounts(counts);
    return false;
}

bool workerCountsEditable(const Assessment& a) {
    return a.ListaPrac.empty();
}

std::optional<std::string> SE_pracownicy(Assessment& a, int group, std::string_view text) {
    if (group < 0 || group >= kWorkerGroupCount) return std::nullopt;
    std::optional<std::string> shown;
    RangedInt& field = a.countField(group);
    if (text.empty()) {
        field.set(0);
        shown.emplace("0");
    } else {
        int value = 0;
        if (parseInt32(text, value)) {
            field.set(value);
            if (field.get() != value) shown = std::to_string(field.get());
        }
    }
    refreshTotal(a);
    return shown;
}

} // namespace tarnik
