#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <map>
#include <vector>

// A line of a file of the game folder: the file's path relative to that folder ("config.cfg",
// "cfg/match.cfg") and its 1-based line number.
struct ChainPlace {
    QString file;
    int line = 0;

    bool hasLine() const { return line > 0; }
    friend bool operator==(const ChainPlace&, const ChainPlace&) = default;
};

// What the start chain leaves for one variable, setinfo key, alias or key.
struct ChainEntry {
    QByteArray value;
    // False for a key that an unbind, an unbindall or an empty bind cleared last.
    bool inEffect = true;
    ChainPlace place;                   // the line that set it (or cleared it) last
    std::vector<ChainPlace> overridden; // the earlier lines that set or cleared it, first first
};

struct ChainWarning {
    ChainPlace place;
    QString text;
};

// One file the chain ran, in the order they started; `from` is the exec line that ran it, and
// is not valid for autoexec.cfg and config.cfg, which the game runs itself.
struct ChainRun {
    QString file;
    ChainPlace from;
};

// What the game has once it has run its start chain: autoexec.cfg, then config.cfg, each exec
// followed where it stands.
struct StartChain {
    // Keyed by the name as qvl-cfg prints it, which sorts in byte order: a variable's name in
    // lower case, "setinfo KEY" (lower case), "alias NAME" (lower case), "bind KEY" (the game's
    // spelling).
    std::map<QByteArray, ChainEntry> entries;
    std::vector<ChainWarning> warnings; // in the order the game meets them
    std::vector<ChainRun> runs;

    static QByteArray variableName(QByteArrayView name);
    static QByteArray setinfoName(QByteArrayView key);
    static QByteArray aliasName(QByteArrayView name);
    static QByteArray keyName(const QString& key); // empty for a key the game does not know
    // A name as a person writes it ("RATE", "bind f1", "setinfo _AH") as entries keys it.
    static QByteArray entryName(QByteArrayView written);

    // The entry, or null when the chain never sets it.
    const ChainEntry* find(const QByteArray& entryName) const;
    // The names (lower case) of every alias the chain defines.
    QSet<QByteArray> aliasNames() const;
    // The runs of `file` (relative to the game folder, compared without regard to case).
    std::vector<ChainRun> runsOf(const QString& file) const;
};

namespace StartChainReader {

// At most this many files run inside one another, autoexec.cfg or config.cfg counting as one.
constexpr int MaxDepth = 16;

// A line run before the first line of a file (relative to the game folder, compared without
// regard to case) each time the file runs, as if the file began with it. Its commands stand at
// line 0 of that file, so the file's own lines keep their numbers.
struct Prelude {
    QString file;
    QByteArray line;
};

// Runs the chain in the game's `cstrike` folder as the game does; reads files only.
StartChain follow(const QString& gameDir, const Prelude& prelude = {});

// The lines of a configuration file as the game reads it (a final 0x1A byte is no part of the
// text). Fails when the file cannot be read.
bool readLines(const QString& path, std::vector<QByteArray>* lines, QString* error);

// The path of the file `name` relative to the game folder as it is on disk, each part found without
// regard to case as the game finds it; empty when there is no such file.
QString findFile(const QString& gameDir, const QString& name);

// Whether the game runs `exec NAME`: it refuses names holding `..`, `\`, `:` or `~`, and names
// starting with `/`.
bool isAllowedExecName(QByteArrayView name);

} // namespace StartChainReader
