#include "chain/ChainCommand.h"

#include "keys/KeyNames.h"

namespace ChainCommand {

namespace {

// Commands of two tokens that set no variable.
bool isCommandName(const QByteArray& lower)
{
    static const QSet<QByteArray> names = {"bind",    "unbind", "unbindall", "alias",    "exec",
                                           "setinfo", "echo",   "say",       "say_team", "wait"};
    return names.contains(lower);
}

bool holdsBlank(const QByteArray& name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

QByteArray joined(const std::vector<ConsoleLine::Token>& tokens, size_t from)
{
    QByteArray out;
    for (size_t i = from; i < tokens.size(); ++i)
        out += (i > from ? " " : "") + tokens[i].text;
    return out;
}

} // namespace

Reading read(const ConsoleLine::Command& command, const QSet<QByteArray>& aliases)
{
    const auto& t = command.tokens;
    const size_t n = t.size();
    Reading r;
    if (n == 0)
        return r;
    const QByteArray first = t[0].text.toLower();
    if (first == "unbindall") {
        r.kind = Kind::Unbindall;
    } else if (first == "bind" && n == 3) {
        r.key = KeyNames::canonical(QString::fromLocal8Bit(t[1].text));
        r.kind = r.key.isEmpty() ? Kind::UnknownKeyBind : Kind::Bind;
        r.name = t[1].text;
        r.value = t[2].text;
    } else if (first == "unbind" && n == 2) {
        r.key = KeyNames::canonical(QString::fromLocal8Bit(t[1].text));
        if (!r.key.isEmpty())
            r.kind = Kind::Unbind;
    } else if (first == "alias" && n >= 2) {
        r.kind = Kind::Alias;
        r.name = t[1].text.toLower();
        r.value = joined(t, 2);
    } else if (first == "exec" && n >= 2) {
        r.kind = Kind::Exec;
        r.name = t[1].text;
    } else if (first == "setinfo" && n == 3) {
        r.kind = Kind::Setinfo;
        r.name = t[1].text.toLower();
        r.value = t[2].text;
    } else if (n == 2 && !isCommandName(first) && !aliases.contains(first) && !first.startsWith('+') &&
               !first.startsWith('-') && !holdsBlank(first)) {
        r.kind = Kind::Variable;
        r.name = first;
        r.value = t[1].text;
    }
    return r;
}

} // namespace ChainCommand
