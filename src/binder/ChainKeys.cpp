#include "binder/ChainKeys.h"

#include "chain/ChainCommand.h"

#include <QDir>

#include <map>

namespace ChainKeys {

namespace {

using ChainCommand::Kind;

bool sameFile(const QString& a, const QString& b)
{
    return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
}

// The command of the line at `place` that bound or cleared `key` last, as written there. The
// lines of each file are read once.
class LineSource {
public:
    explicit LineSource(const QString& gameDir)
        : m_dir(gameDir)
    {}

    QByteArray what(const ChainPlace& place, const QString& key)
    {
        auto [it, added] = m_files.try_emplace(place.file);
        if (added)
            StartChainReader::readLines(m_dir.filePath(place.file), &it->second, nullptr);
        const std::vector<QByteArray>& lines = it->second;
        if (place.line < 1 || size_t(place.line) > lines.size())
            return {};
        const QByteArray& line = lines[size_t(place.line - 1)];
        QByteArray found;
        for (const BindReader::LineCommand& c : BindReader::commands(line)) {
            const ChainCommand::Reading r = ChainCommand::read(c.command, {});
            const bool touches =
                r.kind == Kind::Unbindall || ((r.kind == Kind::Bind || r.kind == Kind::Unbind) && r.key == key);
            if (touches && !c.command.tokens.empty()) {
                const qsizetype begin = c.command.tokens.front().begin;
                found = line.mid(begin, c.command.tokens.back().end - begin);
            }
        }
        return found;
    }

    // Whether the line at `place` binds `key` to a command (rather than clearing it).
    bool binds(const ChainPlace& place, const QString& key)
    {
        for (const BindReader::LineCommand& c : BindReader::commands(what(place, key))) {
            const ChainCommand::Reading r = ChainCommand::read(c.command, {});
            if (r.kind == Kind::Bind && r.key == key && !r.value.isEmpty())
                return true;
        }
        return false;
    }

private:
    QDir m_dir;
    std::map<QString, std::vector<QByteArray>> m_files;
};

QString keyOf(const QByteArray& entryName)
{
    return QString::fromLocal8Bit(entryName.sliced(5)); // after "bind "
}

} // namespace

QHash<QString, KeyStanding> standings(const StartChain& chain, const QString& gameDir, const QString& workingFile,
                                      const BindReading& working)
{
    using State = KeyStanding::State;
    QHash<QString, KeyStanding> out;
    LineSource lines(gameDir);
    const bool reached = !chain.runsOf(workingFile).empty();
    for (const BoundKey& b : working.bound) {
        KeyStanding& s = out[b.key];
        s.state = State::Here;
        s.command = b.command;
        const ChainEntry* entry = reached ? chain.find(StartChain::keyName(b.key)) : nullptr;
        if (entry && !sameFile(entry->place.file, workingFile)) {
            s.state = State::Replaced;
            s.place = entry->place;
            s.what = lines.what(entry->place, b.key);
        }
    }
    for (const auto& [name, entry] : chain.entries) {
        if (!name.startsWith("bind ") || !entry.inEffect || sameFile(entry.place.file, workingFile))
            continue;
        const QString key = keyOf(name);
        if (out.contains(key))
            continue;
        KeyStanding& s = out[key];
        s.state = State::Elsewhere;
        s.command = entry.value;
        s.place = entry.place;
        s.what = lines.what(entry.place, key);
    }
    // Another file's binds that the game does not keep, the last of each key.
    for (const auto& [name, entry] : chain.entries) {
        if (!name.startsWith("bind "))
            continue;
        const QString key = keyOf(name);
        std::vector<ChainPlace> places = entry.overridden;
        places.push_back(entry.place);
        for (size_t i = places.size() - 1; i-- > 0;) {
            if (sameFile(places[i].file, workingFile) || !lines.binds(places[i], key))
                continue;
            KeyStanding& s = out[key];
            s.lostPlace = places[i];
            s.lostWhat = lines.what(places[i], key);
            s.lostBy = places[i + 1];
            s.lostByWhat = lines.what(places[i + 1], key);
            break;
        }
    }
    return out;
}

std::optional<LaterBind> laterBind(const QString& gameDir, const QString& workingFile, const QString& key)
{
    const QByteArray entryName = StartChain::keyName(key);
    if (gameDir.isEmpty() || entryName.isEmpty())
        return std::nullopt;
    const StartChain chain = StartChainReader::follow(gameDir);
    if (chain.runsOf(workingFile).empty())
        return std::nullopt;
    // The same chain again, with the working file binding the key before anything else it does:
    // what touches the key after that is what the game runs after the working file has started.
    const StartChain again =
        StartChainReader::follow(gameDir, {workingFile, "bind \"" + entryName.sliced(5) + "\" \"+qvl\""});
    const ChainEntry* entry = again.find(entryName);
    if (!entry || sameFile(entry->place.file, workingFile))
        return std::nullopt;
    return LaterBind{entry->place, LineSource(gameDir).what(entry->place, keyOf(entryName)), entry->inEffect};
}

} // namespace ChainKeys
