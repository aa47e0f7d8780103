#include "chain/ConfigLosses.h"

#include "chain/ArchivedCvars.h"
#include "chain/ChainCommand.h"
#include "keys/BindReader.h"

#include <algorithm>

namespace ConfigLosses {

namespace {

using ChainCommand::Kind;

} // namespace

const char* reasonText(Reason reason)
{
    switch (reason) {
    case Reason::Alias:
        return "alias";
    case Reason::Comment:
        return "comment";
    case Reason::Exec:
        return "exec";
    case Reason::NotArchived:
        return "not archived";
    case Reason::UnknownKey:
        return "unknown key";
    }
    return "";
}

std::vector<Command> commands(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                              const QSet<QByteArray>& aliases)
{
    std::vector<Command> found;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const BindReader::LineCommand& c : BindReader::commands(lines[i])) {
            const ChainCommand::Reading r = ChainCommand::read(c.command, aliases);
            // The command stops before its end only at a `//`.
            found.push_back({static_cast<int>(i) + 1, r.kind, r.name, !c.command.tokens.empty(), std::nullopt,
                             c.command.end < c.end});
        }
    }
    // The game writes one `exec userconfig.cfg` as its last line: a file's last exec of it stays.
    const auto lastExec =
        std::find_if(found.rbegin(), found.rend(), [](const Command& c) { return c.kind == Kind::Exec; });
    const bool keepsLastExec =
        lastExec != found.rend() && lastExec->name.compare("userconfig.cfg", Qt::CaseInsensitive) == 0;
    for (Command& c : found) {
        if (c.kind == Kind::Alias)
            c.dropped = Reason::Alias;
        else if (c.kind == Kind::Exec && !(keepsLastExec && &c == &*lastExec))
            c.dropped = Reason::Exec;
        else if (c.kind == Kind::Variable && !archived.contains(c.name))
            c.dropped = Reason::NotArchived;
        else if (c.kind == Kind::UnknownKeyBind)
            c.dropped = Reason::UnknownKey;
    }
    return found;
}

std::vector<Loss> find(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                       const QSet<QByteArray>& aliases)
{
    std::vector<Loss> losses;
    const auto add = [&](int line, Reason reason) {
        if (std::find(losses.begin(), losses.end(), Loss{line, reason}) == losses.end())
            losses.push_back({line, reason});
    };
    for (const Command& c : commands(lines, archived, aliases)) {
        if (c.dropped)
            add(c.line, *c.dropped);
        if (c.comment)
            add(c.line, Reason::Comment);
    }
    return losses;
}

} // namespace ConfigLosses
