#include "chain/StartChain.h"

#include "chain/ChainCommand.h"
#include "config/ConsoleLine.h"
#include "config/TextLines.h"
#include "keys/BindReader.h"
#include "keys/KeyNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

using ChainCommand::Kind;

// Runs the files of one game folder into a StartChain.
class ChainRunner {
public:
    ChainRunner(const QString& gameDir, StartChainReader::Prelude prelude)
        : m_dir(gameDir)
        , m_prelude(std::move(prelude))
    {
        m_prelude.file = QDir::cleanPath(m_prelude.file);
    }

    StartChain follow()
    {
        for (const char* start : {"autoexec.cfg", "config.cfg"}) {
            const QString file = resolve(QString::fromLatin1(start));
            if (!file.isEmpty())
                runFile(file, ChainPlace{});
        }
        return std::move(m_chain);
    }

private:
    void runFile(const QString& file, const ChainPlace& from)
    {
        std::vector<QByteArray> lines;
        QString error;
        if (!StartChainReader::readLines(m_dir.filePath(file), &lines, &error)) {
            warn(from.hasLine() ? from : ChainPlace{file, 0}, error);
            return;
        }
        m_chain.runs.push_back({file, from});
        m_running.push_back(file);
        if (!m_prelude.line.isEmpty() && file.compare(m_prelude.file, Qt::CaseInsensitive) == 0)
            runLine(m_prelude.line, ChainPlace{file, 0});
        for (size_t i = 0; i < lines.size(); ++i)
            runLine(lines[i], ChainPlace{file, static_cast<int>(i) + 1});
        m_running.pop_back();
    }

    void runLine(const QByteArray& line, const ChainPlace& place)
    {
        for (const BindReader::LineCommand& c : BindReader::commands(line))
            runCommand(ChainCommand::read(c.command, m_aliases), place);
    }

    void runCommand(const ChainCommand::Reading& r, const ChainPlace& place)
    {
        switch (r.kind) {
        case Kind::Variable:
            record(StartChain::variableName(r.name), r.value, true, place);
            break;
        case Kind::Setinfo:
            record(StartChain::setinfoName(r.name), r.value, true, place);
            break;
        case Kind::Alias:
            m_aliases.insert(r.name);
            record(StartChain::aliasName(r.name), r.value, true, place);
            break;
        case Kind::Bind:
        case Kind::Unbind:
            // A bind to nothing leaves the key doing nothing, as unbind does.
            record(StartChain::keyName(r.key), r.value, r.kind == Kind::Bind && !r.value.isEmpty(), place);
            break;
        case Kind::Unbindall:
            for (auto& [name, entry] : m_chain.entries) {
                if (name.startsWith("bind ") && entry.inEffect)
                    record(name, QByteArray(), false, place);
            }
            break;
        case Kind::UnknownKeyBind:
            warn(place, QStringLiteral("the game has no key named '%1'").arg(QString::fromLocal8Bit(r.name)));
            break;
        case Kind::Exec:
            exec(r.name, place);
            break;
        case Kind::Other:
            break;
        }
    }

    void record(const QByteArray& name, const QByteArray& value, bool inEffect, const ChainPlace& place)
    {
        auto [it, added] = m_chain.entries.try_emplace(name);
        ChainEntry& entry = it->second;
        if (!added)
            entry.overridden.push_back(entry.place);
        entry.value = inEffect ? value : QByteArray();
        entry.inEffect = inEffect;
        entry.place = place;
    }

