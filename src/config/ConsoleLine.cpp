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

Command firstCommand(QByteArrayView line)
{
    Command command;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n || startsComment(line, i)) {
            command.end = i;
            return command;
        }
        if (line[i] == ';') {
            command.end = i;
            command.bySemicolon = true;
            return command;
        }
        Token token;
        token.begin = i;
        if (line[i] == '"') {
            const qsizetype close = line.indexOf('"', i + 1);
            const qsizetype textEnd = close < 0 ? n : close;
            token.text = line.sliced(i + 1, textEnd - i - 1).toByteArray();
            i = close < 0 ? n : close + 1;
        } else {
            const qsizetype start = i;
            // A word runs to a blank; a `;` ends it too, since it ends the command.
            while (i < n && !isBlank(line[i]) && line[i] != ';')
                ++i;
            token.text = line.sliced(start, i - start).toByteArray();
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
