#include "binder/ChainKeys.h"

#include "chain/ChainCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
        KeyStanding s{State::Here, b.command, {}, {}};
        const ChainEntry* entry = reached ? chain.find(StartChain::keyName(b.key)) : nullptr;
        if (entry && !sameFile(entry->place.file, workingFile))
            s = {State::Replaced, b.command, entry->place, lines.what(entry->place, b.key)};
        out.insert(b.key, s);
    }
    for (const auto& [name, entry] : chain.entries) {
        if (!name.startsWith("bind ") || !entry.inEffect || sameFile(entry.place.file, workingFile))
            continue;
        const QString key = keyOf(name);
        if (!out.contains(key))
            out.insert(key, {State::Elsewhere, entry.value, entry.place, lines.what(entry.place, key)});
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
    QTemporaryDir copy;
    if (!copy.isValid())
        return std::nullopt;
    const QDir from(gameDir);
    const QDir to(copy.path());
    for (const ChainRun& run : chain.runs) {
        QByteArray bytes;
        QFile file(from.filePath(run.file));
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        if (sameFile(run.file, workingFile))
            bytes.prepend("bind \"" + entryName.sliced(5) + "\" \"+qvl\"\n");
        QDir().mkpath(QFileInfo(to.filePath(run.file)).path());
        QFile target(to.filePath(run.file));
        if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size())
            return std::nullopt;
    }
    const StartChain again = StartChainReader::follow(copy.path());
    const ChainEntry* entry = again.find(entryName);
    if (!entry || sameFile(entry->place.file, workingFile))
        return std::nullopt;
    return LaterBind{entry->place, LineSource(gameDir).what(entry->place, keyOf(entryName)), entry->inEffect};
}

} // namespace ChainKeys
