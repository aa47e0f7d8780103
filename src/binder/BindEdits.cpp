#include "binder/BindEdits.h"

#include "binder/BindReader.h"
#include "binder/KeyNames.h"
#include "config/ConsoleLine.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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

int removeCommands(QByteArray& bytes, const std::function<bool(const ConsoleLine::Command&)>& remove)
{
    // A final 0x1A ends the text and belongs to no line.
    const bool endMark = bytes.endsWith('\x1a');
    QByteArray text = endMark ? bytes.chopped(1) : bytes;
    QByteArray out;
    out.reserve(text.size());
    int count = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < text.size())
            next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        QByteArray line = text.sliced(start, end - start);
        bool whole = false;
        const std::vector<Range> ranges = cuts(line, remove, whole);
        count += static_cast<int>(ranges.size());
        if (ranges.empty()) {
            out += text.sliced(start, next - start);
        } else if (!whole) {
            for (const Range& r : ranges)
                line.remove(r.begin, r.end - r.begin);
            out += line + text.sliced(end, next - end);
        }
        start = next;
    }
    if (count > 0)
        bytes = endMark ? out + '\x1a' : out;
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

bool readFile(const QString& path, QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    if (error)
        *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    if (const QString refusal = WriteCheck::refusal(path); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    file.cancelWriting();
    return false;
}

bool removeFromFile(const QString& path, const std::function<bool(const ConsoleLine::Command&)>& remove, int* removed,
                    QString* error)
{
    QByteArray bytes;
    if (!readFile(path, bytes, error))
        return false;
    const int count = removeCommands(bytes, remove);
    if (removed)
        *removed = count;
    return count == 0 || writeFile(path, bytes, error);
}

} // namespace BindEdits
