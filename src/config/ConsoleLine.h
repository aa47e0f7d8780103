#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// The game's console rules for one line of a script: commands end at a `;` outside double
// quotes, at a `//` that starts a token, or at the line end; tokens are separated by bytes
// <= 0x20; a double quote runs to the next double quote or to the line end. There is no
// escape character.
namespace ConsoleLine {

struct Token {
    qsizetype begin = 0; // first byte, the opening quote included
    qsizetype end = 0;   // one past the last byte, the closing quote included
    QByteArray text;     // without the quotes
};

struct Command {
    std::vector<Token> tokens;
    qsizetype end = 0;        // where the command stops: the `;`, the `//`, or the line end
    bool bySemicolon = false; // the command was ended by a `;`
};

// The first command of a line (tokens may be empty: a blank line, a comment, a leading `;`).
Command firstCommand(QByteArrayView line);

// All tokens of a text, read as one command (a name such as `bind "w"` gives bind, w).
std::vector<QByteArray> tokens(QByteArrayView text);

// True when `command` begins with `name`'s tokens, compared without regard to ASCII case.
// An empty name matches nothing.
bool startsWith(const Command& command, const std::vector<QByteArray>& name);

} // namespace ConsoleLine
