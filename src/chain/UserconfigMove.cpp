#include "chain/UserconfigMove.h"

#include "chain/StartChain.h"
#include "config/AppState.h"
#include "config/TextLines.h"
#include "platform/FileCopy.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace UserconfigMove {

namespace {

using ChainCommand::Kind;
using ConfigLosses::Reason;

const QString Userconfig = QStringLiteral("userconfig.cfg");
const QString Action = QStringLiteral("Move to userconfig.cfg");

bool isUserconfig(const QByteArray& name)
{
    return name.compare("userconfig.cfg", Qt::CaseInsensitive) == 0;
}

// What the game ends up with is this line's doing (or nobody's): no later line sets the name again.
bool setsLast(const StartChain& chain, const QByteArray& entryName, const ChainPlace& place)
{
    const ChainEntry* entry = chain.find(entryName);
    return !entry || entry->place == place;
}

// Whether the files `place` runs (and the files they run) set something a later line sets again:
// run at the end, they would win instead.
bool runsWhatIsSetAgain(const StartChain& chain, const ChainPlace& place)
{
    QSet<QString> files;
    for (const ChainRun& run : chain.runs) {
        if (run.from == place || (run.from.hasLine() && files.contains(run.from.file)))
            files.insert(run.file);
    }
    return std::any_of(chain.entries.begin(), chain.entries.end(), [&](const auto& named) {
        const ChainEntry& entry = named.second;
        return !files.contains(entry.place.file) &&
               std::any_of(entry.overridden.begin(), entry.overridden.end(),
                           [&](const ChainPlace& p) { return files.contains(p.file); });
    });
}

// Why the command keeps its line in config.cfg; Moves when it may go.
Stay stayOf(const ConfigLosses::Command& c, const StartChain& chain, const QString& configFile)
{
    if (!c.hasTokens)
        return Stay::Moves; // a bare comment or an empty command
    if (!c.dropped)
        return Stay::KeptInPart;
    const ChainPlace place{configFile, c.line};
    switch (*c.dropped) {
    case Reason::UnknownKey:
        return Stay::UnknownKey;
    case Reason::Exec:
        if (isUserconfig(c.name))
            return Stay::RunsUserconfig;
        return runsWhatIsSetAgain(chain, place) ? Stay::SetAgainLater : Stay::Moves;
    case Reason::Alias:
        return setsLast(chain, StartChain::aliasName(c.name), place) ? Stay::Moves : Stay::SetAgainLater;
    case Reason::NotArchived:
        return setsLast(chain, StartChain::variableName(c.name), place) ? Stay::Moves : Stay::SetAgainLater;
    case Reason::Comment:
        break;
    }
    return Stay::Moves;
}

// The end new lines of a file get: its first line end, CR LF for a file without one.
TextLines::End newLineEnd(const std::vector<TextLines::End>& ends)
{
    const auto found =
        std::find_if(ends.begin(), ends.end(), [](TextLines::End e) { return e != TextLines::End::None; });
    return found == ends.end() ? TextLines::End::CrLf : *found;
}

// `text` with a line end after its last line, so that a line can follow.
void endLastLine(QByteArray& text, QByteArrayView end)
{
    if (!text.isEmpty() && !text.endsWith('\n') && !text.endsWith('\r'))
        text += end;
}

// Fills `plan`'s list and configAfter from config.cfg's bytes; the moved lines go to `moved`.
void splitConfig(const StartChain& chain, const QString& configFile, const ArchivedCvars& archived, Plan& plan,
                 QByteArray& moved, TextLines::End& movedEnd)
{
    std::vector<QByteArray> lines;
    std::vector<TextLines::End> ends;
    TextLines::appendViews(plan.configBefore, lines, ends);
    const std::vector<ConfigLosses::Command> commands = ConfigLosses::commands(lines, archived, chain.aliasNames());

    std::vector<LostLine> byLine(lines.size());
    const ConfigLosses::Command* lastKept = nullptr; // the last command with tokens config.cfg keeps
    for (const ConfigLosses::Command& c : commands) {
        LostLine& l = byLine[static_cast<size_t>(c.line) - 1];
        for (const std::optional<Reason> r : {c.dropped, c.comment ? std::optional(Reason::Comment) : std::nullopt}) {
            if (r && std::find(l.reasons.begin(), l.reasons.end(), *r) == l.reasons.end())
                l.reasons.push_back(*r);
        }
        const Stay stay = stayOf(c, chain, configFile);
        if (l.stay == Stay::Moves)
            l.stay = stay;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        LostLine& l = byLine[i];
        l.line = static_cast<int>(i) + 1;
        l.text = QByteArray(lines[i].constData(), lines[i].size()); // a copy: the views die with this call
        if (l.reasons.empty()) {
            l.stay = Stay::KeptInPart; // nothing of it is lost
        } else {
            plan.lines.push_back(l);
        }
        if (l.moves() && !l.reasons.empty()) {
            moved += l.text + TextLines::bytesOf(movedEnd).toByteArray();
        } else {
            plan.configAfter += lines[i] + TextLines::bytesOf(ends[i]).toByteArray();
        }
    }
    for (const ConfigLosses::Command& c : commands) {
        if (c.hasTokens && !byLine[static_cast<size_t>(c.line) - 1].moves())
            lastKept = &c;
    }
    plan.addsExec = !(lastKept && lastKept->kind == Kind::Exec && isUserconfig(lastKept->name));
    if (plan.addsExec) {
        const QByteArray end = TextLines::bytesOf(newLineEnd(ends)).toByteArray();
        endLastLine(plan.configAfter, end);
        plan.configAfter += "exec userconfig.cfg" + end;
    }
}

} // namespace

