#include "chain/ConfigLosses.h"

#include "binder/BindReader.h"
#include "chain/ArchivedCvars.h"
#include "chain/ChainCommand.h"

#include <algorithm>

namespace ConfigLosses {

namespace {

using ChainCommand::Kind;

struct Found {
    int line;
    qsizetype position; // of the command in its line, to tell the last exec
    Kind kind;
    QByteArray name;
    bool comment;
};

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

std::vector<Loss> find(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                       const QSet<QByteArray>& aliases)
{
    std::vector<Found> found;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const BindReader::LineCommand& c : BindReader::commands(lines[i])) {
            const ChainCommand::Reading r = ChainCommand::read(c.command, aliases);
            // The command stops before its end only at a `//`.
            found.push_back({static_cast<int>(i) + 1, c.begin, r.kind, r.name, c.command.end < c.end});
        }
    }
    // The game writes one `exec userconfig.cfg` as its last line: a file's last exec of it stays.
    const auto lastExec =
        std::find_if(found.rbegin(), found.rend(), [](const Found& f) { return f.kind == Kind::Exec; });
    const bool keepsLastExec =
        lastExec != found.rend() && lastExec->name.compare("userconfig.cfg", Qt::CaseInsensitive) == 0;

    std::vector<Loss> losses;
    const auto add = [&](int line, Reason reason) {
        if (std::find(losses.begin(), losses.end(), Loss{line, reason}) == losses.end())
            losses.push_back({line, reason});
    };
    for (const Found& f : found) {
        if (f.kind == Kind::Alias)
            add(f.line, Reason::Alias);
        else if (f.kind == Kind::Exec && !(keepsLastExec && &f == &*lastExec))
            add(f.line, Reason::Exec);
        else if (f.kind == Kind::Variable && !archived.contains(f.name))
            add(f.line, Reason::NotArchived);
        else if (f.kind == Kind::UnknownKeyBind)
            add(f.line, Reason::UnknownKey);
        if (f.comment)
            add(f.line, Reason::Comment);
    }
    return losses;
}

} // namespace ConfigLosses
