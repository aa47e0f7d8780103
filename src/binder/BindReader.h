#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class CfgStore;

// What a configuration file leaves bound once the game has run it. Each line's first command
// is read with the console tokenizer: `bind KEY COMMAND` (exactly three tokens) binds, `unbind
// KEY` and `unbindall` clear, in file order. A bind to an empty command clears too. Nothing
// else marks a key, not even a command that mentions a key's name.
struct BoundKey {
    QString key;        // the game's spelling (KeyNames::canonical)
    QByteArray command; // the bound command's bytes, quotes removed
    int line = 0;       // 1-based line (store slot) of the bind that is in force
};

// A bind line whose key the game does not know (`bind kp_multiply ...`, `bind ESC ...`).
struct UnknownKeyBind {
    QByteArray name; // the key as the line writes it
    int line = 0;
};

struct BindReading {
    // Ordered by the line that last bound each key.
    std::vector<BoundKey> bound;
    // In file order, one per line.
    std::vector<UnknownKeyBind> unknown;

    // The key's entry, compared as the game compares key names; null when it is not bound.
    const BoundKey* find(const QString& key) const;
};

namespace BindReader {

// Reads the store's slots 1 to CfgTop as they are now; never writes anything.
BindReading read(const CfgStore& store);
// Reads a file's bytes, split into lines as the store splits them.
BindReading readBytes(const QByteArray& bytes);
// Reads lines given in file order (line numbers count from 1).
BindReading readLines(const std::vector<QByteArray>& lines);

} // namespace BindReader
