#include "config/CfgStore.h"

#include "config/ConsoleLine.h"
#include "config/TextLines.h"
#include "platform/FileError.h"
#include "platform/WriteCheck.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// Splits the file's bytes into slots 1.. as views into `text`, which must outlive them and never
// change; editing a line detaches it. Slot 0 is unused.
template <typename T>
void reuse(std::vector<T>& v, size_t guess)
{
    if (v.capacity() > 4 * guess + 4096)
        std::vector<T>().swap(v); // a far larger file was loaded before
    v.clear();                    // otherwise the capacity stays: a reload of the same file allocates nothing
    v.reserve(guess);
}

void sliceLines(const QByteArray& text, std::vector<QByteArray>& lines, std::vector<TextLines::End>& ends,
                TextLines::End noLine)
{
    const auto guess = static_cast<size_t>(text.size() / 16) + 2; // game configs run 20-30 bytes a line
    reuse(lines, guess);
    reuse(ends, guess);
    lines.emplace_back();
    ends.push_back(noLine);
    TextLines::appendViews(text, lines, ends);
}

} // namespace

bool CfgStore::LoadCfg(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = FileError::text(m_texts, "cannotread", path, file.errorString());
        return false;
    }
    if (file.size() > MaxFileSize) {
        if (error)
            *error = FileError::text(m_texts, "filetoolarge", path);
        return false;
    }
    // One read of the file's own size (a buffer of the full limit for every load would cost more
    // than the load itself); then whatever a file without a known size, or a growing one, still has.
    QByteArray bytes = file.read(file.size() + 1);
    while (bytes.size() <= MaxFileSize && file.error() == QFileDevice::NoError &&
           (file.isSequential() || !file.atEnd())) {
        const QByteArray more = file.read(std::min<qint64>(64 * 1024, MaxFileSize + 1 - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError) {
        if (error)
            *error = bytes.size() > MaxFileSize ? FileError::text(m_texts, "filetoolarge", path)
                                                : FileError::text(m_texts, "cannotread", path, file.errorString());
        return false;
    }
    // The game reads a 0x1A as a blank, not as the end of the text: it is a byte like any other.
    sliceLines(bytes, m_lines, m_ends, NoLine);
    m_text = std::move(bytes); // the lines point into it; moving keeps the bytes where they are
    m_newLineEnd = TextLines::End::CrLf;
    for (const TextLines::End end : m_ends) {
        if (end != NoLine && end != TextLines::End::None) {
            m_newLineEnd = end;
            break;
        }
    }
    m_top = static_cast<int>(m_lines.size());
    m_lines.emplace_back();
    m_ends.push_back(NoLine);
    m_index.invalidate();
    m_modified = false;
    m_normalize = false;
    m_loaded = true;
    m_path = path;
    return true;
}

void CfgStore::raiseTop()
{
    ++m_top;
    if (m_lines.size() <= static_cast<size_t>(m_top)) {
        m_lines.resize(static_cast<size_t>(m_top) + 1);
        m_ends.resize(static_cast<size_t>(m_top) + 1, NoLine);
    }
}

bool CfgStore::isLine(int i) const
{
    return i >= 1 && i <= m_top && static_cast<size_t>(i) < m_ends.size() && m_ends[static_cast<size_t>(i)] != NoLine;
}

QByteArray CfgStore::CfgLines(int i) const
{
    if (!isLine(i))
        return {};
    // A copy of its own: an unedited line points into the loaded text, which the next load drops.
    const QByteArray& line = m_lines[static_cast<size_t>(i)];
    return QByteArray(line.constData(), line.size());
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
    if (nameTokens.empty())
        return false;
    bool found = false;
    const std::vector<int> candidates = m_index.candidates(m_lines, nameTokens.front(), m_top);
    for (const int i : candidates) {
        QByteArray& line = m_lines[static_cast<size_t>(i)];
        if (line.isEmpty())
            continue;
        const ConsoleLine::Command command = ConsoleLine::firstCommand(line);
        if (!ConsoleLine::startsWith(command, nameTokens))
            continue;
        found = true;
        act(line, command);
        m_index.refile(m_lines, i); // what is left of the line may begin with another token
    }
    return found;
}

int CfgStore::lastMatchingLine(QByteArrayView name)
{
    int last = 0;
    forEachMatch(ConsoleLine::tokens(name), [&](QByteArray& line, const ConsoleLine::Command&) {
        last = static_cast<int>(&line - m_lines.data());
    });
    return last;
}

void CfgStore::SetCfgVar(QByteArrayView name, QByteArrayView value)
{
    raiseTop();
    const std::vector<QByteArray> nameTokens = ConsoleLine::tokens(name);
    const QByteArray built = variableLine(name, value);
    const size_t n = nameTokens.size();
    const bool found = forEachMatch(nameTokens, [&](QByteArray& line, const ConsoleLine::Command& command) {
        const std::vector<ConsoleLine::Token>& tokens = command.tokens;
        const bool holds = value.isEmpty()
                               ? tokens.size() == n || (tokens.size() == n + 1 && tokens[n].text.trimmed().isEmpty())
                               : tokens.size() == n + 1 && tokens[n].text == value;
        if (holds)
            return;
        QByteArray rest = line.sliced(command.tokens.back().end);
        if (rest.trimmed().isEmpty())
            rest.clear();
        QByteArray replaced = line.first(command.tokens.front().begin) + built + rest;
        if (replaced != line)
            m_modified = true;
        line = std::move(replaced);
    });
    if (!found && !nameTokens.empty()) {
        m_lines[static_cast<size_t>(m_top)] = built;
        m_ends[static_cast<size_t>(m_top)] = m_newLineEnd;
        m_modified = true;
        m_index.refile(m_lines, m_top);
    }
}

void CfgStore::SetCfgLine(int i, QByteArrayView text)
{
    if (!isLine(i) || m_lines[static_cast<size_t>(i)] == text)
        return;
    m_lines[static_cast<size_t>(i)] = text.toByteArray();
    m_modified = true;
    m_index.refile(m_lines, i);
}

void CfgStore::RemoveCfgLine(int i)
{
    if (!isLine(i))
        return;
    m_lines[static_cast<size_t>(i)].clear(); // an empty line matches nothing: no refiling needed
    m_ends[static_cast<size_t>(i)] = NoLine;
    m_modified = true;
}

void CfgStore::normalize()
{
    m_normalize = true;
}

bool CfgStore::DeleteCfgLines(QByteArrayView name)
{
    std::vector<int> removed;
    const bool found =
        forEachMatch(ConsoleLine::tokens(name), [&](QByteArray& line, const ConsoleLine::Command& command) {
            const int slot = static_cast<int>(&line - m_lines.data());
            if (!command.bySemicolon) {
                removed.push_back(slot); // nothing but the command, perhaps with a comment
                return;
            }
            qsizetype after = command.end + 1;
            while (after < line.size() && static_cast<unsigned char>(line[after]) <= 0x20)
                ++after;
            const ConsoleLine::Command next = ConsoleLine::firstCommand(line.sliced(after));
            if (next.tokens.empty() && !next.bySemicolon)
                removed.push_back(slot); // only a comment or blanks followed the command
            else
                line = line.first(command.tokens.front().begin) + line.sliced(after);
        });
    for (const int slot : removed)
        RemoveCfgLine(slot);
    if (found)
        m_modified = true;
    return found;
}

QByteArray CfgStore::text() const
{
    std::vector<int> lines;
    qsizetype size = 0;
    for (int i = 1; i <= m_top && static_cast<size_t>(i) < m_lines.size(); ++i) {
        if (!isLine(i) || (m_normalize && m_lines[static_cast<size_t>(i)].isEmpty()))
            continue;
        lines.push_back(i);
        size += m_lines[static_cast<size_t>(i)].size() + 2;
    }
    QByteArray text;
    text.reserve(size);
    for (size_t k = 0; k < lines.size(); ++k) {
        const auto slot = static_cast<size_t>(lines[k]);
        text.append(m_lines[slot]);
        TextLines::End end = m_normalize ? TextLines::End::CrLf : m_ends[slot];
        // A line that ended the file without a line end gets one when a line follows it.
        if (end == TextLines::End::None && k + 1 < lines.size())
            end = m_newLineEnd;
        text.append(TextLines::bytesOf(end));
    }
    return text;
}

bool CfgStore::SaveCfg(const QString& reloadPath, QString* error)
{
    const QString path = m_path;
    const QByteArray text = this->text();
    m_lastSaveWrote = false;
    if (m_loaded && text == m_text)
        return LoadCfg(reloadPath, error); // nothing changed: the file is not touched
    // A read-only file, or a folder that cannot take the new file, is refused before anything is
    // written, with that cause rather than the system's "Permission denied".
    if (const QString refusal = WriteCheck::refusal(path, m_texts); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = FileError::text(m_texts, "cannotwrite", path, file.errorString());
        file.cancelWriting();
        return false;
    }
    m_lastSaveWrote = true;
    return LoadCfg(reloadPath, error);
}