int Plan::movedLines() const
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const LostLine& l) { return l.moves(); }));
}

bool plan(const QString& gameDir, const ArchivedCvars& archived, Plan* plan, QString* error)
{
    *plan = Plan();
    const QDir dir(gameDir);
    const QString configFile = StartChainReader::findFile(gameDir, QStringLiteral("config.cfg"));
    plan->configPath = dir.filePath(configFile.isEmpty() ? QStringLiteral("config.cfg") : configFile);
    if (!FileCopy::readWhole(plan->configPath, &plan->configBefore, error))
        return false;
    const QString userconfigFile = StartChainReader::findFile(gameDir, Userconfig);
    plan->userconfigPath = dir.filePath(userconfigFile.isEmpty() ? Userconfig : userconfigFile);
    plan->userconfigExists = !userconfigFile.isEmpty();
    if (plan->userconfigExists && !FileCopy::readWhole(plan->userconfigPath, &plan->userconfigBefore, error))
        return false;

    std::vector<QByteArray> userLines;
    std::vector<TextLines::End> userEnds;
    TextLines::appendViews(plan->userconfigBefore, userLines, userEnds);
    TextLines::End userEnd = newLineEnd(userEnds);
    QByteArray moved;
    splitConfig(StartChainReader::follow(gameDir), configFile, archived, *plan, moved, userEnd);

    if (!plan->movesAny()) {
        plan->configAfter = plan->configBefore;
        plan->addsExec = false;
        plan->userconfigAfter = plan->userconfigBefore;
        return true;
    }
    plan->userconfigAfter = plan->userconfigBefore;
    endLastLine(plan->userconfigAfter, TextLines::bytesOf(userEnd).toByteArray());
    plan->userconfigAfter += moved;
    return true;
}

Outcome write(AppState& state, const Plan& plan, QString* error)
{
    if (!plan.movesAny())
        return Outcome::NothingToMove;
    for (const QString& path : {plan.userconfigPath, plan.configPath}) {
        *error = WriteCheck::refusal(path, state.texts());
        if (!error->isEmpty())
            return Outcome::Failed;
    }
    if (!state.reviewWrites({{plan.userconfigPath, plan.userconfigBefore, plan.userconfigAfter},
                             {plan.configPath, plan.configBefore, plan.configAfter}}))
        return Outcome::Cancelled;
    if (!state.working.keepVersion(plan.userconfigPath, Action, error) ||
        !state.working.keepVersion(plan.configPath, Action, error) ||
        !FileCopy::writeWhole(plan.userconfigPath, plan.userconfigAfter, error, state.texts()))
        return Outcome::Failed;
    if (!FileCopy::writeWhole(plan.configPath, plan.configAfter, error, state.texts())) {
        // Nothing moves unless both files take their new bytes.
        FileCopy::putBack(plan.userconfigPath,
                          plan.userconfigExists ? std::optional(plan.userconfigBefore) : std::nullopt);
        return Outcome::Failed;
    }
    state.working.wroteFile(plan.userconfigPath);
    state.working.wroteFile(plan.configPath);
    const QFileInfo working(state.working.path());
    if (working == QFileInfo(plan.configPath) || working == QFileInfo(plan.userconfigPath))
        state.LoadCfg();
    return Outcome::Moved;
}

} // namespace UserconfigMove