    void exec(const QByteArray& name, const ChainPlace& place)
    {
        const QString shown = QString::fromLocal8Bit(name);
        if (!StartChainReader::isAllowedExecName(name)) {
            warn(place, QStringLiteral("exec %1: the game refuses this name").arg(shown));
            return;
        }
        const QString file = resolve(shown);
        if (file.isEmpty()) {
            warn(place, QStringLiteral("exec %1: no such file").arg(shown));
        } else if (m_running.contains(file, Qt::CaseInsensitive)) {
            warn(place, QStringLiteral("exec %1: the file is already running; not run again").arg(shown));
        } else if (m_running.size() >= StartChainReader::MaxDepth) {
            warn(place, QStringLiteral("exec %1: more than %2 files inside one another; not run")
                            .arg(shown)
                            .arg(StartChainReader::MaxDepth));
        } else {
            runFile(file, place);
        }
    }

    QString resolve(const QString& name) const { return StartChainReader::findFile(m_dir.path(), name); }

    void warn(const ChainPlace& place, const QString& text) { m_chain.warnings.push_back({place, text}); }

    QDir m_dir;
    StartChainReader::Prelude m_prelude;
    StartChain m_chain;
    QSet<QByteArray> m_aliases;
    QStringList m_running;
};

} // namespace

QByteArray StartChain::variableName(QByteArrayView name)
{
    return name.toByteArray().toLower();
}

QByteArray StartChain::setinfoName(QByteArrayView key)
{
    return "setinfo " + key.toByteArray().toLower();
}

QByteArray StartChain::aliasName(QByteArrayView name)
{
    return "alias " + name.toByteArray().toLower();
}

QByteArray StartChain::keyName(const QString& key)
{
    const QString canonical = KeyNames::canonical(key);
    return canonical.isEmpty() ? QByteArray() : "bind " + canonical.toLocal8Bit();
}

QByteArray StartChain::entryName(QByteArrayView written)
{
    const std::vector<QByteArray> t = ConsoleLine::tokens(written);
    if (t.size() == 2) {
        const QByteArray first = t[0].toLower();
        if (first == "bind")
            return keyName(QString::fromLocal8Bit(t[1]));
        if (first == "setinfo")
            return setinfoName(t[1]);
        if (first == "alias")
            return aliasName(t[1]);
    }
    return t.size() == 1 ? variableName(t[0]) : QByteArray();
}

const ChainEntry* StartChain::find(const QByteArray& entryName) const
{
    const auto it = entries.find(entryName);
    return it == entries.end() ? nullptr : &it->second;
}

QSet<QByteArray> StartChain::aliasNames() const
{
    QSet<QByteArray> names;
    for (const auto& [name, entry] : entries) {
        if (name.startsWith("alias "))
            names.insert(name.sliced(6));
    }
    return names;
}

std::vector<ChainRun> StartChain::runsOf(const QString& file) const
{
    std::vector<ChainRun> out;
    const QString wanted = QDir::cleanPath(file);
    for (const ChainRun& r : runs) {
        if (r.file.compare(wanted, Qt::CaseInsensitive) == 0)
            out.push_back(r);
    }
    return out;
}

namespace StartChainReader {

StartChain follow(const QString& gameDir, const Prelude& prelude)
{
    return ChainRunner(gameDir, prelude).follow();
}

QString findFile(const QString& gameDir, const QString& name)
{
    const QDir root(gameDir);
    QString relative;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QDir dir(root.filePath(relative));
        QString found = part;
        if (!QFileInfo::exists(dir.filePath(part))) {
            const QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            const auto match = std::find_if(names.begin(), names.end(), [&](const QString& n) {
                return n.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == names.end())
                return QString();
            found = *match;
        }
        relative = relative.isEmpty() ? found : relative + QLatin1Char('/') + found;
    }
    return QFileInfo(root.filePath(relative)).isFile() ? QDir::cleanPath(relative) : QString();
}

bool readLines(const QString& path, std::vector<QByteArray>* lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    *lines = TextLines::split(bytes.endsWith('\x1a') ? bytes.chopped(1) : bytes);
    return true;
}

bool isAllowedExecName(QByteArrayView name)
{
    return !name.startsWith('/') && !name.contains("..") && !name.contains('\\') && !name.contains(':') &&
           !name.contains('~');
}

} // namespace StartChainReader
