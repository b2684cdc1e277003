#include "core/reassessment/nextassessment.h"

#include <cctype>

#include "core/base/errors.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/recompute.h"
#include "core/rules/plan/plan.h"

namespace tarnik {

std::vector<PlanRow> previousPlanTasks(const Assessment& previous) {
    std::vector<PlanRow> tasks;
    for (const PlanRow& row : previous.Plan)
        if (!planRowEmpty(row)) tasks.push_back(row);
    return tasks;
}

int computedTotalExposureIndex(const Assessment& a) {
    Assessment copy = a;
    Evaluation e;
    recomputeEvaluation(copy, e);
    return e.totalExposureIndex;
}

Assessment nextAssessmentFrom(const Assessment& previous, DayNumber today,
                              const std::vector<bool>& done) {
    Assessment next = previous;
    next.EdtNr = previous.EdtNr + 1;
    next.DTPOcena = today;

    // The supplementary card's figures of the previous assessment.
    next.SE1003 = computedTotalExposureIndex(previous);
    const std::vector<PlanRow> tasks = previousPlanTasks(previous);
    next.SE1005 = static_cast<int>(tasks.size());
    next.Plan.clear();
    for (std::size_t i = 0; i < tasks.size(); ++i)
        if (i >= done.size() || !done[i]) next.Plan.push_back(tasks[i]);
    next.SE1006 = static_cast<int>(next.Plan.size());
    if (next.Plan.empty()) next.Plan.emplace_back();

    // What belongs to the period of one assessment.
    for (std::size_t i = 0; i < next.questions.questionCount(); ++i)
        next.questions.setAnswer(i, {});
    for (RangedInt* f : {&next.SE901, &next.SE902, &next.SE903, &next.SE904, &next.SE905})
        *f = 0;
    next.SE1007 = 0;
    next.Memo1.clear();
    next.Osoby.clear();

    Evaluation e;
    recomputeEvaluation(next, e);
    return next;
}

std::optional<std::vector<bool>> parseFinishedTasks(std::string_view text, std::size_t taskCount,
                                                    std::string& error) {
    std::vector<bool> done(taskCount, false);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t i = 0;
    bool any = false;
    while (i < text.size()) {
        std::size_t start = i;
        while (i < text.size() && text[i] != ',')
            ++i;
        std::string_view item = text.substr(start, i - start);
        while (!item.empty() && blank(item.front()))
            item.remove_prefix(1);
        while (!item.empty() && blank(item.back()))
            item.remove_suffix(1);
        const bool last = i >= text.size();
        ++i;                                     // past the comma
        if (item.empty() && last && !any) break; // an empty or blank text
        bool digits = !item.empty() && item.size() <= 6;
        for (char c : item)
            digits = digits && std::isdigit(static_cast<unsigned char>(c));
        if (!digits) {
            error = "„" + std::string(item) + "” nie jest numerem zadania.";
            return std::nullopt;
        }
        const std::size_t n = static_cast<std::size_t>(std::stoul(std::string(item)));
        if (n < 1 || n > taskCount) {
            error = taskCount == 0 ? "Plan poprzedniej oceny nie ma zadań, a podano zadanie " +
                                         std::to_string(n) + "."
                                   : "Zadanie " + std::to_string(n) +
                                         " nie istnieje: plan poprzedniej oceny "
                                         "ma zadania od 1 do " +
                                         std::to_string(taskCount) + ".";
            return std::nullopt;
        }
        if (done[n - 1]) {
            error = "Zadanie " + std::to_string(n) + " podano dwa razy.";
            return std::nullopt;
        }
        done[n - 1] = true;
        any = true;
    }
    return done;
}

std::string nextAssessmentFileStem(std::string_view previousStem, int previousNr, int nextNr) {
    std::size_t digits = previousStem.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(previousStem[digits - 1])))
        --digits;
    const std::string_view tail = previousStem.substr(digits);
    // The number at the end counts when it is the previous number, leading zeros aside.
    if (!tail.empty() && tail.size() <= 9 && std::stoi(std::string(tail)) == previousNr) {
        std::string number = std::to_string(nextNr);
        // Keep the width of a number written with leading zeros ("ocena 01" → "ocena 02").
        if (tail.size() > number.size() && tail.front() == '0')
            number.insert(0, tail.size() - number.size(), '0');
        return std::string(previousStem.substr(0, digits)) + number;
    }
    return std::string(previousStem) + " nr " + std::to_string(nextNr);
}

ConvertResult writeNextAssessmentFile(const std::filesystem::path& previous,
                                      const std::filesystem::path& out, DayNumber today,
                                      std::string_view finished) {
    std::error_code ec;
    if (std::filesystem::exists(out, ec) && std::filesystem::equivalent(previous, out, ec))
        return {1, "Nowa ocena nie może zastąpić pliku poprzedniej oceny: podaj inną nazwę."};
    Assessment a;
    a.questions.clear();
    if (auto failure = openForCommandLine(previous, a)) return {1, std::move(*failure)};
    std::string error;
    const auto done = parseFinishedTasks(finished, previousPlanTasks(a).size(), error);
    if (!done) return {1, error};
    try {
        saveTrkFile(nextAssessmentFrom(a, today, *done), out);
        return {0, {}};
    } catch (const FileError& e) {
        return {1, oneLine(e.what())};
    }
}

} // namespace tarnik
