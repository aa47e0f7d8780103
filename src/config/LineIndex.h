#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Which slots of the config line store may hold a line whose first token has a given key, so that
// a look-up tokenizes only the lines that can match. Built at the first look-up after a load. A
// slot that was refiled or emptied may still stand in an old chain: every candidate is checked
// against its current key (and the caller then tokenizes it), so a stale entry costs a look and
// nothing more.
class LineIndex final {
public:
    // Drops the index; the next look-up builds it again (after a load).
    void invalidate() { m_built = false; }

    // The slots 1..top whose line may begin with `firstToken`, in slot order, each once.
    std::vector<int> candidates(const std::vector<QByteArray>& lines, QByteArrayView firstToken, int top);

    // Files slot `i` under the key of the line it now holds (a no-op when the key is unchanged or
    // the index is not built).
    void refile(const std::vector<QByteArray>& lines, int i);

private:
    void build(const std::vector<QByteArray>& lines);
    size_t bucket(quint32 key) const;

    struct Entry {
        int slot;
        int next; // index into m_entries, -1 ends the chain
    };
    bool m_built = false;
    std::vector<int> m_heads; // per bucket, first entry or -1
    std::vector<Entry> m_entries;
    std::vector<quint32> m_keys; // per slot, the key of the line it holds
    int m_shift = 32;            // bucket = the top bits of the scrambled key
};
