#include "app/LineEnds.h"

#include <QList>
#include <algorithm>
#include <optional>
#include <vector>

namespace app {

namespace {

// Beyond this many lines added and taken out between the first and the last change, lines
// are no longer looked for one by one: the changed lines are paired from the last one back.
constexpr qsizetype kMostLinesMatched = 500;

struct Line {
    QStringView text;
    QStringView end; // empty on the last line
};

// What the memo takes as the end of a line when it is filled: CR LF, CR, LF, and the
// paragraph and frame marks of its document.
bool endsLine(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator ||
           c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

std::vector<Line> splitLines(QStringView text)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (!endsLine(text[at]))
            continue;
        const qsizetype endLength =
            text[at] == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n') ? 2 : 1;
        lines.push_back({text.sliced(start, at - start), text.sliced(at, endLength)});
        at += endLength - 1;
        start = at + 1;
    }
    lines.push_back({text.sliced(start), {}});
    return lines;
}

// The line end the text uses most; of two used as often, the one it uses first.
QStringView mostFrequentEnd(const std::vector<Line>& lines)
{
    struct Count {
        QStringView end;
        int times = 0;
    };
    std::vector<Count> counts;
    for (const Line& line : lines) {
        if (line.end.isEmpty())
            continue;
        const auto known =
            std::find_if(counts.begin(), counts.end(), [&](const Count& c) { return c.end == line.end; });
        if (known == counts.end())
            counts.push_back({line.end, 1});
        else
            ++known->times;
    }
    if (counts.empty())
        return u"\n";
    return std::max_element(counts.begin(), counts.end(),
                            [](const Count& a, const Count& b) { return a.times < b.times; })
        ->end;
}

using Pair = std::pair<qsizetype, qsizetype>; // a line of `before` found as a line of `after`

// The lines of before[from..] found unchanged and in order in after[to..], as many as can
// be (a shortest edit script over lines); nothing when more than kMostLinesMatched lines
// differ.
std::optional<std::vector<Pair>> linesKept(const std::vector<Line>& before, qsizetype from, qsizetype beforeEnd,
                                           const QList<QStringView>& after, qsizetype to, qsizetype afterEnd)
{
    const qsizetype n = beforeEnd - from;
    const qsizetype m = afterEnd - to;
    const qsizetype most = std::min(n + m, kMostLinesMatched);
    const qsizetype offset = most + 1;
    const auto same = [&](qsizetype x, qsizetype y) { return before[size_t(from + x)].text == after[to + y]; };
    std::vector<qsizetype> reach(size_t(2 * most + 3), 0); // the furthest x on each diagonal k = x - y
    std::vector<std::vector<qsizetype>> trace;
    for (qsizetype d = 0; d <= most; ++d) {
        trace.push_back(reach);
        for (qsizetype k = -d; k <= d; k += 2) {
            const bool down = k == -d || (k != d && reach[size_t(offset + k - 1)] < reach[size_t(offset + k + 1)]);
            qsizetype x = down ? reach[size_t(offset + k + 1)] : reach[size_t(offset + k - 1)] + 1;
            qsizetype y = x - k;
            while (x < n && y < m && same(x, y)) {
                ++x;
                ++y;
            }
            reach[size_t(offset + k)] = x;
            if (x < n || y < m)
                continue;
            // Back from the end, through the steps taken.
            std::vector<Pair> kept;
            for (qsizetype step = d; step > 0; --step) {
                const std::vector<qsizetype>& earlier = trace[size_t(step)];
                const qsizetype diagonal = x - y;
                const bool cameDown = diagonal == -step ||
                                      (diagonal != step &&
                                       earlier[size_t(offset + diagonal - 1)] < earlier[size_t(offset + diagonal + 1)]);
                const qsizetype previousX = earlier[size_t(offset + (cameDown ? diagonal + 1 : diagonal - 1))];
                const qsizetype previousY = previousX - (cameDown ? diagonal + 1 : diagonal - 1);
                while (x > previousX && y > previousY)
                    kept.push_back({from + --x, to + --y});
                x = previousX;
                y = previousY;
            }
            while (x > 0 && y > 0)
                kept.push_back({from + --x, to + --y});
            std::reverse(kept.begin(), kept.end());
            return kept;
        }
    }
    return std::nullopt;
}

} // namespace

QString withLineEndsOf(const QString& opened, QStringView lines)
{
    const std::vector<Line> before = splitLines(opened);
    const QList<QStringView> after = lines.split(QChar::ParagraphSeparator);
    const QStringView added = mostFrequentEnd(before);
    const qsizetype n = qsizetype(before.size());
    const qsizetype m = after.size();

    // Lines alike at the start and at the end, then those in between.
    qsizetype same = 0;
    while (same < std::min(n, m) && before[size_t(same)].text == after[same])
        ++same;
    qsizetype sameEnd = 0;
    while (sameEnd < std::min(n, m) - same && before[size_t(n - 1 - sameEnd)].text == after[m - 1 - sameEnd])
        ++sameEnd;
    std::vector<Pair> kept;
    for (qsizetype i = 0; i < same; ++i)
        kept.push_back({i, i});
    if (const auto between = linesKept(before, same, n - sameEnd, after, same, m - sameEnd))
        kept.insert(kept.end(), between->begin(), between->end());
    for (qsizetype i = sameEnd; i > 0; --i)
        kept.push_back({n - i, m - i});
    kept.push_back({n, m}); // past the last lines of both

    // Each line of `after`: the line of `before` whose end it takes (-1: none), and whether
    // it is that line unchanged. Between two lines kept, the changed lines replace the lines
    // taken out, paired from the last one back.
    std::vector<qsizetype> source(size_t(m), -1);
    std::vector<bool> unchanged(size_t(m), false);
    Pair previous{-1, -1};
    for (const Pair& pair : kept) {
        for (qsizetype j = pair.second - 1, i = pair.first - 1; j > previous.second; --j, --i)
            source[size_t(j)] = i > previous.first ? i : -1;
        if (pair.second < m) {
            source[size_t(pair.second)] = pair.first;
            unchanged[size_t(pair.second)] = true;
        }
        previous = pair;
    }

    QString text;
    text.reserve(lines.size() + m);
    for (qsizetype j = 0; j < m; ++j) {
        if (unchanged[size_t(j)]) {
            text += after[j];
        } else {
            QString line = after[j].toString();
            line.replace(QChar::LineSeparator, added.toString());
            text += line;
        }
        if (j + 1 == m)
            break;
        const qsizetype i = source[size_t(j)];
        const QStringView end = i >= 0 ? before[size_t(i)].end : QStringView();
        text += end.isEmpty() ? added : end;
    }
    return text;
}

} // namespace app
