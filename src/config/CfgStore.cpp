#include "config/CfgStore.h"

#include "config/ConsoleLine.h"
#include "config/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Splits file bytes into lines: CR LF, a lone CR and a lone LF each end a line. One 0x1A at
// the very end is an end-of-text mark; anywhere else it is an ordinary byte.
std::vector<QByteArray> splitLines(QByteArray bytes)
{
    if (bytes.endsWith('\x1a'))
        bytes.chop(1);
    std::vector<QByteArray> lines = TextLines::split(bytes);
    lines.insert(lines.begin(), QByteArray()); // slot 0 is unused
    return lines;
}

// The permission bits decide, not only access(2): an administrator may write any file, yet a
// file marked read-only must stay as it is (the atomic replace would otherwise swap it out).
bool isReadOnly(const QFileInfo& info)
{
    const QFileDevice::Permissions p = info.permissions();
    return !(p & QFileDevice::WriteUser) ||
           !(p & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

// A quick test before a line is tokenized (every scan visits every line): the line's first token
// can equal the name's first token only if the line, after blanks and an opening quote, begins
// with it.
bool mayMatch(QByteArrayView line, const std::vector<QByteArray>& name)
{
    if (name.empty())
        return false;
    qsizetype i = 0;
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= 0x20)
        ++i;
    if (i < line.size() && line[i] == '"')
        ++i;
    const QByteArray& first = name.front();
    return line.size() - i >= first.size() && line.sliced(i, first.size()).compare(first, Qt::CaseInsensitive) == 0;
}

} // namespace

bool CfgStore::LoadCfg(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(shownPath(path), file.errorString());
        return false;
    }
    if (file.size() > MaxFileSize) {
        if (error)
            *error = QStringLiteral("Cannot read %1: the file is larger than 4 MiB and is not a configuration file")
                         .arg(shownPath(path));
        return false;
    }
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2")
                         .arg(shownPath(path), bytes.size() > MaxFileSize ? QStringLiteral("the file is too large")
                                                                          : file.errorString());
        return false;
    }
    m_lines = splitLines(bytes);
    m_top = static_cast<int>(m_lines.size());
    m_lines.emplace_back();
    m_path = path;
    return true;
}

void CfgStore::raiseTop()
{
    ++m_top;
    if (m_lines.size() <= static_cast<size_t>(m_top))
        m_lines.resize(static_cast<size_t>(m_top) + 1);
}

QByteArray CfgStore::CfgLines(int i) const
{
    if (i < 1 || static_cast<size_t>(i) >= m_lines.size())
        return {};
    return m_lines[static_cast<size_t>(i)];
}

QByteArray CfgStore::variableLine(QByteArrayView name, QByteArrayView value)
{
    QByteArray line;
    line.reserve(name.size() + value.size() + 3);
    line.append(name).append(" \"").append(value.isEmpty() ? QByteArrayView(" ") : value).append('"');
    return line;
}

bool CfgStore::GetCfgVar(QByteArrayView name, QByteArray& value)
{
    raiseTop();
    const std::vector<QByteArray> nameTokens = ConsoleLine::tokens(name);
    return forEachMatch(nameTokens, [&](QByteArray&, const ConsoleLine::Command& command) {
        value = command.tokens.size() > nameTokens.size() ? command.tokens[nameTokens.size()].text : QByteArray();
    });
}

bool CfgStore::forEachMatch(const std::vector<QByteArray>& nameTokens,
                            const std::function<void(QByteArray&, const ConsoleLine::Command&)>& act)
{
    bool found = false;
    for (int i = 1; i <= m_top; ++i) {
        QByteArray& line = m_lines[static_cast<size_t>(i)];
        if (line.isEmpty() || !mayMatch(line, nameTokens))
            continue;
        const ConsoleLine::Command command = ConsoleLine::firstCommand(line);
        if (!ConsoleLine::startsWith(command, nameTokens))
            continue;
        found = true;
        act(line, command);
    }
    return found;
}

void CfgStore::SetCfgVar(QByteArrayView name, QByteArrayView value)
{
    raiseTop();
    const std::vector<QByteArray> nameTokens = ConsoleLine::tokens(name);
    const QByteArray built = variableLine(name, value);
    const bool found = forEachMatch(nameTokens, [&](QByteArray& line, const ConsoleLine::Command& command) {
        QByteArray rest = line.sliced(command.tokens.back().end);
        if (rest.trimmed().isEmpty())
            rest.clear();
        line = line.first(command.tokens.front().begin) + built + rest;
    });
    if (!found && !nameTokens.empty())
        m_lines[static_cast<size_t>(m_top)] = built;
}

void CfgStore::DeleteCfgLines(QByteArrayView name)
{
    forEachMatch(ConsoleLine::tokens(name), [](QByteArray& line, const ConsoleLine::Command& command) {
        if (!command.bySemicolon) {
            line.clear(); // nothing but the command, perhaps with a comment
            return;
        }
        qsizetype after = command.end + 1;
        while (after < line.size() && static_cast<unsigned char>(line[after]) <= 0x20)
            ++after;
        const ConsoleLine::Command next = ConsoleLine::firstCommand(line.sliced(after));
        if (next.tokens.empty() && !next.bySemicolon)
            line.clear(); // only a comment or blanks followed the command
        else
            line = line.first(command.tokens.front().begin) + line.sliced(after);
    });
}

bool CfgStore::SaveCfg(const QString& reloadPath, QString* error)
{
    const QString path = m_path;
    const QFileInfo info(path);
    if (info.exists() && isReadOnly(info)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: the file is read-only").arg(shownPath(path));
        return false;
    }
    QByteArray text;
    for (int i = 1; i <= m_top; ++i) {
        const QByteArray& line = m_lines[static_cast<size_t>(i)];
        if (line.isEmpty())
            continue;
        text.append(line);
        if (i != m_top)
            text.append("\r\n");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(shownPath(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return LoadCfg(reloadPath, error);
}
