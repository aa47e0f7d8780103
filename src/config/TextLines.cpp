#include "config/TextLines.h"

#include <cstring>

namespace TextLines {

namespace {

// Where the next CR or LF stands at or after `i`, or `n`. Eight bytes are tested at a time for
// one below 0x0E (a tab or a control byte too); only such words are looked at byte by byte.
qsizetype nextLineEnd(const char* p, qsizetype i, qsizetype n)
{
    constexpr quint64 ones = 0x0101010101010101u;
    constexpr quint64 highs = 0x8080808080808080u;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, sizeof word);
        if (((word - ones * 0x0E) & ~word & highs) == 0)
            continue;
        for (qsizetype j = i; j < i + 8; ++j) {
            if (p[j] == '\r' || p[j] == '\n')
                return j;
        }
    }
    for (; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n')
            return i;
    }
    return n;
}

// Calls `take(start, length, end)` for every line of the `n` bytes at `p`.
template <typename Take>
void forEachLine(const char* p, qsizetype n, Take take)
{
    qsizetype start = 0;
    while (start < n) {
        const qsizetype end = nextLineEnd(p, start, n);
        End kind = End::None;
        if (end < n)
            kind = p[end] == '\n' ? End::Lf : end + 1 < n && p[end + 1] == '\n' ? End::CrLf : End::Cr;
        take(start, end - start, kind);
        start = end + (kind == End::CrLf ? 2 : 1);
    }
}

} // namespace

std::vector<QByteArray> split(QByteArrayView bytes)
{
    std::vector<QByteArray> lines;
    const char* p = bytes.data();
    forEachLine(p, bytes.size(),
                [&](qsizetype start, qsizetype length, End) { lines.emplace_back(p + start, length); });
    return lines;
}

QByteArrayView bytesOf(End end)
{
    switch (end) {
    case End::Lf:
        return "\n";
    case End::Cr:
        return "\r";
    case End::CrLf:
        return "\r\n";
    case End::None:
        break;
    }
    return {};
}

void appendViews(const QByteArray& text, std::vector<QByteArray>& lines, std::vector<End>& ends)
{
    const char* p = text.constData();
    forEachLine(p, text.size(), [&](qsizetype start, qsizetype length, End end) {
        lines.push_back(QByteArray::fromRawData(p + start, length));
        ends.push_back(end);
    });
}

} // namespace TextLines
