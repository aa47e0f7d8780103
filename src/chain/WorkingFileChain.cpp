#include "chain/WorkingFileChain.h"

#include <QDir>

#include <algorithm>

namespace WorkingFileChain {

namespace {

bool isFile(const ChainPlace& place, const QString& file)
{
    return place.file.compare(QDir::cleanPath(file), Qt::CaseInsensitive) == 0;
}

} // namespace

Reach reach(const StartChain& chain, const QString& file)
{
    Reach out;
    std::vector<ChainRun> runs = chain.runsOf(file);
    out.reached = !runs.empty();
    // Each run was started by a line of a file that was running then, and so had started before.
    for (ChainPlace from = out.reached ? runs.front().from : ChainPlace{}; from.hasLine();) {
        out.execs.insert(out.execs.begin(), from);
        runs = chain.runsOf(from.file);
        from = runs.empty() ? ChainPlace{} : runs.front().from;
    }
    return out;
}

Reach reach(const QString& gameDir, const QString& file)
{
    return reach(StartChainReader::follow(gameDir), file);
}

LaterSettings laterSettings(const StartChain& chain, const QString& file)
{
    LaterSettings out;
    for (const auto& [name, entry] : chain.entries) {
        const auto setHere = [&](const ChainPlace& p) { return isFile(p, file); };
        if (entry.inEffect && !isFile(entry.place, file) &&
            std::any_of(entry.overridden.begin(), entry.overridden.end(), setHere))
            out.insert(name, {entry.place.file, entry.place.line, entry.value});
    }
    return out;
}

LaterSettings laterSettings(const QString& gameDir, const QString& file)
{
    return laterSettings(StartChainReader::follow(gameDir), file);
}

} // namespace WorkingFileChain
