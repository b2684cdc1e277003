#include "core/register/registerrow.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/base/collation.h"
#include "core/base/text.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/recompute.h"
#include "core/evaluation/risklevel.h"
#include "core/model/convert.h"
#include "core/model/trkfile.h"
#include "core/rules/plan/plan.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

// The last day the worker's training is current by the worker page's rule: current while the
// day is on or before the first training's deadline or the next further training's deadline;
// never lapsing when the plan requires no first training.
std::optional<DayNumber> trainingCurrentUntil(const TrainingPlan& plan, const WorkerRecord& w) {
    const std::optional<DayNumber> first = WymaganePierwszeSzkolenie(plan, w.DTP401);
    if (!first) return std::nullopt;
    const DayNumber further =
        WymaganeKolejneSzkolenie(plan, w.RB406, w.RB407, w.DTP403, w.DTP404, w.DTP401);
    return std::max(*first, further);
}

} // namespace

NextAssessment nextAssessmentOf(const std::string& grade, DayNumber assessmentDate) {
    const NextAssessmentRule rule = nextAssessmentRule(grade);
    switch (rule.timing) {
    case NextAssessmentRule::Timing::NotNeeded:
        return {};
    case NextAssessmentRule::Timing::Immediately:
        return {NextAssessment::Kind::Immediately, 0};
    case NextAssessmentRule::Timing::WithinDays:
        break;
    }
    return {NextAssessment::Kind::On, wholeDay(addDays(assessmentDate, rule.days))};
}

int RegisterRow::examsOverdue(DayNumber today) const {
    return static_cast<int>(std::count_if(workers.begin(), workers.end(), [&](const auto& w) {
        return !PrAktualneBadanie(w.examination, today);
    }));
}

int RegisterRow::trainingsOverdue(DayNumber today) const {
    const DayNumber day = wholeDay(today);
    return static_cast<int>(std::count_if(workers.begin(), workers.end(), [&](const auto& w) {
        return w.trainingCurrentUntil && day > *w.trainingCurrentUntil;
    }));
}

namespace {

// The row of an assessment that may be changed on the way: its values are brought up to date as
// printing does.
RegisterRow rowOfOwned(Assessment& a) {
    Evaluation e;
    e.afterDocumentLoaded(a);
    recomputeEvaluation(a, e);

    RegisterRow row;
    row.EdtZaklad = a.EdtZaklad;
    row.EdtStanowisko = a.EdtStanowisko;
    row.EdtKStan = a.EdtKStan;
    row.EdtNr = a.EdtNr.get();
    row.DTPOcena = wholeDay(a.DTPOcena);
    row.riskLevel = e.riskLevel;
    row.riskGrade = e.riskGrade;
    row.nextAssessment = nextAssessmentOf(e.riskGrade, a.DTPOcena);
    row.planTasks = static_cast<int>(std::count_if(a.Plan.begin(), a.Plan.end(),
                                                   [](const auto& r) { return !planRowEmpty(r); }));
    const TrainingPlan plan = trainingPlanOf(a);
    row.workers.reserve(a.ListaPrac.size());
    for (std::size_t i = 0; i < a.ListaPrac.size(); ++i) {
        const WorkerRecord& w = a.ListaPrac[i];
        row.workers.push_back({workerName(w), wholeDay(w.DTP402), trainingCurrentUntil(plan, w)});
    }
    return row;
}

} // namespace

RegisterRow registerRowOf(const Assessment& document) {
    // On a copy, so that the caller's assessment keeps what it holds.
    Assessment a = document;
    return rowOfOwned(a);
}

RegisterRow readRegisterRow(const std::filesystem::path& path, const std::string& relative) {
    // Opened as the command line opens a file, except that the factors that are not ticked are
    // left out: the row does not depend on them, and they are most of a file that carries the
    // whole catalogues.
    Assessment a;
    a.questions.clear();
    TrkReadOptions options;
    options.skipUntickedFactors = true;
    // One buffer a thread, kept from file to file unless an unusually large file made it big.
    thread_local ReadBuffer buffer;
    options.buffer = &buffer;
    RegisterRow row;
    if (auto failure = openForCommandLine(path, a, options)) {
        row.error = std::move(*failure);
    } else {
        row = rowOfOwned(a);
    }
    buffer.shrinkAbove(std::size_t{16} << 20);
    row.file = relative;
    return row;
}

std::string stationKey(const RegisterRow& row) {
    // The unit separator cannot be typed into a field, so no two different triples meet.
    std::string key = foldForSearch(trim(row.EdtZaklad));
    key += '\x1f';
    key += foldForSearch(trim(row.EdtStanowisko));
    key += '\x1f';
    key += foldForSearch(trim(row.EdtKStan));
    return key;
}

DueState dueState(const NextAssessment& next, DayNumber today, int soonDays) {
    switch (next.kind) {
    case NextAssessment::Kind::None:
        return DueState::None;
    case NextAssessment::Kind::Immediately:
        return DueState::Overdue;
    case NextAssessment::Kind::On:
        break;
    }
    return dueState(next.date, today, soonDays);
}

DueState dueState(DayNumber date, DayNumber today, int soonDays) {
    const int days = daysUntil(date, today);
    if (days < 0) return DueState::Overdue;
    if (days <= soonDays) return DueState::Soon;
    return DueState::Later;
}

int daysUntil(DayNumber date, DayNumber today) {
    return static_cast<int>(wholeDay(date) - wholeDay(today));
}

std::string isoDate(DayNumber date) {
    const CivilDate d = civilFromDayNumber(date);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::optional<DayNumber> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    if (!isValidCivil(parts[0], parts[1], parts[2]) || parts[0] < 1) return std::nullopt;
    return dayNumberFromCivil(parts[0], parts[1], parts[2]);
}

} // namespace tarnik
