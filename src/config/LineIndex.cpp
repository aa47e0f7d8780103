#include "config/LineIndex.h"

#include <algorithm>
#include <array>

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

// Keys file a line under its first token so that a look-up tokenizes only the lines that can
// match. Two first tokens that compare equal without regard to case must get the same key; two
// different ones may share a key (candidates are always checked exactly). The key hashes the
// token's text up to its first `;` or `"`, with ASCII letters folded and every byte from 0x80 up
// counted as one, which folds at least as much as the comparison does. Keys are odd: 0 marks a
// slot that is filed nowhere.
constexpr quint32 KeyBasis = 2166136261u;

constexpr std::array<unsigned char, 256> KeyFold = [] {
    std::array<unsigned char, 256> fold{};
    for (int b = 0; b < 256; ++b)
        fold[static_cast<size_t>(b)] = static_cast<unsigned char>(b >= 0x80 ? 0x80 : b >= 'A' && b <= 'Z' ? b + 32 : b);
    return fold;
}();

inline quint32 addToKey(quint32 key, char c)
{
    return (key ^ KeyFold[static_cast<unsigned char>(c)]) * 16777619u;
}

quint32 tokenKey(QByteArrayView text)
{
    quint32 key = KeyBasis;
    for (const char c : text) {
        if (c == ';' || c == '"')
            break;
        key = addToKey(key, c);
    }
    return key | 1u;
}

// tokenKey of the line's first token, read from the line without tokenizing it. It agrees with
// the tokenizer for every line that has a first token: a quoted token's text runs to the next
// quote or the line end (nothing ends a command inside that first quote); a word runs to a blank
// or the end of the command, and before the word's first quote only a `;` can end the command
// (a `//` is a comment only where a token starts). What follows a `;` or a quote is cut anyway.
quint32 lineKey(QByteArrayView line)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isBlank(line[i]))
        ++i;
    const bool quoted = i < n && line[i] == '"';
    if (quoted)
        ++i;
    quint32 key = KeyBasis;
    for (; i < n; ++i) {
        const char c = line[i];
        if (c == ';' || c == '"' || (!quoted && isBlank(c)))
            break;
        key = addToKey(key, c);
    }
    return key | 1u;
}

} // namespace

std::vector<int> LineIndex::candidates(const std::vector<QByteArray>& lines, QByteArrayView firstToken, int top)
{
    if (!m_built)
        build(lines);
    const quint32 key = tokenKey(firstToken);
    std::vector<int> found;
    for (int e = m_heads[bucket(key)]; e >= 0; e = m_entries[static_cast<size_t>(e)].next) {
        const int slot = m_entries[static_cast<size_t>(e)].slot;
        if (slot <= top && m_keys[static_cast<size_t>(slot)] == key)
            found.push_back(slot);
    }
    // A slot refiled under a key and back stands twice in its chain; chains run newest first.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void LineIndex::build(const std::vector<QByteArray>& lines)
{
    const size_t slots = lines.size();
    int bits = 4;
    while ((size_t{1} << bits) < slots)
        ++bits;
    m_shift = 32 - bits;
    m_heads.assign(size_t{1} << bits, -1);
    // The keys first, then the chains: a tight second loop lets the scattered bucket reads of
    // a large file overlap.
    m_keys.assign(slots, 0);
    size_t filed = 0;
    for (size_t i = 1; i < slots; ++i) {
        if (!lines[i].isEmpty()) {
            m_keys[i] = lineKey(lines[i]);
            ++filed;
        }
    }
    m_entries.clear();
    m_entries.reserve(filed);
    for (size_t i = 1; i < slots; ++i) {
        if (m_keys[i] == 0)
            continue;
        int& head = m_heads[bucket(m_keys[i])];
        m_entries.push_back({static_cast<int>(i), head});
        head = static_cast<int>(m_entries.size()) - 1;
    }
    m_built = true;
}

size_t LineIndex::bucket(quint32 key) const
{
    return (key * 2654435769u) >> m_shift;
}

void LineIndex::refile(const std::vector<QByteArray>& lines, int i)
{
    if (!m_built)
        return;
    const auto slot = static_cast<size_t>(i);
    const QByteArray& line = lines[slot];
    if (line.isEmpty())
        return; // an empty line matches nothing; its old entry, if any, is passed over
    if (m_keys.size() < lines.size())
        m_keys.resize(lines.size(), 0);
    const quint32 key = lineKey(line);
    if (m_keys[slot] == key)
        return;
    m_keys[slot] = key;
    int& head = m_heads[bucket(key)];
    m_entries.push_back({i, head});
    head = static_cast<int>(m_entries.size()) - 1;
    if (m_entries.size() > m_heads.size())
        m_built = false; // chains grow long: rebuild at the next look-up
}
