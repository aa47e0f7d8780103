#include "binder/BindEdits.h"

#include "config/CfgStore.h"
#include "config/ConsoleLine.h"
#include "keys/BindReader.h"
#include "keys/KeyNames.h"

#include <algorithm>
#include <vector>

namespace BindEdits {

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool hasContent(QByteArrayView text)
{
    for (const char c : text) {
        if (!isBlank(c))
            return true;
    }
    return false;
}

struct Range {
    qsizetype begin;
    qsizetype end;
};

// The byte ranges to cut from one line (its text without the line end), last first; `whole` is
// set when nothing but blanks would stay.
std::vector<Range> cuts(QByteArrayView line, const std::function<bool(const ConsoleLine::Command&)>& remove,
                        bool& whole)
{
    const std::vector<BindReader::LineCommand> commands = BindReader::commands(line);
    std::vector<bool> removed(commands.size(), false);
    bool kept = false;
    for (size_t k = 0; k < commands.size(); ++k) {
        const BindReader::LineCommand& c = commands[k];
        removed[k] = !c.command.tokens.empty() && remove(c.command);
        kept = kept || (!removed[k] && hasContent(line.sliced(c.begin, c.end - c.begin)));
    }
    whole = !kept;
    std::vector<Range> out;
    bool keptBefore = false;
    for (size_t k = 0; k < commands.size(); ++k) {
        const BindReader::LineCommand& c = commands[k];
        if (!removed[k]) {
            keptBefore = keptBefore || hasContent(line.sliced(c.begin, c.end - c.begin));
            continue;
        }
        const qsizetype first = c.command.tokens.front().begin;
        const qsizetype last = c.command.tokens.back().end;
        if (keptBefore) {
            out.push_back({c.begin - 1, last}); // from the `;` before it; what follows stays
        } else {
            qsizetype next = c.end + 1; // through the `;` after it and the blanks that follow
            while (next < line.size() && isBlank(line[next]))
                ++next;
            out.push_back({first, std::min(next, line.size())});
        }
    }
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

int removeCommands(CfgStore& store, const std::function<bool(const ConsoleLine::Command&)>& remove)
{
    int count = 0;
    for (int i = 1; i <= store.CfgTop(); ++i) {
        QByteArray line = store.CfgLines(i);
        bool whole = false;
        const std::vector<Range> ranges = cuts(line, remove, whole);
        if (ranges.empty())
            continue;
        count += static_cast<int>(ranges.size());
        if (whole) {
            store.RemoveCfgLine(i);
            continue;
        }
        for (const Range& r : ranges)
            line.remove(r.begin, r.end - r.begin);
        store.SetCfgLine(i, line);
    }
    return count;
}

bool bindsKey(const ConsoleLine::Command& command, const QString& key)
{
    return BindReader::isBind(command) && KeyNames::sameKey(QString::fromLocal8Bit(command.tokens[1].text), key);
}

namespace {

// A name of the composer's aliases: QVL_ and more, in any letter case, with nothing that would
// make it more than one command.
bool isComposerAlias(const QByteArray& text)
{
    if (text.size() <= 4 || text.left(4).toUpper() != "QVL_")
        return false;
    for (const char c : text) {
        if (isBlank(c) || c == ';' || c == '"')
            return false;
    }
    return true;
}

} // namespace

QByteArray boundAlias(const ConsoleLine::Command& command)
{
    if (command.tokens.size() != 3 || !BindReader::isBind(command) || !isComposerAlias(command.tokens[2].text))
        return {};
    return command.tokens[2].text;
}

QByteArray definedAlias(const ConsoleLine::Command& command)
{
    if (command.tokens.size() < 2 || command.tokens[0].text.compare("alias", Qt::CaseInsensitive) != 0 ||
        !isComposerAlias(command.tokens[1].text))
        return {};
    return command.tokens[1].text;
}

} // namespace BindEdits
