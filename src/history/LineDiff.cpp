#include "history/LineDiff.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace LineDiff {

namespace {

using Kind = Line::Kind;

// Each distinct line as a number, so that the search compares integers.
std::vector<int> numbered(const QList<QByteArray>& lines, QHash<QByteArray, int>& ids)
{
    std::vector<int> out;
    out.reserve(lines.size());
    for (const QByteArray& line : lines) {
        auto found = ids.constFind(line);
        if (found == ids.cend())
            found = ids.insert(line, int(ids.size()));
        out.push_back(found.value());
    }
    return out;
}

// The shortest edit from a[lo..] to b[lo..] up to the given ends (Myers' search, keeping the
// furthest reach of each diagonal per edit count for the way back), as kinds in order; nothing
// when it needs more than MaxEdits.
bool shortestEdit(const std::vector<int>& a, const std::vector<int>& b, int aBegin, int aEnd, int bBegin, int bEnd,
                  std::vector<Kind>& script)
{
    const int n = aEnd - aBegin;
    const int m = bEnd - bBegin;
    const auto same = [&](int x, int y) { return a[size_t(aBegin + x)] == b[size_t(bBegin + y)]; };
    // trace[d][k + d]: how far along the old lines diagonal k (x - y) reaches with d edits.
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= std::min(n + m, MaxEdits) && found < 0; ++d) {
        std::vector<int> reach(size_t(2 * d + 1), 0);
        for (int k = -d; k <= d; k += 2) {
            int x = 0;
            if (d > 0) {
                const std::vector<int>& prev = trace.back();
                const bool down = k == -d || (k != d && prev[size_t(k - 1 + d - 1)] < prev[size_t(k + 1 + d - 1)]);
                x = down ? prev[size_t(k + 1 + d - 1)] : prev[size_t(k - 1 + d - 1)] + 1;
            }
            int y = x - k;
            while (x < n && y < m && same(x, y)) {
                ++x;
                ++y;
            }
            reach[size_t(k + d)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
        trace.push_back(std::move(reach));
    }
    if (found < 0)
        return false;

    std::vector<Kind> reversed;
    int x = n;
    int y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& prev = trace[size_t(d - 1)];
        const int k = x - y;
        const bool down = k == -d || (k != d && prev[size_t(k - 1 + d - 1)] < prev[size_t(k + 1 + d - 1)]);
        const int prevK = down ? k + 1 : k - 1;
        const int prevX = prev[size_t(prevK + d - 1)];
        const int prevY = prevX - prevK;
        const int startX = down ? prevX : prevX + 1;
        for (; x > startX; --x, --y)
            reversed.push_back(Kind::Same);
        reversed.push_back(down ? Kind::Added : Kind::Removed);
        x = prevX;
        y = prevY;
    }
    for (; x > 0; --x)
        reversed.push_back(Kind::Same);
    script.insert(script.end(), reversed.rbegin(), reversed.rend());
    return true;
}

// The edit from `a` to `b`, each line once: the common head and tail first, the middle searched.
std::vector<Kind> editScript(const std::vector<int>& a, const std::vector<int>& b)
{
    int head = 0;
    const int aSize = int(a.size());
    const int bSize = int(b.size());
    while (head < aSize && head < bSize && a[size_t(head)] == b[size_t(head)])
        ++head;
    int tail = 0;
    while (tail < aSize - head && tail < bSize - head && a[size_t(aSize - 1 - tail)] == b[size_t(bSize - 1 - tail)])
        ++tail;
    std::vector<Kind> script(size_t(head), Kind::Same);
    if (!shortestEdit(a, b, head, aSize - tail, head, bSize - tail, script)) {
        script.insert(script.end(), size_t(aSize - tail - head), Kind::Removed);
        script.insert(script.end(), size_t(bSize - tail - head), Kind::Added);
    }
    script.insert(script.end(), size_t(tail), Kind::Same);
    return script;
}

} // namespace

QList<QByteArray> lines(const QByteArray& bytes)
{
    QList<QByteArray> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            out.append(bytes.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size())
        out.append(bytes.mid(start));
    return out;
}

QList<Hunk> hunks(const QByteArray& before, const QByteArray& after, int context)
{
    const QList<QByteArray> oldLines = lines(before);
    const QList<QByteArray> newLines = lines(after);
    QHash<QByteArray, int> ids;
    const std::vector<Kind> script = editScript(numbered(oldLines, ids), numbered(newLines, ids));

    // Every line of the edit with its numbers; each run of changes with its removed lines first.
    QList<Line> all;
    all.reserve(qsizetype(script.size()));
    int o = 0;
    int n = 0;
    for (size_t i = 0; i < script.size();) {
        if (script[i] == Kind::Same) {
            all.append({Kind::Same, o + 1, n + 1, oldLines[o]});
            ++o;
            ++n;
            ++i;
            continue;
        }
        size_t end = i;
        while (end < script.size() && script[end] != Kind::Same)
            ++end;
        for (size_t j = i; j < end; ++j) {
            if (script[j] == Kind::Removed) {
                all.append({Kind::Removed, o + 1, 0, oldLines[o]});
                ++o;
            }
        }
        for (size_t j = i; j < end; ++j) {
            if (script[j] == Kind::Added) {
                all.append({Kind::Added, 0, n + 1, newLines[n]});
                ++n;
            }
        }
        i = end;
    }

    // Changes closer than twice the context share a hunk.
    QList<Hunk> out;
    qsizetype lastChange = -1;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i].kind == Kind::Same)
            continue;
        const qsizetype from = std::max(i - context, lastChange + 1);
        if (lastChange < 0 || i - lastChange - 1 > 2 * context)
            out.append(Hunk());
        else
            out.last().append(all.mid(lastChange + 1, i - lastChange - 1));
        if (out.last().isEmpty())
            out.last().append(all.mid(from, i - from));
        out.last().append(all[i]);
        lastChange = i;
        // The context after the change, up to the next change or the context's end.
        qsizetype next = i + 1;
        while (next < all.size() && all[next].kind == Kind::Same)
            ++next;
        if (next >= all.size() || next - i - 1 > 2 * context)
            out.last().append(all.mid(i + 1, std::min<qsizetype>(context, all.size() - i - 1)));
    }
    return out;
}

} // namespace LineDiff
