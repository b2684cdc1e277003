#include "core/rules/plan/plan.h"

#include <algorithm>
#include <limits>

#include "core/base/collation.h"
#include "core/base/text.h"

namespace tarnik {

bool planRowEmpty(const PlanRow& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& c) { return c.empty(); });
}

bool removeEmptyPlanRows(std::vector<PlanRow>& plan) {
    if (plan.empty()) {
        plan.emplace_back();
        return true;
    }
    bool changed = false;
    for (std::size_t i = plan.size(); i-- > 0 && plan.size() > 1;) {
        if (!planRowEmpty(plan[i])) continue;
        plan.erase(plan.begin() + static_cast<std::ptrdiff_t>(i));
        changed = true;
    }
    return changed;
}

int deletePlanRows(std::vector<PlanRow>& plan, int firstRow, int lastRow) {
    if (firstRow > lastRow) std::swap(firstRow, lastRow);
    if (firstRow < 1) return 0;
    int deleted = 0;
    for (int r = lastRow; r >= firstRow; --r) {
        const auto index = static_cast<std::size_t>(r - 1);
        if (index >= plan.size() || plan.size() <= 1) continue;
        plan.erase(plan.begin() + static_cast<std::ptrdiff_t>(index));
        ++deleted;
    }
    return deleted;
}

std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false; // a line has begun that no break has ended yet
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open) lines.push_back(std::move(current));
    return lines;
}

std::string addWorkersToAcquaintanceList(const std::string& osoby, const WorkerList& workers) {
    return addWorkersToAcquaintanceList(osoby, workers, std::numeric_limits<std::size_t>::max())
        .text;
}

AcquaintanceAddition addWorkersToAcquaintanceList(const std::string& osoby,
                                                  const WorkerList& workers, std::size_t limit) {
    const PolishLess less{CaseMode::Insensitive};
    std::vector<std::string> lines = textLines(osoby);
    std::stable_sort(lines.begin(), lines.end(), less);
    // The length of the lines joined by CR LF.
    std::size_t length = 0;
    for (const std::string& line : lines)
        length += utf8Length(line);
    if (lines.size() > 1) length += 2 * (lines.size() - 1);
    AcquaintanceAddition result;
    for (std::size_t i = 0; i < workers.size(); ++i) {
        std::string line = workers[i].Ed401 + " " + workers[i].Ed402;
        // Lines equal but for letter case compare equal in this order.
        const auto [first, last] = std::equal_range(lines.begin(), lines.end(), line, less);
        if (first != last) continue;
        const std::size_t added = utf8Length(line) + (lines.empty() ? 0 : 2);
        if (added > limit || length > limit - added) {
            ++result.leftOut;
            continue;
        }
        length += added;
        lines.insert(last, std::move(line));
    }
    result.text = joinCrLf(lines);
    return result;
}

std::size_t wholeLinesThatFit(const std::vector<std::string>& lines, std::size_t room) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t added = utf8Length(lines[i]) + (i == 0 ? 0 : 2);
        if (added > room || length > room - added) return i;
        length += added;
    }
    return lines.size();
}

std::string cleanAcquaintanceList(const std::string& osoby) {
    std::vector<std::string> kept;
    for (const std::string& line : textLines(osoby)) {
        std::string t = trim(line);
        if (!t.empty()) kept.push_back(std::move(t));
    }
    return joinCrLf(kept);
}

namespace {

enum class CountForm { One, Few, Many };

// 1 → One; 2-4, 22-24, 32-34 ... (but not 12-14) → Few; everything else → Many.
CountForm countForm(std::size_t n) {
    if (n == 1) return CountForm::One;
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) return CountForm::Few;
    return CountForm::Many;
}

} // namespace

std::string namesLeftOutMessage(std::size_t count, std::size_t limit) {
    static constexpr const char* kVerb[] = {"zmieściła", "zmieściły", "zmieściło"};
    static constexpr const char* kNoun[] = {"osoba", "osoby", "osób"};
    const auto f = static_cast<std::size_t>(countForm(count));
    return std::string("Nie ") + kVerb[f] + " się " + std::to_string(count) + " " + kNoun[f] +
           " z listy: tekst może mieć najwyżej " + std::to_string(limit) + " znaków.";
}

std::string charactersLeftOutMessage(std::size_t count, std::string_view what, std::size_t limit) {
    static constexpr const char* kVerb[] = {"zmieścił", "zmieściły", "zmieściło"};
    static constexpr const char* kNoun[] = {"znak", "znaki", "znaków"};
    const auto f = static_cast<std::size_t>(countForm(count));
    return std::string("Nie ") + kVerb[f] + " się " + std::to_string(count) + " " + kNoun[f] + " " +
           std::string(what) + ": tekst może mieć najwyżej " + std::to_string(limit) + " znaków.";
}

} // namespace tarnik
