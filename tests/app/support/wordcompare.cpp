#include "tests/app/support/wordcompare.h"

#include <QRegularExpression>
#include <vector>

namespace tarnik::testing {

namespace {

enum class Side { Expected, Actual };

struct Run {
    Side side;
    qsizetype from = 0; // in the words of its side
    qsizetype to = 0;   // one past the last
};

// The shortest edit script between a and b (Myers' difference algorithm), as the runs of words
// only one side has. Empty and `ok` false when the texts differ in more than maxEdits words.
struct Edits {
    bool ok = false;
    std::vector<Run> runs;
};

Edits shortestEdits(const QStringList& a, const QStringList& b, int maxEdits) {
    const int n = static_cast<int>(a.size());
    const int m = static_cast<int>(b.size());
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
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[std::size_t(k + d)] = x;
            if (x >= n && y >= m) found = d;
        }
        trace.push_back(std::move(v));
    }
    Edits out;
    if (found < 0) return out;
    out.ok = true;
    int x = n;
    int y = m;
    std::vector<std::pair<Side, int>> steps; // from the end backwards
    for (int d = found; d > 0; --d) {
        const int k = x - y;
        const bool down = k == -d || (k != d && at(d - 1, k - 1) < at(d - 1, k + 1));
        const int pk = down ? k + 1 : k - 1;
        const int px = at(d - 1, pk);
        const int py = px - pk;
        // Back along the diagonal to the point just after this edit.
        while (x > px && y > py) {
            --x;
            --y;
        }
        if (down)
            steps.emplace_back(Side::Actual, py);
        else
            steps.emplace_back(Side::Expected, px);
        x = px;
        y = py;
    }
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const auto [side, index] = *it;
        if (!out.runs.empty() && out.runs.back().side == side && out.runs.back().to == index)
            ++out.runs.back().to;
        else
            out.runs.push_back(Run{side, index, index + 1});
    }
    return out;
}

bool repeatsEarlier(const QStringList& words, const Run& run) {
    const qsizetype length = run.to - run.from;
    for (qsizetype start = 0; start + length <= run.from; ++start) {
        bool same = true;
        for (qsizetype i = 0; i < length && same; ++i)
            same = words[start + i] == words[run.from + i];
        if (same) return true;
    }
    return false;
}

QString excerpt(const QStringList& words, qsizetype from, qsizetype to) {
    return words.mid(from, to - from).join(QLatin1Char(' '));
}

} // namespace

QStringList reportWords(const QString& text) {
    static const QRegularExpression header(QStringLiteral(",\\s+strona\\s+\\d+\\s*$"));
    QStringList words;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
        if (header.match(line).hasMatch()) continue;
        words += line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    return words;
}

WordComparison compareWords(const QStringList& expected, const QStringList& actual,
                            const QSet<QString>& expectedOnly) {
    WordComparison out;
    const Edits edits = shortestEdits(expected, actual, 4000);
    if (!edits.ok) {
        out.differences = QStringLiteral("more than 4000 words differ (%1 against %2 words)")
                              .arg(expected.size())
                              .arg(actual.size());
        return out;
    }
    for (const Run& run : edits.runs) {
        const QStringList& words = run.side == Side::Expected ? expected : actual;
        if (repeatsEarlier(words, run)) continue;
        if (run.side == Side::Expected) {
            bool chart = true;
            for (qsizetype i = run.from; i < run.to && chart; ++i)
                chart = expectedOnly.contains(words[i]);
            if (chart) continue;
        }
        out.differences += QStringLiteral("%1 only, at word %2: \"%3\" (after \"%4\")\n")
                               .arg(run.side == Side::Expected ? QStringLiteral("expected")
                                                               : QStringLiteral("actual"))
                               .arg(run.from)
                               .arg(excerpt(words, run.from, run.to),
                                    excerpt(words, std::max<qsizetype>(0, run.from - 8), run.from));
    }
    out.same = out.differences.isEmpty();
    return out;
}

} // namespace tarnik::testing
