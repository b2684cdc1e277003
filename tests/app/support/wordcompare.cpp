#include "tests/app/support/wordcompare.h"

#include <QRegularExpression>
#include <vector>

namespace tarnik::testing {

namespace {

enum class Kind { Match, Expected, Actual }; // words both sides have, or only one of them

// A stretch of the edit script: words [from, to) of the expected side and [aFrom, aTo) of the
// actual side (one of them empty unless it is a match).
struct Segment {
    Kind kind;
    qsizetype eFrom = 0, eTo = 0;
    qsizetype aFrom = 0, aTo = 0;
    bool allowed = false;
};

// The shortest edit script between e and a (Myers' difference algorithm), in segments. Empty
// when the texts differ in more than maxEdits words.
std::vector<Segment> shortestEdits(const QStringList& e, const QStringList& a, int maxEdits) {
    const int n = static_cast<int>(e.size());
    const int m = static_cast<int>(a.size());
    // trace[d] holds, for the diagonals k = -d..d, the furthest x reached with d edits.
    std::vector<std::vector<int>> trace;
    const auto at = [&trace](int d, int k) { return trace[std::size_t(d)][std::size_t(k + d)]; };
    int found = -1;
    for (int d = 0; d <= maxEdits && found < 0; ++d) {
        std::vector<int> v(std::size_t(2 * d + 1));
        for (int k = -d; k <= d; k += 2) {
            int x = 0;
            if (d > 0) {
                const bool down = k == -d || (k != d && at(d - 1, k - 1) < at(d - 1, k + 1));
                x = down ? at(d - 1, k + 1) : at(d - 1, k - 1) + 1;
            }
            int y = x - k;
            while (x < n && y < m && e[x] == a[y]) {
                ++x;
                ++y;
            }
            v[std::size_t(k + d)] = x;
            if (x >= n && y >= m) found = d;
        }
        trace.push_back(std::move(v));
    }
    if (found < 0) return {};

    // Backwards from the end: each step moves one word of one side or both.
    std::vector<std::pair<Kind, std::pair<int, int>>> steps; // kind, (x, y) before the step
    int x = n;
    int y = m;
    for (int d = found; d >= 0; --d) {
        const int k = x - y;
        int px = 0;
        int py = 0;
        bool down = false;
        if (d > 0) {
            down = k == -d || (k != d && at(d - 1, k - 1) < at(d - 1, k + 1));
            const int pk = down ? k + 1 : k - 1;
            px = at(d - 1, pk);
            py = px - pk;
        }
        // Back along the diagonal to the point just after this edit (to the start for d = 0).
        while (x > px && y > py) {
            --x;
            --y;
            steps.push_back({Kind::Match, {x, y}});
        }
        if (d > 0) {
            steps.push_back({down ? Kind::Actual : Kind::Expected, {px, py}});
            x = px;
            y = py;
        }
    }
    std::vector<Segment> out;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const Kind kind = it->first;
        const auto [sx, sy] = it->second;
        const int ex = kind == Kind::Actual ? sx : sx + 1;
        const int ey = kind == Kind::Expected ? sy : sy + 1;
        if (!out.empty() && out.back().kind == kind) {
            out.back().eTo = ex;
            out.back().aTo = ey;
        } else {
            out.push_back(Segment{kind, sx, ex, sy, ey});
        }
    }
    return out;
}

bool repeatsEarlier(const QStringList& words, qsizetype from, qsizetype to) {
    const qsizetype length = to - from;
    for (qsizetype start = 0; start + length <= from; ++start) {
        bool same = true;
        for (qsizetype i = 0; i < length && same; ++i)
            same = words[start + i] == words[from + i];
        if (same) return true;
    }
    return false;
}

QStringList wordsOf(const Segment& s, const QStringList& expected, const QStringList& actual) {
    return s.kind == Kind::Actual ? actual.mid(s.aFrom, s.aTo - s.aFrom)
                                  : expected.mid(s.eFrom, s.eTo - s.eFrom);
}

} // namespace

QStringList reportWords(const QString& text) {
    static const QRegularExpression header(QStringLiteral(",\\s+strona\\s+\\d+\\s*$"));
    QStringList words;
    bool joinNext = false;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
        if (header.match(line).hasMatch()) continue;
        QStringList lineWords =
            line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (lineWords.isEmpty()) continue;
        // A word broken after its hyphen at the end of a line ("D-" / "02") is one word.
        if (joinNext) words.last() += lineWords.takeFirst();
        words += lineWords;
        joinNext = words.last().size() > 1 && words.last().endsWith(QLatin1Char('-'));
    }
    return words;
}

WordComparison compareWords(const QStringList& expected, const QStringList& actual,
                            const QSet<QString>& expectedOnly) {
    WordComparison out;
    std::vector<Segment> script = shortestEdits(expected, actual, 4000);
    if (script.empty() && !(expected.isEmpty() && actual.isEmpty())) {
        out.differences = QStringLiteral("more than 4000 words differ (%1 against %2 words)")
                              .arg(expected.size())
                              .arg(actual.size());
        return out;
    }
    // Repeats of earlier words (a table's headings on a new page) and the chart's texts.
    for (Segment& s : script) {
        if (s.kind == Kind::Match) {
            s.allowed = repeatsEarlier(expected, s.eFrom, s.eTo);
        } else if (s.kind == Kind::Expected) {
            bool chart = true;
            for (qsizetype i = s.eFrom; i < s.eTo && chart; ++i)
                chart = expectedOnly.contains(expected[i]);
            s.allowed = chart || repeatsEarlier(expected, s.eFrom, s.eTo);
        } else {
            s.allowed = repeatsEarlier(actual, s.aFrom, s.aTo);
        }
    }
    // Words that stand on the other side of repeated headings in the two texts: found once on
    // each side, with nothing between but repeats.
    for (std::size_t i = 0; i < script.size(); ++i) {
        Segment& s = script[i];
        if (s.kind == Kind::Match || s.allowed) continue;
        for (std::size_t j = i + 1; j < script.size(); ++j) {
            Segment& t = script[j];
            if (t.kind != Kind::Match && !t.allowed && t.kind != s.kind &&
                wordsOf(t, expected, actual) == wordsOf(s, expected, actual)) {
                s.allowed = t.allowed = true;
                break;
            }
            if (!t.allowed) break;
        }
    }
    for (const Segment& s : script) {
        if (s.kind == Kind::Match || s.allowed) continue;
        const bool mine = s.kind == Kind::Expected;
        const QStringList& words = mine ? expected : actual;
        const qsizetype from = mine ? s.eFrom : s.aFrom;
        const qsizetype to = mine ? s.eTo : s.aTo;
        out.differences +=
            QStringLiteral("%1 only, at word %2: \"%3\" (after \"%4\")\n")
                .arg(mine ? QStringLiteral("expected") : QStringLiteral("actual"))
                .arg(from)
                .arg(words.mid(from, to - from).join(QLatin1Char(' ')),
                     words.mid(std::max<qsizetype>(0, from - 8), std::min<qsizetype>(8, from))
                         .join(QLatin1Char(' ')));
    }
    out.same = out.differences.isEmpty();
    return out;
}

} // namespace tarnik::testing
