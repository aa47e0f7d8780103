#include "config/ConsoleLine.h"

namespace ConsoleLine {

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool startsComment(QByteArrayView line, qsizetype i)
{
    return i + 1 < line.size() && line[i] == '/' && line[i + 1] == '/';
}

} // namespace

// Where the first command stops. Quotes are counted over every byte, as the game does when it
// splits a script into commands, so a `;` between a pair of quotes never ends a command, even
// when the quote stands inside a word (`say a"b;c"`).
static Command commandEnd(QByteArrayView line)
{
    Command command;
    bool quoted = false;
    bool tokenStart = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            command.end = i;
            command.bySemicolon = true;
            return command;
        } else if (!quoted && tokenStart && startsComment(line, i)) {
            command.end = i;
            return command;
        }
        tokenStart = isBlank(c) || (c == '"' && !quoted);
    }
    command.end = line.size();
    return command;
}

Command firstCommand(QByteArrayView line)
{
    Command command = commandEnd(line);
    const QByteArrayView text = line.first(command.end);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(text[i]))
            ++i;
        if (i >= n)
            return command;
        Token token;
        token.begin = i;
        if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            const qsizetype textEnd = close < 0 ? n : close;
            token.text = text.sliced(i + 1, textEnd - i - 1).toByteArray();
            i = close < 0 ? n : close + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]))
                ++i;
            token.text = text.sliced(start, i - start).toByteArray();
        }
        token.end = i;
        command.tokens.push_back(std::move(token));
    }
}

std::vector<QByteArray> tokens(QByteArrayView text)
{
    std::vector<QByteArray> out;
    for (Token& t : firstCommand(text).tokens)
        out.push_back(std::move(t.text));
    return out;
}

bool startsWith(const Command& command, const std::vector<QByteArray>& name)
{
    if (name.empty() || command.tokens.size() < name.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        if (command.tokens[i].text.compare(name[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace ConsoleLine
