#pragma once

#include "config/ConsoleLine.h"

#include <QByteArray>
#include <QString>

#include <vector>

class CfgStore;

// What a configuration file leaves bound once the game has run it. Every command of every line
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
    // In file order, one per command.
    std::vector<UnknownKeyBind> unknown;

    // The key's entry, compared as the game compares key names; null when it is not bound.
    const BoundKey* find(const QString& key) const;
};

namespace BindReader {

// One command of a line: where it stands (from its first byte to the `;` that ends it or the line
// end) and its tokens, their offsets counted from the line's start.
struct LineCommand {
    qsizetype begin = 0;
    qsizetype end = 0;
    ConsoleLine::Command command;
};

// The commands of a line as the game runs them: it splits the line at each `;` outside double
// quotes before it looks for a `//`, so `// old; bind a x` still binds a.
std::vector<LineCommand> commands(QByteArrayView line);
// Whether `command` is `bind` (in any case) followed by at least a key.
bool isBind(const ConsoleLine::Command& command);

// Reads the store's slots 1 to CfgTop as they are now; never writes anything.
BindReading read(const CfgStore& store);
// Reads a file's bytes, split into lines as the store splits them.
BindReading readBytes(const QByteArray& bytes);
// Reads lines given in file order (line numbers count from 1).
BindReading readLines(const std::vector<QByteArray>& lines);

} // namespace BindReader
